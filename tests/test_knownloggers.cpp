// Table of known loggers: file layout, damaged files, registration, lookup.

#include "app/knownloggers.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/oddfile.h"
#include "tests/support/workdir.h"

#include <QFile>
#include <QtTest>

#include <memory>

namespace {

// Entries of 44 bytes each on file: IDs of 5 and names of 7 characters.
QVector<KnownLogger> sampleTable(int count)
{
    QVector<KnownLogger> table;
    for (int i = 0; i < count; ++i)
        table.append({QString("ID%1").arg(i, 3, 10, QChar('0')),
                      QString("Meter %1").arg(i % 10), QDate(2024, 1, 1).addDays(i), 3700 + i});
    return table;
}

QByteArray bytesOf(const QVector<KnownLogger> &table)
{
    WorkDir dir;
    QString error;
    if (!KnownLoggerTable::Write(dir.filePath("t.ini"), table, &error))
        qFatal("cannot write a table: %s", qPrintable(error));
    QFile f(dir.filePath("t.ini"));
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

QByteArray patched(QByteArray bytes, int at, const QByteArray &with)
{
    return bytes.replace(at, with.size(), with);
}

// One line per entry, for comparisons that show what differs.
QStringList textOf(const QVector<KnownLogger> &table)
{
    QStringList lines;
    for (const KnownLogger &k : table)
        lines << QString("%1|%2|%3|%4")
                     .arg(k.ID, k.Name, k.FirstSeen.toString(Qt::ISODate))
                     .arg(k.Model);
    return lines;
}

} // namespace

class TestKnownLoggers : public QObject
{
    Q_OBJECT

private slots:
    // One entry written by hand: count, ID "A1", name "N", 2024-01-02 (Julian
    // day 2460312 as 64 bits), model 3701; all big-endian.
    void fileLayout()
    {
        const QByteArray bytes = QByteArray::fromHex("01"
                                                     "00000004" "00410031"
                                                     "00000002" "004e"
                                                     "0000000000258a98"
                                                     "00000e75");
        QCOMPARE(bytesOf({{"A1", "N", QDate(2024, 1, 2), 3701}}).toHex(), bytes.toHex());
    }

    void roundTrip()
    {
        WorkDir dir;
        const QVector<KnownLogger> table{
            {"0042", QString::fromUtf8("温湿度 ①"), QDate(1999, 12, 31), 4405},
            {"X", "", QDate(), -1},
            {"Y", "Second", QDate(2100, 2, 28), 6201}};
        const QString path = UartDataStore::KnownLoggerFilePath();   // no folder yet
        QVERIFY(KnownLoggerTable::Write(path, table, nullptr));
        QVector<KnownLogger> read;
        QVERIFY(KnownLoggerTable::Read(path, &read));
        QCOMPARE(textOf(read), textOf(table));
    }

    void damagedTableReadAsFarAsWhole_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kept");
        QTest::addColumn<bool>("whole");
        const QByteArray good = bytesOf(sampleTable(3));   // 1 + 3 * 44 bytes
        const int second = 1 + 44;
        const int secondName = second + 4 + 10;
        QTest::newRow("intact") << good << 3 << true;
        QTest::newRow("bytes after the table") << good + "junk" << 3 << true;
        QTest::newRow("empty file") << QByteArray() << 0 << false;
        QTest::newRow("count alone") << good.left(1) << 0 << false;
        QTest::newRow("cut in the last model code") << good.left(good.size() - 2) << 2 << false;
        QTest::newRow("cut in the second ID") << good.left(second + 6) << 1 << false;
        QTest::newRow("cut in a length prefix") << good.left(second + 2) << 1 << false;
        QTest::newRow("count promises more") << patched(good, 0, "\x05") << 3 << false;
        QTest::newRow("huge name length")
            << patched(good, secondName, QByteArray::fromHex("7ffffff0")) << 1 << false;
        QTest::newRow("odd name length")
            << patched(good, secondName, QByteArray::fromHex("00000003")) << 1 << false;
    }

    // The whole entries before the damage replace what the table held.
    void damagedTableReadAsFarAsWhole()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kept);
        WorkDir dir;
        QFile f(dir.filePath("t.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        f.close();
        QVector<KnownLogger> read = sampleTable(9);
        QTEST(KnownLoggerTable::Read(f.fileName(), &read), "whole");
        QCOMPARE(textOf(read), textOf(sampleTable(kept)));
    }

    void missingFileIsAnEmptyTable()
    {
        WorkDir dir;
        QVector<KnownLogger> read = sampleTable(2);
        QVERIFY(KnownLoggerTable::Read(dir.filePath("absent.ini"), &read));
        QVERIFY(read.isEmpty());
    }

    void onlyARegularFileIsRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a named pipe") << "pipe";
        QTest::newRow("a link to a device") << "device";
        QTest::newRow("megabytes of bytes") << "large";
    }

    // Nothing in place of the table can hold up the start: it is refused at once.
    void onlyARegularFileIsRead()
    {
        QFETCH(QString, kind);
        WorkDir dir;
        const QString path = dir.filePath("FileManager.ini");
        QVERIFY(PutOddFile(path, kind));
        QFile large(path);
        if (kind == "large")
            QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(5 << 20));
        QVector<KnownLogger> read = sampleTable(2);
        QVERIFY(!KnownLoggerTable::Read(path, &read));
        QVERIFY(read.isEmpty());
    }

    void failedWriteKeepsTheOldTable_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("old");   // the file that holds a table before
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder in the way") << "folder" << "" << "Is a directory";
        QTest::newRow("full disk") << "Ini/FileManager.ini" << "Ini/FileManager.ini"
                                   << "File too large";
        QTest::newRow("a file where the folder goes")
            << "file/FileManager.ini" << "file" << "cannot be made: Not a directory";
    }

    // The reason is given, and the table written before stays whole.
    void failedWriteKeepsTheOldTable()
    {
        QFETCH(QString, target);
        QFETCH(QString, old);
        QFETCH(QString, reason);
        WorkDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("folder")));
        const QByteArray oldBytes = bytesOf(sampleTable(1));
        if (!old.isEmpty()) {
            QVERIFY(QDir().mkpath(QFileInfo(dir.filePath(old)).path()));
            QFile f(dir.filePath(old));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(oldBytes) == oldBytes.size());
        }
        QString error;
        {
            FileSizeLimit full(100);
            QVERIFY(!KnownLoggerTable::Write(dir.filePath(target), sampleTable(40), &error));
        }
        QVERIFY2(error.contains(reason), qPrintable(error));
        if (!old.isEmpty()) {
            QFile f(dir.filePath(old));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll().toHex(), oldBytes.toHex());
        }
    }

    // At most 255 entries are written; a full table takes no newcomer but
    // still renames a known logger.
    void tableHoldsAtMost255()
    {
        const QVector<KnownLogger> table = sampleTable(300);
        const QByteArray bytes = bytesOf(table);
        QCOMPARE(quint8(bytes.at(0)), quint8(255));
        QCOMPARE(bytes.size(), 1 + 255 * 44);

        QVector<KnownLogger> full = table.mid(0, 255);
        KnownLogger newcomer{"NEW1", "Newcomer", QDate(2024, 5, 1), 3701};
        QVERIFY(!KnownLoggerTable::Register(full, newcomer));
        QCOMPARE(full.size(), 255);
        newcomer.ID = full[7].ID;
        QVERIFY(KnownLoggerTable::Register(full, newcomer));
        QCOMPARE(full[7].Name, QString("Newcomer"));
    }

    void registerLogger_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QStringList>("table");   // afterwards
        const QString known = "A1|Old|2020-03-04|3701";
        QTest::newRow("new ID is added") << "B7" << "Cellar" << 4402 << true
                                         << QStringList{known, "B7|Cellar|2024-06-07|4402"};
        QTest::newRow("known ID renamed, first seen kept")
            << "A1" << "Attic" << 3701 << true << QStringList{"A1|Attic|2020-03-04|3701"};
        QTest::newRow("known ID, new model")
            << "A1" << "Old" << 4401 << true << QStringList{"A1|Old|2020-03-04|4401"};
        QTest::newRow("known ID unchanged") << "A1" << "Old" << 3701 << false << QStringList{known};
        QTest::newRow("ID differs in case") << "a1" << "Old" << 3701 << true
                                            << QStringList{known, "a1|Old|2024-06-07|3701"};
        QTest::newRow("no ID") << "" << "Nameless" << 3701 << false << QStringList{known};
    }

    void registerLogger()
    {
        QFETCH(QString, id);
        QFETCH(QString, name);
        QFETCH(int, model);
        QVector<KnownLogger> table{{"A1", "Old", QDate(2020, 3, 4), 3701}};
        QTEST(KnownLoggerTable::Register(table, {id, name, QDate(2024, 6, 7), model}), "changed");
        QTEST(textOf(table), "table");
    }

    void nameLookup()
    {
        auto store = std::make_unique<UartDataStore>();
        store->KnownLoggers = {{"", "Blank", QDate(), 0}, {"A1", "Attic", QDate(), 3701},
                               {"A1", "Shadowed", QDate(), 3701}};
        QCOMPARE(store->KnownLoggerName("A1"), QString("Attic"));
        QCOMPARE(store->KnownLoggerName("a1"), QString());
        QCOMPARE(store->KnownLoggerName("B2"), QString());
        QCOMPARE(store->KnownLoggerName(""), QString());
    }
};

QTEST_GUILESS_MAIN(TestKnownLoggers)
#include "test_knownloggers.moc"
