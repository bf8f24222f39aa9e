#include "ui/qmessagedialog.h"

#include "ui/dialogframe.h"
#include "ui/titlebar.h"
#include "ui_qmessagedialog.h"

#include <QLabel>
#include <QRegularExpression>

namespace {

// As the form lays the dialog out.
const QSize FormSize(411, 110);

// A word (or a part of a path between its separators) wider than a line of
// the message could not wrap and would be cut off at the dialog's edge: it
// may break anywhere, at zero-width spaces between its characters. Words
// that fit keep their own break points, and so does the text.
QString BreakOverlongWords(const QString &text, const QFontMetrics &metrics, int lineWidth)
{
    static const QRegularExpression piece(QStringLiteral("[^\\s/\\\\]+"));
    QString broken;
    int done = 0;
    QRegularExpressionMatchIterator pieces = piece.globalMatch(text);
    while (pieces.hasNext()) {
        const QRegularExpressionMatch match = pieces.next();
        const QString word = match.captured();
        if (metrics.horizontalAdvance(word) <= lineWidth)
            continue;
        broken += text.midRef(done, match.capturedStart() - done);
        for (int i = 0; i < word.size(); ++i) {
            broken += word.at(i);
            if (!word.at(i).isHighSurrogate())
                broken += QChar(0x200B);
        }
        done = match.capturedEnd();
    }
    return done == 0 ? text : broken + text.midRef(done);
}

} // namespace

QMessageDialog::QMessageDialog(QWidget *parent)
    : QDialog(parent, Qt::WindowFlags())
    , ui(new Ui_QMessageDialog)
{
    ui->setupUi(this);
    InitTitleBar();
    SetDefaultButton(this, ui->pushButtonOK, {ui->pushButtonClose});
    connect(ui->pushButtonOK, SIGNAL(clicked()), this, SLOT(accept()));
    connect(ui->pushButtonClose, SIGNAL(clicked()), this, SLOT(reject()));
}

QMessageDialog::~QMessageDialog()
{
    delete ui;
}

// The title text is white and takes its size from the font of SetTitleText.
void QMessageDialog::InitTitleBar()
{
    DialogTitleBar = CreateDialogTitleBar(this);
    connect(DialogTitleBar, &TitleBar::send_close, this, &QMessageDialog::PushButtonCloseSlot);
    DialogTitleBar->TitleLabel->setStyleSheet("color:rgb(255, 255, 255);");
    PlaceDialogTitleBar(DialogTitleBar, ui->widget);
}

void QMessageDialog::SetTitleText(const QString &text, QFont font)
{
    DialogTitleBar->SetTitleText(text, font);
}

void QMessageDialog::SetOKText(const QString &text, QFont font)
{
    ui->pushButtonOK->setFont(font);
    ui->pushButtonOK->setText(text);
}

void QMessageDialog::SetCloseText(const QString &text, QFont font)
{
    ui->pushButtonClose->setFont(font);
    ui->pushButtonClose->setText(text);
}

void QMessageDialog::SetMessageText(const QString &text, QFont font)
{
    ui->label->setFont(font);
    ui->label->setText(BreakOverlongWords(text, ui->label->fontMetrics(), WidestText()));
    FitMessage();
}

// The message takes the room of its longest line, up to two thirds of the
// screen's width; the spacers around it shrink first. The height is what the title strip, the
// message at that width and the buttons need, the form's at least.
// The widest the message's text may be: the dialog at two thirds of the
// screen, less the room around the text.
int QMessageDialog::WidestText() const
{
    const QMargins margins = ui->gridLayout->contentsMargins();
    const int spacing = qMax(0, ui->gridLayout->horizontalSpacing());
    const int chrome = 2 * (ui->label->margin() + spacing) + margins.left() + margins.right();
    return WidestDialog() - chrome;
}

int QMessageDialog::WidestDialog() const
{
    return qMax(FormSize.width(), AvailableScreenArea(this).width() * 2 / 3);
}

void QMessageDialog::FitMessage()
{
    QLabel *label = ui->label;
    label->setWordWrap(true);
    setMaximumWidth(AvailableScreenArea(this).width());
    const int widest = WidestDialog();
    const int chrome = widest - WidestText();
    const QMargins margins = ui->gridLayout->contentsMargins();
    const int text = qMax(0, qMin(label->fontMetrics().size(0, label->text()).width(),
                                  widest - chrome));
    label->setMinimumWidth(text);
    const int rowGaps = 4 * qMax(0, ui->gridLayout->verticalSpacing());
    const int height = ui->widget->minimumSizeHint().height() + label->heightForWidth(text)
                       + ui->horizontalLayout->minimumSize().height() + rowGaps + margins.top()
                       + margins.bottom();
    resize(qBound(FormSize.width(), text + chrome, widest),
           qMax(FormSize.height(), height));
}

void QMessageDialog::HideCloseButton(bool hide)
{
    ui->pushButtonClose->setVisible(!hide);
}

void QMessageDialog::SetTitleBarCloseAccepts(bool accepts)
{
    TitleBarCloseAccepts = accepts;
}

// The title bar's close button ends the dialog as OK does, or as Close.
void QMessageDialog::PushButtonCloseSlot()
{
    if (TitleBarCloseAccepts)
        accept();
    else
        reject();
}
