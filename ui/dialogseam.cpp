#include "ui/dialogseam.h"

#include <QDialog>
#include <QFileDialog>

namespace DialogSeam {
namespace {
ExecHandler execHandler;
OpenFileHandler openFileHandler;
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

} // namespace DialogSeam
