// The settings of "Ini/Config.ini" and the list of installed translations.
//
// The configuration is an INI file in four groups, in the syntax QSettings
// reads and writes. It is written by hand: QSettings sorts groups and keys
// when it writes, and the file keeps its keys in the order below so that a
// person editing it finds them where they always were. The text values are
// escaped the way QSettings escapes them, so QSettings reads every value back
// unchanged. It is read as text: no value in it is ever decoded into a stored
// object, so no file can make the start fail. Both ways are in initext.h.
//
//     [System]  Language, Path, Password, Dateformat, CopyRight, MeterType
//     [Website] URL
//     [Help]    Help_file
//     [Show]    Icon_Main, Icon_About, Show_ALM, Show_TIP,
//               Channel1Color .. Channel5Color ("#rrggbb", "#aarrggbb" when
//               not opaque; a colour stored by QSettings as @Variant is read too)

#include "app/uartdatastore.h"

#include "app/initext.h"
#include "app/ownfiles.h"
#include "app/wholefile.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QtDebug>
#include <QtEndian>

#include <algorithm>
#include <limits>

namespace {

// Plain constants only: the store is built during static initialisation, so
// nothing here may need a constructor to have run.
constexpr QRgb DefaultChannelRgb[UartDataStore::ChannelColorCount] = {
    qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 255, 0), qRgb(0, 255, 255), qRgb(255, 0, 255)};

constexpr int DefaultDateformat = 1;

const char *const ChannelColorKeys[UartDataStore::ChannelColorCount] = {
    "Channel1Color", "Channel2Color", "Channel3Color", "Channel4Color", "Channel5Color"};

QString flagText(bool on)
{
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

QString colourText(const QColor &colour)
{
    return colour.alpha() == 255 ? colour.name(QColor::HexRgb) : colour.name(QColor::HexArgb);
}

struct IniEntry {
    const char *group;
    const char *key;
    QString value; // already escaped
};

QVector<IniEntry> configEntries(const UartDataStore &store)
{
    QVector<IniEntry> entries = {
        {"System", "Language", IniValueText(store.Language)},
        {"System", "Path", IniValueText(store.Path)},
        {"System", "Password", IniValueText(store.Password)},
        {"System", "Dateformat", QString::number(store.Dateformat)},
        {"System", "CopyRight", IniValueText(store.CopyRight)},
        {"System", "MeterType", QString::number(store.MeterType)},
        {"Website", "URL", IniValueText(store.URL)},
        {"Help", "Help_file", IniValueText(store.HelpFile)},
        {"Show", "Icon_Main", IniValueText(store.IconMain)},
        {"Show", "Icon_About", IniValueText(store.IconAbout)},
        {"Show", "Show_ALM", flagText(store.Show_ALM)},
        {"Show", "Show_TIP", flagText(store.Show_TIP)},
    };
    for (int i = 0; i < UartDataStore::ChannelColorCount; ++i)
        entries.append({"Show", ChannelColorKeys[i], colourText(store.ChannelColor[i])});
    return entries;
}

// The INI text: a "[group]" line whenever the group changes, a blank line
// between groups, one "key=value" line per entry.
QByteArray renderIni(const QVector<IniEntry> &entries)
{
    QByteArray text;
    const char *group = nullptr;
    for (const IniEntry &entry : entries) {
        if (!group || qstrcmp(group, entry.group) != 0) {
            if (group)
                text += '\n';
            group = entry.group;
            text += '[' + QByteArray(group) + "]\n";
        }
        text += QByteArray(entry.key) + '=' + entry.value.toLatin1() + '\n';
    }
    return text;
}

bool writeConfigFile(const QString &path, const QByteArray &text, QString *error)
{
    return MakeFolderFor(path, error) && WriteWholeFile(path, text, error);
}

// Far more than any configuration: a larger file is not one.
constexpr qint64 MaxConfigBytes = 1024 * 1024;

// --- reading: each helper leaves the field alone unless the key holds a
// usable value, so the default set before stands in for it.

using IniValues = QHash<QString, QByteArray>;

// The key's value; a missing key reads as a refused one.
IniValue valueOf(const IniValues &ini, const QString &key)
{
    const auto raw = ini.constFind(key);
    return raw == ini.cend() ? IniValue() : ParseIniValue(*raw);
}

// The key's value as text; none when the key is missing or holds a typed
// value.
bool textOf(const IniValues &ini, const QString &key, QString *text)
{
    const IniValue value = valueOf(ini, key);
    *text = value.text;
    return value.kind == IniValue::Kind::Text;
}

void readText(const IniValues &ini, const QString &key, QString *field, bool emptyAllowed)
{
    QString text;
    // An unquoted comma makes a list of the value; its items come back
    // joined, as the text was meant.
    if (textOf(ini, key, &text) && (!text.isEmpty() || emptyAllowed))
        *field = text;
}

void readInt(const IniValues &ini, const QString &key, int *field, int low, int high)
{
    QString text;
    bool ok = false;
    const int number = textOf(ini, key, &text) ? text.trimmed().toInt(&ok) : 0;
    if (ok && number >= low && number <= high)
        *field = number;
}

void readFlag(const IniValues &ini, const QString &key, bool *field)
{
    QString text;
    textOf(ini, key, &text);
    text = text.trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        *field = true;
    else if (text == QLatin1String("false") || text == QLatin1String("0"))
        *field = false;
}

// A colour that QSettings stored as "@Variant(...)": the type number of a
// colour, then the colour as a version 4.0 data stream writes it (a
// colour-model byte and five 16-bit fields). Nothing else is accepted.
QColor colourFromVariant(const QByteArray &bytes)
{
    constexpr int TypeBytes = 4;
    constexpr int ColourBytes = 1 + 5 * 2;
    if (bytes.size() != TypeBytes + ColourBytes
        || qFromBigEndian<quint32>(bytes.constData()) != quint32(QMetaType::QColor))
        return QColor();
    const int model = bytes.at(TypeBytes);
    if (model < QColor::Rgb || model > QColor::ExtendedRgb)
        return QColor();
    QDataStream in(bytes.mid(TypeBytes));
    in.setVersion(QDataStream::Qt_4_0);
    QColor colour;
    in >> colour;
    return in.status() == QDataStream::Ok ? colour : QColor();
}

void readColour(const IniValues &ini, const QString &key, QColor *field)
{
    const IniValue value = valueOf(ini, key);
    QColor colour;
    if (value.kind == IniValue::Kind::Variant)
        colour = colourFromVariant(value.variant);
    else if (value.kind == IniValue::Kind::Text && QColor::isValidColor(value.text.trimmed()))
        colour = QColor(value.text.trimmed());
    if (colour.isValid())
        *field = colour;
}

} // namespace

void UartDataStore::ApplyFirstRunDefaults()
{
    Password = QStringLiteral("123456");
    Dateformat = DefaultDateformat;
    ShowDewPoint = true;
    Show_ALM = true;
    Show_TIP = true;
    TitleTrim = true;
    Path = DefaultRecordFolder();
    for (int i = 0; i < ChannelColorCount; ++i)
        ChannelColor[i] = QColor(DefaultChannelRgb[i]);
    DeriveDateTimeFormat();
}

// Every setting's default: the first-run defaults and those of the keys that
// the first-run defaults leave alone.
void UartDataStore::ApplyDefaults()
{
    Language = QStringLiteral("English");
    CopyRight = QStringLiteral("MeterLog");
    URL.clear();
    HelpFile = QStringLiteral("Help.html");
    IconMain = QStringLiteral("Icon/meter.png");
    IconAbout = QStringLiteral("Icon/about.png");
    ApplyFirstRunDefaults();
}

void UartDataStore::DeriveDateTimeFormat()
{
    switch (Dateformat) {
    case 0:
        DateTimeFormat = QStringLiteral("yyyy/MM/dd hh:mm:ss");
        break;
    case 1:
        DateTimeFormat = QStringLiteral("dd/MM/yyyy hh:mm:ss");
        break;
    case 2:
        DateTimeFormat = QStringLiteral("MM/dd/yyyy hh:mm:ss");
        break;
    default:
        break; // an unknown order keeps the format in force
    }
}

// Missing file: the defaults, written out as a new file. Existing file: each
// key that holds a usable value is taken, every other key keeps its default.
// A damaged file is left as it is; it is rewritten by the next save. A file
// that is there but cannot be read (no permission, not a regular file, far
// too large) is reported on the debug output and kept: the defaults apply.
void UartDataStore::LoadConfig()
{
    ApplyDefaults();
    const QString path = ConfigFilePath();
    QByteArray text;
    const RegularFileRead read = ReadRegularFile(path, MaxConfigBytes, &text);
    if (read.result == RegularFileRead::Result::Missing) {
        SaveConfig();
        return;
    }
    if (read.result != RegularFileRead::Result::Read) {
        qWarning().noquote() << QStringLiteral("Cannot read the configuration %1: %2; the "
                                               "defaults apply and the file is kept.")
                                    .arg(QDir::toNativeSeparators(path), read.reason);
        return;
    }
    const IniValues ini = ReadIniValues(text);
    readText(ini, QStringLiteral("System/Language"), &Language, false);
    readText(ini, QStringLiteral("System/Path"), &Path, false);
    // An empty password is kept: the next save then restores the first-run
    // defaults. A date order outside 0..2 is kept too and leaves the date
    // format as it was.
    readText(ini, QStringLiteral("System/Password"), &Password, true);
    readInt(ini, QStringLiteral("System/Dateformat"), &Dateformat, std::numeric_limits<int>::min(),
            std::numeric_limits<int>::max());
    readText(ini, QStringLiteral("System/CopyRight"), &CopyRight, false);
    readInt(ini, QStringLiteral("System/MeterType"), &MeterType, std::numeric_limits<int>::min(),
            std::numeric_limits<int>::max());
    readText(ini, QStringLiteral("Website/URL"), &URL, true);
    readText(ini, QStringLiteral("Help/Help_file"), &HelpFile, false);
    readText(ini, QStringLiteral("Show/Icon_Main"), &IconMain, false);
    readText(ini, QStringLiteral("Show/Icon_About"), &IconAbout, false);
    readFlag(ini, QStringLiteral("Show/Show_ALM"), &Show_ALM);
    readFlag(ini, QStringLiteral("Show/Show_TIP"), &Show_TIP);
    for (int i = 0; i < ChannelColorCount; ++i)
        readColour(ini, QStringLiteral("Show/") + QLatin1String(ChannelColorKeys[i]), &ChannelColor[i]);
    DeriveDateTimeFormat();
}

// An empty password marks settings that were never set up: they are replaced
// by the defaults before anything is written. The old file is replaced only
// by a complete new one; a failure is reported on the debug output and, when
// asked for, to the caller.
bool UartDataStore::SaveConfig(QString *error)
{
    if (Password.isEmpty())
        ApplyFirstRunDefaults();
    const QString path = ConfigFilePath();
    QString reason;
    const bool saved = writeConfigFile(path, renderIni(configEntries(*this)), &reason);
    DeriveDateTimeFormat();
    if (!saved) {
        qWarning().noquote() << QStringLiteral("Cannot write the configuration %1: %2")
                                    .arg(QDir::toNativeSeparators(path), reason);
        if (error)
            *error = reason;
    }
    return saved;
}

// Translation files of "Qm/": regular files (no links) whose names end in
// "qm", oldest first, each name without its last three characters.
void UartDataStore::ScanLanguages()
{
    std::fill(std::begin(Languages), std::end(Languages), QString());
    LanguageCount = 0;
    const QDir folder(WorkingDirectory() + QStringLiteral("/Qm/"));
    const QFileInfoList entries =
        folder.entryInfoList(QDir::Files | QDir::NoSymLinks, QDir::Time | QDir::Reversed);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        // A name of three characters or fewer would give an empty language.
        if (!name.endsWith(QLatin1String("qm")) || name.size() <= 3)
            continue;
        Languages[LanguageCount++] = name.left(name.size() - 3);
        if (LanguageCount == MaxLanguages)
            break;
    }
}
