#include "app/ownfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Message texts, translated in the context "OwnFiles".
class Text
{
    Q_DECLARE_TR_FUNCTIONS(OwnFiles)
};

constexpr qint64 ChunkBytes = 64 * 1024;

RegularFileRead Outcome(RegularFileRead::Result result, const QString &reason)
{
    return {result, reason};
}

// Reads to the end, or until more than `limit` bytes have come.
RegularFileRead ReadAll(int fd, qint64 limit, QByteArray *bytes)
{
    while (bytes->size() <= limit) {
        const qint64 before = bytes->size();
        const qint64 want = qMin(ChunkBytes, limit + 1 - before);
        bytes->resize(int(before + want));
        const ssize_t got = ::read(fd, bytes->data() + before, size_t(want));
        if (got < 0 && errno == EINTR) {
            bytes->resize(int(before));
            continue;
        }
        bytes->resize(int(before + qMax<ssize_t>(got, 0)));
        if (got < 0)
            return Outcome(RegularFileRead::Result::Unreadable, SystemReason(errno));
        if (got == 0)
            return Outcome(RegularFileRead::Result::Read, QString());
    }
    return Outcome(RegularFileRead::Result::TooLarge,
                   QStringLiteral("larger than %1 bytes").arg(limit));
}

} // namespace

RegularFileRead ReadRegularFile(const QString &path, qint64 limit, QByteArray *bytes)
{
    bytes->clear();
    // Non-blocking, so that opening a named pipe returns at once; the kind of
    // file is then checked on what was opened, not on the name.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int code = errno;
        const bool missing = code == ENOENT || code == ENOTDIR;
        return Outcome(missing ? RegularFileRead::Result::Missing
                               : RegularFileRead::Result::Unreadable,
                       SystemReason(code));
    }
    struct stat status {};
    RegularFileRead read;
    if (::fstat(fd, &status) != 0)
        read = Outcome(RegularFileRead::Result::Unreadable, SystemReason(errno));
    else if (S_ISDIR(status.st_mode))
        read = Outcome(RegularFileRead::Result::Unreadable, SystemReason(EISDIR));
    else if (!S_ISREG(status.st_mode))
        read = Outcome(RegularFileRead::Result::NotRegular, NotRegularFileReason());
    else {
        bytes->reserve(int(qBound<qint64>(0, status.st_size, limit) + 1));
        read = ReadAll(fd, limit, bytes);
    }
    ::close(fd);
    if (read.result != RegularFileRead::Result::Read)
        bytes->clear();
    return read;
}

namespace {

// Why a folder cannot be made: its deepest part that exists is no folder, or
// the system refuses to make the next part below it.
int FolderErrorCode(const QString &folder)
{
    QString part = folder;
    QString below;
    while (!QFileInfo::exists(part)) {
        const QString up = QFileInfo(part).path();
        if (up == part)
            break;
        below = part;
        part = up;
    }
    if (!QFileInfo(part).isDir())
        return ENOTDIR;
    if (below.isEmpty() || ::mkdir(QFile::encodeName(below).constData(), 0777) == 0)
        return 0;
    return errno;
}

} // namespace

bool MakeFolder(const QString &folder, QString *error)
{
    if (QDir().mkpath(folder))
        return true;
    if (error) {
        const int code = FolderErrorCode(folder);
        *error = Text::tr("The folder %1 cannot be made: %2")
                     .arg(QDir::toNativeSeparators(folder),
                          code ? SystemReason(code) : Text::tr("unknown reason"));
    }
    return false;
}

bool MakeFolderFor(const QString &filePath, QString *error)
{
    return MakeFolder(QFileInfo(filePath).absolutePath(), error);
}

QString SystemReason(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

QString NotRegularFileReason()
{
    return Text::tr("not a regular file");
}
