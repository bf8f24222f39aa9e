// Save as TXT and CSV, the section CSV and the save-as choice: the bytes of
// the files per meter family, and files that none of the writers (the PDF
// text table's included) can or should write.

#include "app/uartdatastore.h"
#include "export/csvexport.h"
#include "export/pdftextexport.h"
#include "export/saveas.h"
#include "export/txtexport.h"
#include "tests/support/exportrecord.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/workdir.h"

#include <QTranslator>
#include <QtTest>

#include <functional>

using Writer = std::function<JobOutcome(const QString &)>;
Q_DECLARE_METATYPE(Writer)
Q_DECLARE_METATYPE(SaveAsFormat)

namespace {

const Writer Txt = [](const QString &name) { return WriteTxtExport(name); };
const Writer Csv = [](const QString &name) { return WriteCsvExport(name); };
const Writer SectionCsv = [](const QString &name) {
    return WriteCsvSectionExport(name, ExportRange::ShownSection(UartData));
};
const Writer Pdf = [](const QString &name) { return WritePdfTextExport(name); };

// GB2312 bytes of "(℃)", "(℉)" and "——".
const QByteArray C = "(\xA1\xE6)";
const QByteArray F = "(\xA8\x48)";
const QByteArray Dashes = "\xA1\xAA\xA1\xAA";

// The time text of the sample `minute` minutes after 08:00 on 1 March 2026.
QByteArray Time(int minute)
{
    return QStringLiteral("01/03/2026 %1:%2:00")
        .arg(8 + minute / 60, 2, 10, QLatin1Char('0'))
        .arg(minute % 60, 2, 10, QLatin1Char('0'))
        .toLatin1();
}

// The lines of a file each ended by `end`; a last line without it, or a
// line feed without the carriage return of a CR LF file, gives "<bad end>".
QList<QByteArray> Lines(const QByteArray &bytes, const QByteArray &end)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (lines.takeLast() != "")
        lines << "<bad end>";
    for (QByteArray &line : lines) {
        if (end == "\r\n")
            line = line.endsWith('\r') ? line.chopped(1) : "<bad end>";
    }
    return lines;
}

// Records as spreadsheet programs read them: a field in double quotes may
// hold commas, doubled quotes and line breaks.
QList<QStringList> ReadCsv(const QString &text)
{
    QList<QStringList> records{{}};
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == '"' && quoted && text.mid(i + 1, 1) == "\"") {
            field += text.at(++i);
        } else if (c == '"') {
            quoted = !quoted;
        } else if (quoted || (c != ',' && c != '\n')) {
            field += c;
        } else {
            records.last() << field;
            field.clear();
            if (c == '\n')
                records << QStringList();
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

} // namespace

class TestExports : public QObject
{
    Q_OBJECT

private:
    WorkDir *dir = nullptr;
    QString out() const { return dir->filePath("export.out"); }

private slots:
    void init()
    {
        dir = new WorkDir;
        QVERIFY(dir->isValid());
        UartData.ShowDewPoint = true;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));   // numbers keep "."
    }
    void cleanup() { delete dir; }

    // A decibel record of two samples, byte for byte.
    void decibelFiles_data()
    {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray items = "Meter Name:Meter\nDevice ID:ID\nRecord Number:2\n"
                                 "Decibel Max(dB):80\nDecibel Min(dB):65.25\n"
                                 "Time:" + Time(0) + Dashes + Time(1) + "\n";
        QTest::newRow("txt") << Txt
                             << QByteArray(Blanks(23) + "Decibel Data\n" + items + Blanks(8)
                                           + "Time" + Blanks(22) + "Decibel(dB)\n" + Time(0)
                                           + Blanks(23) + "80\n" + Time(1) + Blanks(20) + "65.25\n")
                                    .replace("\n", "\r\n");
        QTest::newRow("csv") << Csv
                             << "Decibel Data\n" + items + "Time,Decibel(dB),\n" + Time(0)
                                    + ",80,\n" + Time(1) + ",65.25,\n";
    }
    void decibelFiles()
    {
        QFETCH(Writer, writer);
        MakeExportRecord(UartData, 6201, 2);
        UartData.DecibelValue[1] = 65.25;
        QVERIFY(writer(out()).IsWritten());
        QTEST(FileBytes(out()), "bytes");
    }

    // A title longer than its field stands whole after the 15 blanks.
    void txtLongTitle()
    {
        LongTitle translation;
        QCoreApplication::installTranslator(&translation);
        MakeExportRecord(UartData, 4405, 1);
        QVERIFY(Txt(out()).IsWritten());
        QVERIFY(FileBytes(out()).startsWith(Blanks(15) + "Data of the logger, in full\r\n"));
    }

    // The title line (in TXT right-aligned to column 35), the number of
    // lines, the column title line and the first row (sample 0: no
    // thermocouple value, probe 2 without a value) of the TXT file (CR LF)
    // and of the CSV file (LF).
    void layouts_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("fahrenheit");
        QTest::addColumn<bool>("dewPoint");
        QTest::addColumn<int>("items");
        QTest::addColumn<QByteArray>("txtTitles");
        QTest::addColumn<QByteArray>("txtRow");
        QTest::addColumn<QByteArray>("csvTitles");
        QTest::addColumn<QByteArray>("csvRow");
        const QByteArray t = Time(0), time = Blanks(8) + "Time";
        const QByteArray tempHum
            = time + Blanks(19) + "Temperature" + C + Blanks(7) + "Humidity(%RH)";
        const QByteArray dew = Blanks(8) + "Dew Point" + C, wet = Blanks(9) + "Wet Bulb" + C;
        const QByteArray temp = t + Blanks(13) + "21.6";
        const QByteArray csvTempHum = "Time,Temperature" + C + ",Humidity(%RH),";
        const QByteArray csvDew = csvTempHum + "Dew Point" + C + ",";
        const auto probes = [](const QByteArray &unit, const QByteArray &gap) {
            return "Temperature0" + unit + gap + "Temperature1" + unit + gap + "Temperature2"
                + unit + gap + "Temperature3" + unit;
        };
        QTest::newRow("TempHum with dew point")
            << 3702 << false << true << 10 << tempHum + dew
            << temp + Blanks(24) + "55.0" + Blanks(24) + "12.0" << csvDew << t + ",21.6,55.0,12.0";
        QTest::newRow("TempHum without dew point")
            << 3702 << false << false << 8 << tempHum << temp + Blanks(24) + "55.0" << csvTempHum
            << t + ",21.6,55.0";
        QTest::newRow("temperature only 3701")
            << 3701 << false << true << 10 << tempHum + dew
            << temp + Blanks(19) + "-" + Blanks(19) + "-" << csvDew << t + ",21.6,-,-";
        QTest::newRow("temperature only 4421 without dew point")
            << 4421 << false << false << 8 << tempHum << temp + Blanks(19) + "-" << csvTempHum
            << t + ",21.6,-";
        QTest::newRow("ThermoHygro with thermocouple")
            << 4423 << false << true << 14
            << time + Blanks(20) + "Temperature" + C + Blanks(7) + "Humidity(%RH)" + dew + wet
                   + Blanks(5) + "Thermocouple" + C
            << t + Blanks(18) + "21.6" + Blanks(16) + "55.0" + Blanks(16) + "12.0" + Blanks(16)
                   + "15.3" + Blanks(16) + "----"
            << csvDew + "Wet Bulb" + C + ",Thermocouple" + C + ","
            << t + ",21.6,55.0,12.0,15.3,----";
        QTest::newRow("ThermoHygro without thermocouple")
            << 4401 << false << false << 12 << tempHum + dew + wet
            << temp + Blanks(24) + "55.0" + Blanks(24) + "12.0" + Blanks(24) + "15.3"
            << csvDew + "Wet Bulb" + C + "," << t + ",21.6,55.0,12.0,15.3";
        QTest::newRow("FourProbe Celsius")
            << 4405 << false << true << 6
            << time + Blanks(15) + probes(C, Blanks(5))
            << t + Blanks(15) + "21.25" + Blanks(16) + "22.5" + Blanks(16) + "----" + Blanks(18)
                   + "20"
            << "Time," + probes(C, ",") << t + ",21.25,22.5,----,20";
        QTest::newRow("FourProbe Fahrenheit")
            << 4425 << true << true << 6
            << time + Blanks(5) + probes(F, Blanks(5))
            << t + Blanks(15) + "70.25" + Blanks(16) + "72.5" + Blanks(16) + "----" + Blanks(18)
                   + "68"
            << "Time," + probes(F, ",") << t + ",70.25,72.5,----,68";
        const QByteArray electric = time + Blanks(22) + "Voltage(mV)" + Blanks(9) + "Current(mA)";
        const QByteArray csvElectric = "Time,Voltage(mV),Current(mA),";
        QTest::newRow("current 3709") << 3709 << false << true << 8 << electric
                                      << t + Blanks(19) + "-" + Blanks(14) + "12.500"
                                      << csvElectric << t + ",-,12.500";
        QTest::newRow("voltage 3710") << 3710 << false << true << 8 << electric
                                      << t + Blanks(12) + "2500.000" + Blanks(19) + "-"
                                      << csvElectric << t + ",2500.000,-";
        QTest::newRow("Light foot-candles")
            << 5301 << true << true << 6 << time + Blanks(24) + "Light(FC)"
            << t + Blanks(21) + "44.2" << QByteArray("Time,Light(FC),") << t + ",44.2,";
    }
    void layouts()
    {
        QFETCH(int, model);
        QFETCH(bool, fahrenheit);
        QFETCH(bool, dewPoint);
        QFETCH(int, items);
        MakeExportRecord(UartData, model, 2, fahrenheit);
        UartData.ShowDewPoint = dewPoint;
        const QByteArray title = model == 5301 ? "Light Data" : "Logger Data";
        for (const bool txt : {true, false}) {
            QVERIFY((txt ? Txt : Csv)(out()).IsWritten());
            const QList<QByteArray> lines = Lines(FileBytes(out()), txt ? "\r\n" : "\n");
            QCOMPARE(lines.size(), 1 + items + 1 + 2);
            QCOMPARE(lines.first(), txt ? Blanks(35 - title.size()) + title : title);
            QTEST(lines.at(1 + items), txt ? "txtTitles" : "csvTitles");
            QTEST(lines.at(2 + items), txt ? "txtRow" : "csvRow");
        }
    }

    // Samples 100 to 199 of 500: the count, the span and the rows are the
    // section's, the extremes those of the whole record, save a thermocouple
    // maximum of -500.0 that the section's items show as "----".
    void csvSection()
    {
        MakeExportRecord(UartData, 4423, 500);
        UartData.ShowStart = 100;
        UartData.ShowEnd = 200;
        UartData.ShownExtremes.Thermocouple = {-500.0, 1000.0};
        QVERIFY(Csv(dir->filePath("whole.csv")).IsWritten());
        QVERIFY(SectionCsv(out()).IsWritten());
        const QList<QByteArray> whole = Lines(FileBytes(dir->filePath("whole.csv")), "\n");
        const QList<QByteArray> lines = Lines(FileBytes(out()), "\n");
        QCOMPARE(lines.size(), 1 + 14 + 1 + 100);
        QCOMPARE(lines.at(3), QByteArray("Record Number:100"));
        QCOMPARE(lines.mid(4, 8), whole.mid(4, 8));
        QCOMPARE(whole.mid(12, 2), (QList<QByteArray>{"Thermocouple Max" + C + ":-500.0",
                                                      "Thermocouple Min" + C + ":1000.0"}));
        QCOMPARE(lines.mid(12, 2), (QList<QByteArray>{"Thermocouple Max" + C + ":----",
                                                      "Thermocouple Min" + C + ":----"}));
        QCOMPARE(lines.at(14), "Time:" + Time(100) + Dashes + Time(199));
        QCOMPARE(lines.at(16), Time(100) + ",21.6,55.0,12.0,15.3,250.0");
        QCOMPARE(lines.last(), Time(199) + ",21.6,55.0,12.0,15.3,250.0");
    }

    // A meter name with a comma, a double quote or a line break is read back
    // whole by a CSV reader, and the line after it stays as it was.
    void csvQuotesWhatWouldSplit_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("comma") << "North, A wing";
        QTest::newRow("double quote") << "North \"A\" wing";
        QTest::newRow("line feed") << "North\nwing";
    }
    void csvQuotesWhatWouldSplit()
    {
        QFETCH(QString, name);
        MakeExportRecord(UartData, 6201, 1);
        UartData.RECMeterName = name;
        QVERIFY(Csv(out()).IsWritten());
        const QList<QStringList> records = ReadCsv(QString::fromLatin1(FileBytes(out())));
        QCOMPARE(records.at(1), QStringList{"Meter Name:" + name});
        QCOMPARE(records.at(2), QStringList{"Device ID:ID"});
    }

    void filesNotWritten_data()
    {
        QTest::addColumn<Writer>("writer");
        QTest::newRow("txt") << Txt;
        QTest::newRow("csv") << Csv;
        QTest::newRow("pdf") << Pdf;
    }

    // No layout for model 1234 makes no file and keeps an old one; so does a
    // full disk; a missing folder or a folder in the way is reported.
    void filesNotWritten()
    {
        QFETCH(Writer, writer);
        MakeExportRecord(UartData, 1234, 3);
        QCOMPARE(writer(out()).Result, JobOutcome::Kind::NothingWritten);
        QVERIFY(!QFile::exists(out()));
        PutFileBytes(out(), "old");
        QVERIFY(!writer(out()).Reason.isEmpty());
        QCOMPARE(FileBytes(out()), QByteArray("old"));

        MakeExportRecord(UartData, 4423, 3000);
        JobOutcome outcome;
        {
            FileSizeLimit full(64 * 1024);
            outcome = writer(out());
        }
        QCOMPARE(outcome.Result, JobOutcome::Kind::Failed);
        QVERIFY2(outcome.Reason.contains("large") || outcome.Reason.contains("space"),
                 qPrintable(outcome.Reason));
        QCOMPARE(FileBytes(out()), QByteArray("old"));

        QDir(dir->path()).mkdir("folder.pdf");
        for (const char *target : {"no/such/folder/out", "folder.pdf"}) {
            outcome = writer(dir->filePath(target));
            QCOMPARE(outcome.Result, JobOutcome::Kind::Failed);
            QVERIFY(!outcome.Reason.isEmpty());
        }
        QVERIFY(QFileInfo(dir->filePath("folder.pdf")).isDir());
    }

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
    }
    void saveAsChoosesByEnding()
    {
        QFETCH(QString, name);
        QTEST(SaveAsFormatFor(name), "format");
    }
};

QTEST_MAIN(TestExports)
#include "test_exports.moc"
