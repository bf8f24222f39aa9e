#ifndef WHOLEFILE_H
#define WHOLEFILE_H

// Files that are written whole or not at all. The new text goes to a
// temporary file beside the target, every write is checked (a full disk
// included), and only a complete file replaces the old one. On any failure
// the old file stays as it was and ErrorString() says why in the system's
// words ("No space left on device", "Permission denied").
//
//     WholeFileWriter file(path);
//     if (!file.Open()) return fail(file.ErrorString());
//     for (...) file.Write(line);
//     if (!file.Commit()) return fail(file.ErrorString());

#include <QByteArray>
#include <QSaveFile>
#include <QString>

class WholeFileWriter
{
public:
    explicit WholeFileWriter(const QString &path);
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
    void Fail(const QString &reason);
    bool FlushPending();

    QSaveFile File;
    QByteArray Pending;
    QString Error;
    bool Failed = false;
};

// One-shot form of the above.
bool WriteWholeFile(const QString &path, const QByteArray &bytes, QString *error);

#endif // WHOLEFILE_H
