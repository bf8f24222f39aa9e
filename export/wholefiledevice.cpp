#include "export/wholefiledevice.h"

WholeFileDevice::WholeFileDevice(const QString &path)
    : File(path)
{
}

bool WholeFileDevice::open(OpenMode mode)
{
    if (mode != WriteOnly || !File.Open())
        return false;
    return QIODevice::open(WriteOnly | Unbuffered);
}

qint64 WholeFileDevice::writeData(const char *data, qint64 length)
{
    File.Write(QByteArray(data, int(length)));
    return length;
}

bool WholeFileDevice::Commit()
{
    close();
    return File.Commit();
}
