#ifndef PRINTDIALOG_H
#define PRINTDIALOG_H

// The print dialog. When its Print button is pressed, Qt's own dialog opens
// the output file it is given to see that it can be written; the open of a
// named pipe then waits for a reader for ever, and the window with it. An
// output file that is there but is no regular file (a pipe, a device, a
// socket) is refused here first, with a message in the dialog's own manner,
// and the dialog stays open for another name, as it does for a folder.

#include <QPrintDialog>

class PrintDialog : public QPrintDialog
{
    Q_OBJECT

public:
    explicit PrintDialog(QPrinter *printer);

private:
    void CheckOutputFile();
    bool RefusesOutputFile();
};

#endif // PRINTDIALOG_H
