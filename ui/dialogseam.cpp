#include "ui/dialogseam.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QPrintDialog>
#include <QRegularExpression>

namespace DialogSeam {
namespace {
ExecHandler execHandler;
OpenFileHandler openFileHandler;
SaveFileHandler saveFileHandler;
PrintHandler printHandler;
ColorHandler colorHandler;
} // namespace

int Exec(QDialog &dialog)
{
    return execHandler ? execHandler(dialog) : dialog.exec();
}

void SetExecHandler(ExecHandler handler)
{
    execHandler = std::move(handler);
}

QString GetOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                        const QString &filter)
{
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
    if (printHandler)
        return printHandler(printer);
    QPrintDialog dialog(printer, nullptr);
    return dialog.exec();
}

void SetPrintHandler(PrintHandler handler)
{
    printHandler = std::move(handler);
}

QColor GetColor(const QColor &initial, QWidget *parent, const QString &title)
{
    if (colorHandler)
        return colorHandler(initial, parent, title);
    return QColorDialog::getColor(initial, parent, title);
}

void SetColorHandler(ColorHandler handler)
{
    colorHandler = std::move(handler);
}

} // namespace DialogSeam
