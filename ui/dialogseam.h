#ifndef DIALOGSEAM_H
#define DIALOGSEAM_H

// The one place where the program runs modal dialogs. Tests install handlers
// that answer a dialog instead of a user; without a handler the real dialog
// runs.
//
// It also keeps the program to one dialog at a time where nobody asked for a
// second: what comes on its own (a job's completion) waits with WhenNoDialog
// until no dialog of the program is on show.

#include <QColor>
#include <QString>
#include <functional>

class QDialog;
class QObject;
class QPrinter;
class QWidget;

namespace DialogSeam {

// Runs `action` at once when no dialog is on show, else once the last one
// has closed, in the order the actions came. An action whose context has
// gone by then is dropped.
void WhenNoDialog(QObject *context, std::function<void()> action);

using ExecHandler = std::function<int(QDialog &dialog)>;
using OpenFileHandler = std::function<QString(QWidget *parent, const QString &caption,
                                              const QString &dir, const QString &filter)>;
using SaveFileHandler = OpenFileHandler;
using PrintHandler = std::function<int(QPrinter *printer)>;

// Runs dialog.exec(), or the installed handler.
int Exec(QDialog &dialog);
// An empty handler brings the real dialog back.
void SetExecHandler(ExecHandler handler);

// QFileDialog::getOpenFileName, or the installed handler.
QString GetOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                        const QString &filter);
void SetOpenFileHandler(OpenFileHandler handler);

// A save dialog whose name gets the suffix of the selected filter when it has
// none ("Report-1" with "*.pdf" gives "Report-1.pdf"), so that the question
// before an existing file is replaced is asked about the final name. Returns
// "" when the user cancels.
QString GetSaveFileName(QWidget *parent, const QString &caption, const QString &path,
                        const QString &filter);
void SetSaveFileHandler(SaveFileHandler handler);
// The suffix a filter such as "EXCEL files (*.xls)" names, or "".
QString FilterSuffix(const QString &filter);

// The print dialog (see printdialog.h) on the printer, without parent;
// returns QDialog::Accepted when the user prints.
int ExecPrintDialog(QPrinter *printer);
void SetPrintHandler(PrintHandler handler);

// QColorDialog::getColor, or the installed handler. A chooser closed without
// a choice gives an invalid colour.
using ColorHandler = std::function<QColor(const QColor &initial, QWidget *parent,
                                          const QString &title)>;
QColor GetColor(const QColor &initial, QWidget *parent, const QString &title);
void SetColorHandler(ColorHandler handler);

} // namespace DialogSeam

#endif // DIALOGSEAM_H
