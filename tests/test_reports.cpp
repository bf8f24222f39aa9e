// The summary report: its texts, the document of every meter family in both
// layouts, the chart image, the preview file and the refresh of every view.

#include <QFile>
#include <QTextCodec>
#include <QTimer>
#include <QtTest>

#include "app/recordfile.h"
#include "app/uartdatastore.h"
#include "report/reporttext.h"
#include "tests/support/recordfixture.h"
#include "tests/support/workdir.h"
#include "tools/samplerecord.h"
#include "ui/dialogseam.h"
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

namespace {

const double M = UartDataStore::MissingValue;
const QString Cell = QStringLiteral("<td align=center><font size=3 face=Arial>");

QString cells(const QStringList &texts)
{
    QString row;
    for (const QString &text : texts)
        row += Cell + text + QStringLiteral("</td>");
    return row;
}

QString infoRow(const QString &label, const QString &value,
                const QString &closer = QStringLiteral("</td></b><td><font size=3 face=Arial>"))
{
    return QStringLiteral("<tr><td><b><font size=3 face=Arial>") + label + closer + value
           + QStringLiteral("</td></tr>");
}

QString heading(const QString &text)
{
    return QStringLiteral("<p><b><font size=5 face=Arial>") + text
           + QStringLiteral("</font></b></p><hr />");
}

// The part of a document from the Data List heading on.
QString dataList(const QString &html)
{
    return html.mid(html.indexOf(heading(QStringLiteral("Data List"))));
}

} // namespace

class TestReports : public QObject
{
    Q_OBJECT

private:
    WorkDir *dir = nullptr;
    MainWindow *window = nullptr;

    // A record of the model with the given values in every channel it has;
    // the data list computes its statistics, as when a record is opened.
    void record(int model, const QVector<double> &values, int period = 60)
    {
        StartRecord(UartData, model, values.size(), period);
        for (int i = 0; i < values.size(); ++i) {
            UartData.DecibelValue[i] = UartData.LightRaw[i] = UartData.Current[i] =
                UartData.Voltage[i] = UartData.TempRaw[i] = UartData.ThermocoupleRaw[i] =
                    values[i];
            UartData.Humidity[i] = 50.0 + i;
            for (int k = 0; k < UartDataStore::ProbeCount; ++k)
                UartData.ProbeRaw[k][i] = values[i] == M ? M : values[i] + k;
        }
        UartData.StartMode = 1;
        UartData.DecibelAlarm = {40.0, 85.5};
        UartData.LightAlarm = {107.639, 1076.39};
        UartData.CurrentAlarm = {4.0, 20.0};
        UartData.VoltageAlarm = {500.0, 1500.0};
        FinishRecord(UartData);
        window->UpdateDataTable();
    }
    QString screen() { return window->CreateReportHtml(false); }
    QString print() { return window->CreateReportHtml(true); }

private slots:
    void initTestCase()
    {
        dir = new WorkDir;
        QVERIFY(dir->isValid());
        window = new MainWindow;
        window->CustomPlot->resize(800, 500);
        DialogSeam::SetExecHandler([](QDialog &) { return 1; });
    }

    void cleanupTestCase()
    {
        DialogSeam::SetExecHandler(nullptr);
        delete window;
        delete dir;
    }

    void init()
    {
        UartData.Dateformat = 0;
        UartData.DateTimeFormat = QStringLiteral("yyyy/MM/dd hh:mm:ss");
        UartData.AltUnit = false;
        UartData.ShowDewPoint = true;
        UartData.TempAlarm = {3.0, 40.0};
        UartData.HumAlarm = {10.5, 64.5};
    }

    void headerTexts_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("dateformat");
        QTest::addColumn<int>("startMode");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("created");
        QTest::addColumn<QString>("start");
        QTest::newRow("year first, 5 s") << 6201 << 5 << 0 << 0 << "5S" << "2023/10/27 14:54" << "By Button";
        QTest::newRow("day first, 1 s") << 6201 << 1 << 1 << 1 << "1S" << "27/10/2023 14:54" << "Immediate Start";
        QTest::newRow("month first, light 1") << 5301 << 1 << 2 << 2 << "0.5S" << "10/27/2023 14:54" << "Scheduled Start";
        QTest::newRow("order 3, light 5") << 5301 << 5 << 3 << 3 << "" << "" << "By Button";
        QTest::newRow("24 h") << 3702 << 43224 << 0 << -1 << "24h" << "2023/10/27 14:54" << "By Button";
        QTest::newRow("light 24 h") << 5301 << 43224 << 0 << 1 << "24h" << "2023/10/27 14:54" << "Immediate Start";
        QTest::newRow("12 h light only") << 6201 << 43212 << 0 << 1 << "" << "2023/10/27 14:54" << "Immediate Start";
        QTest::newRow("light 12 h") << 5301 << 43212 << 0 << 1 << "12h" << "2023/10/27 14:54" << "Immediate Start";
    }

    void headerTexts()
    {
        QFETCH(int, model);
        QFETCH(int, period);
        QFETCH(int, startMode);
        UartData.RECModel = model;
        UartData.SamplePeriod = period;
        UartData.StartMode = qint8(startMode);
        UartData.RECCreateTime = QStringLiteral("2023-10-27 14:54");
        QFETCH(int, dateformat);
        UartData.Dateformat = dateformat;
        QTEST(SamplingRateText(), "rate");
        QTEST(CreateTimeText(), "created");
        QTEST(window->StartModeText(), "start");
    }

    void recordingTime_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("period");
        QTest::addColumn<QString>("text");
        QTest::newRow("100 x 60 s") << 6201 << 100 << 60 << "0 Day 1 Hours 40 Minutes";
        QTest::newRow("3 x 24 h") << 1234 << 3 << 43224 << "3 Day 0 Hours 0 Minutes";
        QTest::newRow("2 x 24 h") << 4401 << 2 << 43224 << "2 Day 0 Hours 0 Minutes";
        QTest::newRow("seconds dropped") << 3702 << 10 << 10 << "0 Day 0 Hours 1 Minutes";
        QTest::newRow("light halves") << 5301 << 7200 << 1 << "0 Day 1 Hours 0 Minutes";
        QTest::newRow("light halves odd") << 5301 << 3 << 1 << "0 Day 0 Hours 0 Minutes";
        QTest::newRow("light 24 h per sample") << 5301 << 2 << 43224 << "2 Day 0 Hours 0 Minutes";
        QTest::newRow("past 32 bits") << 3702 << 70000 << 43224 << "70000 Day 0 Hours 0 Minutes";
        QTest::newRow("12 h, 70000") << 6201 << 70000 << 43200 << "35000 Day 0 Hours 0 Minutes";
    }

    void recordingTime()
    {
        QFETCH(int, model);
        QFETCH(int, count);
        QFETCH(int, period);
        UartData.RECModel = model;
        UartData.Lognum = count;
        UartData.SamplePeriod = period;
        QTEST(window->RecordingTimeText(), "text");
    }

    // The whole decibel document in both layouts, piece by piece as the
    // report is defined; only the marked pieces differ between them.
    void decibelDocument_data()
    {
        QTest::addColumn<bool>("printLayout");
        QTest::newRow("screen") << false;
        QTest::newRow("print") << true;
    }

    void decibelDocument()
    {
        QFETCH(bool, printLayout);
        record(6201, {50.0, 62.25, 45.5});
        const QString table = printLayout
            ? QStringLiteral("<table style='table-layout:fixed;border-collapse: collapse' border=1 cellspacing=0>")
            : QStringLiteral("<table style='display:inline;width:100%' border=1 cellspacing=0>");
        const auto opener = [&](int width) {
            return printLayout ? QStringLiteral("<td align=center width=%1><font size=3 face=Arial>").arg(width)
                               : Cell;
        };
        const QString info = QStringLiteral("<table style='display:block;width:50%;table-layout:fixed' border=0>");
        const QString pad(7, QLatin1Char(' '));
        const QString t0 = QStringLiteral("2026/03/01 08:00:00");
        const QString t1 = QStringLiteral("2026/03/01 08:01:00");
        const QString t2 = QStringLiteral("2026/03/01 08:02:00");
        const QString listHeader = opener(67) + "No.</td>" + opener(150) + "Time</td>" + opener(90)
                                   + "Decibel(dB)</td>";
        const QString expected =
            "<html><body><meta http-equiv=Content-Type content=text/html;charset=gb2312>"
            "<p align=center><font size=6 face=Arial align=center><b>Summary Report</font></b></p>"
            "<p align=right><b><font size=3 face=Arial>Create Time:2026/03/01 08:00</b></p><hr />"
            + heading("Device Information") + info + infoRow("Meter Name:", "Meter")
            + infoRow("Device ID:", "ID") + infoRow("Sampling Rate:", "1min")
            + infoRow("Recording Time:", "0 Day 0 Hours 3 Minutes")
            + infoRow("Start Mode:", "Immediate Start") + infoRow("Low Alarm(Decibel):", "40.0(dB)")
            + infoRow("High Alarm(Decibel):", QStringLiteral("85.5(dB\uFF09")) + "</table><hr />"
            + heading("Data Summary") + info + infoRow("Total Record:", "3")
            + infoRow("Start Time:", t0) + infoRow("End Time:", t2) + "</table>" + table + "<tr>"
            + opener(80) + "Label" + opener(100) + "Maximum Value</td>" + opener(135)
            + "Maximum Value Time</td>" + opener(100) + "Minimum Value</td>" + opener(135)
            + "Minimum Value Time</td>" + opener(62) + "Average</td></tr><tr>"
            + cells({"Decibel" + pad + "(dB)" + pad, "62.3", pad + t1 + pad, "45.5", pad + t2 + pad,
                     "52.6"})
            + "</tr></table><hr />" + heading("Data Chart") + "<br></br>"
            + (printLayout ? "<img src=logger.bmp alt=\"picture\" width=\"600\" height=\"400\" />"
                             "<br></br><br></br><br></br>"
                           : "<img style=display:block;width:100%; src=logger.bmp />")
            + "<hr />" + heading("Data List") + table + "<tr>" + listHeader + listHeader + "</tr>"
            + "<tr>" + cells({"1", t0, "50.0"}) + cells({"2", t1, "62.3"}) + "</tr>"
            + "<tr>" + cells({"3", t2, "45.5"}) + "</tr>" + "</table></body></html>";
        QCOMPARE(window->CreateReportHtml(printLayout), expected);
    }

    // What each builder puts where the decibel report has its own pieces.
    void builderPieces_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("printLayout");
        QTest::addColumn<QStringList>("pieces");
        const QString C = QStringLiteral("(&#8451)");
        const QString alarm = QStringLiteral(" </b></td><td><font size=3 face=Arial>");
        const QString t0 = QStringLiteral("2026/03/01 08:00:00");
        const QString t1 = QStringLiteral("2026/03/01 08:01:00");
        const QString t2 = QStringLiteral("2026/03/01 08:02:00");
        const QString screenTable = QStringLiteral("<table style='display:inline;width:100%' border=1 cellspacing=0>");
        QTest::newRow("temperature") << 3701 << true << QStringList{
            "<html><head><style>body{ font-family:Arial}</style></head><body>",
            "<font size=10 face=Arial align=center><b>Summary Report",
            infoRow("Low Alarm(Temperature):", "3" + C, alarm),
            "</table>" + screenTable + "<tr>" + Cell + "Label" + Cell + "Maximum Value",
            cells({"Temperature" + C, "22.5", t1, "-3.25", t2, "7.08"}),
            Cell + "No.</td>" + Cell + "Time</td>" + Cell + "Temperature" + C + "</td>",
            "<tr><td align=center>1</td><td align=center>" + t0 + "</td><td align=center>2.0</td>"
            "<td align=center>2</td><td align=center>" + t1 + "</td><td align=center>22.5</td></tr>",
            "<td align=center>4</td><td align=center>2026/03/01 08:03:00</td><td align=center>----</td></tr>",
            "height=\"400\" /><br></br><br></br><br></br><hr />"};
        QTest::newRow("current") << 3709 << true << QStringList{
            "<html><body>", "<font size=10 face=Arial",
            infoRow("Low Alarm(Current):", "4(mA)", alarm), infoRow("High Alarm(Current):", "20(mA)", alarm),
            cells({"Current(mA)", "22.500", t1, "-500.000", "2026/03/01 08:03:00", "-119.688"}),
            "<td align=center width=90><font size=3 face=Arial>Current(mA)</td>", cells({"3", t2, "-3.250"})};
        QTest::newRow("voltage") << 3710 << false << QStringList{
            infoRow("High Alarm(Voltage):", "1500(mV)", alarm), cells({"2", t1, "22.500"}),
            cells({"Voltage(mV)", "22.500", t1, "-500.000", "2026/03/01 08:03:00", "-119.688"})};
        QTest::newRow("light") << 5301 << false << QStringList{
            "<html><body>", "<font size=6 face=Arial",
            infoRow("Low Alarm(Light):", "107.64(Lux)", alarm),
            cells({"Light(Lux)", "22.50", t1, "-500.00", "2026/03/01 08:03:00", "-119.69"}),
            Cell + "Light(Lux)</td>", cells({"3", t2, "-3.3"})};
        QTest::newRow("temperature and humidity, print") << 3702 << true << QStringList{
            "<html><body>", "<font size=10 face=Arial",
            infoRow("High Alarm(Temperature):", "40" + C, alarm),
            infoRow("Low Alarm(Humidity):", "10.5(%RH)", alarm),
            "<td align=center width=105><font size=3 face=Arial>Label<td align=center width=95>",
            "width=57><font size=3 face=Arial>Average</td></tr><tr>",
            cells({"Temperature" + C, "22.5", t1, "-3.25", t2, "7.08"}) + "</tr><tr>"
                + cells({"Humidity(RH)", "53", "2026/03/01 08:03:00", "50", t0, "51.5"}) + "</tr><tr>",
            "height=\"365\" /><hr />",
            "<tr><td align=center width=82><font size=3 face=Arial>No.</td><td align=center width=170>",
            "Dew Point" + C + "</td></tr><tr>" + cells({"1", t0, "2.0", "50.0"}),
            "<tr>" + cells({"4", "2026/03/01 08:03:00", "-500.0", "53.0", "-500.0"}) + "</tr></table>"};
        QTest::newRow("thermo-hygro 4426, print asked") << 4426 << true << QStringList{
            "<html><head><style>body{ font-family:Arial}</style></head><body>", "<font size=6 face=Arial",
            "<img style=display:block;width:100%; src=logger.bmp />",
            "Wet Bulb" + C + "</td>" + Cell + "Thermocouple" + C + "</td>" + Cell + "No.",
            cells({"Thermocouple" + C, "22.50", t1, "-3.25", t2, "7.08"}),
            cells({"1", t0, "2", "50"}), Cell + "----</td></tr>"};
        QTest::newRow("four probes") << 4405 << false << QStringList{
            "<html><body>", "<font size=10 face=Arial", infoRow("Low Alarm(Temperature):", "3" + C, alarm),
            cells({"T3" + C, "24.5", t1, "-1.25", t2, "9.08"}),
            Cell + "T4" + C + "</td></tr><tr>" + cells({"1", t0, "2.0", "3.0", "4.0", "5.0"})};
    }

    void builderPieces()
    {
        QFETCH(int, model);
        QFETCH(bool, printLayout);
        QFETCH(QStringList, pieces);
        record(model, {2.0, 22.5, -3.25, M});
        const QString html = window->CreateReportHtml(printLayout);
        for (const QString &piece : pieces)
            QVERIFY2(html.contains(piece), qPrintable(piece));
        QCOMPARE(html.count(QStringLiteral("Low Alarm(Humidity)")), model == 3702 || model == 4426 ? 1 : 0);
    }

    void multiChannelVariants()
    {
        record(4401, {2.0, 22.5, -3.25});
        QCOMPARE(print(), screen());
        QVERIFY(!screen().contains(QStringLiteral("Thermocouple")));
        UartData.ShowDewPoint = false;
        QVERIFY(!screen().contains(QStringLiteral("Dew Point")));
        QVERIFY(screen().contains(QStringLiteral("Wet Bulb")));

        record(3702, {2.0, 22.5, -3.25});
        const QString tempHum = print();
        QVERIFY(!tempHum.contains(QStringLiteral("Dew Point")));
        QVERIFY(tempHum.contains(QStringLiteral("height=\"390\" /><hr />")));
        QVERIFY(tempHum.contains(QStringLiteral("<tr><td align=center width=112><font size=3 face=Arial>No.</td>"
                                                "<td align=center width=200><font size=3 face=Arial>Time</td>"
                                                "<td align=center width=150><font size=3 face=Arial>Temperature(&#8451)</td>"
                                                "<td align=center width=150><font size=3 face=Arial>Humidity(%RH)</td></tr><tr>")));

        record(4405, {2.0, 22.5, -3.25});
        UartData.ProbeEnabled[2] = false;
        QCOMPARE(print(), screen());
        QVERIFY(screen().contains(cells({"T3(&#8451)", "----", "----", "----", "----", "----"})));
        QVERIFY(screen().contains(cells({"1", "2026/03/01 08:00:00", "2.0", "3.0", "4.0", "5.0"})));
    }

    // Two samples to a row (or one in the temperature and humidity print
    // list), the last row closed whatever the count.
    void rowsPerCount_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("printLayout");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("rows");
        for (int count : {1, 2, 5, 6, 2001}) {
            QTest::addRow("decibel %d", count) << 6201 << true << count << (count + 1) / 2;
            QTest::addRow("temperature humidity screen %d", count) << 3702 << false << count << (count + 1) / 2;
            QTest::addRow("temperature humidity print %d", count) << 3702 << true << count << count;
        }
    }

    void rowsPerCount()
    {
        QFETCH(int, model);
        QFETCH(bool, printLayout);
        QFETCH(int, count);
        QFETCH(int, rows);
        UartData.ShowDewPoint = false;
        record(model, QVector<double>(count, 20.0));
        const QString list = dataList(window->CreateReportHtml(printLayout));
        QCOMPARE(list.count(QStringLiteral("<tr>")), rows + 1);
        QCOMPARE(list.count(QStringLiteral("</tr>")), rows + 1);
        QCOMPARE(list.count(Cell + QStringLiteral("20.0</td>")), count);
        QVERIFY(list.endsWith(QStringLiteral("</td></tr></table></body></html>")));
        if (count == 1)
            QVERIFY(screen().contains(infoRow("End Time:", "2026/03/01 08:00:00")));
    }

    void dispatchByModel_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("marker");
        QTest::newRow("decibel 6201") << 6201 << "Low Alarm(Decibel):";
        QTest::newRow("temperature 3701") << 3701 << "<td align=center>1</td>";
        QTest::newRow("temperature 4421") << 4421 << "<td align=center>1</td>";
        QTest::newRow("current 3709") << 3709 << "Low Alarm(Current):";
        QTest::newRow("voltage 3710") << 3710 << "Low Alarm(Voltage):";
        QTest::newRow("temperature humidity 3702") << 3702 << "width=105";
        QTest::newRow("light 5301") << 5301 << "Low Alarm(Light):";
        QTest::newRow("four probes 4405") << 4405 << "T4(&#8451)";
        QTest::newRow("four probes 4425") << 4425 << "T4(&#8451)";
        QTest::newRow("thermo-hygro 4401") << 4401 << "Wet Bulb";
        QTest::newRow("fallback 1234") << 1234 << "Light Meter Report";
    }

    void dispatchByModel()
    {
        QFETCH(int, model);
        QFETCH(QString, marker);
        const QStringList markers{"Low Alarm(Decibel):", "<td align=center>1</td>", "Low Alarm(Current):",
                                  "Low Alarm(Voltage):", "width=105", "Low Alarm(Light):", "T4(&#8451)",
                                  "Wet Bulb", "Light Meter Report"};
        record(model, {20.0, 21.0});
        const QString html = print();
        for (const QString &m : markers)
            QCOMPARE(html.contains(m), m == marker);
    }

    void fallbackReport()
    {
        record(1234, {20.0, 21.0});
        const QString html = print();
        QVERIFY(html.startsWith(QStringLiteral("<html><head><style>body{ font-family:Arial}</style></head>"
                                               "<body><meta http-equiv=Content-Type content=text/html;charset=gb2312>"
                                               "<p align=center><font size=6 face=Arial align=center><b>Light Meter Report")));
        QVERIFY(html.endsWith(heading("Data List") + "</body></html>"));
        QVERIFY(html.contains(QStringLiteral("width=62><font size=3 face=Arial>Average</td></tr><tr></tr></table><hr />")));
        QVERIFY(html.contains(infoRow("Start Mode:", "Immediate Start") + "</table><hr />"));
        QCOMPARE(html.count(QStringLiteral("<tr><td><b>")), 8);
        UartData.AltUnit = UartData.ShowDewPoint = true;
        UartData.ProbeEnabled[0] = true;
        QCOMPARE(print(), html);
    }

    void recordTextsAreEscaped()
    {
        record(6201, {50.0});
        UartData.RECFileName = QStringLiteral("Hall <A&B>");
        UartData.RECDeviceID = QStringLiteral("\"7\"<b>");
        const QString html = screen();
        QVERIFY(html.contains(infoRow("Meter Name:", "Hall &lt;A&amp;B&gt;")));
        QVERIFY(html.contains(infoRow("Device ID:", "&quot;7&quot;&lt;b&gt;")));
    }

    void alarmLimitsInTheShownUnit()
    {
        const QString alarm = QStringLiteral(" </b></td><td><font size=3 face=Arial>");
        UartData.TempAlarm = {3.5, 40.0};
        for (int model : {3701, 3702, 4401, 4405}) {
            StartRecord(UartData, model, 2);
            UartData.AltUnit = true;
            FinishRecord(UartData);
            const QString html = screen();
            QVERIFY(html.contains(infoRow("Low Alarm(Temperature):", "38.3(&#8457)", alarm)));
            QVERIFY(html.contains(infoRow("High Alarm(Temperature):", "104(&#8457)", alarm)));
        }
        record(5301, {100.0, 200.0});
        UartData.AltUnit = true;
        UartData.ConvertRecordUnits();
        window->UpdateDataTable();
        const QString html = screen();
        QVERIFY(html.contains(infoRow("Low Alarm(Light):", "10.00(FC)", alarm)));
        QVERIFY(html.contains(infoRow("High Alarm(Light):", "100.00(FC)", alarm)));
        QVERIFY(html.contains(cells({"2", "2026/03/01 08:01:00", "18.58"})));
    }

    void lightHalfSecondTimes()
    {
        record(5301, {100.0, 200.0, 150.0});
        UartData.HalfSecondStamps = true;
        const QString html = screen();
        QVERIFY(html.contains(infoRow("End Time:", "2026/03/01 08:02:00.000")));
        QVERIFY(html.contains(cells({"2", "2026/03/01 08:01:00.500", "200.0"})));
        QVERIFY(html.contains(cells({"Light(Lux)", "200.00", "2026/03/01 08:01:00.500"})));
        UartData.HalfSecondStamps = false;
        QVERIFY(!screen().contains(QStringLiteral(".500")));
    }

    // Opening a record stores both layouts, writes the preview file in
    // GB2312 without a byte-order mark and the chart image, and marks the
    // preview pending; a record without samples leaves no report behind.
    void openingRebuildsTheReport()
    {
        record(6201, {50.0, 51.0});
        UartData.RECFileName = QStringLiteral("Room \u2103");
        const QString path = dir->filePath(QStringLiteral("20260301080000.rec"));
        QVERIFY(WriteRecordFile(UartData, path, nullptr));
        window->ReportPreviewPending = false;
        QVERIFY(window->LoadRecordFile(path));
        QCOMPARE(window->CustomPlot->graphCount() > 0, true);
        QCOMPARE(UartData.ReportHtml, screen());
        QCOMPARE(UartData.ReportPrintHtml, print());
        QVERIFY(window->ReportPreviewPending);
        QCOMPARE(window->ReportHtmlPath, QDir::currentPath() + QStringLiteral("/ReportHtml.Html"));
        QFile preview(window->ReportHtmlPath);
        QVERIFY(preview.open(QIODevice::ReadOnly));
        const QByteArray bytes = preview.readAll();
        QVERIFY(bytes.startsWith("<html><body>"));
        QVERIFY(bytes.contains("Room \xA1\xE6</td>"));
        QVERIFY(bytes.contains("85.5(dB\xA3\xA9</td>"));
        QCOMPARE(bytes, QTextCodec::codecForName("GB2312")->fromUnicode(UartData.ReportHtml));
        const QImage chart(QStringLiteral("logger.bmp"), "BMP");
        QCOMPARE(chart.size(), window->CustomPlot->size());

        StartRecord(UartData, 6201, 0);
        FinishRecord(UartData);
        QVERIFY(WriteRecordFile(UartData, path, nullptr));
        QFile::remove(QStringLiteral("logger.bmp"));
        QVERIFY(window->LoadRecordFile(path));
        QVERIFY(UartData.ReportHtml.isEmpty());
        QVERIFY(UartData.ReportPrintHtml.isEmpty());
        QCOMPARE(QFileInfo(window->ReportHtmlPath).size(), 0);
        QVERIFY(!QFile::exists(QStringLiteral("logger.bmp")));
    }

    void refreshDataView()
    {
        Ui_MainWindow *ui = window->ui;
        StartRecord(UartData, 6201, 0);
        FinishRecord(UartData);
        UartData.ReportHtml = QStringLiteral("kept");
        ui->stackedWidget->setCurrentWidget(ui->pageMain);
        ui->tabWidget->setCurrentWidget(ui->tabList);
        ui->toolBar->hide();
        window->ZoomMode = false;
        window->ReportPreviewPending = false;
        window->Timer500MS->start();
        window->RefreshDataView();
        QVERIFY(!window->Timer500MS->isActive());
        QCOMPARE(ui->stackedWidget->currentWidget(), ui->pageMain);
        QCOMPARE(ui->tabWidget->currentWidget(), ui->tabList);
        QVERIFY(ui->toolBar->isHidden());
        QVERIFY(!window->ZoomMode);
        QVERIFY(!window->ReportPreviewPending);
        QCOMPARE(UartData.ReportHtml, QStringLiteral("kept"));

        record(6201, {50.0, 51.0});
        UartData.DateTimeFormat = QStringLiteral("dd/MM/yyyy hh:mm:ss");
        window->Timer500MS->start();
        window->RefreshDataView();
        QVERIFY(!window->Timer500MS->isActive());
        QCOMPARE(ui->stackedWidget->currentWidget(), ui->pageGraph);
        QCOMPARE(ui->tabWidget->currentWidget(), ui->tabGraph);
        QVERIFY(!ui->toolBar->isHidden());
        QVERIFY(window->ZoomMode);
        QVERIFY(window->CustomPlot->interactions().testFlag(QCP::iRangeZoom));
        QVERIFY(window->ReportPreviewPending);
        QVERIFY(UartData.ReportHtml.contains(infoRow("End Time:", "01/03/2026 08:01:00")));
        QVERIFY(UartData.ReportPrintHtml.contains(QStringLiteral("width=\"600\" height=\"400\"")));
    }
};

QTEST_MAIN(TestReports)
#include "test_reports.moc"
