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

#include <utility>

class BiffStream
{
public:
    // The most bytes one record carries after its header.
    static constexpr int MaxRecordData = 8224;

    void Begin(quint16 type);
    void End();
    void Empty(quint16 type) { Begin(type); End(); }

    void U8(quint8 value) { Data.append(char(value)); }
    void U16(quint16 value);
    void U32(quint32 value);
    void F64(double value);
    // Characters [from, from + count) of text, one byte each (Latin-1) or
    // two (UTF-16LE) when wide.
    void Chars(const QString &text, int from, int count, bool wide);
    // A name of at most 255 characters: its length, its encoding, then the
    // characters, Latin-1 where they all are.
    void ShortText(const QString &text);

    int Position() const { return Data.size(); }
    // Where the open record starts (its header) and how much it still takes.
    int RecordStart() const { return Start; }
    int RecordSpace() const { return MaxRecordData - (Data.size() - Start - 4); }
    void PatchU32(int at, quint32 value);

    QByteArray Take() { return std::move(Data); }

private:
    QByteArray Data;
    int Start = -1;
};

// True when every character fits in one byte.
bool IsLatin1(const QString &text);

#endif // BIFFSTREAM_H
