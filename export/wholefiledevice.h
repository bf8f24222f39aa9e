#ifndef WHOLEFILEDEVICE_H
#define WHOLEFILEDEVICE_H

// A write-only device over WholeFileWriter, for writers that want a
// QIODevice (a PDF writer): what they write reaches the target only when
// Commit() succeeds, and a failed write (a full disk) is reported by Commit()
// with the system's reason instead of vanishing inside the writer.

#include "app/wholefile.h"

#include <QIODevice>

class WholeFileDevice : public QIODevice
{
public:
    explicit WholeFileDevice(const QString &path);

    bool open(OpenMode mode) override;
    bool isSequential() const override { return true; }
    // Completes the file; false when anything failed, the target untouched.
    bool Commit();
    QString ErrorText() const { return File.ErrorString(); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    // Accepts every byte: a failure is remembered and reported by Commit().
    qint64 writeData(const char *data, qint64 length) override;

private:
    WholeFileWriter File;
};

#endif // WHOLEFILEDEVICE_H
