#ifndef BIFFSTREAM_H
#define BIFFSTREAM_H

// Builds the record stream of a BIFF8 workbook: records of a 16-bit type
// and a 16-bit length followed by that many bytes, all numbers little-endian.
//
//     BiffStream out;
//     out.Begin(0x0042);   // opens a record
//     out.U16(1200);
//     out.End();           // fills in its length

#include <QByteArray>
#include <QString>
#include <QtEndian>

#include <utility>

class BiffStream
{
public:
    // The most bytes one record carries after its header.
    static constexpr int MaxRecordData = 8224;

    void Begin(quint16 type);
    void End();
    void Empty(quint16 type) { Begin(type); End(); }

    void U8(quint8 value) { *Room(1) = char(value); }
    void U16(quint16 value) { qToLittleEndian(value, Room(2)); }
    void U32(quint32 value) { qToLittleEndian(value, Room(4)); }
    void F64(double value);
    // Characters [from, from + count) of text, one byte each (Latin-1) or
    // two (UTF-16LE) when wide.
    void Chars(const QString &text, int from, int count, bool wide);
    // A name of at most 255 characters: its length, its encoding, then the
    // characters, Latin-1 where they all are.
    void ShortText(const QString &text);

    int Position() const { return Size; }
    // Where the open record starts (its header) and how much it still takes.
    int RecordStart() const { return Start; }
    int RecordSpace() const { return MaxRecordData - (Size - Start - 4); }
    void PatchU32(int at, quint32 value);

    QByteArray Take();

private:
    // The next n bytes of the stream, to be written at once. The buffer
    // grows by doubling; Take() cuts it to the bytes written.
    char *Room(int n)
    {
        if (Size + n > Data.size())
            Data.resize(qMax(2 * Data.size(), Size + n + 65536));
        char *at = Data.data() + Size;
        Size += n;
        return at;
    }

    QByteArray Data;
    int Size = 0;
    int Start = -1;
};

// True when every character fits in one byte.
bool IsLatin1(const QString &text);

#endif // BIFFSTREAM_H
