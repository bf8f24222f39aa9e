#include "ui/printdialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>

namespace {

// Qt's own check of the dialog's fields, which its buttons' accepted()
// reaches and which accepts the dialog when they are right.
const char *const QtFieldCheck = "_q_checkFields";

} // namespace

PrintDialog::PrintDialog(QPrinter *printer)
    : QPrintDialog(printer, nullptr)
{
    // Our check goes before Qt's; where Qt has no such check, the dialog is
    // left as it is.
    auto *buttons = findChild<QDialogButtonBox *>();
    const QByteArray check = QByteArray(QtFieldCheck) + "()";
    if (buttons && metaObject()->indexOfMethod(check.constData()) >= 0) {
        disconnect(buttons, &QDialogButtonBox::accepted, this, nullptr);
        connect(buttons, &QDialogButtonBox::accepted, this, &PrintDialog::CheckOutputFile);
    }
}

void PrintDialog::CheckOutputFile()
{
    if (!RefusesOutputFile())
        QMetaObject::invokeMethod(this, QtFieldCheck);
}

bool PrintDialog::RefusesOutputFile()
{
    // The dialog's output file box, enabled while it prints to a file.
    const auto *file = findChild<QLineEdit *>(QStringLiteral("filename"));
    if (!file || !file->isEnabled())
        return false;
    const QFileInfo target(file->text());
    if (!target.exists() || target.isFile() || target.isDir())
        return false;
    QMessageBox::warning(this, windowTitle(),
                         tr("%1 is not a regular file.\nPlease choose a different file name.")
                             .arg(file->text()));
    return true;
}
