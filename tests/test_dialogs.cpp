// The message dialog and the frameless title bar, driven as a user would:
// clicks, keys and drags on real widgets under the offscreen platform.

#include "tests/support/workdir.h"
#include "ui/qmessagedialog.h"
#include "ui/titlebar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>

using DialogAction = std::function<void(QMessageDialog &)>;
Q_DECLARE_METATYPE(DialogAction)

namespace {

const QStringList AllParts = {"titleIconLabel", "titleButtonLogout", "titleButtonToolBar",
                              "titleButtonTop", "titleButtonMinimize", "titleButtonMaximize",
                              "titleButtonClose"};
const QStringList DefaultParts = {"titleIconLabel", "titleButtonMinimize", "titleButtonMaximize",
                                  "titleButtonClose"};

template <typename T = QPushButton>
T *child(QWidget &owner, const QString &name = QString())
{
    T *found = owner.findChild<T *>(name);
    if (!found)
        qFatal("no child %s", qPrintable(name));
    return found;
}

QStringList shownParts(TitleBar &bar)
{
    QStringList shown;
    for (const QString &name : AllParts)
        if (!child<QWidget>(bar, name)->isHidden())
            shown << name;
    return shown;
}

int shownIconHeight(QWidget &owner)
{
    const QPixmap shown = child<QLabel>(owner, "titleIconLabel")->pixmap(Qt::ReturnByValue);
    return shown.isNull() ? 0 : shown.height();
}

bool savePicture(const QString &path, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::green);
    return picture.save(path, "PNG");
}

bool saveText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("not a picture") > 0;
}

void sendMouse(QWidget *target, QEvent::Type type, QPoint global, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, target->mapFromGlobal(global), global, button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A frameless top-level window whose title bar installs the window's layout.
struct Host {
    QWidget window;
    TitleBar *bar;
    Host()
    {
        window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        window.setGeometry(100, 100, 400, 300);
        bar = new TitleBar(&window);
    }
    bool show()
    {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }
    void click(const char *button) { QTest::mouseClick(child(*bar, button), Qt::LeftButton); }
};

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

    WorkDir Dir;   // the dialog reads its icon relative to the working directory

private slots:
    void execResult_data()
    {
        QTest::addColumn<bool>("hideClose");
        QTest::addColumn<DialogAction>("action");
        QTest::addColumn<int>("result");
        auto click = [](const char *name) {
            return DialogAction([=](QMessageDialog &d) {
                QTest::mouseClick(child(d, name), Qt::LeftButton);
            });
        };
        auto key = [](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            return DialogAction([=](QMessageDialog &d) { QTest::keyClick(&d, key, modifiers); });
        };
        for (bool hideClose : {false, true}) {
            const char *tag = hideClose ? "without Close: " : "";
            QTest::addRow("%sOK", tag) << hideClose << click("pushButtonOK") << 1;
            QTest::addRow("%sbar close", tag) << hideClose << click("titleButtonClose") << 1;
            QTest::addRow("%sCtrl+W", tag) << hideClose << key(Qt::Key_W, Qt::ControlModifier) << 1;
            QTest::addRow("%sEscape", tag) << hideClose << key(Qt::Key_Escape, {}) << 0;
        }
        QTest::newRow("Close") << false << click("pushButtonClose") << 0;
    }

    void execResult()
    {
        QFETCH(bool, hideClose);
        QFETCH(DialogAction, action);
        QFETCH(int, result);
        QMessageDialog dialog;
        dialog.HideCloseButton(hideClose);
        QTimer::singleShot(0, &dialog, [&dialog, action] {
            if (QTest::qWaitForWindowActive(&dialog))
                action(dialog);
        });
        QTimer::singleShot(3000, &dialog, [&dialog] { dialog.done(-1); });   // no hang on failure
        QCOMPARE(dialog.exec(), result);
    }

    void closeButtonPlace_data()
    {
        QTest::addColumn<QList<bool>>("hideCalls");
        QTest::newRow("hidden") << QList<bool>{true};
        QTest::newRow("shown again") << QList<bool>{true, false};
        QTest::newRow("hidden twice, shown") << QList<bool>{true, true, false};
    }

    void closeButtonPlace()
    {
        QFETCH(QList<bool>, hideCalls);
        QMessageDialog dialog;
        for (bool hide : hideCalls)
            dialog.HideCloseButton(hide);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        QPushButton *ok = child(dialog, "pushButtonOK");
        QPushButton *close = child(dialog, "pushButtonClose");
        auto *row = child<QHBoxLayout>(dialog, "horizontalLayout");
        QCOMPARE(close->isVisible(), !hideCalls.last());
        QCOMPARE(row->count(), 4);
        QCOMPARE(row->indexOf(ok), 1);
        QCOMPARE(row->indexOf(close), 2);
        QVERIFY(row->itemAt(0)->spacerItem() && row->itemAt(3)->spacerItem());
        if (close->isVisible()) {
            QVERIFY(close->geometry().left() > ok->geometry().right());
            QVERIFY(close->geometry().right() < row->itemAt(3)->geometry().left());
        }
    }

    // Each setter gives its own widget the font and the text, and no other.
    void setters_data()
    {
        QTest::addColumn<int>("setter");
        QTest::addColumn<QString>("target");
        QTest::newRow("title") << 0 << "titleTextLabel";
        QTest::newRow("OK") << 1 << "pushButtonOK";
        QTest::newRow("Close") << 2 << "pushButtonClose";
        QTest::newRow("message") << 3 << "label";
    }

    void setters()
    {
        QFETCH(int, setter);
        QFETCH(QString, target);
        using Setter = void (QMessageDialog::*)(const QString &, QFont);
        const Setter setters[] = {&QMessageDialog::SetTitleText, &QMessageDialog::SetOKText,
                                  &QMessageDialog::SetCloseText, &QMessageDialog::SetMessageText};
        const QMap<QString, QString> defaults = {{"titleTextLabel", ""}, {"pushButtonOK", "OK"},
                                                 {"pushButtonClose", "Close"},
                                                 {"label", "TextLabel"}};
        QMessageDialog dialog;
        (dialog.*setters[setter])("Report saved as a.pdf!", QFont("Arial", 18));
        for (const QString &name : defaults.keys()) {
            QWidget *widget = child<QWidget>(dialog, name);
            const bool set = name == target;
            QCOMPARE(widget->property("text").toString(),
                     set ? QString("Report saved as a.pdf!") : defaults[name]);
            if (set)
                QCOMPARE(widget->font().pointSize(), 18);
        }
    }

    void dialogFrame()
    {
        QMessageDialog dialog;
        const Qt::WindowFlags relevant = Qt::WindowType_Mask | Qt::FramelessWindowHint
            | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
            | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;
        QCOMPARE(int(dialog.windowFlags() & relevant), 0xE801);

        auto *bar = child<TitleBar>(dialog);
        QCOMPARE(bar->TitleLabel->styleSheet(), QString("color:rgb(255, 255, 255);"));
        QCOMPARE(shownParts(*bar), QStringList({"titleIconLabel", "titleButtonClose"}));
        QCOMPARE(bar->palette().color(QPalette::Window), QColor(Qt::white));
        QLayout *strip = child<QWidget>(dialog, "widget")->layout();
        QVERIFY(strip);
        QCOMPARE(strip->indexOf(bar), 0);
        QCOMPARE(strip->spacing(), 0);
        QCOMPARE(strip->contentsMargins(), QMargins());
    }

    void dialogIcon()
    {
        QMessageDialog withoutIcon;
        QCOMPARE(shownIconHeight(withoutIcon), 0);
        QVERIFY(QDir().mkpath("Icon") && savePicture("Icon/quillmarknew.png", QSize(16, 16)));
        QMessageDialog withIcon;
        QCOMPARE(shownIconHeight(withIcon), 16);
        QDir("Icon").removeRecursively();
    }

    void buttonCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QStringList>("shown");
        auto without = [](const QString &name) {
            QStringList parts = DefaultParts;
            parts.removeAll(name);
            return parts;
        };
        QTest::newRow("0 hides maximise") << 0 << false << without("titleButtonMaximize");
        QTest::newRow("1 hides minimise") << 1 << false << without("titleButtonMinimize");
        QTest::newRow("2 hides close") << 2 << false << without("titleButtonClose");
        QTest::newRow("3 shows top") << 3 << true << QStringList{"titleIconLabel", "titleButtonTop",
            "titleButtonMinimize", "titleButtonMaximize", "titleButtonClose"};
        QTest::newRow("4 hides icon") << 4 << false << without("titleIconLabel");
        QTest::newRow("5 hides all but close") << 5 << false << QStringList{"titleButtonClose"};
        QTest::newRow("5 shows all") << 5 << true << AllParts;
        QTest::newRow("6 does nothing") << 6 << false << DefaultParts;
        QTest::newRow("-1 does nothing") << -1 << true << DefaultParts;
    }

    void buttonCodes()
    {
        QFETCH(int, code);
        QFETCH(bool, visible);
        QFETCH(QStringList, shown);
        QWidget parent;
        TitleBar bar(&parent);
        QCOMPARE(shownParts(bar), DefaultParts);
        bar.SetButtonVisible(code, visible);
        QCOMPARE(shownParts(bar), shown);
    }

    void titleIcon_data()
    {
        QTest::addColumn<QSize>("pictureSize");   // invalid: the file is no picture
        QTest::addColumn<bool>("iconBefore");
        QTest::addColumn<int>("shownHeight");     // 0: no pixmap
        QTest::newRow("small picture") << QSize(16, 12) << false << 12;
        QTest::newRow("tall picture fits the bar") << QSize(100, 70) << false << 35;
        QTest::newRow("not a picture") << QSize() << false << 0;
        QTest::newRow("unreadable after an icon") << QSize() << true << 0;
    }

    void titleIcon()
    {
        QFETCH(QSize, pictureSize);
        QFETCH(bool, iconBefore);
        QFETCH(int, shownHeight);
        QFile::remove("icon.png");
        QVERIFY(savePicture("before.png", QSize(8, 8)));
        QVERIFY(pictureSize.isValid() ? savePicture("icon.png", pictureSize) : saveText("icon.png"));
        QWidget parent;
        TitleBar bar(&parent);
        if (iconBefore)
            bar.SetTitleIcon("before.png");
        bar.SetTitleIcon("icon.png");
        QCOMPARE(shownIconHeight(bar), shownHeight);
    }

    void parentLayout()
    {
        QWidget bare;
        bare.resize(500, 300);
        auto *bar = new TitleBar(&bare);
        QCOMPARE(bar->size(), QSize(500, 46));
        auto *column = qobject_cast<QVBoxLayout *>(bare.layout());
        QVERIFY(column);
        QCOMPARE(column->spacing(), 0);
        QCOMPARE(column->contentsMargins(), QMargins());
        QCOMPARE(column->count(), 2);
        QCOMPARE(column->itemAt(0)->widget(), bar);
        QVERIFY(column->itemAt(1)->spacerItem());

        QWidget laidOut;
        auto *own = new QHBoxLayout(&laidOut);
        bar = new TitleBar(&laidOut);
        QCOMPARE(laidOut.layout(), own);
        QCOMPARE(own->indexOf(bar), -1);
        QCOMPARE(bar->parentWidget(), &laidOut);
    }

    void childWindowColor()
    {
        QWidget parent;
        TitleBar bar(&parent);
        bar.set_ChildWindowColor(10, 20, 30);
        QVERIFY(bar.autoFillBackground());
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            QCOMPARE(bar.palette().color(group, QPalette::Window), QColor(10, 20, 30));
    }

    void dragMovesWindow()
    {
        Host host;
        QVERIFY(host.show());
        const QPoint start = host.bar->TitleLabel->mapToGlobal(QPoint(5, 5));
        sendMouse(host.bar, QEvent::MouseButtonPress, start, Qt::LeftButton);
        sendMouse(host.bar, QEvent::MouseMove, start + QPoint(30, 20), Qt::LeftButton);
        sendMouse(host.bar, QEvent::MouseButtonRelease, start + QPoint(30, 20), {});
        QTRY_COMPARE(host.window.pos(), QPoint(130, 120));
        sendMouse(host.bar, QEvent::MouseMove, start + QPoint(90, 90), {});
        QCOMPARE(host.window.pos(), QPoint(130, 120));
    }

    void windowButtons()
    {
        Host host;
        host.bar->SetButtonVisible(TitleBar::TopPart, true);
        QVERIFY(host.show());
        host.click("titleButtonMaximize");
        QVERIFY(host.window.isMaximized());
        host.click("titleButtonMaximize");
        QVERIFY(!host.window.isMaximized());
        host.click("titleButtonTop");
        QVERIFY(host.window.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(host.window.isVisible());
        host.click("titleButtonTop");
        QVERIFY(!(host.window.windowFlags() & Qt::WindowStaysOnTopHint));
        QTest::mouseDClick(host.bar->TitleLabel, Qt::LeftButton);
        QVERIFY(host.window.isMaximized());
        QTest::mouseDClick(host.bar->TitleLabel, Qt::LeftButton);
        QVERIFY(!host.window.isMaximized());
        host.bar->SetButtonVisible(TitleBar::MaximizePart, false);
        QTest::mouseDClick(host.bar->TitleLabel, Qt::LeftButton);
        QVERIFY(!host.window.isMaximized());

        host.click("titleButtonMinimize");
        QVERIFY(host.window.isMinimized());
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
