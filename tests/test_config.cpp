// Configuration file and language scan of the data store.

#include "app/uartdatastore.h"
#include "tests/support/workdir.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {

std::unique_ptr<UartDataStore> newStore()
{
    return std::make_unique<UartDataStore>();
}

// Every configuration field as text, for whole-state comparisons.
QMap<QString, QString> settingsOf(const UartDataStore &s)
{
    QMap<QString, QString> m{
        {"Language", s.Language}, {"Path", s.Path}, {"Password", s.Password},
        {"Dateformat", QString::number(s.Dateformat)}, {"DateTimeFormat", s.DateTimeFormat},
        {"CopyRight", s.CopyRight}, {"MeterType", QString::number(s.MeterType)}, {"URL", s.URL},
        {"HelpFile", s.HelpFile}, {"IconMain", s.IconMain}, {"IconAbout", s.IconAbout},
        {"Show_ALM", QVariant(s.Show_ALM).toString()}, {"Show_TIP", QVariant(s.Show_TIP).toString()},
        {"ShowDewPoint", QVariant(s.ShowDewPoint).toString()},
        {"TitleTrim", QVariant(s.TitleTrim).toString()}};
    for (int i = 0; i < UartDataStore::ChannelColorCount; ++i)
        m.insert(QString("Color%1").arg(i + 1), s.ChannelColor[i].name(QColor::HexArgb));
    return m;
}

// What a first start gives, with "Field=value" overrides applied.
QMap<QString, QString> defaultsWith(const QStringList &overrides = {})
{
    QMap<QString, QString> m{
        {"Language", "English"}, {"Path", QDir::currentPath() + "/Data/Recorded Data"},
        {"Password", "123456"}, {"Dateformat", "1"}, {"DateTimeFormat", "dd/MM/yyyy hh:mm:ss"},
        {"CopyRight", "MeterLog"}, {"MeterType", "0"}, {"URL", ""}, {"HelpFile", "Help.html"},
        {"IconMain", "Icon/meter.png"}, {"IconAbout", "Icon/about.png"}, {"Show_ALM", "true"},
        {"Show_TIP", "true"}, {"ShowDewPoint", "true"}, {"TitleTrim", "true"},
        {"Color1", "#ffff0000"}, {"Color2", "#ff0000ff"}, {"Color3", "#ff00ff00"},
        {"Color4", "#ff00ffff"}, {"Color5", "#ffff00ff"}};
    for (const QString &o : overrides)
        m.insert(o.section('=', 0, 0), o.section('=', 1));
    return m;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void touch(const QString &path, int ageSeconds)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    const QDateTime when = QDateTime::currentDateTime().addSecs(-ageSeconds);
    QVERIFY(f.setFileTime(when, QFileDevice::FileModificationTime));
}

} // namespace

class TestConfig : public QObject
{
    Q_OBJECT
private slots:
    void firstStartWritesDefaults();
    void saveWritesKeysInFixedOrder();
    void saveAndLoadKeepValues_data();
    void saveAndLoadKeepValues();
    void dateFormatFollowsDateOrder_data();
    void dateFormatFollowsDateOrder();
    void emptyPasswordRestoresDefaults();
    void damagedFileFallsBackPerKey_data();
    void damagedFileFallsBackPerKey();
    void languageScanPicksEntries_data();
    void languageScanPicksEntries();
    void languageScanOrderLimitAndMissingFolder();
};

void TestConfig::firstStartWritesDefaults()
{
    WorkDir dir;
    QVERIFY(dir.isValid());
    auto store = newStore();
    store->MeterType = 1; // no default of its own: kept
    store->LoadConfig();
    QVERIFY(QFileInfo(UartDataStore::ConfigFilePath()).isFile());
    QCOMPARE(settingsOf(*store), defaultsWith({"MeterType=1"}));

    auto again = newStore();
    again->LoadConfig();
    QCOMPARE(settingsOf(*again), defaultsWith({"MeterType=1"}));
}

void TestConfig::saveWritesKeysInFixedOrder()
{
    WorkDir dir;
    newStore()->SaveConfig();
    QStringList keys;
    QString group;
    for (const QByteArray &line : readFile(UartDataStore::ConfigFilePath()).split('\n')) {
        if (line.startsWith('['))
            group = line.mid(1, line.size() - 2);
        else if (line.contains('='))
            keys << group + '/' + line.left(line.indexOf('='));
    }
    const QStringList expected{
        "System/Language", "System/Path", "System/Password", "System/Dateformat",
        "System/CopyRight", "System/MeterType", "Website/URL", "Help/Help_file", "Show/Icon_Main",
        "Show/Icon_About", "Show/Show_ALM", "Show/Show_TIP", "Show/Channel1Color",
        "Show/Channel2Color", "Show/Channel3Color", "Show/Channel4Color", "Show/Channel5Color"};
    QCOMPARE(keys, expected);
}

void TestConfig::saveAndLoadKeepValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << "C:/Records";
    QTest::newRow("separators") << "a, b; c = d";
    QTest::newRow("quotes and backslashes") << "say \"hi\" \\ C:\\x1";
    QTest::newRow("outer spaces") << "  padded  ";
    QTest::newRow("leading at-sign") << "@Variant(\\0)";
    QTest::newRow("non-ASCII then hex digit") << QString::fromUtf8("温度℃1a");
    QTest::newRow("control characters") << "tab\there\nnext\x01";
    QTest::newRow("hash") << "#ff0000";
}

// Every text key holds the text; QSettings itself must read it back as is,
// and so must a later start.
void TestConfig::saveAndLoadKeepValues()
{
    QFETCH(QString, text);
    WorkDir dir;
    auto store = newStore();
    store->Language = store->Path = store->Password = store->CopyRight = text;
    store->URL = store->HelpFile = store->IconMain = store->IconAbout = text;
    store->Dateformat = 2;
    store->MeterType = 1;
    store->Show_ALM = store->Show_TIP = false;
    store->ChannelColor[0] = QColor(10, 20, 30, 40);
    store->ChannelColor[4] = QColor(1, 2, 3);
    store->SaveConfig();

    QSettings ini(UartDataStore::ConfigFilePath(), QSettings::IniFormat);
    for (const char *key : {"System/Language", "System/Path", "System/Password", "System/CopyRight",
                            "Website/URL", "Help/Help_file", "Show/Icon_Main", "Show/Icon_About"})
        QCOMPARE(ini.value(key).toString(), text);

    auto loaded = newStore();
    loaded->LoadConfig();
    QCOMPARE(settingsOf(*loaded), settingsOf(*store));
}

void TestConfig::dateFormatFollowsDateOrder_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("format");
    QTest::newRow("year first") << 0 << "yyyy/MM/dd hh:mm:ss";
    QTest::newRow("day first") << 1 << "dd/MM/yyyy hh:mm:ss";
    QTest::newRow("month first") << 2 << "MM/dd/yyyy hh:mm:ss";
    QTest::newRow("above range keeps format") << 3 << "previous";
    QTest::newRow("no choice keeps format") << -1 << "previous";
}

void TestConfig::dateFormatFollowsDateOrder()
{
    QFETCH(int, order);
    QFETCH(QString, format);
    WorkDir dir;
    auto store = newStore();
    store->Dateformat = order;
    store->DateTimeFormat = "previous";
    store->DeriveDateTimeFormat();
    QCOMPARE(store->DateTimeFormat, format);

    store->DateTimeFormat = "previous";
    store->SaveConfig();
    QCOMPARE(store->DateTimeFormat, format);
}

void TestConfig::emptyPasswordRestoresDefaults()
{
    WorkDir dir;
    auto store = newStore();
    store->Dateformat = 2;
    store->Show_ALM = store->TitleTrim = store->ShowDewPoint = false;
    store->ChannelColor[2] = Qt::black;
    store->Path = "/elsewhere";
    store->MeterType = 1;
    store->Language = "Deutsch";   // not among the first-run defaults: kept
    store->Password.clear();
    store->SaveConfig();
    QCOMPARE(settingsOf(*store), defaultsWith({"MeterType=1", "Language=Deutsch"}));
    auto loaded = newStore();
    loaded->LoadConfig();
    QCOMPARE(settingsOf(*loaded), defaultsWith({"MeterType=1", "Language=Deutsch"}));
}

void TestConfig::damagedFileFallsBackPerKey_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("overrides");
    QTest::newRow("binary garbage")
        << QByteArray("\x00\xff[\x01=\x02\n\xfe]]=\r\x80\x00\x00", 14) << QStringList();
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("half the keys")
        << QByteArray("[System]\nLanguage=Deutsch\nPath=/records\nDateformat=0\n"
                      "[Show]\nShow_TIP=false\nChannel2Color=#123456\n")
        << QStringList{"Language=Deutsch", "Path=/records", "Dateformat=0",
                       "DateTimeFormat=yyyy/MM/dd hh:mm:ss", "Show_TIP=false",
                       "Color2=#ff123456"};
    QTest::newRow("bad values")
        << QByteArray("[System]\nLanguage=\nDateformat=x5\nMeterType=abc\n"
                      "[Help]\nHelp_file=\n[Show]\nShow_ALM=maybe\nShow_TIP=2\n"
                      "Channel1Color=notacolour\nChannel3Color=\nChannel4Color=@Variant(\\0)\n")
        << QStringList();
    // An empty password and an unknown date order are kept as they stand:
    // the format stays the default one, and the next save restores defaults.
    QTest::newRow("empty password, date order 5")
        << QByteArray("[System]\nPassword=\nDateformat=5\n")
        << QStringList{"Password=", "Dateformat=5"};
    QTest::newRow("good keys among garbage lines")
        << QByteArray("[System]\nDateformat=2\n\x01\x02junk\xff\n[Show]\nShow_ALM=FALSE\n")
        << QStringList{"Dateformat=2", "DateTimeFormat=MM/dd/yyyy hh:mm:ss", "Show_ALM=false"};
    QTest::newRow("other accepted forms")
        << QByteArray("[System]\nPath=C:/a,b\n[Show]\nShow_TIP=0\n"
                      "Channel5Color=white\nChannel3Color=@Variant(\\0\\0\\0\\x43\\x1\\xc8\\xc8"
                      "\\x1\\x1\\x2\\x2\\x3\\x3\\0\\0)\n")
        << QStringList{"Path=C:/a,b", "Show_TIP=false", "Color5=#ffffffff", "Color3=#c8010203"};
}

// Each key without a usable value keeps its default; the file stays as it was.
void TestConfig::damagedFileFallsBackPerKey()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, overrides);
    WorkDir dir;
    writeFile(UartDataStore::ConfigFilePath(), content);
    auto store = newStore();
    store->LoadConfig();
    QCOMPARE(settingsOf(*store), defaultsWith(overrides));
    QCOMPARE(readFile(UartDataStore::ConfigFilePath()), content);
}

void TestConfig::languageScanPicksEntries_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("listedAs"); // empty: not listed
    QTest::newRow("translation file") << "file" << "zh CN.qm" << "zh CN";
    QTest::newRow("only the end counts") << "file" << "xyqm" << "x";
    QTest::newRow("other extension") << "file" << "x.ts" << "";
    QTest::newRow("upper-case suffix") << "file" << "x.QM" << "";
    QTest::newRow("suffix not at the end") << "file" << "x.qm.bak" << "";
    QTest::newRow("nothing left of the name") << "file" << "xqm" << "";
    QTest::newRow("folder") << "dir" << "d.qm" << "";
    QTest::newRow("link to a file") << "link" << "l.qm" << "";
    QTest::newRow("dangling link") << "dangling" << "m.qm" << "";
}

void TestConfig::languageScanPicksEntries()
{
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(QString, listedAs);
    WorkDir dir;
    QDir().mkpath(dir.filePath("Qm"));
    const QString path = dir.filePath("Qm/" + name);
    if (kind == "file")
        writeFile(path, "x");
    else if (kind == "dir")
        QVERIFY(QDir().mkpath(path));
    else if (kind == "link") {
        writeFile(dir.filePath("target"), "x");
        QVERIFY(QFile::link(dir.filePath("target"), path));
    } else
        QVERIFY(QFile::link(dir.filePath("absent"), path));

    auto store = newStore();
    store->ScanLanguages();
    QCOMPARE(store->LanguageCount, listedAs.isEmpty() ? 0 : 1);
    QCOMPARE(store->Languages[0], listedAs);
}

// Oldest first, whatever the names say; the 100 oldest are kept.
void TestConfig::languageScanOrderLimitAndMissingFolder()
{
    WorkDir dir;
    auto store = newStore();
    store->ScanLanguages();
    QCOMPARE(store->LanguageCount, 0);

    for (int i = 0; i < 105; ++i) {
        const QString path = dir.filePath(QString("Qm/l%1.qm").arg(i, 3, 10, QChar('0')));
        writeFile(path, "x");
        touch(path, 1000 + i);
    }
    store->ScanLanguages();
    QCOMPARE(store->LanguageCount, UartDataStore::MaxLanguages);
    QCOMPARE(store->Languages[0], QString("l104"));
    QCOMPARE(store->Languages[1], QString("l103"));
    QCOMPARE(store->Languages[99], QString("l005"));

    QVERIFY(QDir(dir.filePath("Qm")).removeRecursively());
    store->ScanLanguages();
    QCOMPARE(store->LanguageCount, 0);
    QCOMPARE(store->Languages[0], QString()); // nothing stale is left behind
}

QTEST_GUILESS_MAIN(TestConfig)
#include "test_config.moc"
