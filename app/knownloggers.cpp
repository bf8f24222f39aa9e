#include "app/knownloggers.h"

#include "app/ownfiles.h"
#include "app/wholefile.h"

#include <QDataStream>
#include <QtEndian>

namespace {

// A QString on the stream starts with its byte length (0xffffffff for a null
// string). The length is checked against the bytes left before the string is
// read, so a damaged length never makes the reader allocate for it.
bool stringFits(const QByteArray &bytes, qint64 pos)
{
    const qint64 left = bytes.size() - pos;
    if (left < 4)
        return false;
    const quint32 length = qFromBigEndian<quint32>(bytes.constData() + pos);
    if (length == 0xffffffffu)
        return true;
    return length % 2 == 0 && qint64(length) <= left - 4;
}

bool readEntry(QDataStream &in, const QByteArray &bytes, KnownLogger *entry)
{
    if (!stringFits(bytes, in.device()->pos()))
        return false;
    in >> entry->ID;
    if (!stringFits(bytes, in.device()->pos()))
        return false;
    in >> entry->Name;
    qint32 model = 0;
    in >> entry->FirstSeen >> model;
    entry->Model = model;
    return in.status() == QDataStream::Ok;
}

// Entries up to the first one that is not whole; *whole tells whether all
// the entries the count promises were there.
QVector<KnownLogger> parseTable(const QByteArray &bytes, bool *whole)
{
    QVector<KnownLogger> table;
    QDataStream in(bytes);
    quint8 count = 0;
    in >> count;
    *whole = in.status() == QDataStream::Ok;
    for (int i = 0; *whole && i < count; ++i) {
        KnownLogger entry;
        *whole = readEntry(in, bytes, &entry);
        if (*whole)
            table.append(entry);
    }
    return table;
}

QByteArray serializeTable(const QVector<KnownLogger> &table)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    const int count = qMin(table.size(), KnownLoggerTable::MaxEntries);
    out << quint8(count);
    for (int i = 0; i < count; ++i) {
        const KnownLogger &entry = table.at(i);
        out << entry.ID << entry.Name << entry.FirstSeen << qint32(entry.Model);
    }
    return bytes;
}

// Far more than 255 entries of any sensible length: a larger file is not a
// table, and is not read into memory.
constexpr qint64 MaxTableBytes = 4 * 1024 * 1024;

} // namespace

bool KnownLoggerTable::Read(const QString &path, QVector<KnownLogger> *out)
{
    out->clear();
    QByteArray bytes;
    const RegularFileRead read = ReadRegularFile(path, MaxTableBytes, &bytes);
    if (read.result == RegularFileRead::Result::Missing)
        return true;
    if (read.result != RegularFileRead::Result::Read)
        return false;
    bool whole = false;
    *out = parseTable(bytes, &whole);
    return whole;
}

bool KnownLoggerTable::Write(const QString &path, const QVector<KnownLogger> &table,
                             QString *error)
{
    return MakeFolderFor(path, error) && WriteWholeFile(path, serializeTable(table), error);
}

bool KnownLoggerTable::Register(QVector<KnownLogger> &table, const KnownLogger &logger)
{
    if (logger.ID.isEmpty())
        return false;
    for (KnownLogger &known : table) {
        if (known.ID != logger.ID)
            continue;
        if (known.Name == logger.Name && known.Model == logger.Model)
            return false;
        known.Name = logger.Name;
        known.Model = logger.Model;
        return true;
    }
    if (table.size() >= MaxEntries)
        return false;
    table.append(logger);
    return true;
}

QString UartDataStore::KnownLoggerName(const QString &deviceId) const
{
    if (deviceId.isEmpty())
        return QString();
    for (const KnownLogger &known : KnownLoggers) {
        if (known.ID == deviceId)
            return known.Name;
    }
    return QString();
}
