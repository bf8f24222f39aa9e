// Files written whole or not at all: a full disk, a missing folder, a folder,
// a named pipe and a device keep what was there and say why.

#include "app/wholefile.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/workdir.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <QtTest>

class TestWholeFile : public QObject
{
    Q_OBJECT

private slots:
    // A full disk fails small files in the final flush, large ones in the
    // middle; the complete file passes through the writer's buffer several
    // times.
    void writesWholeOrNotAtAll_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("reason");
        const QString full = QStringLiteral("large|space");
        QTest::newRow("complete") << "out.txt" << 700 * 1024 << 0 << "";
        QTest::newRow("full disk, under the buffer") << "out.txt" << 10 * 1024 << 4096 << full;
        QTest::newRow("full disk, over the buffer") << "out.txt" << 600 * 1024 << 4096 << full;
        QTest::newRow("missing folder") << "no/such/folder/out.csv" << 4 << 0 << "No such file";
        QTest::newRow("a folder") << "sub" << 4 << 0 << "directory";
        QTest::newRow("a named pipe") << "pipe" << 4 << 0 << "not a regular file";
        // Behind a link; a pipe of our own stands in for a device, so that a
        // writer that got this wrong could not replace a node of the system.
        QTest::newRow("a link to a pipe") << "pipe-link" << 4 << 0 << "not a regular file";
    }

    void writesWholeOrNotAtAll()
    {
        QFETCH(QString, target);
        QFETCH(int, size);
        QFETCH(int, limit);
        QFETCH(QString, reason);
        WorkDir dir;
        QDir(dir.path()).mkdir("sub");
        QVERIFY(mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600) == 0);
        QVERIFY(QFile::link(dir.filePath("pipe"), dir.filePath("pipe-link")));
        const QString old = dir.filePath("out.txt");
        QVERIFY(WriteWholeFile(old, "old", nullptr));
        WholeFileWriter file(dir.filePath(target));
        bool committed = false;
        {
            FileSizeLimit full(limit ? rlim_t(limit) : RLIM_INFINITY);
            if (file.Open()) {
                file.Write("head\n");
                file.Write(QByteArray(size, 'y'));
                committed = file.Commit();
            }
        }
        QCOMPARE(committed, reason.isEmpty());
        QVERIFY2(file.ErrorString().contains(QRegularExpression(reason)),
                 qPrintable(file.ErrorString()));
        QFile written(old);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), committed ? "head\n" + QByteArray(size, 'y') : "old");
        // Nothing else was left or put in place.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoSymLinks),
                 QStringList {"out.txt"});
        QVERIFY(!QFileInfo(dir.filePath("pipe")).isFile());
    }
};

QTEST_GUILESS_MAIN(TestWholeFile)
#include "test_wholefile.moc"
