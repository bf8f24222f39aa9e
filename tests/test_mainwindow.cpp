// The main window shell: construction, messages, opening a record, the
// meter model index and the start-up platform layers.

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "app/recordfile.h"
#include "app/uartdatastore.h"
#include "platform/screenscale.h"
#include "platform/singleinstance.h"
#include "tests/support/workdir.h"
#include "tools/samplerecord.h"
#include "ui/dialogseam.h"
#include "ui/mainwindow.h"
#include "ui/windowedges.h"
#include "ui/qmessagedialog.h"
#include "ui/titlebar.h"
#include "ui_mainwindow.h"

// What a message dialog showed when the program ran it.
struct ShownMessage {
    QString title;
    QString text;
    QString ok;
    bool closeHidden = false;
    QFont font;
};

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    WorkDir *dir = nullptr;
    MainWindow *window = nullptr;
    QList<ShownMessage> shown;

    QString writeSampleRecord(int model, int count, const QString &name)
    {
        SampleRecordOptions options;
        options.model = model;
        options.count = count;
        FillSampleRecord(UartData, options);
        const QString path = dir->filePath(name);
        QString error;
        if (!WriteRecordFile(UartData, path, &error))
            qWarning() << error;
        ResetRecord(UartData);
        return path;
    }

private slots:
    void initTestCase()
    {
        dir = new WorkDir;
        QVERIFY(dir->isValid());
        window = new MainWindow;
        DialogSeam::SetExecHandler([this](QDialog &dialog) {
            ShownMessage m;
            m.title = dialog.findChild<TitleBar *>()->TitleLabel->text();
            QLabel *label = dialog.findChild<QLabel *>(QStringLiteral("label"));
            m.text = label->text();
            m.font = label->font();
            m.ok = dialog.findChild<QPushButton *>(QStringLiteral("pushButtonOK"))->text();
            m.closeHidden =
                dialog.findChild<QPushButton *>(QStringLiteral("pushButtonClose"))->isHidden();
            shown << m;
            return 1;
        });
    }

    void cleanupTestCase()
    {
        DialogSeam::SetExecHandler(nullptr);
        DialogSeam::SetOpenFileHandler(nullptr);
        delete window;
        delete dir;
    }

    void init() { shown.clear(); }

    void constructionLaysOutTheShell()
    {
        for (const char *folder : {"Data", "Help", "Temp", "Data/CAL Data", "Data/Data Reports",
                                   "Data/Recorded Data"})
            QVERIFY2(QDir(dir->filePath(folder)).exists(), folder);
        QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(window->windowState() & Qt::WindowMaximized);
        QVERIFY(window->MainTitleBar);
        QCOMPARE(window->ui->stackedWidget->currentWidget(), window->ui->pageMain);
        QCOMPARE(window->ui->labelConnectState->text(), QStringLiteral("OFFLINE"));
        QVERIFY(window->ui->toolBar->isHidden());
        QVERIFY(!window->ui->action_Export_to_PDF->isEnabled());
        QCOMPARE(window->Timer1S->interval(), 1000);
        QVERIFY(window->Timer1S->isActive());
        QCOMPARE(window->Timer500MS->interval(), 500);
        QVERIFY(!window->Timer500MS->isActive());
        QCOMPARE(window->CustomPlot, window->ui->widgetGraph);
        QVERIFY(UartData.ShowDewPoint);
    }

    // A data folder that cannot be made is reported as such; the window opens.
    void dataFolderThatCannotBeMadeIsReported()
    {
        WorkDir other;
        QFile blocker(other.filePath("Data"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        for (const char *folder : {"Data", "Data/CAL Data", "Data/Data Reports", "Data/Recorded Data"})
            QTest::ignoreMessage(QtWarningMsg, qPrintable("The folder " + other.filePath(folder)
                                                          + " cannot be made: Not a directory"));
        MainWindow second;
        QVERIFY(QDir(other.filePath("Temp")).exists());
    }

    void showMessageHasOnlyOk()
    {
        window->ShowMessage(QStringLiteral("Warning!"), QStringLiteral("Something to say."));
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QStringLiteral("Warning!"));
        QCOMPARE(shown[0].text, QStringLiteral("Something to say."));
        QCOMPARE(shown[0].ok, QStringLiteral("OK"));
        QVERIFY(shown[0].closeHidden);
        QCOMPARE(shown[0].font.family(), QStringLiteral("Arial"));
        QCOMPARE(shown[0].font.pointSize(), 20);
    }

    void openingRecords()
    {
        const QString good = writeSampleRecord(3702, 120, QStringLiteral("20240301080000.rec"));
        QVERIFY(window->LoadRecordFile(good));
        QVERIFY(shown.isEmpty());
        QCOMPARE(UartData.RECFilePath, good);
        QCOMPARE(window->ui->stackedWidget->currentWidget(), window->ui->pageGraph);
        QCOMPARE(window->ui->tableWidgetDataList->rowCount(), 120);
        QVERIFY(window->CustomPlot->graphCount() > 0);
        QVERIFY(!window->ui->toolBar->isHidden());
        const int graphs = window->CustomPlot->graphCount();

        QFile damaged(dir->filePath(QStringLiteral("damaged.rec")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        QFile source(good);
        QVERIFY(source.open(QIODevice::ReadOnly));
        damaged.write(source.read(source.size() / 2));
        damaged.close();

        const QStringList bad{damaged.fileName(), dir->filePath(QStringLiteral("missing.rec"))};
        for (const QString &path : bad) {
            shown.clear();
            QVERIFY(!window->LoadRecordFile(path));
            QCOMPARE(shown.size(), 1);
            QVERIFY2(shown[0].text.contains(QFileInfo(path).fileName()), qPrintable(shown[0].text));
            QCOMPARE(UartData.RECFilePath, good);
            QCOMPARE(UartData.Lognum, 120);
            QCOMPARE(window->ui->tableWidgetDataList->rowCount(), 120);
            QCOMPARE(window->CustomPlot->graphCount(), graphs);
        }
    }

    void openFileAsksInTheRecordFolder()
    {
        const QString good = writeSampleRecord(6201, 30, QStringLiteral("20240302080000.rec"));
        UartData.Path = dir->path();
        bool busyWhileAsking = false;
        QString askedDir;
        QString askedFilter;
        QString answer = good;
        DialogSeam::SetOpenFileHandler([&](QWidget *, const QString &, const QString &folder,
                                           const QString &filter) {
            busyWhileAsking = UartData.Busy;
            askedDir = folder;
            askedFilter = filter;
            return answer;
        });
        window->Openfile();
        QVERIFY(busyWhileAsking);
        QVERIFY(!UartData.Busy);
        QCOMPARE(askedDir, dir->path());
        QVERIFY(askedFilter.contains(QStringLiteral("*.rec")));
        QCOMPARE(UartData.RECFilePath, good);

        answer.clear();  // the user cancels
        window->Openfile();
        QCOMPARE(UartData.RECFilePath, good);
        QVERIFY(shown.isEmpty());
        DialogSeam::SetOpenFileHandler(nullptr);
    }

    void classifyModel_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("index");
        QTest::newRow("decibel") << 6201 << 8;
        QTest::newRow("light") << 5301 << 9;
        QTest::newRow("3701") << 3701 << 0;
        QTest::newRow("3707") << 3707 << 1;
        QTest::newRow("3702") << 3702 << 2;
        QTest::newRow("3708") << 3708 << 3;
        QTest::newRow("3709") << 3709 << 4;
        QTest::newRow("3710") << 3710 << 5;
        QTest::newRow("3721") << 3721 << 6;
        QTest::newRow("3725 of the 372x line") << 3725 << 7;
        QTest::newRow("3720 of the 372x line") << 3720 << 7;
        QTest::newRow("3705 other family 37") << 3705 << 2;
        QTest::newRow("4401 keeps the index") << 4401 << 42;
        QTest::newRow("9901 keeps the index") << 9901 << 42;
    }

    void classifyModel()
    {
        QFETCH(int, model);
        UartData.ModelIndex = 42;
        UartData.MeterModel = model;
        window->ClassifyModel();
        QTEST(UartData.ModelIndex, "index");
    }

    // Restored, the frameless window fits its screen with room around it and
    // is resized from its edges and corners like any desktop window, and
    // keeps that size through a maximise; maximised, it has no edges to drag.
    void restoredWindowResizesFromItsEdges()
    {
        QCOMPARE(RestoredGeometry(QRect(0, 0, 1920, 1080)), QRect(277, 156, 1366, 768));
        QCOMPARE(RestoredGeometry(QRect(0, 0, 1280, 720)), QRect(64, 36, 1152, 648));
        MainWindow shown;
        shown.showNormal();
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        const QRect available = shown.screen()->availableGeometry();
        QVERIFY2(available.contains(shown.frameGeometry()) && shown.width() < available.width(),
                 qPrintable(QStringLiteral("%1x%2").arg(shown.width()).arg(shown.height())));
        const auto drag = [&](Qt::Edges edges, QPoint by) {
            auto *grip = shown.findChild<QWidget *>(QStringLiteral("edgeGrip%1").arg(int(edges)));
            QVERIFY(grip && grip->isVisible());
            const QPoint at = grip->rect().center();
            QTest::mousePress(grip, Qt::LeftButton, {}, at);
            const QPoint to = grip->mapToGlobal(at) + by;
            QMouseEvent move(QEvent::MouseMove, grip->mapFromGlobal(to), to, Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(grip, &move);
            QTest::mouseRelease(grip, Qt::LeftButton, {}, grip->mapFromGlobal(to));
        };
        const QRect before = shown.geometry();
        drag(Qt::BottomEdge | Qt::RightEdge, QPoint(8, -40));
        QCOMPARE(shown.geometry(), before.adjusted(0, 0, 8, -40));
        drag(Qt::LeftEdge, QPoint(-6, 0));
        QCOMPARE(shown.geometry(), before.adjusted(-6, 0, 8, -40));
        const QRect dragged = shown.geometry();
        shown.showMaximized();
        QVERIFY(shown.findChildren<QWidget *>(QRegularExpression("^edgeGrip")).size() == 8);
        for (QWidget *grip : shown.findChildren<QWidget *>(QRegularExpression("^edgeGrip")))
            QVERIFY(!grip->isVisible());
        // Restored again, it keeps the size it was given.
        shown.showNormal();
        QTest::qWait(20);
        QCOMPARE(shown.geometry(), dragged);
    }

    void secondInstanceIsRefused()
    {
        const QString name = QStringLiteral("meterlog-test-%1").arg(QCoreApplication::applicationPid());
        SingleInstance first(name);
        QVERIFY(first.IsFirst());
        SingleInstance second(name);
        QVERIFY(!second.IsFirst());
    }

    void scaleFactorFromTheScreenWidth()
    {
        QCOMPARE(ScaleFactorForWidth(1920), QStringLiteral("1.4"));
        QCOMPARE(ScaleFactorForWidth(1366), QStringLiteral("1.0"));
        QCOMPARE(ScaleFactorForWidth(0), QString());

        QTemporaryDir drm;
        const auto connector = [&](const char *name, const char *status, const char *modes) {
            QDir(drm.path()).mkpath(name);
            QFile s(drm.filePath(QString(name) + "/status"));
            QVERIFY(s.open(QIODevice::WriteOnly));
            s.write(status);
            QFile m(drm.filePath(QString(name) + "/modes"));
            QVERIFY(m.open(QIODevice::WriteOnly));
            m.write(modes);
        };
        QCOMPARE(PrimaryScreenWidthBeforeApp(drm.path()), 0);
        connector("card0-DP-1", "disconnected\n", "");
        connector("card0-HDMI-A-1", "connected\n", "2560x1440\n1920x1080\n");
        QCOMPARE(PrimaryScreenWidthBeforeApp(drm.path()), 2560);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
