#ifndef INITEXT_H
#define INITEXT_H

// The values of an INI file read as text, without ever decoding a value into
// a stored object, and text values written in the same syntax. A value
// written as "@Variant(...)" holds a serialised object whose sizes come from
// the file itself; decoding it on trust lets a few bytes ask for gigabytes,
// so here it is only handed back as its bytes for a caller that knows the
// one small type it will accept.
//
// The syntax is the usual INI one, as QSettings writes it: "[Group]" lines,
// "key=value" lines, ";" comments, values with backslash escapes (\n, \t,
// \\, \", \xHHHH, octal \0), double quotes around parts that keep their
// spaces, separators and "=" signs, unquoted commas between list items, and
// a leading "@" doubled when the text itself starts with one. Bytes outside
// ASCII are read as Latin-1. Groups and keys are case-sensitive; when a key
// appears twice, the later value counts.

#include <QByteArray>
#include <QHash>
#include <QString>

struct IniValue {
    enum class Kind {
        Text,      // text holds the value; list items are joined by ","
        Variant,   // variant holds the bytes inside "@Variant(...)"
        Refused,   // another typed value ("@Invalid()", "@Rect(...)", ...)
    };
    Kind kind = Kind::Refused;
    QString text;
    QByteArray variant;
};

// The raw value text of every "Group/key" of the file (a key before any
// group has no group part). Lines that are not "key=value" are skipped.
QHash<QString, QByteArray> ReadIniValues(const QByteArray &file);

// One raw value as text, or as the bytes of the object it declares.
IniValue ParseIniValue(const QByteArray &raw);

// A text value as QSettings writes it, which ParseIniValue (and QSettings)
// read back unchanged: backslash escapes for quotes, backslashes, control
// and non-ASCII characters (so the file is plain ASCII and needs no codec),
// a hex digit right after a \x escape is escaped too, a leading "@" is
// doubled, and the value is quoted when it holds a separator or starts or
// ends with a space.
QString IniValueText(const QString &text);

#endif // INITEXT_H
