// Files written whole or not at all: a full disk, a folder that cannot be
// written and a target that is a folder keep the old file and say why.

#include "app/wholefile.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/workdir.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <QtTest>

namespace {

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void Put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestWholeFile : public QObject
{
    Q_OBJECT

private slots:
    void replacesWithTheCompleteFile()
    {
        WorkDir dir;
        const QString path = dir.filePath("out.txt");
        Put(path, "old");
        // Large enough to pass through the writer's own buffer several times.
        QByteArray big(700 * 1024, 'x');
        WholeFileWriter file(path);
        QVERIFY(file.Open());
        file.Write("head\n");
        file.Write(big);
        QVERIFY(file.Commit());
        QCOMPARE(ReadAll(path), QByteArray("head\n") + big);
    }

    // Small files fail in the final flush, large ones in the middle; both
    // keep the old file.
    void fullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("under the buffer") << 10 * 1024;
        QTest::newRow("over the buffer") << 600 * 1024;
    }
    void fullDiskKeepsTheOldFile()
    {
        QFETCH(int, size);
        WorkDir dir;
        const QString path = dir.filePath("Config.ini");
        Put(path, "[System]\nLanguage=English\n");
        QString error;
        {
            FileSizeLimit full(4096);
            QVERIFY(!WriteWholeFile(path, QByteArray(size, 'y'), &error));
        }
        QCOMPARE(ReadAll(path), QByteArray("[System]\nLanguage=English\n"));
        QVERIFY2(error.contains("too large") || error.contains("space"), qPrintable(error));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Config.ini"});
    }

    void unwritablePlacesAreReported_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("missing folder") << "no/such/folder/out.csv";
        QTest::newRow("a folder") << "sub";
        QTest::newRow("a named pipe") << "pipe";
        QTest::newRow("a link to a device") << "null-link";
    }
    void unwritablePlacesAreReported()
    {
        QFETCH(QString, target);
        WorkDir dir;
        QDir(dir.path()).mkdir("sub");
        QVERIFY(mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600) == 0);
        QVERIFY(QFile::link("/dev/null", dir.filePath("null-link")));
        QString error;
        QVERIFY(!WriteWholeFile(dir.filePath(target), "data", &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(error != "Unknown error");
        // Nothing was put in its place.
        QVERIFY(!QFileInfo(dir.filePath(target)).isFile());
        QVERIFY(QFileInfo("/dev/null").exists() && !QFileInfo("/dev/null").isFile());
    }
};

QTEST_GUILESS_MAIN(TestWholeFile)
#include "test_wholefile.moc"
