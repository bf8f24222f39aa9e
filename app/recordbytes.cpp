#include "app/recordbytes.h"

#include <QtEndian>

#include <cstring>

namespace {

// QDataStream writes a null QString as this length.
constexpr quint32 NullStringLength = 0xFFFFFFFFu;

} // namespace

RecordByteReader::RecordByteReader(const QByteArray &bytes)
    : m_begin(reinterpret_cast<const uchar *>(bytes.constData())),
      m_pos(m_begin),
      m_end(m_begin + bytes.size())
{
}

void RecordByteReader::Fail(Status status)
{
    if (m_status == Status::Ok)
        m_status = status;
}

bool RecordByteReader::Take(qint64 bytes)
{
    if (!ok())
        return false;
    if (remaining() < bytes) {
        Fail(Status::PastEnd);
        return false;
    }
    return true;
}

qint8 RecordByteReader::ReadInt8()
{
    if (!Take(1))
        return 0;
    return qint8(*m_pos++);
}

bool RecordByteReader::ReadBool()
{
    return ReadInt8() != 0;
}

qint32 RecordByteReader::ReadInt32()
{
    if (!Take(4))
        return 0;
    const qint32 value = qFromBigEndian<qint32>(m_pos);
    m_pos += 4;
    return value;
}

double RecordByteReader::ReadDouble()
{
    if (!Take(8))
        return 0.0;
    const quint64 bits = qFromBigEndian<quint64>(m_pos);
    m_pos += 8;
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QString RecordByteReader::ReadString(int maxChars)
{
    if (!Take(4))
        return QString();
    const quint32 bytes = qFromBigEndian<quint32>(m_pos);
    m_pos += 4;
    if (bytes == NullStringLength)
        return QString();
    if (bytes % 2 != 0) {
        Fail(Status::Corrupt);
        return QString();
    }
    // The length is checked before anything is allocated.
    if (bytes / 2 > quint32(maxChars)) {
        Fail(Status::TooLong);
        return QString();
    }
    if (!Take(bytes))
        return QString();
    const int length = int(bytes / 2);
    QString text(length, Qt::Uninitialized);
    QChar *out = text.data();
    for (int i = 0; i < length; ++i)
        out[i] = QChar(qFromBigEndian<quint16>(m_pos + 2 * i));
    m_pos += bytes;
    return text;
}

// Date as a 64-bit Julian day, time as 32-bit milliseconds since midnight,
// the Qt::TimeSpec as 8 bits, and for a fixed UTC offset the offset in seconds.
QDateTime RecordByteReader::ReadDateTime()
{
    if (!Take(8 + 4 + 1))
        return QDateTime();
    const qint64 julianDay = qFromBigEndian<qint64>(m_pos);
    const qint32 msecs = qFromBigEndian<qint32>(m_pos + 8);
    const qint8 timeSpec = qint8(m_pos[12]);
    m_pos += 13;
    const QDate date = QDate::fromJulianDay(julianDay);
    const QTime time = QTime::fromMSecsSinceStartOfDay(msecs);
    switch (timeSpec) {
    case Qt::LocalTime:
        return QDateTime(date, time, Qt::LocalTime);
    case Qt::UTC:
        return QDateTime(date, time, Qt::UTC);
    case Qt::OffsetFromUTC: {
        const qint32 offset = ReadInt32();
        return ok() ? QDateTime(date, time, Qt::OffsetFromUTC, offset) : QDateTime();
    }
    default:
        Fail(Status::Corrupt);
        return QDateTime();
    }
}

bool RecordByteReader::Expect(const char *text, int length)
{
    if (!ok() || remaining() < length || std::memcmp(m_pos, text, size_t(length)) != 0)
        return false;
    m_pos += length;
    return true;
}
