#include "ui/titlebar.h"

#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWindow>

namespace {
const int BarHeight = 46;
const int ButtonSize = 35;
const QSize ButtonIconSize(24, 24);
const char IconPrefix[] = ":/new/prefix1/Icon/";
const QColor BarBackground(255, 255, 255);
} // namespace

TitleBar::TitleBar(QWidget *parent)
    : QWidget(parent)
{
    set_ChildWindowColor(BarBackground.red(), BarBackground.green(), BarBackground.blue());
    BuildWidgets();
    BuildLayout();
    ConnectButtons();
    resize(parent ? parent->width() : width(), BarHeight);
    setFixedHeight(BarHeight);
    AddShadow();
    InstallOnParent(parent);
}

// A soft shadow under the bar sets it off from the window body.
void TitleBar::AddShadow()
{
    auto *shadow = new QGraphicsDropShadowEffect(this);
    shadow->setOffset(0, 2);
    shadow->setBlurRadius(8);
    shadow->setColor(QColor(0, 0, 0, 80));
    setGraphicsEffect(shadow);
}

void TitleBar::BuildWidgets()
{
    IconLabel = new QLabel(this);
    IconLabel->setObjectName("titleIconLabel");

    TitleLabel = new QLabel(this);
    TitleLabel->setObjectName("titleTextLabel");
    TitleLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    TitleLabel->setStyleSheet("QLabel{color:black;font-size:22px;font-style:MingLiU-ExtB;}");

    PushButtonLogout = MakeButton("titleButtonLogout", "logout.png");
    PushButtonToolBar = MakeButton("titleButtonToolBar", "toolbar.png");
    PushButtonTop = MakeButton("titleButtonTop", "top.png");
    PushButtonTop->setCheckable(true);
    PushButtonMinimize = MakeButton("titleButtonMinimize", "minimize.png");
    PushButtonMaximize = MakeButton("titleButtonMaximize", "maximize.png");
    PushButtonClose = MakeButton("titleButtonClose", "close.png");

    PushButtonLogout->hide();
    PushButtonToolBar->hide();
    PushButtonTop->hide();
}

// Window buttons never take the keyboard focus, so that Return in a dialog
// keeps going to the dialog's own default button.
QPushButton *TitleBar::MakeButton(const QString &objectName, const QString &iconName)
{
    auto *button = new QPushButton(this);
    button->setObjectName(objectName);
    button->setFixedSize(ButtonSize, ButtonSize);
    button->setIcon(QIcon(IconPrefix + iconName));
    button->setIconSize(ButtonIconSize);
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    return button;
}

void TitleBar::BuildLayout()
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(8, 0, 4, 0);
    row->setSpacing(4);
    row->addWidget(IconLabel);
    row->addWidget(TitleLabel, 1);
    row->addWidget(PushButtonLogout);
    row->addWidget(PushButtonToolBar);
    row->addWidget(PushButtonTop);
    row->addWidget(PushButtonMinimize);
    row->addWidget(PushButtonMaximize);
    row->addWidget(PushButtonClose);
}

// A parent without a layout gets one with the bar on top; a parent that has
// its own layout keeps it and places the bar itself.
void TitleBar::InstallOnParent(QWidget *parent)
{
    if (!parent || parent->layout())
        return;
    auto *column = new QVBoxLayout(parent);
    column->setSpacing(0);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(this);
    column->addStretch();
}

void TitleBar::ConnectButtons()
{
    connect(PushButtonMinimize, &QPushButton::clicked, this, &TitleBar::PushButtonMinimizeSlot);
    connect(PushButtonMaximize, &QPushButton::clicked, this, &TitleBar::PushButtonMaximizeSlot);
    connect(PushButtonTop, &QPushButton::clicked, this, &TitleBar::PushButtonTopSlot);
    connect(PushButtonClose, &QPushButton::clicked, this, &TitleBar::PushButtonCloseSlot);

    // The shortcut belongs to the bar but answers anywhere in the bar's
    // window, so a dialog's bar closes that dialog and no other window.
    auto *closeShortcut = new QShortcut(QKeySequence(tr("Ctrl+w")), this);
    closeShortcut->setContext(Qt::WindowShortcut);
    connect(closeShortcut, &QShortcut::activated, this, &TitleBar::PushButtonCloseSlot);
}

void TitleBar::SetButtonVisible(const int &code, bool visible)
{
    switch (code) {
    case MaximizePart:
        PushButtonMaximize->setVisible(visible);
        break;
    case MinimizePart:
        PushButtonMinimize->setVisible(visible);
        break;
    case ClosePart:
        PushButtonClose->setVisible(visible);
        break;
    case TopPart:
        PushButtonTop->setVisible(visible);
        break;
    case IconPart:
        IconLabel->setVisible(visible);
        break;
    case AllButClosePart: {
        const QList<QWidget *> parts{PushButtonMinimize, PushButtonLogout, PushButtonToolBar,
                                     PushButtonTop,      PushButtonMaximize, IconLabel};
        for (QWidget *part : parts)
            part->setVisible(visible);
        break;
    }
    default:
        break;
    }
}

// A picture taller than the bar's buttons is scaled down to their height.
void TitleBar::SetTitleIcon(const QString &fileName)
{
    QPixmap picture;
    if (!picture.load(fileName)) {
        IconLabel->clear();
        return;
    }
    if (picture.height() > ButtonSize)
        picture = picture.scaledToHeight(ButtonSize, Qt::SmoothTransformation);
    IconLabel->setPixmap(picture);
}

void TitleBar::SetTitleText(const QString &text, QFont font)
{
    TitleLabel->setFont(font);
    TitleLabel->setText(text);
}

void TitleBar::set_ChildWindowColor(int R, int G, int B)
{
    QPalette colours = palette();
    colours.setColor(QPalette::All, QPalette::Window, QColor(R, G, B));
    setPalette(colours);
    setAutoFillBackground(true);
}

void TitleBar::PushButtonCloseSlot()
{
    emit send_close(QStringLiteral("close"));
}

void TitleBar::PushButtonMinimizeSlot()
{
    window()->showMinimized();
}

void TitleBar::PushButtonMaximizeSlot()
{
    QWidget *target = window();
    if (target->isMaximized())
        target->showNormal();
    else
        target->showMaximized();
    ShowMaximizeIcon(target->isMaximized());
}

// Changes the stay-on-top hint in place: the widget learns the new flags
// without being hidden, and a native window already shown is told directly.
// Hiding and re-showing instead would end a modal dialog's exec().
void TitleBar::PushButtonTopSlot()
{
    QWidget *target = window();
    const bool onTop = !target->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    Qt::WindowFlags flags = target->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    if (QWindow *native = target->windowHandle()) {
        target->overrideWindowFlags(flags);
        native->setFlags(flags);
    } else {
        target->setWindowFlags(flags);
    }
    PushButtonTop->setChecked(onTop);
}

void TitleBar::ShowMaximizeIcon(bool maximized)
{
    const QString name = maximized ? "restore_window.png" : "maximize.png";
    PushButtonMaximize->setIcon(QIcon(IconPrefix + name));
}

void TitleBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    Dragging = true;
    DragOffset = event->globalPos() - window()->pos();
    event->accept();
}

void TitleBar::mouseMoveEvent(QMouseEvent *event)
{
    QWidget *target = window();
    if (!Dragging || !(event->buttons() & Qt::LeftButton) || target->isMaximized()) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    target->move(event->globalPos() - DragOffset);
    event->accept();
}

void TitleBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Dragging = false;
    QWidget::mouseReleaseEvent(event);
}

void TitleBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !PushButtonMaximize->isHidden()) {
        PushButtonMaximizeSlot();
        event->accept();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void TitleBar::showEvent(QShowEvent *event)
{
    WatchWindowState();
    QWidget::showEvent(event);
}

// The maximise button shows the restore picture whenever the window is
// maximised, however it got there (the owner may maximise it itself).
void TitleBar::WatchWindowState()
{
    QWidget *target = window();
    if (target != WatchedWindow) {
        if (WatchedWindow)
            WatchedWindow->removeEventFilter(this);
        WatchedWindow = target;
        if (target != this)
            target->installEventFilter(this);
    }
    ShowMaximizeIcon(target->isMaximized());
}

bool TitleBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == WatchedWindow && event->type() == QEvent::WindowStateChange)
        ShowMaximizeIcon(WatchedWindow->isMaximized());
    return QWidget::eventFilter(watched, event);
}
