#ifndef QMESSAGEDIALOG_DIALOG_H   // QMESSAGEDIALOG_H is taken by the generated form header
#define QMESSAGEDIALOG_DIALOG_H

// The program's one message box: a small frameless modal dialog with a title
// bar, one message line and an OK and a Close button. The caller sets the
// title, message and button texts with a font each, runs exec() and destroys
// the dialog. OK and the title bar's close button accept (1); Close and
// Escape reject (0). A question whose OK does something (the export
// completion's "Open") lets the title bar's close count as Close instead.
//
// The dialog is as wide as its message on one line, but no narrower than its
// form and no wider than two thirds of the screen: a longer message wraps, a
// path at its separators.

#include <QDialog>
#include <QFont>
#include <QString>

class TitleBar;
class Ui_QMessageDialog;

class QMessageDialog : public QDialog
{
    Q_OBJECT

public:
    explicit QMessageDialog(QWidget *parent = nullptr);
    ~QMessageDialog() override;

    void SetTitleText(const QString &text, QFont font);
    void SetOKText(const QString &text, QFont font);
    void SetCloseText(const QString &text, QFont font);
    void SetMessageText(const QString &text, QFont font);
    void HideCloseButton(bool hide);
    void SetTitleBarCloseAccepts(bool accepts);

public slots:
    void PushButtonCloseSlot();

private:
    void InitTitleBar();
    void FitMessage();
    int WidestText() const;
    int WidestDialog() const;

    TitleBar *DialogTitleBar = nullptr;
    Ui_QMessageDialog *ui = nullptr;
    bool TitleBarCloseAccepts = true;
};

#endif // QMESSAGEDIALOG_DIALOG_H
