// The PDF summary report as a reader of the file sees it: page counts, page
// size and the footer of every page, the summary page's blocks per meter
// family and the data list columns. Every report is made by "Export to PDF"
// on the worker thread.

#include <QPdfWriter>
#include <QtTest>

#include "app/uartdatastore.h"
#include "export/reportpdf.h"
#include "tests/support/jobdriver.h"
#include "tests/support/pdftext.h"
#include "tests/support/recordfixture.h"
#include "tests/support/workdir.h"
#include "tools/samplerecord.h"
#include "ui/mainwindow.h"

namespace {

void SetSamples(double *values, std::initializer_list<double> list)
{
    std::copy(list.begin(), list.end(), values);
}

// Five samples a minute apart from 01/03/2026 08:00:00 unless the case says
// otherwise; alarm limits at their usual values.
void SetUpCase(const QString &name)
{
    UartData.TempAlarm = {3.0, 40.0};
    UartData.HumAlarm = {10.5, 64.5};
    UartData.AltUnit = false;
    UartData.ShowDewPoint = true;
    UartData.StartMode = 1;
    if (name == "decibel") {
        StartRecord(UartData, 6201, 5);
        SetSamples(UartData.DecibelValue, {50, 72.5, 40, 60, 55});
        UartData.DecibelAlarm = {45, 85};
        UartData.StartMode = 0;
    } else if (name == "current") {
        StartRecord(UartData, 3709, 5);
        SetSamples(UartData.Current, {4, 12.25, 20, 8, 6});
        UartData.CurrentAlarm = {5, 18};
    } else if (name == "temperature in F") {
        StartRecord(UartData, 3701, 5);
        UartData.AltUnit = true;
        SetSamples(UartData.TempRaw, {20, 25, -500, 10, 15});
    } else if (name == "24-hour period") {
        StartRecord(UartData, 3702, 3, 43224);
        UartData.ShowDewPoint = false;
        UartData.StartMode = 2;
    } else if (name == "four probes") {
        StartRecord(UartData, 4405, 5);
        SetSamples(UartData.ProbeRaw[0], {20, 21, 22, 23, 24});
        SetSamples(UartData.ProbeRaw[2], {-500, -500, -500, -500, -500});
    } else if (name == "thermo-hygro 4426") {
        StartRecord(UartData, 4426, 5);
        SetSamples(UartData.TempRaw, {20, 21, 22, 23, 24});
        SetSamples(UartData.Humidity, {50, 50, 50, 50, 50});
        SetSamples(UartData.ThermocoupleRaw, {100, -500, 120, 130, 140});
        UartData.ShowDewPoint = false;
    } else if (name == "no samples") {
        StartRecord(UartData, 6201, 0);
    }
    FinishRecord(UartData);
}

} // namespace

class TestReportPdf : public QObject {
    Q_OBJECT

private:
    WorkDir *dir = nullptr;
    MainWindow *window = nullptr;

private slots:
    void initTestCase()
    {
        dir = new WorkDir;
        QVERIFY(dir->isValid());
        window = new MainWindow;
    }

    void cleanupTestCase()
    {
        delete window;
        delete dir;
    }

    // The first list page holds 86 two-sample or 43 one-sample rows' worth,
    // every later one 92 or 46; a full last page brings no empty one.
    void pageCountsAndFooters_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("samples");
        QTest::addColumn<int>("pages");
        for (auto [samples, pages] : {std::pair {86, 2}, {87, 3}, {178, 3}, {179, 4}})
            QTest::addRow("decibel %d", samples) << 6201 << samples << pages;
        for (auto [samples, pages] : {std::pair {43, 2}, {44, 3}, {135, 4}, {136, 5}})
            QTest::addRow("temperature and humidity %d", samples) << 3702 << samples << pages;
    }

    void pageCountsAndFooters()
    {
        QFETCH(int, model);
        QFETCH(int, samples);
        QFETCH(int, pages);
        JobDriver jobs(window);
        SampleRecordOptions options;
        options.model = model;
        options.count = samples;
        QVERIFY(jobs.OpenRecord(options, dir->path()));
        const QString path = dir->filePath(QStringLiteral("pages.pdf"));
        QVERIFY(jobs.ExportPdf(path));
        QCOMPARE(PdfPageCount(path), pages);
        QCOMPARE(PdfInfoLine(path, QStringLiteral("Page size")),
                 QStringLiteral("595 x 842 pts (A4)"));
        for (int page = 1; page <= pages; ++page) {
            const QString footer = QStringLiteral("Page %1 of %2").arg(page).arg(pages);
            QVERIFY2(PdfPageWords(path, page).endsWith(footer), qPrintable(footer));
        }
        const QString last = PdfPageWords(path, pages);
        QVERIFY(last.contains(QStringLiteral(" %1 ").arg(samples)));
        QVERIFY(!last.contains(QStringLiteral(" %1 ").arg(samples + 1)));
    }

    void summaryPage_data()
    {
        QTest::addColumn<QStringList>("page1");
        QTest::addColumn<QStringList>("page2");
        QTest::addColumn<QStringList>("absent");
        const QString day = QStringLiteral("01/03/2026 ");
        QTest::newRow("decibel")
            << QStringList {"Summary Report Create Time:01/03/2026 08:00",
                            "Meter Name: Meter Device ID: ID Sampling Rate: 1min",
                            "Recording Time: 0 Day 0 Hours 5 Minutes Start Mode: By Button",
                            "Low Alarm(Decibel): 45(dB) High Alarm(Decibel): 85(dB)",
                            "Total Record: 5 Start Time: " + day + "08:00:00 End Time: " + day
                                + "08:04:00",
                            "Decibel(dB) 72.5 " + day + "08:01:00 40.0 " + day + "08:02:00 55.5",
                            "Data Chart",
                            "Page 1 of 2"}
            << QStringList {"Data List No. Time Decibel(dB) No. Time Decibel(dB)",
                            "1 " + day + "08:00:00 50.0 2 " + day + "08:01:00 72.5",
                            "5 " + day + "08:04:00 55.0 Page 2 of 2"}
            << QStringList {"Alarm(Humidity)"};
        QTest::newRow("current")
            << QStringList {"Low Alarm(Current): 5(mA) High Alarm(Current): 18(mA)",
                            "Current(mA) 20 " + day + "08:02:00 4 " + day + "08:00:00 10.050"}
            << QStringList {"2 " + day + "08:01:00 12.250"} << QStringList {"Alarm(Humidity)"};
        QTest::newRow("temperature in F")
            << QStringList {"Start Mode: Immediate Start",
                            "Low Alarm(Temperature): 37.4(℉) High Alarm(Temperature): 104(℉)",
                            "Temperature(℉) 77 " + day + "08:01:00 50 " + day + "08:03:00 63.50"}
            << QStringList {"3 " + day + "08:02:00 --- 4"} << QStringList();
        QTest::newRow("24-hour period")
            << QStringList {"Sampling Rate: 24h Recording Time: 3 Day 0 Hours 0 Minutes",
                            "Start Mode: Scheduled Start",
                            "Low Alarm(Humidity): 10.5(%RH) High Alarm(Humidity): 64.5(%RH)",
                            "Temperature(℃)", "Humidity(%RH)"}
            << QStringList {"No. Time Temperature(℃) Humidity(%RH) 1"} << QStringList {"Dew Point"};
        QTest::newRow("light half seconds")
            << QStringList {"Low Alarm(Light): 100(Lux) High Alarm(Light): 800(Lux)",
                            "Start Time: " + day + "08:00:00.000 End Time: " + day + "08:00:02.500",
                            "Light(Lux) 753.91 " + day + "08:00:01.500 583.43 " + day
                                + "08:00:01.000 656.51"}
            << QStringList {"1 " + day + "08:00:00.000 735.19 2 " + day + "08:00:00.500 635.27",
                            "6 " + day + "08:00:02.500 590.73"}
            << QStringList();
        QTest::newRow("light whole seconds")
            << QStringList {"Light(Lux) 753.91 " + day + "08:00:03 583.43 " + day
                            + "08:00:02 656.51"}
            << QStringList {"1 " + day + "08:00:00 735.19 2 " + day + "08:00:01",
                            "6 " + day + "08:00:05 590.73"}
            << QStringList {".500", ".000"};
        QTest::newRow("four probes")
            << QStringList {"T1(℃) 24 " + day + "08:04:00 20 " + day + "08:00:00 22.00",
                            "T3(℃) ---- ---- ---- ---- ----"}
            << QStringList {"No. Time T1(℃) T2(℃) T3(℃) T4(℃)",
                            "1 " + day + "08:00:00 20.0 0.0 ---- 0.0"}
            << QStringList();
        QTest::newRow("thermo-hygro 4426")
            << QStringList {"Temperature(℃) 24", "Humidity(%RH) 50", "Wet Bulb(℃)",
                            "Thermocouple(℃) 140.00 " + day + "08:04:00 100.00"}
            << QStringList {"No. Time Temperature(℃) Humidity(%RH) Wet Bulb(℃) Thermocouple(℃)",
                            "1 " + day + "08:00:00 20 50", "2 " + day + "08:01:00 21 50", "----"}
            << QStringList {"Dew Point"};
        QTest::newRow("no samples")
            << QStringList {"Total Record: 0 Start Time: End Time:",
                            "Decibel(dB) ---- ---- ---- ---- ----"}
            << QStringList {"Data List No. Time Decibel(dB) No. Time Decibel(dB) Page 2 of 2"}
            << QStringList();
    }

    void summaryPage()
    {
        QFETCH(QStringList, page1);
        QFETCH(QStringList, page2);
        QFETCH(QStringList, absent);
        JobDriver jobs(window);
        const QString name = QTest::currentDataTag();
        if (name.startsWith("light")) {
            // Read from its file: a light record at the 0.5 s period has
            // half-second stamps, one at 1 s has none.
            SampleRecordOptions options;
            options.model = 5301;
            options.count = 6;
            options.periodSeconds = name.contains("half") ? 1 : 2;
            options.start = FixtureStart();
            QVERIFY(jobs.OpenRecord(options, dir->path()));
        } else {
            SetUpCase(name);
            window->UpdateDataTable();
            JobDriver::PrepareReport();
        }
        const QString path = dir->filePath(QStringLiteral("summary.pdf"));
        QVERIFY(jobs.ExportPdf(path));
        const QString first = PdfPageWords(path, 1);
        const QString second = PdfPageWords(path, 2);
        for (const QString &words : page1)
            QVERIFY2(first.contains(words), qPrintable(words + "\n in: " + first));
        for (const QString &words : page2)
            QVERIFY2(second.contains(words), qPrintable(words + "\n in: " + second.left(400)));
        for (const QString &words : absent)
            QVERIFY2(!(first + second).contains(words), qPrintable(words));
    }

    // A4 with 20 mm margins at 96 pixels per inch, whatever the locale's
    // paper: the area every fixed position of the report is drawn for.
    void reportPageArea()
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        SetUpReportPage(&writer);
        QCOMPARE(writer.width(), 641);
        QCOMPARE(writer.height(), 971);
    }
};

QTEST_MAIN(TestReportPdf)
#include "test_reportpdf.moc"
