// Numbers and sample times as every view and file of a record writes them:
// the texts of QString::number and of the C locale's date-time formatting,
// ASCII under a system locale with other digits (the chart caption too), and
// the recorded wall-clock time of a sample that lies in a daylight-saving
// gap, the same in the data list, the summary report and an export. The whole run has an Arabic
// system locale and the Berlin time zone (see main).

#include <QApplication>
#include <QTableWidget>
#include <QtTest>

#include <cmath>
#include <ctime>
#include <random>

#include "app/textformat.h"
#include "app/uartdatastore.h"
#include "export/csvexport.h"
#include "tests/support/recordfixture.h"
#include "tests/support/workdir.h"
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

namespace {

bool IsAscii(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

class TestTextFormat : public QObject
{
    Q_OBJECT

private slots:
    // The digit-by-digit road against QString::number on values of every
    // kind the records hold: two-decimal readings, quarters and halves, tiny
    // and large values, both signs, roundings that carry or lie on a half,
    // and what no reading holds.
    void numbersAreThoseOfQString()
    {
        QVector<double> values{0.0,      -0.0,       0.25,  -0.25,    0.125, 2.5,  0.05,
                               0.15,     -0.04,      1.0,   9.9999996, 99999.95, 123456.5,
                               1e-4,     0.00099999999, 1e-7, 1e20,  qQNaN(), qInf(), -868.0,
                               21.55,    1076.39 / 10.7639, 21.25, 19.9999, -0.000123456789,
                               2500000.0, 1.140625, 999999.7, 0.00001};
        std::mt19937 random(7);
        std::uniform_real_distribution<double> spread(-1000.0, 1000.0);
        const double scales[] = {1.0, 1e-4, 1e-6, 1e3, 1e5, 1e9, 1e-2};
        for (int i = 0; i < 100000; ++i) {
            double value = spread(random) * scales[i % 7];
            if (i % 3 == 0)
                value = std::round(value * 100.0) / 100.0;
            if (i % 5 == 0)
                value = std::round(value * 64.0) / 64.0;
            values << value;
        }
        const NumberFormat formats[] = {{'f', 0}, F1, F2, F3, {'f', 6}, {'g', 1}, {'g', 3}, G6};
        for (double value : values) {
            for (const NumberFormat format : formats) {
                const QString expected = QString::number(value, format.Letter, format.Precision);
                QString appended = QStringLiteral("x");
                AppendNumber(appended, value, format);
                if (NumberText(value, format) != expected || appended.mid(1) != expected)
                    QFAIL(qPrintable(QStringLiteral("%1 as %2%3: %4 (appended %5), not %6")
                                         .arg(value, 0, 'g', 17)
                                         .arg(format.Letter)
                                         .arg(format.Precision)
                                         .arg(NumberText(value, format), appended.mid(1),
                                              expected)));
            }
        }
        QString integers;
        AppendInteger(integers, -70000);
        AppendInteger(integers, 0);
        AppendInteger(integers, std::numeric_limits<qint64>::min());
        QCOMPARE(integers, QStringLiteral("-700000-9223372036854775808"));
    }

    void sampleTimes_data()
    {
        QTest::addColumn<QString>("format");
        QTest::newRow("day first") << "dd/MM/yyyy hh:mm:ss";
        QTest::newRow("year first") << "yyyy/MM/dd hh:mm:ss";
        QTest::newRow("month first") << "MM/dd/yyyy hh:mm:ss";
        QTest::newRow("24-hour HH, time first") << "HH:mm:ss dd.MM.yyyy";
        QTest::newRow("12-hour clock") << "dd/MM/yyyy hh:mm:ss AP";
        QTest::newRow("short fields") << "d.M.yy h:m";
        QTest::newRow("month names and quotes") << "dd MMM yyyy 'at' hh";
    }
    // Every format writes what the C locale writes, in ASCII, whatever the
    // system locale's digits; with half-second stamps an even sample ends in
    // ".000", an odd one in ".500".
    void sampleTimes()
    {
        QFETCH(QString, format);
        QVector<QDateTime> times{QDateTime(QDate(999, 12, 31), QTime(23, 59, 59)),
                                 QDateTime(QDate(5, 1, 2), QTime(3, 4, 5)), QDateTime()};
        QDateTime time(QDate(1999, 12, 31), QTime(23, 59, 58));
        for (int k = 0; k < 3000; ++k, time = time.addSecs(104729))
            times << time;
        const SampleTimeWriter writer(times.constData(), times.size(), format);
        const SampleTimeWriter halves(times.constData(), times.size(), format, true);
        for (int i = 0; i < times.size(); ++i) {
            const QString text = writer.Text(i);
            QCOMPARE(text, QLocale::c().toString(times[i], format));
            QVERIFY2(IsAscii(text), qPrintable(text));
            const QString half = text.isEmpty() ? text : text + (i % 2 ? ".500" : ".000");
            QString appended = QStringLiteral("x");
            halves.Append(appended, i);
            QCOMPARE(halves.Text(i), half);
            QCOMPARE(appended.mid(1), half);
        }
        QCOMPARE(writer.Text(times.size()), QString());
        QCOMPARE(writer.Text(-1), QString());
        // The system locale is in force: Qt's own text has other digits.
        QVERIFY(!IsAscii(times.last().toString(format)));
    }

    // The chart's caption names its times in ASCII too, before and after a
    // zoom.
    void chartCaptionInAscii()
    {
        WorkDir dir;
        QVERIFY(dir.isValid());
        MainWindow window;
        UartData.DateTimeFormat = QStringLiteral("dd/MM/yyyy hh:mm:ss");
        StartRecord(UartData, 6201, 3);
        FinishRecord(UartData);
        window.UpdateDataTable();
        window.PlotRecordChart();
        QCPAxis *x = window.CustomPlot->xAxis;
        QCOMPARE(x->label(), QStringLiteral("From: 01/03/2026 08:00:00 To: 01/03/2026 08:02:00"));
        x->setRange(x->range().lower + 60.0, x->range().upper);
        QCOMPARE(x->label(), QStringLiteral("From: 01/03/2026 08:01:00 To: 01/03/2026 08:02:00"));
    }

    // 02:30 on 29 March 2026 does not exist in Berlin; a record made under
    // another zone can hold it. Every view writes the time the meter stamped.
    void daylightSavingGapTimeInEveryView_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("text");
        QTest::newRow("day first") << "dd/MM/yyyy hh:mm:ss" << "29/03/2026 02:30:00";
        QTest::newRow("12-hour clock") << "dd/MM/yyyy hh:mm:ss AP" << "29/03/2026 02:30:00 AM";
    }
    void daylightSavingGapTimeInEveryView()
    {
        QFETCH(QString, format);
        QFETCH(QString, text);
        WorkDir dir;
        QVERIFY(dir.isValid());
        MainWindow window;
        UartData.DateTimeFormat = format;
        StartRecord(UartData, 3702, 3);
        const QDate day(2026, 3, 29);
        UartData.SampleTime[0] = QDateTime(day, QTime(1, 30));
        UartData.SampleTime[1] = QDateTime(day, QTime(2, 30));
        UartData.SampleTime[2] = QDateTime(day, QTime(3, 30));
        FinishRecord(UartData);
        QVERIFY(!UartData.SampleTime[1].isValid());

        window.UpdateDataTable();
        QCOMPARE(window.ui->tableWidgetDataList->item(1, 1)->text(), text);
        QVERIFY(window.CreateReportHtml(false).contains(">" + text + "</td>"));
        const QString csv = dir.filePath(QStringLiteral("gap.csv"));
        QVERIFY(WriteCsvExport(csv).IsWritten());
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains(text.toLatin1() + ','));
    }
};

// Arabic-Indic digits in the system locale, and a zone with a daylight-saving
// gap: what the texts must not depend on.
int main(int argc, char *argv[])
{
    qputenv("LC_ALL", "ar_EG.UTF-8");
    qputenv("TZ", "Europe/Berlin");
    tzset();
    QApplication app(argc, argv);
    TestTextFormat test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_textformat.moc"
