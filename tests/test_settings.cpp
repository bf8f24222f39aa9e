// The settings dialog and the main window's meter status and settings
// entries: what the dialog shows at open, what OK and Cancel leave in memory
// and in Config.ini, and how the record on show follows.

#include "app/uartdatastore.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/recordfixture.h"
#include "tests/support/workdir.h"
#include "tools/samplerecord.h"
#include "ui/dialogseam.h"
#include "ui/mainwindow.h"
#include "ui/qmessagedialog.h"
#include "ui/systemsettingsdialog.h"
#include "ui/titlebar.h"
#include "ui_mainwindow.h"
#include "view/mytracer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

#include <functional>

using SettingsAction = std::function<void(SystemSettingsDialog &)>;

namespace {

template <typename T = QPushButton>
T *child(QWidget &owner, const QString &name)
{
    T *found = owner.findChild<T *>(name);
    if (!found)
        qFatal("no child %s", qPrintable(name));
    return found;
}

void click(QWidget &dialog, const QString &button)
{
    QTest::mouseClick(child<QAbstractButton>(dialog, button), Qt::LeftButton);
}

// The colour rows that are not hidden, as "label swatch-style".
QStringList shownColourRows(QWidget &dialog)
{
    QStringList rows;
    for (int i = 1; i <= UartDataStore::ChannelColorCount; ++i) {
        auto *label = child<QLabel>(dialog, QString("labelCorlor%1").arg(i));
        auto *swatch = child(dialog, QString("pushButtonCorlor%1").arg(i));
        if (!label->isHidden() && !swatch->isHidden())
            rows << label->text() + " " + swatch->styleSheet();
    }
    return rows;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void setLanguages(const QStringList &names)
{
    for (int i = 0; i < names.size(); ++i)
        UartData.Languages[i] = names[i];
    UartData.LanguageCount = names.size();
}

// Stands in for a Chinese translation of the language list's first item.
class FirstItemTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return qstrcmp(context, "SystemSettingsDialog") == 0 && qstrcmp(source, "English") == 0
                   ? QStringLiteral("英文")
                   : QString();
    }
};

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

    WorkDir *Dir = nullptr;
    MainWindow *Window = nullptr;
    QStringList Messages;           // "title: text" of every message shown
    QStringList OpenedDialogs;      // class names of the other dialogs run
    SettingsAction OnSettings;      // what the "user" does in the settings dialog
    QList<QColor> ColourAnswers;    // what the colour chooser returns, in turn
    QStringList ColourRequests;     // how the chooser was opened

    // Opens the settings dialog through the main window and returns what it
    // ended with.
    int runSettings(const SettingsAction &action)
    {
        int result = -1;
        OnSettings = [&](SystemSettingsDialog &dialog) {
            action(dialog);
            result = dialog.result();
        };
        Window->OpenSystemSettingsSlot();
        OnSettings = nullptr;
        return result;
    }

private slots:
    void initTestCase()
    {
        Dir = new WorkDir;
        QVERIFY(Dir->isValid());
        Window = new MainWindow;
        DialogSeam::SetExecHandler([this](QDialog &dialog) {
            if (auto *settings = qobject_cast<SystemSettingsDialog *>(&dialog)) {
                if (OnSettings)
                    OnSettings(*settings);
                return settings->result();
            }
            if (qobject_cast<QMessageDialog *>(&dialog))
                Messages << dialog.findChild<TitleBar *>()->TitleLabel->text() + ": "
                                + dialog.findChild<QLabel *>("label")->text();
            else
                OpenedDialogs << dialog.metaObject()->className();
            return 1;
        });
        DialogSeam::SetColorHandler([this](const QColor &initial, QWidget *parent,
                                           const QString &title) {
            ColourRequests << QString("%1 %2 '%3'")
                                  .arg(initial.name(), parent ? "parent" : "no parent", title);
            return ColourAnswers.isEmpty() ? QColor() : ColourAnswers.takeFirst();
        });
    }

    void cleanupTestCase()
    {
        DialogSeam::SetExecHandler(nullptr);
        DialogSeam::SetColorHandler(nullptr);
        delete Window;
        delete Dir;
    }

    void init()
    {
        UartData.ApplyDefaults();
        UartData.MeterType = 0;
        UartData.Language = "English";
        setLanguages({});
        QFile::remove(UartDataStore::ConfigFilePath());
        Messages.clear();
        OpenedDialogs.clear();
        ColourAnswers.clear();
        ColourRequests.clear();
    }

    // Five colour rows, one for the decibel meter alone; the hidden check
    // boxes stay hidden; the style sheets byte for byte, the group boxes'
    // replaced at open.
    void openShowsTheSettings()
    {
        UartData.Show_TIP = false;
        SystemSettingsDialog dialog(Window);
        const QStringList rows = shownColourRows(dialog);
        QCOMPARE(rows.size(), 5);
        QCOMPARE(rows[1], QString("Channel 1 color:red;background-color:rgb(0,0,255)"));
        QVERIFY(!child<QCheckBox>(dialog, "checkBoxTIP")->isChecked());
        QVERIFY(child<QCheckBox>(dialog, "checkBoxALM")->isChecked());
        QVERIFY(child<QCheckBox>(dialog, "checkBoxID")->isHidden());
        QVERIFY(child<QCheckBox>(dialog, "checkBoxDew")->isHidden());
        QCOMPARE(dialog.findChild<TitleBar *>()->TitleLabel->font().pointSize(), 20);

        const QString indicator
            = "QCheckBox::indicator {\n    width:  25px;\n    height: 25px;\n}\n";
        const QString group = "QGroupBox{border:1px solid black;margin:0px 0px 0px 0px;"
                              "padding:4px;margin-top:5ex;}" + QString(12, ' ')
                              + "QGroupBox::title{" + QString(12, ' ')
                              + "subcontrol-origin:margin;" + QString(12, ' ') + "padding:1px;}";
        const QList<QPair<QString, QString>> sheets = {
            {"checkBoxTIP", indicator + "\n"}, {"checkBoxID", indicator},
            {"checkBoxALM", indicator},        {"checkBoxDew", indicator},
            {"groupBoxOther", group},          {"groupBoxDisplay", group},
            {"comboBoxLanguage",
             "color:rgb(255, 255, 255);\nbackground-color: rgb(127, 127, 127);"}};
        for (const auto &sheet : sheets)
            QCOMPARE(child<QWidget>(dialog, sheet.first)->styleSheet(), sheet.second);

        UartData.MeterType = 1;
        SystemSettingsDialog decibel(Window);
        QCOMPARE(shownColourRows(decibel),
                 QStringList{"Decibel Data color:red;background-color:rgb(255,0,0)"});
    }

    // The list: "English" from the form, then the scanned names but
    // "English". The language in force is selected, and OK stores the
    // untranslated name.
    void languageList_data()
    {
        QTest::addColumn<QStringList>("scanned");
        QTest::addColumn<QString>("inForce");
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("stored");
        QTest::newRow("English listed once, other case is another name")
            << QStringList{"Chinese", "english", "English"} << "english" << false
            << QStringList{"English", "Chinese", "english"} << "english" << "english";
        QTest::newRow("language no longer there")
            << QStringList{"Chinese"} << "Klingon" << false << QStringList{"English", "Chinese"}
            << "English" << "English";
        QTest::newRow("translated first item")
            << QStringList{"English", "Chinese"} << "English" << true
            << QStringList{"英文", "Chinese"} << "英文" << "English";
    }

    void languageList()
    {
        QFETCH(QStringList, scanned);
        QFETCH(bool, chinese);
        setLanguages(scanned);
        QFETCH(QString, inForce);
        UartData.Language = inForce;
        FirstItemTranslator translator;
        if (chinese)
            QCoreApplication::installTranslator(&translator);
        QStringList items;
        QString selected;
        runSettings([&](SystemSettingsDialog &dialog) {
            auto *combo = child<QComboBox>(dialog, "comboBoxLanguage");
            for (int i = 0; i < combo->count(); ++i)
                items << combo->itemText(i);
            selected = combo->currentText();
            click(dialog, "pushButtonok");
        });
        QCoreApplication::removeTranslator(&translator);
        QTEST(items, "items");
        QTEST(selected, "selected");
        QTEST(UartData.Language, "stored");
        QVERIFY(readFile(UartDataStore::ConfigFilePath())
                    .contains("Language=" + UartData.Language.toUtf8() + "\n"));
    }

    // A stored order the list does not offer is shown and saved as day first.
    void dateOrder_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("format");
        QTest::newRow("0") << 0 << "YYYY/MM/DD" << "yyyy/MM/dd hh:mm:ss";
        QTest::newRow("2") << 2 << "MM/DD/YYYY" << "MM/dd/yyyy hh:mm:ss";
        QTest::newRow("-1") << -1 << "DD/MM/YYYY" << "dd/MM/yyyy hh:mm:ss";
        QTest::newRow("3") << 3 << "DD/MM/YYYY" << "dd/MM/yyyy hh:mm:ss";
    }

    void dateOrder()
    {
        QFETCH(int, stored);
        UartData.Dateformat = stored;
        QString shown;
        runSettings([&](SystemSettingsDialog &dialog) {
            shown = child<QComboBox>(dialog, "comboBoxTime")->currentText();
            click(dialog, "pushButtonok");
        });
        QTEST(shown, "shown");
        QTEST(UartData.DateTimeFormat, "format");
        QTEST(Window->ui->dateTimeEditFrom->displayFormat(), "format");
    }

    // OK stores every control, saves Config.ini, applies the date order and
    // the hover tip; the hidden boxes write their fields back unchanged.
    void okStoresAndSaves()
    {
        setLanguages({"Chinese"});
        UartData.TitleTrim = false;
        ColourAnswers = {QColor(0x12, 0x34, 0x56)};
        QCPItemTracer *tip = Window->Tracer->tracer;
        tip->setVisible(true);
        const int result = runSettings([&](SystemSettingsDialog &dialog) {
            click(dialog, "pushButtonCorlor3");
            click(dialog, "checkBoxTIP");
            click(dialog, "checkBoxALM");
            child<QComboBox>(dialog, "comboBoxLanguage")->setCurrentIndex(1);
            child<QComboBox>(dialog, "comboBoxTime")->setCurrentIndex(2);
            click(dialog, "pushButtonok");
        });
        QCOMPARE(result, 1);
        QCOMPARE(ColourRequests, QStringList{"#ffffff no parent ''"});
        QVERIFY(!UartData.Show_TIP && !UartData.Show_ALM && !UartData.TitleTrim);
        QVERIFY(UartData.ShowDewPoint);
        QVERIFY(!tip->visible());
        const QByteArray ini = readFile(UartDataStore::ConfigFilePath());
        for (const char *line : {"\nLanguage=Chinese\n", "\nDateformat=2\n", "\nShow_ALM=false\n",
                                 "\nShow_TIP=false\n", "\nChannel1Color=#ff0000\n",
                                 "\nChannel3Color=#123456\n"})
            QVERIFY2(ini.contains(line), line);
        QCOMPARE(Window->ui->dateTimeEditTo->displayFormat(), QString("MM/dd/yyyy hh:mm:ss"));
        QVERIFY(Messages.isEmpty());
    }

    // Cancel, Escape and the title bar's close change nothing: the tip, the
    // colours in memory (one chosen in the dialog included) and the file stay
    // as they were; a chooser closed without a choice keeps the swatch.
    void cancelChangesNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "pushButtoncancel";
        QTest::newRow("title bar close") << "titleButtonClose";
        QTest::newRow("Escape") << "";
    }

    void cancelChangesNothing()
    {
        QFETCH(QString, how);
        QVERIFY(UartData.SaveConfig());
        const QByteArray before = readFile(UartDataStore::ConfigFilePath());
        const QColor first = UartData.ChannelColor[0];
        ColourAnswers = {QColor(Qt::yellow), QColor()};
        QCPItemTracer *tip = Window->Tracer->tracer;
        tip->setVisible(false);
        QString chosenSwatch, keptSwatch;
        const int result = runSettings([&](SystemSettingsDialog &dialog) {
            click(dialog, "pushButtonCorlor1");
            click(dialog, "pushButtonCorlor2");
            chosenSwatch = child(dialog, "pushButtonCorlor1")->styleSheet();
            keptSwatch = child(dialog, "pushButtonCorlor2")->styleSheet();
            click(dialog, "checkBoxTIP");
            if (how.isEmpty())
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                click(dialog, how);
        });
        QCOMPARE(result, 0);
        QCOMPARE(chosenSwatch, QString("color:red;background-color:rgb(255,255,0)"));
        QCOMPARE(keptSwatch, QString("color:red;background-color:rgb(0,0,255)"));
        QCOMPARE(UartData.ChannelColor[0], first);
        QCOMPARE(UartData.ChannelColor[1], QColor(0, 0, 255));
        QVERIFY(UartData.Show_TIP && !tip->visible());
        QCOMPARE(readFile(UartDataStore::ConfigFilePath()), before);
    }

    // Return in the dialog as it opens presses OK: no swatch takes it and
    // asks for a colour.
    // Return presses OK, on a colour swatch too (it opens no chooser); on
    // Cancel, which the user moved the focus to, it cancels.
    void returnPressesOk_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("result");
        QTest::newRow("first focus") << QString() << 1;
        QTest::newRow("a swatch") << "pushButtonCorlor1" << 1;
        QTest::newRow("Cancel") << "pushButtoncancel" << 0;
    }

    void returnPressesOk()
    {
        QFETCH(QString, focus);
        const QColor before = UartData.ChannelColor[0];
        const int result = runSettings([&](SystemSettingsDialog &dialog) {
            dialog.show();
            QApplication::setActiveWindow(&dialog);
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            if (!focus.isEmpty())
                dialog.findChild<QWidget *>(focus)->setFocus();
            QWidget *focused = QApplication::focusWidget();
            QTest::keyClick(focused ? focused : &dialog, Qt::Key_Return);
            QTest::keyClick(focused ? focused : &dialog, Qt::Key_Return);
        });
        QTEST(result, "result");
        QCOMPARE(ColourRequests, QStringList());
        QCOMPARE(UartData.ChannelColor[0], before);
    }

    // While an export job runs OK is refused and the dialog stays open;
    // nothing is stored or saved.
    void okRefusedWhileAJobRuns()
    {
        Window->WorkerThread->start();
        const int result = runSettings([&](SystemSettingsDialog &dialog) {
            click(dialog, "checkBoxTIP");
            click(dialog, "pushButtonok");
        });
        Window->WorkerThread->quit();
        Window->WorkerThread->wait();
        QCOMPARE(result, 0);
        QCOMPARE(Messages, QStringList{"Warning!: There are other tasks in progress, please try "
                                       "again later!"});
        QVERIFY(UartData.Show_TIP);
        QCOMPARE(readFile(UartDataStore::ConfigFilePath()), QByteArray("<missing>"));
    }

    // A save that fails is told; the old file stays and the new settings
    // apply to the running program.
    void failedSaveIsTold_data()
    {
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("disk full") << true;
        QTest::newRow("Config.ini is a folder") << false;
    }

    void failedSaveIsTold()
    {
        QFETCH(bool, diskFull);
        const QString path = UartDataStore::ConfigFilePath();
        QByteArray before = "<missing>";
        if (diskFull) {
            QVERIFY(UartData.SaveConfig());
            before = readFile(path);
        } else {
            QVERIFY(QDir().mkpath(path));
        }
        int result = -1;
        {
            FileSizeLimit full(diskFull ? 64 : RLIM_INFINITY);
            result = runSettings([&](SystemSettingsDialog &dialog) {
                child<QComboBox>(dialog, "comboBoxTime")->setCurrentIndex(0);
                click(dialog, "pushButtonok");
            });
        }
        QCOMPARE(result, 1);
        QCOMPARE(Messages.size(), 1);
        QVERIFY2(Messages[0].startsWith("Error: The settings could not be saved in "),
                 qPrintable(Messages[0]));
        QCOMPARE(readFile(path), before);
        QCOMPARE(UartData.Dateformat, 0);
        QCOMPARE(Window->ui->dateTimeEditFrom->displayFormat(), QString("yyyy/MM/dd hh:mm:ss"));
        QDir(path).removeRecursively();
    }

    // With a record on show OK rebuilds its views in the new colour, on the
    // chart tab.
    void refreshAfterOk()
    {
        Window->ui->tabWidget->setCurrentWidget(Window->ui->tabList);
        StartRecord(UartData, 3702, 20);
        FinishRecord(UartData);
        ColourAnswers = {QColor(1, 2, 3)};
        runSettings([&](SystemSettingsDialog &dialog) {
            click(dialog, "pushButtonCorlor1");
            click(dialog, "pushButtonok");
        });
        QCOMPARE(Window->ui->tabWidget->currentWidget(), Window->ui->tabGraph);
        QVERIFY(Window->ReportPreviewPending);
        QCOMPARE(Window->ui->tableWidgetDataList->rowCount(), 20);
        QCOMPARE(Window->CustomPlot->graph(0)->pen().color(), QColor(1, 2, 3));
        ResetRecord(UartData);
    }

    // Accepted with a new date order, the read-out on show comes back written
    // in it, for the sample it named, not with its old text.
    void readOutFollowsTheNewDateOrder()
    {
        UartData.Show_TIP = true;
        UartData.Dateformat = 0;
        UartData.DateTimeFormat = "yyyy/MM/dd hh:mm:ss";
        StartRecord(UartData, 3702, 20);
        FinishRecord(UartData);
        Window->UpdateDataTable();
        Window->PlotRecordChart();
        QCustomPlot *plot = Window->CustomPlot;
        plot->resize(1000, 600);
        plot->replot();
        const double key = FixtureStart().addSecs(3 * 60).toTime_t();
        QMouseEvent move(QEvent::MouseMove, QPointF(plot->xAxis->coordToPixel(key), 200.0),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        Window->showTracer(&move);
        QVERIFY(Window->Tracer->label->text().endsWith("Time:2026/03/01 08:03:00"));
        runSettings([&](SystemSettingsDialog &dialog) {
            child<QComboBox>(dialog, "comboBoxTime")->setCurrentIndex(1);
            click(dialog, "pushButtonok");
        });
        QVERIFY(Window->Tracer->tracer->visible());
        QVERIFY2(Window->Tracer->label->text().endsWith("Time:01/03/2026 08:03:00"),
                 qPrintable(Window->Tracer->label->text()));
        ResetRecord(UartData);
    }

    // Help names the help page it could not find.
    void helpTellsWhenThePageIsMissing()
    {
        UartData.HelpFile = "No such page.html";
        Window->ui->action_Help->trigger();
        QCOMPARE(Messages.size(), 1);
        QVERIFY2(Messages[0].startsWith("Help: The help file ")
                     && Messages[0].endsWith("/Help/No such page.html was not found."),
                 qPrintable(Messages[0]));
    }

    // The meter status opens from the menu and the meter picture, only with
    // a meter connected; without one the user is told so.
    void meterStatusNeedsAMeter()
    {
        UartData.Connected = false;
        QVERIFY(Window->ui->action_Meter_Status->isEnabled());
        QVERIFY(Window->ui->action_System_settings->isEnabled());
        Window->ui->action_Meter_Status->trigger();
        Window->ui->pushButtonLink->click();
        QVERIFY(OpenedDialogs.isEmpty());
        const QString told = "Meter Status: No meter is connected. MeterLog shows records opened "
                             "from files; it does not connect to meters.";
        QCOMPARE(Messages, QStringList({told, told}));
        UartData.Connected = true;
        Window->ui->action_Meter_Status->trigger();
        Window->ui->pushButtonLink->click();
        UartData.Connected = false;
        QCOMPARE(OpenedDialogs, QStringList({"SoundDeviceInfoDialog", "SoundDeviceInfoDialog"}));
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
