// Save as TXT and CSV, the section CSV and the save-as choice: the bytes of
// the files per meter family, the number and time texts they hold, the
// content a workbook gets, and files that none of the writers (the PDF text
// table's included) can or should write.

#include "app/uartdatastore.h"
#include "export/csvexport.h"
#include "export/exportcontent.h"
#include "export/pdftextexport.h"
#include "export/saveas.h"
#include "export/txtexport.h"
#include "tests/support/exportrecord.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/workdir.h"

#include <QTextCodec>
#include <QTranslator>
#include <QtTest>

#include <functional>

using Writer = std::function<JobOutcome(const QString &)>;
Q_DECLARE_METATYPE(Writer)
Q_DECLARE_METATYPE(SaveAsFormat)

namespace {

const Writer Txt = [](const QString &name) { return WriteTxtExport(name); };
const Writer Csv = [](const QString &name) { return WriteCsvExport(name); };
const Writer SectionCsv = [](const QString &name) { return WriteCsvSectionExport(name); };
const Writer Pdf = [](const QString &name) { return WritePdfTextExport(name); };

QByteArray Gb(const QString &text)
{
    return QTextCodec::codecForName("GB2312")->fromUnicode(text);
}

// The time text of the sample `minute` minutes after 08:00 on 1 March 2026.
QByteArray Time(int minute)
{
    return QStringLiteral("01/03/2026 %1:%2:00")
        .arg(8 + minute / 60, 2, 10, QLatin1Char('0'))
        .arg(minute % 60, 2, 10, QLatin1Char('0'))
        .toLatin1();
}

QByteArray Right(const QString &text, int width)
{
    return Blanks(width - Gb(text).size()) + Gb(text);
}

// The lines of a file each ended by `end`; a last line without it, or a
// line feed without the carriage return of a CR LF file, gives "<bad end>".
QList<QByteArray> Lines(const QByteArray &bytes, const QByteArray &end)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (lines.takeLast() != "")
        lines << "<bad end>";
    for (QByteArray &line : lines) {
        if (end == "\r\n" && !line.endsWith('\r'))
            line = "<bad end>";
        if (line.endsWith('\r'))
            line.chop(end == "\r\n" ? 1 : 0);
    }
    return lines;
}

// A reader of comma-separated records as spreadsheet programs take them:
// fields in double quotes may hold commas, doubled quotes and line breaks.
QList<QStringList> ReadCsv(const QString &text)
{
    QList<QStringList> records{{}};
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted && c == '"' && i + 1 < text.size() && text.at(i + 1) == '"') {
            field += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == ',' || c == '\n')) {
            records.last() << field;
            field.clear();
            if (c == '\n')
                records << QStringList();
        } else {
            field += c;
        }
    }
    records.removeLast();
    return records;
}

// A translation whose logger title is longer than the TXT title field.
class LongTitle : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return QByteArray(source) == "Logger Data" ? QStringLiteral("Data of the logger, in full")
                                                  : QString();
    }
};

// Layout cases shared by the TXT and CSV tables: model, unit, dew point shown.
struct LayoutCase {
    const char *tag;
    int model;
    bool fahrenheit;
    bool dewPoint;
};

const LayoutCase LayoutCases[] = {
    {"TempHum with dew point", 3702, false, true},
    {"TempHum without dew point", 3702, false, false},
    {"temperature only 3701", 3701, false, true},
    {"temperature only 4421 without dew point", 4421, false, false},
    {"ThermoHygro with thermocouple", 4423, false, true},
    {"ThermoHygro without thermocouple", 4401, false, false},
    {"FourProbe Celsius", 4405, false, true},
    {"FourProbe Fahrenheit", 4425, true, true},
    {"current 3709", 3709, false, true},
    {"voltage 3710", 3710, false, true},
    {"Light foot-candles", 5301, true, true},
};

} // namespace

class TestExports : public QObject
{
    Q_OBJECT

private:
    WorkDir *dir = nullptr;
    QString out() const { return dir->filePath("export.out"); }

    static void addLayoutRows(const QList<QByteArray> &titles, const QList<QByteArray> &rows)
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("fahrenheit");
        QTest::addColumn<bool>("dewPoint");
        QTest::addColumn<QByteArray>("titles");
        QTest::addColumn<QByteArray>("row");
        for (int k = 0; k < titles.size(); ++k) {
            const LayoutCase &c = LayoutCases[k];
            QTest::newRow(c.tag) << c.model << c.fahrenheit << c.dewPoint << titles[k] << rows[k];
        }
    }

    // The column title line and the first row (sample 0: no thermocouple
    // value, probe 2 without a value).
    void checkLayout(const Writer &writer, const QByteArray &end)
    {
        QFETCH(int, model);
        QFETCH(bool, fahrenheit);
        QFETCH(bool, dewPoint);
        // Meter name, device ID, record number, the quantities' items, time.
        const QMap<int, int> quantities{{3702, dewPoint ? 6 : 4}, {3701, 6}, {4421, 4},
                                        {4423, 10}, {4401, 8}, {4405, 2}, {4425, 2},
                                        {3709, 4},  {3710, 4}, {5301, 2}};
        const int itemLines = 3 + quantities.value(model) + 1;
        MakeExportRecord(UartData, model, 2, fahrenheit);
        UartData.ShowDewPoint = dewPoint;
        QVERIFY(writer(out()).IsWritten());
        const QList<QByteArray> lines = Lines(FileBytes(out()), end);
        QCOMPARE(lines.size(), 1 + itemLines + 1 + 2);
        QTEST(lines.at(lines.size() - 3), "titles");
        QTEST(lines.at(lines.size() - 2), "row");
    }

private slots:
    void init()
    {
        dir = new WorkDir;
        QVERIFY(dir->isValid());
        UartData.ShowDewPoint = true;
        QLocale::setDefault(QLocale::c());
    }
    void cleanup() { delete dir; }

    // --- TXT -------------------------------------------------------------------

    void txtDecibelFile()
    {
        MakeExportRecord(UartData, 6201, 2);
        UartData.DecibelValue[1] = 65.25;
        QVERIFY(Txt(out()).IsWritten());
        const QByteArray expected =
            Blanks(23) + "Decibel Data\r\n"
            "Meter Name:Meter\r\n"
            "Device ID:ID\r\n"
            "Record Number:2\r\n"
            "Decibel Max(dB):80\r\n"
            "Decibel Min(dB):65.25\r\n"
            "Time:" + Time(0) + Gb("\u2014\u2014") + Time(1) + "\r\n"
            + Blanks(8) + "Time" + Blanks(22) + "Decibel(dB)\r\n"
            + Time(0) + Blanks(23) + "80\r\n"
            + Time(1) + Blanks(20) + "65.25\r\n";
        QCOMPARE(FileBytes(out()), expected);
    }

    void txtTitleLine_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("longTitle");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("logger") << 3702 << false << Blanks(24) + "Logger Data";
        QTest::newRow("light") << 5301 << false << Blanks(25) + "Light Data";
        QTest::newRow("decibel") << 6201 << false << Blanks(23) + "Decibel Data";
        QTest::newRow("title longer than its field")
            << 4405 << true << Blanks(15) + "Data of the logger, in full";
    }
    void txtTitleLine()
    {
        QFETCH(int, model);
        QFETCH(bool, longTitle);
        LongTitle translation;
        if (longTitle)
            QCoreApplication::installTranslator(&translation);
        MakeExportRecord(UartData, model, 1);
        QVERIFY(Txt(out()).IsWritten());
        QTEST(Lines(FileBytes(out()), "\r\n").first(), "line");
    }

    void txtLayouts_data()
    {
        const QByteArray t = Time(0);
        const QByteArray c = Gb("(\u2103)"), f = Gb("(\u2109)");
        const QByteArray temp = Blanks(13) + "21.6";
        addLayoutRows(
            {
                Blanks(8) + "Time" + Blanks(19) + "Temperature" + c + Blanks(7) + "Humidity(%RH)"
                    + Blanks(8) + "Dew Point" + c,
                Blanks(8) + "Time" + Blanks(19) + "Temperature" + c + Blanks(7) + "Humidity(%RH)",
                Blanks(8) + "Time" + Blanks(19) + "Temperature" + c + Blanks(7) + "Humidity(%RH)"
                    + Blanks(8) + "Dew Point" + c,
                Blanks(8) + "Time" + Blanks(19) + "Temperature" + c + Blanks(7) + "Humidity(%RH)",
                Blanks(8) + "Time" + Blanks(20) + "Temperature" + c + Blanks(7) + "Humidity(%RH)"
                    + Blanks(8) + "Dew Point" + c + Blanks(9) + "Wet Bulb" + c + Blanks(5)
                    + "Thermocouple" + c,
                Blanks(8) + "Time" + Blanks(19) + "Temperature" + c + Blanks(7) + "Humidity(%RH)"
                    + Blanks(8) + "Dew Point" + c + Blanks(9) + "Wet Bulb" + c,
                Blanks(8) + "Time" + Blanks(15) + "Temperature0" + c + Blanks(5) + "Temperature1"
                    + c + Blanks(5) + "Temperature2" + c + Blanks(5) + "Temperature3" + c,
                Blanks(8) + "Time" + Blanks(5) + "Temperature0" + f + Blanks(5) + "Temperature1"
                    + f + Blanks(5) + "Temperature2" + f + Blanks(5) + "Temperature3" + f,
                Blanks(8) + "Time" + Blanks(22) + "Voltage(mV)" + Blanks(9) + "Current(mA)",
                Blanks(8) + "Time" + Blanks(22) + "Voltage(mV)" + Blanks(9) + "Current(mA)",
                Blanks(8) + "Time" + Blanks(24) + "Light(FC)",
            },
            {
                t + temp + Blanks(24) + "55.0" + Blanks(24) + "12.0",
                t + temp + Blanks(24) + "55.0",
                t + temp + Blanks(19) + "-" + Blanks(19) + "-",
                t + temp + Blanks(19) + "-",
                t + Blanks(18) + "21.6" + Blanks(16) + "55.0" + Blanks(16) + "12.0" + Blanks(16)
                    + "15.3" + Blanks(16) + "----",
                t + temp + Blanks(24) + "55.0" + Blanks(24) + "12.0" + Blanks(24) + "15.3",
                t + Blanks(15) + "21.25" + Blanks(16) + "22.5" + Blanks(16) + "----" + Blanks(18)
                    + "20",
                t + Blanks(15) + "70.25" + Blanks(16) + "72.5" + Blanks(16) + "----" + Blanks(18)
                    + "68",
                t + Blanks(19) + "-" + Blanks(14) + "12.500",
                t + Blanks(12) + "2500.000" + Blanks(19) + "-",
                t + Blanks(21) + "44.2",
            });
    }
    void txtLayouts()
    {
        checkLayout(Txt, "\r\n");
    }

    // Every line, the last row too, ends with CR LF; the thermocouple cell of
    // a sample without a value is 16 blanks and "----".
    void txtLineEnds()
    {
        MakeExportRecord(UartData, 4423, 5);
        QVERIFY(Txt(out()).IsWritten());
        const QByteArray bytes = FileBytes(out());
        QCOMPARE(bytes.count('\n'), 1 + 14 + 1 + 5);
        QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
        QVERIFY(bytes.endsWith(Blanks(15) + "250.0\r\n"));
        QVERIFY(bytes.contains(Blanks(16) + "----\r\n" + Time(1)));
        QVERIFY(bytes.contains("Thermocouple Max" + Gb("(\u2103):") + "300.0\r\n"));
    }

    // --- CSV -------------------------------------------------------------------

    void csvDecibelFile()
    {
        MakeExportRecord(UartData, 6201, 2);
        UartData.DecibelValue[1] = 65.25;
        QVERIFY(Csv(out()).IsWritten());
        const QByteArray expected = "Decibel Data\n"
                                    "Meter Name:Meter\n"
                                    "Device ID:ID\n"
                                    "Record Number:2\n"
                                    "Decibel Max(dB):80\n"
                                    "Decibel Min(dB):65.25\n"
                                    "Time:" + Time(0) + Gb("\u2014\u2014") + Time(1) + "\n"
                                    "Time,Decibel(dB),\n"
                                    + Time(0) + ",80,\n" + Time(1) + ",65.25,\n";
        QCOMPARE(FileBytes(out()), expected);
    }

    void csvLayouts_data()
    {
        const QByteArray t = Time(0);
        const QByteArray c = Gb("(\u2103)"), f = Gb("(\u2109)");
        addLayoutRows(
            {
                "Time,Temperature" + c + ",Humidity(%RH),Dew Point" + c + ",",
                "Time,Temperature" + c + ",Humidity(%RH),",
                "Time,Temperature" + c + ",Humidity(%RH),Dew Point" + c + ",",
                "Time,Temperature" + c + ",Humidity(%RH),",
                "Time,Temperature" + c + ",Humidity(%RH),Dew Point" + c + ",Wet Bulb" + c
                    + ",Thermocouple" + c + ",",
                "Time,Temperature" + c + ",Humidity(%RH),Dew Point" + c + ",Wet Bulb" + c + ",",
                "Time,Temperature0" + c + ",Temperature1" + c + ",Temperature2" + c
                    + ",Temperature3" + c,
                "Time,Temperature0" + f + ",Temperature1" + f + ",Temperature2" + f
                    + ",Temperature3" + f,
                "Time,Voltage(mV),Current(mA),",
                "Time,Voltage(mV),Current(mA),",
                "Time,Light(FC),",
            },
            {
                t + ",21.6,55.0,12.0",
                t + ",21.6,55.0",
                t + ",21.6,-,-",
                t + ",21.6,-",
                t + ",21.6,55.0,12.0,15.3,----",
                t + ",21.6,55.0,12.0,15.3",
                t + ",21.25,22.5,----,20",
                t + ",70.25,72.5,----,68",
                t + ",-,12.500",
                t + ",2500.000,-",
                t + ",44.2,",
            });
    }
    void csvLayouts()
    {
        checkLayout(Csv, "\n");
        QVERIFY(!FileBytes(out()).contains('\r'));
    }

    // "℃" is 0xA1 0xE6 in GB2312, with no byte-order mark before the title.
    void csvEncoding()
    {
        MakeExportRecord(UartData, 3702, 1);
        QVERIFY(Csv(out()).IsWritten());
        const QByteArray bytes = FileBytes(out());
        QVERIFY(bytes.startsWith("Logger Data\n"));
        QVERIFY(bytes.contains("Temperature Max(\xA1\xE6):30.0\n"));
        QVERIFY(bytes.contains("Humidity Max(%RH):80.0\n"));
    }

    // Samples 100 to 199 of 500: the count, the span and the rows are the
    // section's, the extremes those of the whole record.
    void csvSection()
    {
        MakeExportRecord(UartData, 4423, 500);
        UartData.ShowStart = 100;
        UartData.ShowEnd = 200;
        QVERIFY(Csv(dir->filePath("whole.csv")).IsWritten());
        QVERIFY(SectionCsv(out()).IsWritten());
        const QList<QByteArray> whole = Lines(FileBytes(dir->filePath("whole.csv")), "\n");
        const QList<QByteArray> lines = Lines(FileBytes(out()), "\n");
        QCOMPARE(lines.size(), 1 + 14 + 1 + 100);
        QCOMPARE(lines.at(3), QByteArray("Record Number:100"));
        QCOMPARE(lines.at(14), "Time:" + Time(100) + Gb("\u2014\u2014") + Time(199));
        QCOMPARE(lines.mid(4, 10), whole.mid(4, 10));
        QCOMPARE(lines.at(16), Time(100) + ",21.6,55.0,12.0,15.3,250.0");
        QCOMPARE(lines.last(), Time(199) + ",21.6,55.0,12.0,15.3,250.0");
    }

    // A thermocouple maximum of -500.0 is "----" in the section's items only.
    void csvSectionThermocoupleItems()
    {
        MakeExportRecord(UartData, 4423, 3);
        UartData.ShownExtremes.Thermocouple = {-500.0, 1000.0};
        const QByteArray unit = Gb("(\u2103):");
        QVERIFY(SectionCsv(out()).IsWritten());
        QVERIFY(FileBytes(out()).contains("Thermocouple Max" + unit + "----\nThermocouple Min"
                                          + unit + "----\n"));
        QVERIFY(Csv(out()).IsWritten());
        QVERIFY(FileBytes(out()).contains("Thermocouple Max" + unit + "-500.0\nThermocouple Min"
                                          + unit + "1000.0\n"));
    }

    void csvQuotesWhatWouldSplit()
    {
        MakeExportRecord(UartData, 6201, 1);
        UartData.RECMeterName = QStringLiteral("North, \"A\" wing");
        QVERIFY(Csv(out()).IsWritten());
        const QByteArray bytes = FileBytes(out());
        QVERIFY(bytes.contains("\nDevice ID:ID\n"));
        const QList<QStringList> records = ReadCsv(QString::fromLatin1(bytes));
        QCOMPARE(records.at(1), QStringList{"Meter Name:North, \"A\" wing"});
        QCOMPARE(records.at(7), (QStringList{"Time", "Decibel(dB)", ""}));
        QCOMPARE(records.at(8), (QStringList{Time(0), "80", ""}));
    }

    // --- what every writer shares -------------------------------------------

    void writers_data()
    {
        QTest::addColumn<Writer>("writer");
        QTest::newRow("txt") << Txt;
        QTest::newRow("csv") << Csv;
        QTest::newRow("section csv") << SectionCsv;
        QTest::newRow("pdf") << Pdf;
    }

    // No layout for model 1234: no file is made and an old one stays.
    void unknownModelWritesNothing_data() { writers_data(); }
    void unknownModelWritesNothing()
    {
        QFETCH(Writer, writer);
        MakeExportRecord(UartData, 1234, 3);
        QCOMPARE(writer(out()).Result, JobOutcome::Kind::NothingWritten);
        QVERIFY(!QFile::exists(out()));
        PutFileBytes(out(), "old");
        QVERIFY(!writer(out()).Reason.isEmpty());
        QCOMPARE(FileBytes(out()), QByteArray("old"));
    }

    void fullDiskKeepsTheOldFile_data() { writers_data(); }
    void fullDiskKeepsTheOldFile()
    {
        QFETCH(Writer, writer);
        MakeExportRecord(UartData, 4423, 3000);
        PutFileBytes(out(), "old");
        JobOutcome outcome;
        {
            FileSizeLimit full(64 * 1024);
            outcome = writer(out());
        }
        QCOMPARE(outcome.Result, JobOutcome::Kind::Failed);
        QVERIFY2(outcome.Reason.contains("large") || outcome.Reason.contains("space"),
                 qPrintable(outcome.Reason));
        QCOMPARE(FileBytes(out()), QByteArray("old"));
    }

    void unwritablePlaceIsReported_data() { writers_data(); }
    void unwritablePlaceIsReported()
    {
        QFETCH(Writer, writer);
        MakeExportRecord(UartData, 3702, 3);
        QDir(dir->path()).mkdir("folder.pdf");
        for (const char *target : {"no/such/folder/out", "folder.pdf"}) {
            const JobOutcome outcome = writer(dir->filePath(target));
            QCOMPARE(outcome.Result, JobOutcome::Kind::Failed);
            QVERIFY(!outcome.Reason.isEmpty());
        }
        QVERIFY(QFileInfo(dir->filePath("folder.pdf")).isDir());
    }

    // --- save as -------------------------------------------------------------------

    void saveAsChoosesByEnding_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<SaveAsFormat>("format");
        QTest::newRow(".csv") << "data.csv" << SaveAsFormat::Csv;
        QTest::newRow(".CSV") << "data.CSV" << SaveAsFormat::Csv;
        QTest::newRow("csv without a dot") << "datacsv" << SaveAsFormat::Csv;
        QTest::newRow(".Txt") << "data.Txt" << SaveAsFormat::Txt;
        QTest::newRow(".pdf") << "data.pdf" << SaveAsFormat::Pdf;
        QTest::newRow(".xls") << "data.xls" << SaveAsFormat::None;
        QTest::newRow("no ending") << "data" << SaveAsFormat::None;
        QTest::newRow("shorter than an ending") << "tx" << SaveAsFormat::None;
    }
    void saveAsChoosesByEnding()
    {
        QFETCH(QString, name);
        QTEST(SaveAsFormatFor(name), "format");
    }

    // --- what a workbook gets ---------------------------------------------------------

    void workbookContent()
    {
        MakeExportRecord(UartData, 4405, 2);
        UartData.ProbeExtremes[3].Max = -500.0;   // probe 3 absent
        UartData.ProbeRaw[1][1] = UartData.ProbeValue[1][1] = -500.0;
        const ExportContent content(UartData, ExportRange::WholeRecord(UartData),
                                    ContentDialect::Workbook);
        QCOMPARE(content.Items().last().Text(),
                 QString::fromLatin1("Time:" + Time(0) + "--" + Time(1)));
        QStringList row;
        for (int c = 0; c < content.Columns().size(); ++c)
            row << content.Cell(1, c);
        QCOMPARE(row, (QStringList{Time(1), "21.25", "-500", "-500", "0"}));

        MakeExportRecord(UartData, 3709, 1);
        const ExportContent current(UartData, ExportRange::WholeRecord(UartData),
                                    ContentDialect::Workbook);
        QCOMPARE(current.Columns().at(1).Placeholder, true);
        QCOMPARE(current.Columns().at(2).Placeholder, false);
    }
};

QTEST_MAIN(TestExports)
#include "test_exports.moc"
