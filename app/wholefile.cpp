#include "app/wholefile.h"

#include <QFileInfo>

#include "app/ownfiles.h"

#include <cerrno>
#include <cstring>

namespace {

// Large enough that a 70000-row export makes a few hundred system calls.
constexpr int PendingLimit = 256 * 1024;

} // namespace

WholeFileWriter::WholeFileWriter(const QString &path)
    : File(path)
{
}

bool WholeFileWriter::Open()
{
    // The finished file is renamed over the target, so a folder, a device or
    // a named pipe there (or behind a link) would be replaced: refuse them.
    const QFileInfo target(File.fileName());
    if (target.isDir()) {
        Fail(QString::fromLocal8Bit(std::strerror(EISDIR)));
        return false;
    }
    if (target.exists() && !target.isFile()) {
        Fail(NotRegularFileReason());
        return false;
    }
    // Unbuffered: every write reaches the system at once and its error comes
    // back here, instead of hiding in a buffer that commit() would drop.
    if (!File.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        Fail(File.errorString());
        return false;
    }
    return true;
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
    if (Failed || Pending.isEmpty())
        return !Failed;
    errno = 0;
    const qint64 written = File.write(Pending);
    if (written != Pending.size()) {
        // Qt names the error after errno; a short write without one is a
        // full disk.
        const int code = errno ? errno : ENOSPC;
        const QString reason = File.error() != QFileDevice::NoError && !File.errorString().isEmpty()
                                   && File.errorString() != QLatin1String("Unknown error")
                               ? File.errorString()
                               : QString::fromLocal8Bit(std::strerror(code));
        Fail(reason);
        return false;
    }
    Pending.clear();
    return true;
}

bool WholeFileWriter::Commit()
{
    if (!Failed)
        FlushPending();
    if (Failed) {
        File.cancelWriting();
        File.commit();   // drops the temporary file
        return false;
    }
    if (!File.commit()) {
        Fail(File.errorString());
        return false;
    }
    return true;
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
