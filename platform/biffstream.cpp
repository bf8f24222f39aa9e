#include "platform/biffstream.h"

#include <QtEndian>

#include <cstring>

void BiffStream::Begin(quint16 type)
{
    Start = Data.size();
    U16(type);
    U16(0);
}

void BiffStream::End()
{
    qToLittleEndian(quint16(Data.size() - Start - 4), Data.data() + Start + 2);
    Start = -1;
}

void BiffStream::U16(quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    Data.append(bytes, 2);
}

void BiffStream::U32(quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    Data.append(bytes, 4);
}

void BiffStream::F64(double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    char bytes[8];
    qToLittleEndian(bits, bytes);
    Data.append(bytes, 8);
}

void BiffStream::Chars(const QString &text, int from, int count, bool wide)
{
    const int at = Data.size();
    Data.resize(at + count * (wide ? 2 : 1));
    char *out = Data.data() + at;
    const QChar *in = text.constData() + from;
    for (int i = 0; i < count; ++i) {
        const ushort c = in[i].unicode();
        if (wide) {
            qToLittleEndian(c, out);
            out += 2;
        } else {
            *out++ = char(c);
        }
    }
}

void BiffStream::ShortText(const QString &text)
{
    const QString name = text.left(255);
    const bool wide = !IsLatin1(name);
    U8(quint8(name.size()));
    U8(wide ? 1 : 0);
    Chars(name, 0, name.size(), wide);
}

void BiffStream::PatchU32(int at, quint32 value)
{
    qToLittleEndian(value, Data.data() + at);
}

bool IsLatin1(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}
