// The message dialog, the meter status dialog and the frameless title bar,
// driven by clicks, keys and drags on real widgets under the offscreen
// platform.

#include "app/uartdatastore.h"
#include "tests/support/workdir.h"
#include "ui/dialogframe.h"
#include "ui/qmessagedialog.h"
#include "ui/sounddeviceinfodialog.h"
#include "ui/systemsettingsdialog.h"
#include "ui/titlebar.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>
#include <memory>

using DialogAction = std::function<void(QMessageDialog &)>;
Q_DECLARE_METATYPE(DialogAction)
using DialogFactory = std::function<QDialog *()>;
Q_DECLARE_METATYPE(DialogFactory)

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

// The alarm and firmware rows of the status dialog that are not hidden, as
// "caption value".
QStringList shownStatusRows(QWidget &dialog)
{
    const QStringList rows[] = {{"labelLowAlarm1", "labelLowAlarmValue1"},
                                {"labelHighAlarm1", "labelHighAlarmValue1"},
                                {"labelLowAlarm2", "labelLowAlarmValue2"},
                                {"labelHighAlarm2", "labelHighAlarmValue2"},
                                {"labelFirmware", "labelVersion"}};
    QStringList shown;
    for (const QStringList &row : rows) {
        auto *caption = child<QLabel>(dialog, row[0]);
        auto *value = child<QLabel>(dialog, row[1]);
        if (!caption->isHidden() && !value->isHidden())
            shown << caption->text() + " " + value->text();
    }
    return shown;
}

QString labelText(QWidget &dialog, const QString &name)
{
    return child<QLabel>(dialog, name)->text();
}

// Runs the dialog modally and does the action once it is on screen.
int execWith(QDialog &dialog, const std::function<void()> &action)
{
    QTimer::singleShot(0, &dialog, [&dialog, action] {
        if (QTest::qWaitForWindowActive(&dialog))
            action();
    });
    QTimer::singleShot(3000, &dialog, [&dialog] { dialog.done(-1); });   // no hang on failure
    return dialog.exec();
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
            QTest::addRow("%sReturn", tag) << hideClose << key(Qt::Key_Return, {}) << 1;
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
        QCOMPARE(execWith(dialog, [&] { action(dialog); }), result);
    }

    // The status dialog ends accepted by Close, the bar's close button and
    // Return, rejected by Escape.
    void statusDialogEnds()
    {
        for (const char *button : {"pushButtonClose", "titleButtonClose"}) {
            SoundDeviceInfoDialog dialog;
            const auto click = [&] { QTest::mouseClick(child(dialog, button), Qt::LeftButton); };
            QCOMPARE(execWith(dialog, click), 1);
        }
        SoundDeviceInfoDialog returned;
        QCOMPARE(execWith(returned, [&] { QTest::keyClick(&returned, Qt::Key_Return); }), 1);
        SoundDeviceInfoDialog escaped;
        QCOMPARE(execWith(escaped, [&] { QTest::keyClick(&escaped, Qt::Key_Escape); }), 0);
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

    // A message longer than the screen is wide wraps, a path at its
    // separators, and the dialog stays on the screen; a short one keeps the
    // form's width and one line. Both are centred on the window they are
    // shown over.
    void messageFitsTheScreen()
    {
        QString path = QStringLiteral("/home/user");
        while (path.size() < 300)
            path += QStringLiteral("/Measurements_%1").arg(path.size());
        const QString text = path + QStringLiteral("/MeterData.xls could not be written: "
                                                   "Permission denied.");
        QWidget window;
        window.setGeometry(150, 120, 500, 360);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();

        QMessageDialog longer;
        longer.SetMessageText(text, QFont("Arial", 18));
        CentreDialog(&longer, &window);
        longer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&longer));
        QVERIFY2(area.contains(longer.frameGeometry()), qPrintable(QString::number(longer.width())));
        auto *label = child<QLabel>(longer, "label");
        QCOMPARE(label->text(), text);
        QVERIFY(label->height() >= label->heightForWidth(label->width()));
        QVERIFY(label->height() > 3 * QFontMetrics(label->font()).height());

        QMessageDialog shorter;
        shorter.SetMessageText("Please input the correct time.", QFont("Arial", 20));
        CentreDialog(&shorter, &window);
        shorter.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shorter));
        QCOMPARE(shorter.width(), 411);
        auto *line = child<QLabel>(shorter, "label");
        QCOMPARE(line->heightForWidth(line->width()), QFontMetrics(line->font()).height());
        QVERIFY((shorter.frameGeometry().center() - window.frameGeometry().center())
                    .manhattanLength() <= 2);

        // A file name without a blank, wider than a line, breaks too: every
        // line fits the label, and the text reads as it was given.
        const QString unbroken = QStringLiteral("/home/user/%1.txt could not be written: "
                                                "Read-only file system.")
                                     .arg(QString(40, QLatin1Char('W')) + "_and_more_of_May_2024");
        QMessageDialog cut;
        cut.SetMessageText(unbroken, QFont("Arial", 20));
        cut.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cut));
        auto *name = child<QLabel>(cut, "label");
        QVERIFY(area.contains(cut.frameGeometry()));
        QCOMPARE(name->text().remove(QChar(0x200B)), unbroken);
        const QRect needed = QFontMetrics(name->font()).boundingRect(
            QRect(0, 0, name->width(), 10000), Qt::TextWordWrap, name->text());
        QVERIFY2(needed.width() <= name->width() && needed.height() <= name->height(),
                 qPrintable(QStringLiteral("%1 x %2").arg(needed.width()).arg(needed.height())));

        // Chinese wraps between its characters by itself, never before its
        // punctuation: a long sentence is shown as it stands.
        QString chinese;
        while (chinese.size() < 120)
            chinese += QStringLiteral("\u6587\u4EF6\u65E0\u6CD5\u5199\u5165\uFF0C\u8BF7\u91CD\u8BD5\u3002");
        cut.SetMessageText(chinese, QFont("Arial", 20));
        QCOMPARE(name->text(), chinese);
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

    void dialogFrame_data()
    {
        QTest::addColumn<DialogFactory>("make");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("titleStyle");
        const QString white = "color:rgb(255, 255, 255);";
        QTest::newRow("message") << DialogFactory([] { return new QMessageDialog; }) << ""
                                 << white;
        QTest::newRow("status") << DialogFactory([] { return new SoundDeviceInfoDialog; })
                                << "Device Information"
                                << "QLabel{color:black;font-size:22px;font-style:MingLiU-ExtB;}";
        QTest::newRow("settings")
            << DialogFactory([] { return new SystemSettingsDialog(nullptr); }) << "System Options"
            << white;
    }

    void dialogFrame()
    {
        QFETCH(DialogFactory, make);
        QFETCH(QString, title);
        QFETCH(QString, titleStyle);
        std::unique_ptr<QDialog> dialog(make());
        const Qt::WindowFlags relevant = Qt::WindowType_Mask | Qt::FramelessWindowHint
            | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
            | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;
        QCOMPARE(int(dialog->windowFlags() & relevant), 0xE801);
        auto *bar = child<TitleBar>(*dialog);
        QCOMPARE(bar->TitleLabel->text(), title);
        QCOMPARE(bar->TitleLabel->styleSheet(), titleStyle);
        QCOMPARE(shownParts(*bar), QStringList({"titleIconLabel", "titleButtonClose"}));
        QVERIFY(bar->autoFillBackground());
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            QCOMPARE(bar->palette().color(group, QPalette::Window), QColor(Qt::white));
        QLayout *strip = child<QWidget>(*dialog, "widget")->layout();
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

    // The rate text, the recording time (ExpectedNum periods in days, hours
    // and minutes; a light meter counts its period in half seconds) and the
    // start mode.
    void statusRateTimeAndMode_data()
    {
        QTest::addColumn<int>("modelIndex");
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("startMode");
        const auto row = [](const char *name, int modelIndex, int period, int count, int mode,
                            const char *rate, const char *time, const char *startMode) {
            QTest::newRow(name) << modelIndex << period << count << mode << QString(rate)
                                << QString(time) << QString(startMode);
        };
        row("86399 s", 8, 1, 86399, 0, "1S", "0 Days 23 Hours 59 Minutes", "By Button");
        row("1 d 2 h 30 min", 8, 30, 3180, 1, "30S", "1 Days 2 Hours 30 Minutes",
            "Immediate Start");
        row("24h is a day", 0, 43224, 1, 2, "24h", "1 Days 0 Hours 0 Minutes", "Scheduled Start");
        row("15 s not listed", 2, 15, 240, 3, "", "0 Days 1 Hours 0 Minutes", "TextLabel");
        row("no period", 2, -1, 240, -1, "", "0 Days 0 Hours 0 Minutes", "TextLabel");
        row("43212 not listed", 2, 43212, 1, 0, "", "0 Days 12 Hours 0 Minutes", "By Button");
        row("light 0.5 s", 9, 1, 120, 0, "0.5S", "0 Days 0 Hours 1 Minutes", "By Button");
        row("light 60 is 30 s", 9, 60, 120, 0, "30S", "0 Days 1 Hours 0 Minutes", "By Button");
        row("light 12h", 9, 43212, 2, 0, "12h", "1 Days 0 Hours 0 Minutes", "By Button");
        row("light 24h past 32 bits", 9, 43224, 70000, 0, "24h", "70000 Days 0 Hours 0 Minutes",
            "By Button");
    }

    void statusRateTimeAndMode()
    {
        QFETCH(int, modelIndex);
        QFETCH(int, period);
        QFETCH(int, count);
        QFETCH(int, mode);
        UartData.ModelIndex = modelIndex;
        UartData.SamplePeriod = period;
        UartData.ExpectedNum = count;
        UartData.StartMode = qint8(mode);
        SoundDeviceInfoDialog dialog;
        QTEST(labelText(dialog, "labelRate"), "rate");
        QTEST(labelText(dialog, "labelTime"), "time");
        QTEST(labelText(dialog, "labelStartMode"), "startMode");
    }

    // Alarm rows by model index, temperatures in the unit their label names;
    // the meter's texts are shown as they are.
    void statusAlarmRows_data()
    {
        QTest::addColumn<int>("modelIndex");
        QTest::addColumn<bool>("fahrenheit");
        QTest::addColumn<QStringList>("rows");
        const QStringList fw = {"Firmware Version: V2.1"};
        const QStringList rh = {"Low Alarm(Humidity): 10.5%RH", "High Alarm(Humidity): 64.5%RH"};
        const auto pair = [](const QString &what, const QString &low, const QString &high) {
            return QStringList{"Low Alarm(" + what + "): " + low,
                               "High Alarm(" + what + "): " + high};
        };
        const QStringList c = pair("Temperature", "-20.5(℃)", "40.0(℃)");
        const QStringList f = pair("Temperature", "-4.9(℉)", "104.0(℉)");
        QTest::newRow("0 ℃") << 0 << false << c + fw;
        QTest::newRow("1 ℉") << 1 << true << f + fw;
        QTest::newRow("2 ℃") << 2 << false << pair("Temperature", "-20.5℃", "40.0℃") + rh + fw;
        QTest::newRow("3 ℉") << 3 << true << pair("Temperature", "-4.9℉", "104.0℉") + rh + fw;
        QTest::newRow("4 mA") << 4 << false << pair("Current", "4.0(mA)", "20.0(mA)") + fw;
        QTest::newRow("5 mV") << 5 << true << pair("Voltage", "0.0(mV)", "4999.5(mV)") + fw;
        QTest::newRow("6 no firmware") << 6 << false << c;
        QTest::newRow("7 ℉ no firmware") << 7 << true << f + rh;
        QTest::newRow("8 dB") << 8 << true << pair("Sound", "40.0dB", "80.0dB") + fw;
        QTest::newRow("9 Lux") << 9 << true << pair("Light", "100.0Lux", "2000.0Lux") + fw;
        QTest::newRow("10 form texts") << 10 << false
                                       << pair("Sound", "TextLabel", "TextLabel") + fw;
    }

    void statusAlarmRows()
    {
        QFETCH(int, modelIndex);
        QFETCH(bool, fahrenheit);
        UartData.ModelIndex = modelIndex;
        UartData.AltUnit = fahrenheit;
        UartData.TempAlarm = {-20.5, 40.0};
        UartData.HumAlarm = {10.5, 64.5};
        UartData.DecibelAlarm = {40.0, 80.0};
        UartData.LightAlarm = {100.0, 2000.0};
        UartData.CurrentAlarm = {4.0, 20.0};
        UartData.VoltageAlarm = {0.0, 4999.5};
        UartData.MeterName = "Cold room 2";
        UartData.DeviceID = "ID 0042";
        UartData.FirmwareVersion = "V2.1";
        SoundDeviceInfoDialog dialog;
        QTEST(shownStatusRows(dialog), "rows");
        QCOMPARE(labelText(dialog, "labelName"), QString("Cold room 2"));
        QCOMPARE(labelText(dialog, "labelID"), QString("ID 0042"));
    }

    // The picture is scaled into the 100 x 100 label keeping its shape.
    void statusPicture()
    {
        SoundDeviceInfoDialog missing;
        QVERIFY(child<QLabel>(missing, "labelIcon")->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(QDir().mkpath("Icon") && saveIcon("Icon/info.png", QSize(200, 100)));
        SoundDeviceInfoDialog dialog;
        QCOMPARE(child<QLabel>(dialog, "labelIcon")->pixmap(Qt::ReturnByValue).size(),
                 QSize(100, 50));
        QDir("Icon").removeRecursively();
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
