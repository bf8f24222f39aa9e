#include "ui/qmessagedialog.h"

#include "ui/dialogframe.h"
#include "ui/titlebar.h"
#include "ui_qmessagedialog.h"

#include <QLabel>
#include <QTextBoundaryFinder>

namespace {

// As the form lays the dialog out.
const QSize FormSize(411, 110);

// A piece of text between two of its line-break opportunities (a word, a
// part of a path with the separator after it) that is wider than a line
// could not wrap and would be cut off at the dialog's edge: it may break
// between any two of its characters, at zero-width spaces. Pieces that fit
// keep their own break points, and a text whose pieces all fit (Chinese
// breaks between its characters by itself) is left as it is.
QString BreakOverlongWords(const QString &text, const QFontMetrics &metrics, int lineWidth)
{
    QString broken;
    bool changed = false;
    QTextBoundaryFinder lines(QTextBoundaryFinder::Line, text);
    int start = 0;
    for (int end = lines.toNextBoundary(); end != -1; end = lines.toNextBoundary()) {
        const QString piece = text.mid(start, end - start);
        start = end;
        if (metrics.horizontalAdvance(piece.trimmed()) <= lineWidth) {
            broken += piece;
            continue;
        }
        changed = true;
        QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, piece);
        int from = 0;
        for (int to = characters.toNextBoundary(); to != -1; to = characters.toNextBoundary()) {
            broken += piece.midRef(from, to - from);
            if (to < piece.size())
                broken += QChar(0x200B);
            from = to;
        }
    }
    return changed ? broken : text;
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

// The message takes the room of its longest line, up to two thirds of the
// screen's width; the spacers around it shrink first. The height is what the
// title strip, the message at that width and the buttons need, the form's at
// least.
void QMessageDialog::FitMessage()
{
    QLabel *label = ui->label;
    label->setWordWrap(true);
    setMaximumWidth(AvailableScreenArea(this).width());
    const int widest = WidestDialog();
    const int widestText = WidestText();
    const int chrome = widest - widestText;
    const QMargins margins = ui->gridLayout->contentsMargins();
    const int text = qBound(0, label->fontMetrics().size(0, label->text()).width(), widestText);
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
