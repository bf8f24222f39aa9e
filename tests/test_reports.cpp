// The summary report: its texts, the document of every meter family in both
// layouts, the chart image, the preview file and the refresh of every view.

#include <QFile>
#include <QTextCodec>
#include <QtTest>

#include "app/recordfile.h"
#include "app/uartdatastore.h"
#include "report/reporttext.h"
#include "tests/support/recordfixture.h"
#include "tests/support/workdir.h"
#include "ui/dialogseam.h"
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

namespace {

const double M = UartDataStore::MissingValue;
const QString Cell = QStringLiteral("<td align=center><font size=3 face=Arial>");
const QString Alarm = QStringLiteral(" </b></td><td><font size=3 face=Arial>");
const QString C = QStringLiteral("(&#8451)");
const QString T0 = QStringLiteral("2026/03/01 08:00:00");
const QString T1 = QStringLiteral("2026/03/01 08:01:00");
const QString T2 = QStringLiteral("2026/03/01 08:02:00");
const QString T3 = QStringLiteral("2026/03/01 08:03:00");

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

// Each model code's report, told apart by a piece only it prints.
const std::pair<int, const char *> Dispatch[] = {
    {6201, "Low Alarm(Decibel):"}, {3701, "<td align=center>1</td>"},
    {4421, "<td align=center>1</td>"}, {3709, "Low Alarm(Current):"},
    {3710, "Low Alarm(Voltage):"}, {3702, "width=105"}, {5301, "Low Alarm(Light):"},
    {4405, "T4(&#8451)"}, {4425, "T4(&#8451)"}, {4401, "Wet Bulb"}, {1234, "Light Meter Report"}};

} // namespace

class TestReports : public QObject
{
    Q_OBJECT

private:
    WorkDir *dir = nullptr;
    MainWindow *window = nullptr;

    // A record of the model with the given values in every channel it has;
    // the data list computes its statistics, as when a record is opened.
    void record(int model, const QVector<double> &values)
    {
        StartRecord(UartData, model, values.size());
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

    // Sampling rate, creation time, start mode and recording time; light
    // meters count in half seconds, and 70000 days overflow 32 bits.
    void headerTexts_data()
    {
        for (const char *column : {"model", "count", "period", "dateformat", "startMode"})
            QTest::addColumn<int>(column);
        for (const char *column : {"rate", "created", "start", "recording"})
            QTest::addColumn<QString>(column);
        const QString ymd = QStringLiteral("2023/10/27 14:54");
        const QString button = QStringLiteral("By Button"), now = QStringLiteral("Immediate Start");
        const auto span = [](int days, int hours, int minutes) {
            return QStringLiteral("%1 Day %2 Hours %3 Minutes").arg(days).arg(hours).arg(minutes);
        };
        QTest::newRow("5 s, year first") << 6201 << 100 << 5 << 0 << 0 << "5S" << ymd << button << span(0, 0, 8);
        QTest::newRow("1 s, day first") << 6201 << 6000 << 1 << 1 << 1 << "1S" << "27/10/2023 14:54" << now << span(0, 1, 40);
        QTest::newRow("light 0.5 s, month first") << 5301 << 7200 << 1 << 2 << 2 << "0.5S" << "10/27/2023 14:54"
                                                  << "Scheduled Start" << span(0, 1, 0);
        QTest::newRow("light 2.5 s, order 3") << 5301 << 3 << 5 << 3 << 3 << "" << "" << button << span(0, 0, 0);
        QTest::newRow("24 h, past 32 bits") << 3702 << 70000 << 43224 << 0 << -1 << "24h" << ymd << button << span(70000, 0, 0);
        QTest::newRow("24 h, no family") << 1234 << 3 << 43224 << 0 << 1 << "24h" << ymd << now << span(3, 0, 0);
        QTest::newRow("light 24 h") << 5301 << 2 << 43224 << 0 << 1 << "24h" << ymd << now << span(2, 0, 0);
        QTest::newRow("12 h, 70000") << 6201 << 70000 << 43200 << 0 << 1 << "12h" << ymd << now << span(35000, 0, 0);
        QTest::newRow("light 12 h") << 5301 << 2 << 43212 << 0 << 1 << "12h" << ymd << now << span(1, 0, 0);
        QTest::newRow("light's 12 h code elsewhere") << 6201 << 1 << 43212 << 0 << 1 << "" << ymd << now << span(0, 12, 0);
    }

    void headerTexts()
    {
        QFETCH(int, model);
        QFETCH(int, count);
        QFETCH(int, period);
        QFETCH(int, dateformat);
        QFETCH(int, startMode);
        UartData.RECModel = model;
        UartData.Lognum = count;
        UartData.SamplePeriod = period;
        UartData.Dateformat = dateformat;
        UartData.StartMode = qint8(startMode);
        UartData.RECCreateTime = QStringLiteral("2023-10-27 14:54");
        QTEST(SamplingRateText(), "rate");
        QTEST(CreateTimeText(), "created");
        QTEST(window->StartModeText(), "start");
        QTEST(window->RecordingTimeText(), "recording");
    }

    // The whole decibel document in both layouts, piece by piece as the
    // report is defined; only the marked pieces differ between them. Record
    // texts are escaped.
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
        UartData.RECFileName = QStringLiteral("Hall <A&B>");
        UartData.RECDeviceID = QStringLiteral("\"7\"<b>");
        const QString table = printLayout
            ? QStringLiteral("<table style='table-layout:fixed;border-collapse: collapse' border=1 cellspacing=0>")
            : QStringLiteral("<table style='display:inline;width:100%' border=1 cellspacing=0>");
        const auto opener = [&](int width) {
            return printLayout ? QStringLiteral("<td align=center width=%1><font size=3 face=Arial>").arg(width)
                               : Cell;
        };
        const QString info = QStringLiteral("<table style='display:block;width:50%;table-layout:fixed' border=0>");
        const QString pad(7, QLatin1Char(' '));
        const QString listHeader = opener(67) + "No.</td>" + opener(150) + "Time</td>" + opener(90)
                                   + "Decibel(dB)</td>";
        const QString expected =
            "<html><body><meta http-equiv=Content-Type content=text/html;charset=gb2312>"
            "<p align=center><font size=6 face=Arial align=center><b>Summary Report</font></b></p>"
            "<p align=right><b><font size=3 face=Arial>Create Time:2026/03/01 08:00</b></p><hr />"
            + heading("Device Information") + info + infoRow("Meter Name:", "Hall &lt;A&amp;B&gt;")
            + infoRow("Device ID:", "&quot;7&quot;&lt;b&gt;") + infoRow("Sampling Rate:", "1min")
            + infoRow("Recording Time:", "0 Day 0 Hours 3 Minutes")
            + infoRow("Start Mode:", "Immediate Start") + infoRow("Low Alarm(Decibel):", "40.0(dB)")
            + infoRow("High Alarm(Decibel):", QStringLiteral("85.5(dB\uFF09")) + "</table><hr />"
            + heading("Data Summary") + info + infoRow("Total Record:", "3")
            + infoRow("Start Time:", T0) + infoRow("End Time:", T2) + "</table>" + table + "<tr>"
            + opener(80) + "Label" + opener(100) + "Maximum Value</td>" + opener(135)
            + "Maximum Value Time</td>" + opener(100) + "Minimum Value</td>" + opener(135)
            + "Minimum Value Time</td>" + opener(62) + "Average</td></tr><tr>"
            + cells({"Decibel" + pad + "(dB)" + pad, "62.3", pad + T1 + pad, "45.5", pad + T2 + pad,
                     "52.6"})
            + "</tr></table><hr />" + heading("Data Chart") + "<br></br>"
            + (printLayout ? "<img src=logger.bmp alt=\"picture\" width=\"600\" height=\"400\" />"
                             "<br></br><br></br><br></br>"
                           : "<img style=display:block;width:100%; src=logger.bmp />")
            + "<hr />" + heading("Data List") + table + "<tr>" + listHeader + listHeader + "</tr>"
            + "<tr>" + cells({"1", T0, "50.0"}) + cells({"2", T1, "62.3"}) + "</tr>"
            + "<tr>" + cells({"3", T2, "45.5"}) + "</tr>" + "</table></body></html>";
        QCOMPARE(window->CreateReportHtml(printLayout), expected);
    }

    // What each builder puts where the decibel report has its own pieces, in
    // the shown unit and with the options of the record; the four-probe and
    // thermo-hygro reports have one layout for both.
    void builderPieces_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("printLayout");
        QTest::addColumn<QString>("options");
        QTest::addColumn<bool>("alike");
        QTest::addColumn<QStringList>("pieces");
        QTest::addColumn<QStringList>("absent");
        const QString screenTable = QStringLiteral("<table style='display:inline;width:100%' border=1 cellspacing=0>");
        const QStringList fahrenheit {infoRow("Low Alarm(Temperature):", "37.4(&#8457)", Alarm),
                                      infoRow("High Alarm(Temperature):", "104(&#8457)", Alarm)};
        QTest::newRow("temperature") << 3701 << true << "" << false << QStringList{
            "<html><head><style>body{ font-family:Arial}</style></head><body>",
            "<font size=10 face=Arial align=center><b>Summary Report",
            infoRow("Low Alarm(Temperature):", "3" + C, Alarm),
            "</table>" + screenTable + "<tr>" + Cell + "Label" + Cell + "Maximum Value",
            cells({"Temperature" + C, "22.5", T1, "-3.25", T2, "7.08"}),
            Cell + "No.</td>" + Cell + "Time</td>" + Cell + "Temperature" + C + "</td>",
            "<tr><td align=center>1</td><td align=center>" + T0 + "</td><td align=center>2.0</td>"
            "<td align=center>2</td><td align=center>" + T1 + "</td><td align=center>22.5</td></tr>",
            "<td align=center>4</td><td align=center>" + T3 + "</td><td align=center>----</td></tr>",
            "height=\"400\" /><br></br><br></br><br></br><hr />"} << QStringList{"Alarm(Humidity)"};
        QTest::newRow("temperature in F") << 3701 << false << "alt" << false << fahrenheit << QStringList();
        QTest::newRow("current") << 3709 << true << "" << false << QStringList{
            "<html><body>", "<font size=10 face=Arial",
            infoRow("Low Alarm(Current):", "4(mA)", Alarm), infoRow("High Alarm(Current):", "20(mA)", Alarm),
            cells({"Current(mA)", "22.500", T1, "-500.000", T3, "-119.688"}),
            "<td align=center width=90><font size=3 face=Arial>Current(mA)</td>", cells({"3", T2, "-3.250"})}
            << QStringList{"Alarm(Humidity)"};
        QTest::newRow("voltage") << 3710 << false << "" << false << QStringList{
            infoRow("High Alarm(Voltage):", "1500(mV)", Alarm), cells({"2", T1, "22.500"}),
            cells({"Voltage(mV)", "22.500", T1, "-500.000", T3, "-119.688"})} << QStringList();
        QTest::newRow("light") << 5301 << false << "" << false << QStringList{
            "<html><body>", "<font size=6 face=Arial",
            infoRow("Low Alarm(Light):", "107.64(Lux)", Alarm),
            cells({"Light(Lux)", "22.50", T1, "-500.00", T3, "-119.69"}),
            Cell + "Light(Lux)</td>", cells({"3", T2, "-3.3"})} << QStringList{".500", ".000"};
        QTest::newRow("light in FC") << 5301 << false << "alt" << false << QStringList{
            infoRow("Low Alarm(Light):", "10.00(FC)", Alarm), infoRow("High Alarm(Light):", "100.00(FC)", Alarm),
            cells({"2", T1, "2.09"})} << QStringList();
        QTest::newRow("light half seconds") << 5301 << false << "half" << false << QStringList{
            infoRow("End Time:", T3 + ".500"), cells({"2", T1 + ".500", "22.5"}),
            cells({"Light(Lux)", "22.50", T1 + ".500"})} << QStringList();
        QTest::newRow("temperature and humidity, print") << 3702 << true << "" << false << QStringList{
            "<html><body>", "<font size=10 face=Arial",
            infoRow("High Alarm(Temperature):", "40" + C, Alarm),
            infoRow("Low Alarm(Humidity):", "10.5(%RH)", Alarm),
            "<td align=center width=105><font size=3 face=Arial>Label<td align=center width=95>",
            "width=57><font size=3 face=Arial>Average</td></tr><tr>",
            cells({"Temperature" + C, "22.5", T1, "-3.25", T2, "7.08"}) + "</tr><tr>"
                + cells({"Humidity(RH)", "53", T3, "50", T0, "51.5"}) + "</tr><tr>",
            "height=\"365\" /><hr />",
            "<tr><td align=center width=82><font size=3 face=Arial>No.</td><td align=center width=170>",
            "Dew Point" + C + "</td></tr><tr>" + cells({"1", T0, "2.0", "50.0"}),
            "<tr>" + cells({"4", T3, "-500.0", "53.0", "-500.0"}) + "</tr></table>"} << QStringList();
        QTest::newRow("temperature and humidity, no dew point") << 3702 << true << "no dew point" << false << QStringList{
            "height=\"390\" /><hr />",
            "<tr><td align=center width=112><font size=3 face=Arial>No.</td>"
            "<td align=center width=200><font size=3 face=Arial>Time</td>"
            "<td align=center width=150><font size=3 face=Arial>Temperature(&#8451)</td>"
            "<td align=center width=150><font size=3 face=Arial>Humidity(%RH)</td></tr><tr>"}
            << QStringList{"Dew Point"};
        QTest::newRow("temperature and humidity in F") << 3702 << false << "alt" << false << fahrenheit << QStringList();
        QTest::newRow("thermo-hygro 4426") << 4426 << true << "" << true << QStringList{
            "<html><head><style>body{ font-family:Arial}</style></head><body>", "<font size=6 face=Arial",
            "<img style=display:block;width:100%; src=logger.bmp />", "Low Alarm(Humidity)",
            "Wet Bulb" + C + "</td>" + Cell + "Thermocouple" + C + "</td>" + Cell + "No.",
            cells({"Thermocouple" + C, "22.50", T1, "-3.25", T2, "7.08"}),
            cells({"1", T0, "2", "50"}), Cell + "----</td></tr>"} << QStringList();
        QTest::newRow("thermo-hygro 4401, no dew point") << 4401 << false << "no dew point" << true
            << QStringList{"Wet Bulb"} << QStringList{"Dew Point", "Thermocouple"};
        QTest::newRow("four probes") << 4405 << false << "" << true << QStringList{
            "<html><body>", "<font size=10 face=Arial", infoRow("Low Alarm(Temperature):", "3" + C, Alarm),
            cells({"T3" + C, "24.5", T1, "-1.25", T2, "9.08"}),
            Cell + "T4" + C + "</td></tr><tr>" + cells({"1", T0, "2.0", "3.0", "4.0", "5.0"})}
            << QStringList{"Alarm(Humidity)"};
        QTest::newRow("four probes, third off") << 4405 << false << "probe 3 off" << true << QStringList{
            cells({"T3(&#8451)", "----", "----", "----", "----", "----"}),
            cells({"1", T0, "2.0", "3.0", "4.0", "5.0"})} << QStringList();
        QTest::newRow("four probes in F") << 4405 << false << "alt" << true << fahrenheit << QStringList();
    }

    void builderPieces()
    {
        QFETCH(int, model);
        QFETCH(bool, printLayout);
        QFETCH(QString, options);
        QFETCH(QStringList, pieces);
        QFETCH(QStringList, absent);
        UartData.AltUnit = options == QLatin1String("alt");
        UartData.ShowDewPoint = options != QLatin1String("no dew point");
        record(model, {2.0, 22.5, -3.25, M});
        UartData.ProbeEnabled[2] = options != QLatin1String("probe 3 off");
        UartData.HalfSecondStamps = options == QLatin1String("half");
        const QString html = window->CreateReportHtml(printLayout);
        for (const QString &piece : pieces)
            QVERIFY2(html.contains(piece), qPrintable(piece));
        for (const QString &piece : absent)
            QVERIFY2(!html.contains(piece), qPrintable(piece));
        QTEST(print() == screen(), "alike");
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
        const QString html = window->CreateReportHtml(printLayout);
        const QString list = html.mid(html.indexOf(heading(QStringLiteral("Data List"))));
        QCOMPARE(list.count(QStringLiteral("<tr>")), rows + 1);
        QCOMPARE(list.count(QStringLiteral("</tr>")), rows + 1);
        QCOMPARE(list.count(Cell + QStringLiteral("20.0</td>")), count);
        QVERIFY(list.endsWith(QStringLiteral("</td></tr></table></body></html>")));
        if (count == 1)
            QVERIFY(html.contains(infoRow("End Time:", T0)));
    }

    void dispatchByModel_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("marker");
        for (const auto &[model, marker] : Dispatch)
            QTest::addRow("%d", model) << model << QString::fromLatin1(marker);
    }

    void dispatchByModel()
    {
        QFETCH(int, model);
        QFETCH(QString, marker);
        record(model, {20.0, 21.0});
        const QString html = print();
        for (const auto &other : Dispatch)
            QCOMPARE(html.contains(QLatin1String(other.second)), marker == other.second);
    }

    // The generic report stops after its headings and ignores the options.
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

    // Opening a record stores both layouts, writes the preview file in
    // GB2312 without a byte-order mark and the chart image, and marks the
    // preview pending; a record without samples leaves no report behind.
    void openingRebuildsTheReport()
    {
        record(6201, {50.0, 51.0});
        UartData.RECFileName = QStringLiteral("Room \u2103 K\u00F6ln");
        const QString path = dir->filePath(QStringLiteral("20260301080000.rec"));
        QVERIFY(WriteRecordFile(UartData, path, nullptr));
        window->ReportPreviewPending = false;
        QVERIFY(window->LoadRecordFile(path));
        QCOMPARE(UartData.ReportHtml, screen());
        QCOMPARE(UartData.ReportPrintHtml, print());
        QVERIFY(window->ReportPreviewPending);
        QCOMPARE(window->ReportHtmlPath, QDir::currentPath() + QStringLiteral("/ReportHtml.Html"));
        QFile preview(window->ReportHtmlPath);
        QVERIFY(preview.open(QIODevice::ReadOnly));
        const QByteArray bytes = preview.readAll();
        QVERIFY(bytes.startsWith("<html><body>"));
        // A character GB2312 has no code for becomes a character reference.
        QVERIFY(bytes.contains("Room \xA1\xE6 K&#246;ln</td>"));
        QVERIFY(bytes.contains("85.5(dB\xA3\xA9</td>"));
        const QString references = QString(UartData.ReportHtml).replace(QChar(0xF6), "&#246;");
        QCOMPARE(bytes, QTextCodec::codecForName("GB2312")->fromUnicode(references));
        QCOMPARE(QImage(QStringLiteral("logger.bmp"), "BMP").size(), window->CustomPlot->size());

        StartRecord(UartData, 6201, 0);
        FinishRecord(UartData);
        QVERIFY(WriteRecordFile(UartData, path, nullptr));
        QFile::remove(QStringLiteral("logger.bmp"));
        QVERIFY(window->LoadRecordFile(path));
        QVERIFY(UartData.ReportHtml.isEmpty() && UartData.ReportPrintHtml.isEmpty());
        QCOMPARE(QFileInfo(window->ReportHtmlPath).size(), 0);
        QVERIFY(!QFile::exists(QStringLiteral("logger.bmp")));
    }

    // Without samples nothing moves; with samples the chart page shows with
    // its toolbar and zoom, and the report is rebuilt.
    void refreshDataView()
    {
        Ui_MainWindow *ui = window->ui;
        const auto state = [&] {
            return QVariantList {ui->stackedWidget->currentWidget() == ui->pageGraph,
                                 ui->tabWidget->currentWidget() == ui->tabGraph,
                                 ui->toolBar->isHidden(), window->ZoomMode,
                                 window->CustomPlot->interactions().testFlag(QCP::iRangeZoom),
                                 window->ReportPreviewPending, window->Timer500MS->isActive()};
        };
        StartRecord(UartData, 6201, 0);
        FinishRecord(UartData);
        UartData.ReportHtml = QStringLiteral("kept");
        ui->stackedWidget->setCurrentWidget(ui->pageMain);
        ui->tabWidget->setCurrentWidget(ui->tabList);
        ui->toolBar->hide();
        window->ZoomMode = window->ReportPreviewPending = false;
        window->CustomPlot->setInteractions(QCP::Interactions());
        window->Timer500MS->start();
        window->RefreshDataView();
        QCOMPARE(state(), (QVariantList {false, false, true, false, false, false, false}));
        QCOMPARE(UartData.ReportHtml, QStringLiteral("kept"));

        record(6201, {50.0, 51.0});
        UartData.DateTimeFormat = QStringLiteral("dd/MM/yyyy hh:mm:ss");
        window->Timer500MS->start();
        window->RefreshDataView();
        QCOMPARE(state(), (QVariantList {true, true, false, true, true, true, false}));
        QVERIFY(UartData.ReportHtml.contains(infoRow("End Time:", "01/03/2026 08:01:00")));
        QVERIFY(UartData.ReportPrintHtml.contains(QStringLiteral("width=\"600\" height=\"400\"")));
    }
};

QTEST_MAIN(TestReports)
#include "test_reports.moc"
