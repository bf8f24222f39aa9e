#ifndef REPORTBROWSER_H
#define REPORTBROWSER_H

// The web-browser control of the report tab. It offers the calls the report
// preview makes:
//
//     browser->setControl("{8856F961-340A-11D0-A96B-00C04FD705A2}");
//     browser->setProperty("DisplayAlerts", false);
//     browser->setProperty("DisplayScrollBars", true);
//     browser->dynamicCall("Navigate(const QString&)", path);
//     ...
//     browser->clear();
//
// setControl instantiates the browser in the widget; Navigate shows the file
// at a plain path, read as GB2312, relative image names resolved against the
// file's folder. The page is laid out in pieces on worker threads and shown
// as the pieces come (see reportloader.h), so a report of tens of thousands
// of rows never stalls the window. A file that cannot be read shows a line
// saying why instead. clear() unloads the page and the browser; until the
// next setControl, Navigate does nothing.
//
// The browser raises no alert boxes; DisplayAlerts is kept for callers that
// set it.

#include <QVariant>
#include <QWidget>

class ReportLoader;
class ReportPageView;

class ReportBrowser : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool DisplayAlerts READ DisplayAlerts WRITE SetDisplayAlerts)
    Q_PROPERTY(bool DisplayScrollBars READ DisplayScrollBars WRITE SetDisplayScrollBars)

public:
    explicit ReportBrowser(QWidget *parent = nullptr);
    ~ReportBrowser() override;

    // Instantiates the control with this identifier; only the web browser's
    // is known. Returns whether the control is instantiated.
    bool setControl(const QString &control);
    // Calls a member of the control: "Navigate(const QString&)" with a file
    // path. Other members, or no control, do nothing. No member returns a
    // value.
    QVariant dynamicCall(const char *member, const QVariant &argument = QVariant());
    void clear();

    bool DisplayAlerts() const { return displayAlerts; }
    void SetDisplayAlerts(bool display) { displayAlerts = display; }
    bool DisplayScrollBars() const { return displayScrollBars; }
    void SetDisplayScrollBars(bool display);

    // What the page shows: its text as far as it is laid out, or the message
    // that it could not be shown.
    bool HasControl() const { return controlLoaded; }
    QString PageText() const;
    QString MessageText() const;
    bool IsPageComplete() const;

signals:
    // The page navigated to, or the message that it could not be shown, is
    // complete.
    void pageReady();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void Navigate(const QString &path);

    ReportPageView *view = nullptr;
    ReportLoader *loader = nullptr;
    bool controlLoaded = false;
    bool displayAlerts = true;
    bool displayScrollBars = true;
};

#endif // REPORTBROWSER_H
