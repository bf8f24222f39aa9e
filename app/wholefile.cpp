#include "app/wholefile.h"

#include <QFile>
#include <QRandomGenerator>

#include "app/ownfiles.h"

#include <cerrno>
#include <climits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Large enough that a 70000-row export makes a few hundred system calls.
constexpr int PendingLimit = 256 * 1024;
// Links followed to the file they stand for, as many as the system follows.
constexpr int LinkDepth = 40;
// The temporary name's ending: a dot and six random letters.
constexpr int RandomEnding = 7;
constexpr int CreateAttempts = 100;

// A link is followed to what it points at, so that the link stays and the
// file behind it is replaced; a link to nothing makes that file. The link's
// text is read as the system reads it: bytes, relative to the link's folder,
// ".." taken after the folders on the way (links among them) are followed.
bool FollowLinks(const QByteArray &path, QByteArray *target)
{
    QByteArray file = path;
    QByteArray link(PATH_MAX, Qt::Uninitialized);
    for (int depth = 0;; ++depth) {
        const ssize_t length = ::readlink(file.constData(), link.data(), size_t(link.size()));
        if (length < 0)
            break;   // no link (or nothing there): this is the file
        if (depth == LinkDepth)
            return false;
        const QByteArray text = link.left(int(length));
        const int slash = file.lastIndexOf('/');
        file = text.startsWith('/') || slash < 0 ? text : file.left(slash + 1) + text;
    }
    *target = file;
    return true;
}

// The folder part of a path ("." for a bare name).
QByteArray FolderOf(const QByteArray &path)
{
    const int slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : path.left(qMax(slash, 1));
}

// The longest name the target's folder takes. File systems that count
// characters (FAT) report more than the 255 bytes that every one takes.
long NameLimit(const QByteArray &folder)
{
    const long limit = ::pathconf(folder.constData(), _PC_NAME_MAX);
    return limit > RandomEnding ? qMin(limit, 255L) : 255L;
}

// The target with its name cut short, between whole characters, where the
// random ending would make it longer than the folder takes.
QByteArray TemporaryStem(const QByteArray &target)
{
    const int slash = target.lastIndexOf('/');
    const QByteArray name = target.mid(slash + 1);
    int end = int(qMin<long>(name.size(), NameLimit(FolderOf(target)) - RandomEnding));
    // Back to the first byte of a UTF-8 character cut in two.
    while (end > 0 && end < name.size() && (uchar(name.at(end)) & 0xC0) == 0x80)
        --end;
    return target.left(slash + 1) + name.left(end);
}

QByteArray RandomEndingText()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray ending(".");
    for (int i = 1; i < RandomEnding; ++i)
        ending += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
    return ending;
}

} // namespace

WholeFileWriter::WholeFileWriter(const QString &path)
    : Path(path)
{
}

WholeFileWriter::~WholeFileWriter()
{
    Discard();
}

bool WholeFileWriter::Open()
{
    if (Fd >= 0 || Failed)
        return false;   // open already, or failed for good
    if (!FollowLinks(QFile::encodeName(Path), &Target)) {
        Fail(ELOOP);
        return false;
    }
    // The finished file is renamed over the target, so a folder, a device or
    // a named pipe there would be replaced: refuse them. An old file that
    // may not be written (a read-only file system) is left alone, and a name
    // the folder cannot take is refused before anything is written.
    struct stat old {};
    const bool exists = ::stat(Target.constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        Fail(errno);
    else if (exists && S_ISDIR(old.st_mode))
        Fail(EISDIR);
    else if (exists && !S_ISREG(old.st_mode))
        Fail(NotRegularFileReason());
    else if (exists && ::access(Target.constData(), W_OK) != 0)
        Fail(errno);
    // Nobody else reads the new file before it has the old one's permissions.
    else if (CreateTemporary(exists ? 0600 : 0666) && exists)
        ::fchmod(Fd, old.st_mode & 0777);
    return !Failed;
}

bool WholeFileWriter::CreateTemporary(mode_t mode)
{
    const QByteArray stem = TemporaryStem(Target);
    for (int attempt = 0; attempt < CreateAttempts; ++attempt) {
        const QByteArray name = stem + RandomEndingText();
        Fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (Fd >= 0) {
            Temporary = name;
            return true;
        }
        if (errno != EEXIST)
            break;
    }
    Fail(errno);
    return false;
}

void WholeFileWriter::Write(const QByteArray &bytes)
{
    if (Failed)
        return;
    Pending += bytes;
    if (Pending.size() >= PendingLimit)
        FlushPending();
}

bool WholeFileWriter::FlushPending()
{
    const char *data = Pending.constData();
    qint64 left = Pending.size();
    while (left > 0 && !Failed) {
        const ssize_t written = ::write(Fd, data, size_t(left));
        if (written > 0) {
            data += written;
            left -= written;
        } else if (written == 0) {
            Fail(ENOSPC);
        } else if (errno != EINTR) {
            Fail(errno);
        }
    }
    Pending.clear();
    return !Failed;
}

bool WholeFileWriter::Commit()
{
    if (!Failed && Fd < 0)
        Fail(EBADF);   // never opened
    if (!Failed && FlushPending() && ::fsync(Fd) != 0 && errno != EINVAL)
        Fail(errno);
    // A file system that writes late (over a network) reports here.
    if (Fd >= 0 && ::close(Fd) != 0 && errno != EINTR)
        Fail(errno);
    Fd = -1;
    if (!Failed && ::rename(Temporary.constData(), Target.constData()) != 0)
        Fail(errno);
    if (!Failed)
        Temporary.clear();
    Discard();
    return !Failed;
}

void WholeFileWriter::Discard()
{
    if (Fd >= 0)
        ::close(Fd);
    Fd = -1;
    if (!Temporary.isEmpty())
        ::unlink(Temporary.constData());
    Temporary.clear();
}

void WholeFileWriter::Fail(int code)
{
    Fail(SystemReason(code));
}

void WholeFileWriter::Fail(const QString &reason)
{
    if (Failed)
        return;
    Failed = true;
    Error = reason;
}

bool WriteWholeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    WholeFileWriter file(path);
    if (file.Open()) {
        file.Write(bytes);
        if (file.Commit())
            return true;
    }
    if (error)
        *error = file.ErrorString();
    return false;
}
