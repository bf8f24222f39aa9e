#ifndef DIALOGSEAM_H
#define DIALOGSEAM_H

// The one place where the program runs modal dialogs. Tests install handlers
// that answer a dialog instead of a user; without a handler the real dialog
// runs.

#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace DialogSeam {

using ExecHandler = std::function<int(QDialog &dialog)>;
using OpenFileHandler = std::function<QString(QWidget *parent, const QString &caption,
                                              const QString &dir, const QString &filter)>;

// Runs dialog.exec(), or the installed handler.
int Exec(QDialog &dialog);
// An empty handler brings the real dialog back.
void SetExecHandler(ExecHandler handler);

// QFileDialog::getOpenFileName, or the installed handler.
QString GetOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                        const QString &filter);
void SetOpenFileHandler(OpenFileHandler handler);

} // namespace DialogSeam

#endif // DIALOGSEAM_H
