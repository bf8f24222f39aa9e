// The Excel export of a whole 70000-sample thermo-hygro record with
// thermocouple, as the export makes its Qt SQL calls: a "QODBC" connection
// "excelexport", the Summary table with 14 items, the Data table with one
// insert of six values per sample, then close, which writes the workbook.
// Prints the median, minimum and maximum time of 9 runs and the peak memory.

#include "bench/benchutil.h"
#include "platform/timezone.h"
#include "platform/xlsdriver.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 9;
constexpr int Samples = 70000;

struct SampleTexts {
    QString time;
    QString values[5];   // temperature, humidity, dew point, wet bulb, thermocouple
};

std::vector<SampleTexts> MakeSamples()
{
    std::vector<SampleTexts> samples(Samples);
    const QDateTime start(QDate(2024, 3, 1), QTime(8, 0));
    for (int i = 0; i < Samples; ++i) {
        SampleTexts &sample = samples[size_t(i)];
        sample.time = start.addSecs(60 * i).toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
        const double wave = std::sin(i / 500.0);
        const double values[5] = {21.5 + 3 * wave, 55 + 10 * wave, 12.2 + wave, 15.8 + wave,
                                  i % 500 == 0 ? -500.0 : 180 + 20 * wave};
        for (int v = 0; v < 5; ++v)
            sample.values[v] = QString::number(values[v], 'f', 1);
    }
    return samples;
}

bool RunExport(const QString &path, const std::vector<SampleTexts> &samples)
{
    QFile::remove(path);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), QStringLiteral("excelexport"));
    db.setDatabaseName(QStringLiteral("DRIVER={Microsoft Excel Driver (*.xls)};DSN='';FIRSTROWHASNAMES=1;"
                                      "READONLY=FALSE;CREATE_DB=\"%1\";DBQ=%2")
                           .arg(path, path));
    if (!db.open()) {
        std::fprintf(stderr, "open: %s\n", qPrintable(db.lastError().text()));
        return false;
    }
    bool ok = true;
    {
        QSqlQuery query(db);
        ok = query.exec(QStringLiteral("create table Summary (LoggerData text)"));
        for (int item = 0; item < 14; ++item)
            query.exec(QStringLiteral("insert into Summary(LoggerData) values('%1')")
                           .arg(QStringLiteral("Temperature Max(℃):%1").arg(item)));
        ok = ok && query.exec(QStringLiteral("create table Data (RECTime text,Temperature NUMBER,"
                                             "Humidity NUMBER,DewPoint NUMBER,WetBulb NUMBER,"
                                             "Thermocouple NUMBER)"));
        const QString insert = QStringLiteral(
            "insert into Data(RECTime,Temperature,Humidity,DewPoint,WetBulb,Thermocouple) "
            "values('%1','%2','%3','%4','%5','%6')");
        for (const SampleTexts &s : samples)
            ok = query.exec(insert.arg(s.time, s.values[0], s.values[1], s.values[2], s.values[3],
                                       s.values[4]))
                 && ok;
    }
    db.close();
    if (!ok || db.lastError().isValid())
        std::fprintf(stderr, "export: %s\n", qPrintable(db.lastError().text()));
    return ok && !db.lastError().isValid();
}

long PeakMemoryKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    CacheLocalTimeZone();
    QCoreApplication app(argc, argv);
    RegisterXlsSqlDriver();
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const std::vector<SampleTexts> samples = MakeSamples();
    const long before = PeakMemoryKilobytes();
    const QString path = dir.filePath(QStringLiteral("record.xls"));
    bool ok = true;
    const BenchStats run = RunTimed(Runs, [&] { ok = RunExport(path, samples) && ok; });
    if (!ok)
        return 1;
    std::printf("Excel export, %d samples x 6 values, %lld bytes, %d runs\n", Samples,
                QFileInfo(path).size(), Runs);
    PrintStats("statements and close", run);
    std::printf("peak memory %.1f MB (%.1f MB before the first export)\n",
                PeakMemoryKilobytes() / 1024.0, before / 1024.0);
    return 0;
}
