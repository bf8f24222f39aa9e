#ifndef TITLEBAR_H
#define TITLEBAR_H

// The title bar of a frameless window: an icon, the title text and the
// window buttons. The main window and every dialog embed one; the owner
// connects send_close to whatever closes it. Dragging the bar moves its
// top-level window, a double-click toggles maximised.

#include <QFont>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

class TitleBar : public QWidget
{
    Q_OBJECT

public:
    // Codes of SetButtonVisible.
    enum Part {
        MaximizePart = 0,
        MinimizePart = 1,
        ClosePart = 2,
        TopPart = 3,
        IconPart = 4,
        AllButClosePart = 5
    };

    explicit TitleBar(QWidget *parent);

    // The label that shows the title text; an owner may restyle it.
    QLabel *TitleLabel = nullptr;

    void SetButtonVisible(const int &code, bool visible);
    // Shows the picture of the file; a file that cannot be read empties the label.
    void SetTitleIcon(const QString &fileName);
    void SetTitleText(const QString &text, QFont font);

public slots:
    void set_ChildWindowColor(int R, int G, int B);

signals:
    void send_close(QString mesg);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void PushButtonMinimizeSlot();
    void PushButtonMaximizeSlot();
    void PushButtonTopSlot();
    void PushButtonCloseSlot();

private:
    void BuildWidgets();
    void BuildLayout();
    void AddShadow();
    void InstallOnParent(QWidget *parent);
    void ConnectButtons();
    QPushButton *MakeButton(const QString &objectName, const QString &iconName);
    void WatchWindowState();
    void ShowMaximizeIcon(bool maximized);

    QLabel *IconLabel = nullptr;
    QPushButton *PushButtonLogout = nullptr;
    QPushButton *PushButtonToolBar = nullptr;
    QPushButton *PushButtonTop = nullptr;
    QPushButton *PushButtonMinimize = nullptr;
    QPushButton *PushButtonMaximize = nullptr;
    QPushButton *PushButtonClose = nullptr;

    QPointer<QWidget> WatchedWindow;   // the window whose state the maximise icon follows
    QPoint DragOffset;                 // press point relative to the window's position
    bool Dragging = false;
};

#endif // TITLEBAR_H
