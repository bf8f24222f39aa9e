// The message dialog and the frameless title bar, driven by clicks, keys and
// drags on real widgets under the offscreen platform.

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

// A green picture of the size; a text file when the size is invalid.
bool saveIcon(const QString &path, QSize size)
{
    if (size.isValid()) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::green);
        return picture.save(path, "PNG");
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("not a picture") > 0;
}

void sendMouse(QWidget *target, QEvent::Type type, QPoint global, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, target->mapFromGlobal(global), global, button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

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

    // Hidden and shown again, Close keeps its place between OK and the right spacer.
    void closeButtonPlace()
    {
        QMessageDialog dialog;
        QPushButton *ok = child(dialog, "pushButtonOK");
        QPushButton *close = child(dialog, "pushButtonClose");
        auto *row = child<QHBoxLayout>(dialog, "horizontalLayout");
        dialog.HideCloseButton(true);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(!close->isVisible());
        dialog.HideCloseButton(false);
        QVERIFY(close->isVisible());
        QCOMPARE(row->count(), 4);
        QCOMPARE(row->indexOf(ok), 1);
        QCOMPARE(row->indexOf(close), 2);
        QVERIFY(row->itemAt(0)->spacerItem() && row->itemAt(3)->spacerItem());
        QTRY_VERIFY(close->geometry().left() > ok->geometry().right());
        QVERIFY(close->geometry().right() < row->itemAt(3)->geometry().left());
    }

    // Each setter gives its own widget the font and the text; unset, the
    // title is empty and the message reads "TextLabel".
    void textsAndFonts()
    {
        const QStringList names{"titleTextLabel", "pushButtonOK", "pushButtonClose", "label"};
        QMessageDialog dialog;
        auto texts = [&] {
            QStringList shown;
            for (const QString &name : names)
                shown << child<QWidget>(dialog, name)->property("text").toString();
            return shown;
        };
        QCOMPARE(texts(), QStringList({"", "OK", "Close", "TextLabel"}));
        dialog.SetTitleText("Export completed", QFont("Arial", 24));
        dialog.SetOKText("Open", QFont("Arial", 20));
        dialog.SetCloseText("Shut", QFont("Arial", 16));
        dialog.SetMessageText("Report saved as a.pdf!", QFont("Arial", 12));
        QCOMPARE(texts(),
                 QStringList({"Export completed", "Open", "Shut", "Report saved as a.pdf!"}));
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(child<QWidget>(dialog, names[i])->font().pointSize(), 24 - 4 * i);
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
        QVERIFY(bar->autoFillBackground());
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            QCOMPARE(bar->palette().color(group, QPalette::Window), QColor(Qt::white));
        QLayout *strip = child<QWidget>(dialog, "widget")->layout();
        QVERIFY(strip && strip->indexOf(bar) == 0 && strip->spacing() == 0);
    }

    // The dialog's icon file; a tall picture fits the bar, an unreadable one
    // empties the label.
    void icons()
    {
        QMessageDialog plain;
        QCOMPARE(shownIconHeight(plain), 0);
        QVERIFY(QDir().mkpath("Icon") && saveIcon("Icon/quillmarknew.png", QSize(16, 12)));
        QMessageDialog dialog;
        QCOMPARE(shownIconHeight(dialog), 12);
        QVERIFY(saveIcon("tall.png", QSize(100, 70)) && saveIcon("text.png", QSize()));
        auto *bar = child<TitleBar>(dialog);
        bar->SetTitleIcon("tall.png");
        QCOMPARE(shownIconHeight(dialog), 35);
        bar->SetTitleIcon("text.png");
        QCOMPARE(shownIconHeight(dialog), 0);
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

    // A bar installs a column on a bare parent; a parent's own layout is kept.
    void parentLayout()
    {
        QWidget bare;
        bare.resize(500, 300);
        auto *bar = new TitleBar(&bare);
        QCOMPARE(bar->size(), QSize(500, 46));
        auto *column = qobject_cast<QVBoxLayout *>(bare.layout());
        QVERIFY(column && column->spacing() == 0 && column->contentsMargins() == QMargins());
        QCOMPARE(column->count(), 2);
        QCOMPARE(column->itemAt(0)->widget(), bar);
        QVERIFY(column->itemAt(1)->spacerItem());
        bar->set_ChildWindowColor(10, 20, 30);
        QCOMPARE(bar->palette().color(QPalette::Inactive, QPalette::Window), QColor(10, 20, 30));

        QWidget laidOut;
        auto *own = new QHBoxLayout(&laidOut);
        bar = new TitleBar(&laidOut);
        QCOMPARE(laidOut.layout(), own);
        QCOMPARE(own->indexOf(bar), -1);
    }

    void dragMovesWindow()
    {
        QWidget window;
        window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        window.setGeometry(100, 100, 400, 300);
        auto *bar = new TitleBar(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint start = bar->TitleLabel->mapToGlobal(QPoint(5, 5));
        sendMouse(bar, QEvent::MouseButtonPress, start, Qt::LeftButton);
        sendMouse(bar, QEvent::MouseMove, start + QPoint(30, 20), Qt::LeftButton);
        sendMouse(bar, QEvent::MouseButtonRelease, start + QPoint(30, 20), {});
        QTRY_COMPARE(window.pos(), QPoint(130, 120));
        sendMouse(bar, QEvent::MouseMove, start + QPoint(90, 90), {});   // button released
        QCOMPARE(window.pos(), QPoint(130, 120));
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
