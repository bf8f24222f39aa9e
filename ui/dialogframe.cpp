#include "ui/dialogframe.h"

#include "ui/titlebar.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QPushButton>
#include <QVBoxLayout>

TitleBar *CreateDialogTitleBar(QDialog *dialog)
{
    auto *bar = new TitleBar(dialog);
    bar->SetButtonVisible(TitleBar::MaximizePart, false);
    bar->SetButtonVisible(TitleBar::MinimizePart, false);
    dialog->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    bar->set_ChildWindowColor(255, 255, 255);
    return bar;
}

void PlaceDialogTitleBar(TitleBar *bar, QWidget *strip)
{
    bar->SetTitleIcon(QStringLiteral("Icon/quillmarknew.png"));
    auto *column = new QVBoxLayout(strip);
    column->setSpacing(0);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(bar);
}

void SetDefaultButton(QDialog *dialog, QPushButton *button,
                      std::initializer_list<QPushButton *> answers)
{
    for (QPushButton *other : dialog->findChildren<QPushButton *>()) {
        other->setAutoDefault(false);
        other->setDefault(false);
    }
    for (QPushButton *answer : answers)
        answer->setAutoDefault(true);
    button->setAutoDefault(true);
    button->setDefault(true);
}

QRect AvailableScreenArea(const QWidget *window)
{
    const QWidget *anchor = window && window->isVisible() ? window : QApplication::activeWindow();
    QScreen *screen = anchor ? anchor->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void CentreDialog(QWidget *dialog, const QWidget *over)
{
    const bool shownOver = over && over->isVisible();
    const QRect area = AvailableScreenArea(shownOver ? over->window() : dialog);
    QRect frame(QPoint(0, 0), dialog->size());
    frame.moveCenter(shownOver ? over->window()->frameGeometry().center() : area.center());
    frame.moveLeft(qBound(area.left(), frame.left(), qMax(area.left(), area.right() - frame.width() + 1)));
    frame.moveTop(qBound(area.top(), frame.top(), qMax(area.top(), area.bottom() - frame.height() + 1)));
    dialog->move(frame.topLeft());
}
