#include "ui/dialogseam.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

#include "ui/printdialog.h"

namespace DialogSeam {
namespace {
ExecHandler execHandler;
OpenFileHandler openFileHandler;
SaveFileHandler saveFileHandler;
PrintHandler printHandler;
ColorHandler colorHandler;

int openDialogs = 0;
QList<QPair<QPointer<QObject>, std::function<void()>>> waiting;

void RunWaiting()
{
    while (openDialogs == 0 && !waiting.isEmpty()) {
        const auto next = waiting.takeFirst();
        if (next.first)
            next.second();
    }
}

// Counts a dialog while it is on show; when the last one closes, what waits
// for it runs once the dialog's caller has had its answer.
class OnShow
{
public:
    OnShow() { ++openDialogs; }
    ~OnShow()
    {
        if (--openDialogs == 0 && !waiting.isEmpty())
            QTimer::singleShot(0, RunWaiting);
    }
    OnShow(const OnShow &) = delete;
    OnShow &operator=(const OnShow &) = delete;
};

} // namespace

void WhenNoDialog(QObject *context, std::function<void()> action)
{
    waiting.append({QPointer<QObject>(context), std::move(action)});
    RunWaiting();
}

int Exec(QDialog &dialog)
{
    const OnShow shown;
    return execHandler ? execHandler(dialog) : dialog.exec();
}

void SetExecHandler(ExecHandler handler)
{
    execHandler = std::move(handler);
}

QString GetOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                        const QString &filter)
{
    const OnShow shown;
    if (openFileHandler)
        return openFileHandler(parent, caption, dir, filter);
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

void SetOpenFileHandler(OpenFileHandler handler)
{
    openFileHandler = std::move(handler);
}

QString GetSaveFileName(QWidget *parent, const QString &caption, const QString &path,
                        const QString &filter)
{
    const OnShow shown;
    if (saveFileHandler)
        return saveFileHandler(parent, caption, path, filter);
    QFileDialog dialog(parent, caption, path, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(FilterSuffix(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString &selected) {
                         dialog.setDefaultSuffix(FilterSuffix(selected));
                     });
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

void SetSaveFileHandler(SaveFileHandler handler)
{
    saveFileHandler = std::move(handler);
}

QString FilterSuffix(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    return pattern.match(filter).captured(1);
}

int ExecPrintDialog(QPrinter *printer)
{
    const OnShow shown;
    if (printHandler)
        return printHandler(printer);
    PrintDialog dialog(printer);
    return dialog.exec();
}

void SetPrintHandler(PrintHandler handler)
{
    printHandler = std::move(handler);
}

QColor GetColor(const QColor &initial, QWidget *parent, const QString &title)
{
    const OnShow shown;
    if (colorHandler)
        return colorHandler(initial, parent, title);
    return QColorDialog::getColor(initial, parent, title);
}

void SetColorHandler(ColorHandler handler)
{
    colorHandler = std::move(handler);
}

} // namespace DialogSeam
