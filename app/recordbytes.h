#ifndef RECORDBYTES_H
#define RECORDBYTES_H

// A bounds-checked decoder of the values a QDataStream in its default version
// writes (big-endian integers and doubles, length-prefixed UTF-16 strings,
// date-times), working on bytes already in memory. The record reader uses it
// instead of a QDataStream so that a damaged length field can never make it
// allocate more than the file holds, and so that 70000 rows decode quickly.

#include <QByteArray>
#include <QDateTime>
#include <QString>

class RecordByteReader
{
public:
    enum class Status {
        Ok,
        PastEnd,   // the bytes ended inside a value
        Corrupt,   // a value no writer produces (odd string length, unknown Qt::TimeSpec)
        TooLong,   // a string longer than the caller allows
    };

    explicit RecordByteReader(const QByteArray &bytes);

    Status status() const { return m_status; }
    bool ok() const { return m_status == Status::Ok; }
    qint64 remaining() const { return m_end - m_pos; }
    qint64 position() const { return m_pos - m_begin; }

    // Each read leaves the value untouched once the status is not Ok.
    qint8 ReadInt8();
    bool ReadBool();
    qint32 ReadInt32();
    double ReadDouble();
    QString ReadString(int maxChars);
    QDateTime ReadDateTime();
    // Compares the next bytes with text without taking them when they differ.
    bool Expect(const char *text, int length);

private:
    bool Take(qint64 bytes);
    void Fail(Status status);

    const uchar *m_begin;
    const uchar *m_pos;
    const uchar *m_end;
    Status m_status = Status::Ok;
};

#endif // RECORDBYTES_H
