// Save as PDF: page counts, page text and the positions of the first-page
// block as poppler reads them, and rows drawn where drawText would put them.
// (Files it cannot write are tested with the other writers.)

#include "app/uartdatastore.h"
#include "export/pdftextexport.h"
#include "export/plainrowpainter.h"
#include "tests/support/exportrecord.h"
#include "tests/support/workdir.h"
#include "tools/samplerecord.h"

#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>

namespace {

QString Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int Pages(const QString &pdf)
{
    return QRegularExpression("Pages:\\s+(\\d+)").match(Run("pdfinfo", {pdf})).captured(1).toInt();
}

// One page as pdftotext gives it: "-layout" text or "-bbox" word boxes.
QString PageText(const QString &pdf, int page, const QString &mode)
{
    const QString number = QString::number(page);
    return Run("pdftotext", {mode, "-f", number, "-l", number, pdf, "-"});
}

QStringList PageLines(const QString &pdf, int page)
{
    QStringList lines = PageText(pdf, page, "-layout").split('\n', Qt::SkipEmptyParts);
    lines.removeAll(QStringLiteral("\f"));
    return lines;
}

// Word boxes in points from the page's top-left corner.
struct Word {
    QString text;
    double x = 0.0;
    double bottom = 0.0;   // a baseline plus the font's descent
};

QList<Word> Words(const QString &pdf, int page)
{
    const QString html = PageText(pdf, page, "-bbox");
    static const QRegularExpression word(
        "<word xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\">([^<]*)<");
    QList<Word> words;
    for (auto match = word.globalMatch(html); match.hasNext();) {
        const auto m = match.next();
        words.append({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return words;
}

Word Find(const QList<Word> &words, const QString &text)
{
    const auto found = std::find_if(words.begin(), words.end(),
                                    [&](const Word &word) { return word.text == text; });
    return found != words.end() ? *found : Word{"<missing " + text + '>', -1.0, -1.0};
}

void FillRecord(int model, int count, bool dewPoint = true)
{
    SampleRecordOptions options;
    options.model = model;
    options.count = count;
    options.missingEvery = 9;
    FillSampleRecord(UartData, options);
    UartData.ShowDewPoint = dewPoint;
    UartData.DateTimeFormat = QStringLiteral("yyyy/MM/dd hh:mm:ss");
}

// One device unit (1/1200 inch) in points.
constexpr double Unit = 72.0 / 1200.0;

} // namespace

class TestPdfTextExport : public QObject
{
    Q_OBJECT

private:
    WorkDir *dir = nullptr;
    QString out() const { return dir->filePath("out.pdf"); }

private slots:
    void init()
    {
        dir = new WorkDir;
        QVERIFY(dir->isValid());
        UartData.ShowDewPoint = true;
    }
    void cleanup() { delete dir; }

    // The first page holds 49 to 54 rows, the later ones 65 each: one sample
    // more than the first page holds goes alone to page 2, and 70000 samples
    // take 49 + 1076 * 65 + 11 rows. The last row is the last sample.
    void pages_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("dewPoint");
        QTest::addColumn<int>("samples");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("lastPageRows");
        QTest::newRow("ThermoHygro with thermocouple") << 4423 << true << 49 + 1 << 2 << 1;
        QTest::newRow("ThermoHygro without thermocouple") << 4401 << true << 51 + 1 << 2 << 1;
        QTest::newRow("TempHum with dew point") << 3702 << true << 53 + 1 << 2 << 1;
        QTest::newRow("current") << 3709 << true << 54 + 1 << 2 << 1;
        QTest::newRow("FourProbe") << 4405 << true << 54 + 1 << 2 << 1;
        QTest::newRow("Light") << 5301 << true << 54 + 1 << 2 << 1;
        QTest::newRow("Decibel") << 6201 << true << 54 + 1 << 2 << 1;
        QTest::newRow("70000 samples") << 4423 << true << 70000 << 1078 << 11;
    }
    void pages()
    {
        QFETCH(int, model);
        QFETCH(bool, dewPoint);
        QFETCH(int, samples);
        QFETCH(int, pages);
        FillRecord(model, samples, dewPoint);
        QVERIFY(WritePdfTextExport(out()).IsWritten());
        QCOMPARE(Pages(out()), pages);
        QVERIFY(Run("pdfinfo", {out()}).contains("595 x 842 pts (A4)"));
        const QStringList lastPage = PageLines(out(), pages);
        QTEST(lastPage.size(), "lastPageRows");
        QVERIFY(lastPage.last().trimmed().startsWith(
            UartData.SampleTime[samples - 1].toString(UartData.DateTimeFormat)));
    }

    void firstPageText()
    {
        MakeExportRecord(UartData, 4423, 2);
        QVERIFY(WritePdfTextExport(out()).IsWritten());
        const QString page = PageLines(out(), 1).join('\n');
        for (const char *text :
             {"Logger Data", "Meter Name:Meter", "Device ID:ID", "Record Number:2",
              "Temperature Max(\u2103):30.0", "Humidity Min(%RH):20.5",
              "Thermocouple Min(\u2103):250.0",
              "Time:01/03/2026 08:00:00\u2014\u201401/03/2026 08:01:00", "Thermocouple(\u2103)",
              "Humidity(%RH)", "01/03/2026 08:00:00 21.6 55.0 12.0 15.3 ----",
              "01/03/2026 08:01:00 21.6 55.0 12.0 15.3 250.0"}) {
            QVERIFY2(page.simplified().contains(QString::fromUtf8(text)), text);
        }
    }

    // Positions in device units: x from the printable area's left edge, y
    // between baselines, taken against the Meter Name item at (500, 800).
    void firstPagePositions_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("dewPoint");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("title") << 6201 << true << "Decibel" << 4000 << 600;
        QTest::newRow("light Time title") << 5301 << true << "Time" << 1150 << 2000;
        QTest::newRow("light title") << 5301 << true << "Light(Lux)" << 2900 << 2600;
        QTest::newRow("TempHum Time item without dew point") << 3702 << false << "Time:2024/03/01"
                                                             << 500 << 2600;
        QTest::newRow("thermocouple title") << 4423 << true << "Thermocouple(\u2103)" << 7900
                                            << 3600;
        QTest::newRow("voltage title") << 3710 << true << "Current(mA)" << 4500 << 2600;
    }
    void firstPagePositions()
    {
        QFETCH(int, model);
        QFETCH(bool, dewPoint);
        QFETCH(QString, word);
        QFETCH(int, x);
        QFETCH(int, y);
        FillRecord(model, 3, dewPoint);
        QVERIFY(WritePdfTextExport(out()).IsWritten());
        const QList<Word> words = Words(out(), 1);
        const Word meter = Find(words, "Meter");
        const Word found = Find(words, word);
        QVERIFY2(std::abs(meter.x - 40.0) < 0.1, "10 pt margin and 500 units");
        QVERIFY2(std::abs(found.x - meter.x - (x - 500) * Unit) < 0.1, qPrintable(found.text));
        QVERIFY2(std::abs(found.bottom - meter.bottom - (y - 800) * Unit) < 0.01,
                 qPrintable(found.text));
    }

    // The rows are drawn from a table of glyphs: each character stands where
    // drawText puts it.
    void rowsStandWhereDrawTextPutsThem()
    {
        const QString row = QStringLiteral("      2024/03/01 08:00:00   -21.56        ----  2.5e+06");
        {
            QPdfWriter writer(out());
            writer.setResolution(1200);
            QPainter painter(&writer);
            PlainRowPainter rows(painter);
            rows.Draw(QPointF(500, 1000), row);
            painter.drawText(QPointF(500, 1400), row);
        }
        const QList<Word> words = Words(out(), 1);
        QCOMPARE(words.size(), 10);
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(words.at(k).text, words.at(k + 5).text);
            QVERIFY2(std::abs(words.at(k).x - words.at(k + 5).x) < 0.01,
                     qPrintable(words.at(k).text));
        }
    }

    // A name without a suffix gets ".pdf".
    void pdfSuffixIsAdded()
    {
        MakeExportRecord(UartData, 6201, 2);
        QVERIFY(WritePdfTextExport(dir->filePath("reportpdf")).IsWritten());
        QVERIFY(!QFile::exists(dir->filePath("reportpdf")));
        QCOMPARE(Pages(dir->filePath("reportpdf.pdf")), 1);
        QCOMPARE(PdfTextFileName("a.PDF"), QString("a.PDF"));
    }
};

QTEST_MAIN(TestPdfTextExport)
#include "test_pdftextexport.moc"
