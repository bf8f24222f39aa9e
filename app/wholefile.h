#ifndef WHOLEFILE_H
#define WHOLEFILE_H

// Files that are written whole or not at all. The new text goes to a
// temporary file beside the target, every write is checked (a full disk
// included), and only a complete file replaces the old one, which lends it
// its permissions. On any failure the old file stays as it was, no temporary
// file is left, and ErrorString() gives the system's reason ("No space left
// on device", "Read-only file system").
//
// The temporary name is the target's name with a random ending, cut short
// where the folder would not take it whole, so that a file whose name is as
// long as the file system allows is replaced like any other.
//
//     WholeFileWriter file(path);
//     if (!file.Open()) return fail(file.ErrorString());
//     for (...) file.Write(line);
//     if (!file.Commit()) return fail(file.ErrorString());

#include <QByteArray>
#include <QString>

#include <sys/types.h>

class WholeFileWriter
{
public:
    explicit WholeFileWriter(const QString &path);
    // An uncommitted file is dropped.
    ~WholeFileWriter();
    WholeFileWriter(const WholeFileWriter &) = delete;
    WholeFileWriter &operator=(const WholeFileWriter &) = delete;

    bool Open();
    // Appends to the file; after the first failure further writes are
    // dropped and Commit() reports that failure.
    void Write(const QByteArray &bytes);
    // Writes what is pending, checks it and replaces the target. False when
    // any step failed; the target is then untouched.
    bool Commit();
    QString ErrorString() const { return Error; }

private:
    bool CreateTemporary(mode_t mode);
    void Fail(int code);
    void Fail(const QString &reason);
    bool FlushPending();
    void Discard();

    QString Path;
    QByteArray Target;      // the file replaced: Path with its links followed
    QByteArray Temporary;   // "" once renamed or removed
    int Fd = -1;
    QByteArray Pending;
    QString Error;
    bool Failed = false;
};

// One-shot form of the above.
bool WriteWholeFile(const QString &path, const QByteArray &bytes, QString *error);

#endif // WHOLEFILE_H
