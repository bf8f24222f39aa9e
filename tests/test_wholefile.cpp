// Files written whole or not at all: a full disk, a missing folder, a folder,
// a named pipe and a device keep what was there and say why.

#include "app/wholefile.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/workdir.h"

#include <QFile>
#include <QFileInfo>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QtTest>

namespace {

// A name of Chinese characters (three bytes each in the file system), then
// the suffix.
QString LongName(int characters, const char *suffix)
{
    return QString(characters, QChar(0x6e29)) + QLatin1String(suffix);
}

bool WriteProcFile(const char *path, const QByteArray &text)
{
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// What the child below says where this machine lets no test mount a file
// system.
const QByteArray NoMount("no mount");

// Runs in a child process: a mount namespace of its own (in a user namespace
// of its own where it is not root) keeps the mount from the rest of the
// machine. A small file system holding "old.csv" is mounted on the folder and
// made read-only; the writer is then tried on that file and on a new name.
QByteArray ReasonsInOwnMount(const QByteArray &folder)
{
    const QByteArray uid = QByteArray::number(::getuid()), gid = QByteArray::number(::getgid());
    if (::unshare(CLONE_NEWNS) != 0
        && (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0
            || !WriteProcFile("/proc/self/setgroups", "deny")
            || !WriteProcFile("/proc/self/uid_map", "0 " + uid + " 1")
            || !WriteProcFile("/proc/self/gid_map", "0 " + gid + " 1")))
        return NoMount;
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
        || ::mount("meterlog-test", folder.constData(), "tmpfs", 0, "size=64k") != 0)
        return NoMount;
    const QString old = QFile::decodeName(folder) + QStringLiteral("/old.csv");
    QString oldReason, newReason;
    if (!WriteWholeFile(old, "old", &oldReason))
        return "old file not written: " + oldReason.toUtf8();
    if (::mount(nullptr, folder.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
        return NoMount;
    WriteWholeFile(old, "new", &oldReason);
    WriteWholeFile(QFile::decodeName(folder) + QStringLiteral("/new.csv"), "new", &newReason);
    return (oldReason + QLatin1Char('\n') + newReason).toUtf8();
}

// The writer's reasons on a read-only file system, one per line; NoMount
// where this machine lets no test mount one; "" when the child failed.
QByteArray ReasonsOnReadOnlyFileSystem(const QString &folder)
{
    int ends[2];
    if (::pipe(ends) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        const QByteArray reasons = ReasonsInOwnMount(QFile::encodeName(folder));
        const bool sent = ::write(ends[1], reasons.constData(), size_t(reasons.size())) >= 0;
        ::_exit(sent ? 0 : 1);
    }
    ::close(ends[1]);
    QByteArray reasons;
    char buffer[512];
    for (ssize_t got; (got = ::read(ends[0], buffer, sizeof buffer)) > 0;)
        reasons.append(buffer, int(got));
    ::close(ends[0]);
    int status = 0;
    const bool ended = ::waitpid(child, &status, 0) == child && WIFEXITED(status)
                       && WEXITSTATUS(status) == 0;
    return ended ? reasons : QByteArray();
}

} // namespace

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
        // The temporary name beside such a file cannot be the whole name and
        // more: 83 Chinese characters are 249 bytes, a name may have 255.
        QTest::newRow("250-byte name") << LongName(82, ".csv") << 4 << 0 << "";
        QTest::newRow("255-byte name") << LongName(85, "") << 4 << 0 << "";
        QTest::newRow("name too long") << LongName(86, "") << 4 << 0 << "File name too long";
        // The link stays; the file it points at is replaced.
        QTest::newRow("a link to the file") << "out-link" << 4 << 0 << "";
        // ".." in a link is taken where the linked folder really is.
        QTest::newRow("a link in a linked folder") << "deep/linked/up" << 4 << 0 << "";
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
        QVERIFY(QFile::link("out.txt", dir.filePath("out-link")));
        QVERIFY(QDir(dir.path()).mkdir("deep"));
        QVERIFY(QFile::link("../sub", dir.filePath("deep/linked")));
        QVERIFY(QFile::link("../out.txt", dir.filePath("sub/up")));
        // A long name has its own old file.
        const bool longName = target.startsWith(LongName(1, "")) && reason.isEmpty();
        const QString old = dir.filePath(longName ? target : "out.txt");
        QVERIFY(WriteWholeFile(old, "old", nullptr));
        // The new file has the old one's permissions.
        const QFile::Permissions kept = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(old, kept));
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
        const QFile::Permissions owner = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
        QCOMPARE(written.permissions() & ~owner, kept);
        // Nothing else was left or put in place.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoSymLinks | QDir::Hidden),
                 QStringList {QFileInfo(old).fileName()});
        QVERIFY(QFileInfo(dir.filePath("out-link")).isSymLink());
        QVERIFY(!QFileInfo(dir.filePath("pipe")).isFile());
    }

    // The system's reason, whether a file was there or not; the message that
    // names the file adds nothing to it.
    void readOnlyFileSystemGivesItsReason()
    {
        WorkDir dir;
        QVERIFY(QDir(dir.path()).mkdir("ro"));
        const QByteArray reasons = ReasonsOnReadOnlyFileSystem(dir.filePath("ro"));
        if (reasons == NoMount)
            QSKIP("this machine lets no test mount a file system");
        QCOMPARE(reasons, QByteArray("Read-only file system\nRead-only file system"));
    }
};

QTEST_GUILESS_MAIN(TestWholeFile)
#include "test_wholefile.moc"
