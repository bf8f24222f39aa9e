// Table of known loggers: file layout, damaged files, registration, lookup.

#include "app/knownloggers.h"
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

void compareEntries(const QVector<KnownLogger> &actual, const QVector<KnownLogger> &expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < actual.size(); ++i) {
        QCOMPARE(actual[i].ID, expected[i].ID);
        QCOMPARE(actual[i].Name, expected[i].Name);
        QCOMPARE(actual[i].FirstSeen, expected[i].FirstSeen);
        QCOMPARE(actual[i].Model, expected[i].Model);
    }
}

} // namespace

class TestKnownLoggers : public QObject
{
    Q_OBJECT
private slots:
    void fileLayout();
    void roundTrip();
    void damagedTableReadAsFarAsWhole_data();
    void damagedTableReadAsFarAsWhole();
    void missingFileAndFailedWrite();
    void tableHoldsAtMost255();
    void registerLogger_data();
    void registerLogger();
    void nameLookup();
};

// One entry written by hand: count, ID "A1", name "N", 2024-01-02 (Julian
// day 2460312 as 64 bits), model 3701; all big-endian.
void TestKnownLoggers::fileLayout()
{
    const QByteArray bytes = QByteArray::fromHex("01"
                                                 "00000004" "00410031"
                                                 "00000002" "004e"
                                                 "0000000000258a98"
                                                 "00000e75");
    const QVector<KnownLogger> table{{"A1", "N", QDate(2024, 1, 2), 3701}};
    QCOMPARE(bytesOf(table).toHex(), bytes.toHex());
}

void TestKnownLoggers::roundTrip()
{
    WorkDir dir;
    const QVector<KnownLogger> table{{"0042", QString::fromUtf8("温湿度 ①"), QDate(1999, 12, 31), 4405},
                                     {"X", "", QDate(), -1},
                                     {"Y", "Second", QDate(2100, 2, 28), 6201}};
    const QString path = UartDataStore::KnownLoggerFilePath(); // its folder does not exist yet
    QVERIFY(KnownLoggerTable::Write(path, table, nullptr));
    QVector<KnownLogger> read;
    QVERIFY(KnownLoggerTable::Read(path, &read));
    compareEntries(read, table);
}

void TestKnownLoggers::damagedTableReadAsFarAsWhole_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kept");
    QTest::addColumn<bool>("whole");
    const QByteArray good = bytesOf(sampleTable(3)); // 1 + 3 * 44 bytes
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

void TestKnownLoggers::damagedTableReadAsFarAsWhole()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, kept);
    QFETCH(bool, whole);
    WorkDir dir;
    QFile f(dir.filePath("t.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    QVector<KnownLogger> read = sampleTable(9);
    QCOMPARE(KnownLoggerTable::Read(f.fileName(), &read), whole);
    compareEntries(read, sampleTable(kept));
}

void TestKnownLoggers::missingFileAndFailedWrite()
{
    WorkDir dir;
    QVector<KnownLogger> read = sampleTable(2);
    QVERIFY(KnownLoggerTable::Read(dir.filePath("absent.ini"), &read));
    QVERIFY(read.isEmpty());

    QVERIFY(QDir().mkpath(dir.filePath("folder")));
    QString error;
    QVERIFY(!KnownLoggerTable::Write(dir.filePath("folder"), sampleTable(1), &error));
    QVERIFY(!error.isEmpty());
}

void TestKnownLoggers::tableHoldsAtMost255()
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

void TestKnownLoggers::registerLogger_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("size");
    QTest::addColumn<QDate>("firstSeen"); // of the entry with that ID afterwards
    const QDate known(2020, 3, 4);
    const QDate today(2024, 6, 7);
    QTest::newRow("new ID is added") << "B7" << "Cellar" << 4402 << true << 2 << today;
    QTest::newRow("known ID renamed") << "A1" << "Attic" << 3701 << true << 1 << known;
    QTest::newRow("known ID unchanged") << "A1" << "Old" << 3701 << false << 1 << known;
    QTest::newRow("ID differs in case") << "a1" << "Old" << 3701 << true << 2 << today;
    QTest::newRow("no ID") << "" << "Nameless" << 3701 << false << 1 << QDate();
}

void TestKnownLoggers::registerLogger()
{
    QFETCH(QString, id);
    QFETCH(QString, name);
    QFETCH(int, model);
    QFETCH(bool, changed);
    QFETCH(int, size);
    QFETCH(QDate, firstSeen);
    QVector<KnownLogger> table{{"A1", "Old", QDate(2020, 3, 4), 3701}};
    QCOMPARE(KnownLoggerTable::Register(table, {id, name, QDate(2024, 6, 7), model}), changed);
    QCOMPARE(table.size(), size);
    for (const KnownLogger &entry : table) {
        if (entry.ID == id) {
            QCOMPARE(entry.FirstSeen, firstSeen);
            QCOMPARE(entry.Name, name);
            QCOMPARE(entry.Model, model);
        }
    }
}

void TestKnownLoggers::nameLookup()
{
    auto store = std::make_unique<UartDataStore>();
    store->KnownLoggers = {{"", "Blank", QDate(), 0}, {"A1", "Attic", QDate(), 3701},
                           {"A1", "Shadowed", QDate(), 3701}};
    QCOMPARE(store->KnownLoggerName("A1"), QString("Attic"));
    QCOMPARE(store->KnownLoggerName("a1"), QString());
    QCOMPARE(store->KnownLoggerName("B2"), QString());
    QCOMPARE(store->KnownLoggerName(""), QString());
}

QTEST_GUILESS_MAIN(TestKnownLoggers)
#include "test_knownloggers.moc"
