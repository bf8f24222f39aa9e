#include "platform/biffstream.h"

#include <cstring>

void BiffStream::Begin(quint16 type)
{
    Start = Size;
    U16(type);
    U16(0);
}

void BiffStream::End()
{
    qToLittleEndian(quint16(Size - Start - 4), Data.data() + Start + 2);
    Start = -1;
}

void BiffStream::F64(double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    qToLittleEndian(bits, Room(8));
}

void BiffStream::Chars(const QString &text, int from, int count, bool wide)
{
    char *out = Room(count * (wide ? 2 : 1));
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

QByteArray BiffStream::Take()
{
    Data.resize(Size);
    Size = 0;
    return std::move(Data);
}

bool IsLatin1(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}
