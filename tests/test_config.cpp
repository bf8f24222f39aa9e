// Configuration file and language scan of the data store.

#include "app/uartdatastore.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/oddfile.h"
#include "tests/support/workdir.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>

#include <memory>

#include <sys/fsuid.h>
#include <unistd.h>

namespace {

using Store = std::unique_ptr<UartDataStore>;

// Every configuration field as text, for whole-state comparisons.
QMap<QString, QString> settingsOf(const Store &s)
{
    QMap<QString, QString> m{
        {"Language", s->Language}, {"Path", s->Path}, {"Password", s->Password},
        {"Dateformat", QString::number(s->Dateformat)}, {"DateTimeFormat", s->DateTimeFormat},
        {"CopyRight", s->CopyRight}, {"MeterType", QString::number(s->MeterType)},
        {"URL", s->URL}, {"HelpFile", s->HelpFile}, {"IconMain", s->IconMain},
        {"IconAbout", s->IconAbout}, {"Show_ALM", QVariant(s->Show_ALM).toString()},
        {"Show_TIP", QVariant(s->Show_TIP).toString()},
        {"ShowDewPoint", QVariant(s->ShowDewPoint).toString()},
        {"TitleTrim", QVariant(s->TitleTrim).toString()}};
    for (int i = 0; i < UartDataStore::ChannelColorCount; ++i)
        m.insert(QString("Color%1").arg(i + 1), s->ChannelColor[i].name(QColor::HexArgb));
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

// A store that has loaded the configuration of the working directory.
Store loaded()
{
    auto store = std::make_unique<UartDataStore>();
    store->LoadConfig();
    return store;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestConfig : public QObject
{
    Q_OBJECT

private slots:
    // A missing file gives the defaults and is written; a second start reads
    // them back. MeterType has no default of its own and is kept.
    void firstStartWritesDefaults()
    {
        WorkDir dir;
        QVERIFY(dir.isValid());
        auto store = std::make_unique<UartDataStore>();
        store->MeterType = 1;
        store->LoadConfig();
        QVERIFY(QFileInfo(UartDataStore::ConfigFilePath()).isFile());
        QCOMPARE(settingsOf(store), defaultsWith({"MeterType=1"}));
        QCOMPARE(settingsOf(loaded()), defaultsWith({"MeterType=1"}));
    }

    void saveWritesKeysInFixedOrder()
    {
        WorkDir dir;
        std::make_unique<UartDataStore>()->SaveConfig();
        QStringList keys;
        QString group;
        for (const QByteArray &line : readFile(UartDataStore::ConfigFilePath()).split('\n')) {
            if (line.startsWith('['))
                group = line.mid(1, line.size() - 2);
            else if (line.contains('='))
                keys << group + '/' + line.left(line.indexOf('='));
        }
        QCOMPARE(keys, QStringList({"System/Language", "System/Path", "System/Password",
                                    "System/Dateformat", "System/CopyRight", "System/MeterType",
                                    "Website/URL", "Help/Help_file", "Show/Icon_Main",
                                    "Show/Icon_About", "Show/Show_ALM", "Show/Show_TIP",
                                    "Show/Channel1Color", "Show/Channel2Color",
                                    "Show/Channel3Color", "Show/Channel4Color",
                                    "Show/Channel5Color"}));
    }

    void saveAndLoadKeepValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("separators") << "a, b; c = d";
        QTest::newRow("outer spaces") << "  padded  ";
        QTest::newRow("quotes and backslashes") << "say \"hi\" \\ C:\\x1";
        QTest::newRow("leading at-sign") << "@Variant(\\0)";
        QTest::newRow("non-ASCII then hex digit") << QString::fromUtf8("温度℃1a");
        QTest::newRow("control characters") << "tab\there\nnext\x01";
    }

    // Every text key holds the text as QSettings reads it, and a later start
    // gets every field back.
    void saveAndLoadKeepValues()
    {
        QFETCH(QString, text);
        WorkDir dir;
        auto store = std::make_unique<UartDataStore>();
        store->Language = store->Path = store->Password = store->CopyRight = text;
        store->URL = store->HelpFile = store->IconMain = store->IconAbout = text;
        store->Dateformat = 2;
        store->MeterType = 1;
        store->Show_ALM = store->Show_TIP = false;
        store->ChannelColor[0] = QColor(10, 20, 30, 40);
        store->ChannelColor[4] = QColor(1, 2, 3);
        store->SaveConfig();

        QSettings ini(UartDataStore::ConfigFilePath(), QSettings::IniFormat);
        for (const char *key : {"System/Language", "System/Path", "System/Password",
                                "System/CopyRight", "Website/URL", "Help/Help_file",
                                "Show/Icon_Main", "Show/Icon_About"})
            QCOMPARE(ini.value(key).toString(), text);
        QCOMPARE(settingsOf(loaded()), settingsOf(store));
    }

    void dateFormatFollowsDateOrder_data()
    {
        QTest::addColumn<int>("order");
        QTest::addColumn<QString>("format");
        QTest::newRow("year first") << 0 << "yyyy/MM/dd hh:mm:ss";
        QTest::newRow("day first") << 1 << "dd/MM/yyyy hh:mm:ss";
        QTest::newRow("month first") << 2 << "MM/dd/yyyy hh:mm:ss";
        QTest::newRow("above range keeps format") << 3 << "previous";
        QTest::newRow("no choice keeps format") << -1 << "previous";
    }

    // Derived on its own and after every save.
    void dateFormatFollowsDateOrder()
    {
        QFETCH(int, order);
        WorkDir dir;
        auto store = std::make_unique<UartDataStore>();
        store->Dateformat = order;
        store->DateTimeFormat = "previous";
        store->DeriveDateTimeFormat();
        QTEST(store->DateTimeFormat, "format");
        store->DateTimeFormat = "previous";
        store->SaveConfig();
        QTEST(store->DateTimeFormat, "format");
    }

    // Settings saved without a password are replaced by the first-run
    // defaults, in memory and on file; the keys without one are kept.
    void emptyPasswordRestoresDefaults()
    {
        WorkDir dir;
        auto store = std::make_unique<UartDataStore>();
        store->Dateformat = 2;
        store->Show_ALM = store->TitleTrim = store->ShowDewPoint = false;
        store->ChannelColor[2] = Qt::black;
        store->Path = "/elsewhere";
        store->MeterType = 1;
        store->Language = "Deutsch";
        store->Password.clear();
        store->SaveConfig();
        const auto expected = defaultsWith({"MeterType=1", "Language=Deutsch"});
        QCOMPARE(settingsOf(store), expected);
        QCOMPARE(settingsOf(loaded()), expected);
    }

    void damagedFileFallsBackPerKey_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("overrides");
        QTest::newRow("binary garbage")
            << QByteArray("\x00\xff[\x01=\x02\n\xfe]]=\r\x80\x00\x00", 14) << QStringList();
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
        // Kept as they stand: the format stays the default one, and the next
        // save restores the defaults.
        QTest::newRow("empty password, date order 5")
            << QByteArray("[System]\nPassword=\nDateformat=5\n")
            << QStringList{"Password=", "Dateformat=5"};
        QTest::newRow("good keys among garbage lines")
            << QByteArray("[System]\nDateformat=2\n\x01\x02junk\xff\n[Show]\nShow_ALM=FALSE\n")
            << QStringList{"Dateformat=2", "DateTimeFormat=MM/dd/yyyy hh:mm:ss", "Show_ALM=false"};
        // Typed values are never decoded: this list declares 2^31-1 entries.
        const QByteArray hugeList = "@Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)";
        QTest::newRow("huge list in a key that is read")
            << QByteArray("[System]\nLanguage=" + hugeList + "\nDateformat=0\n")
            << QStringList{"Dateformat=0", "DateTimeFormat=yyyy/MM/dd hh:mm:ss"};
        QTest::newRow("huge list beside a key that is read")
            << QByteArray("[Show]\nLayout=" + hugeList + "\nShow_ALM=false\n")
            << QStringList{"Show_ALM=false"};
        QTest::newRow("huge list behind an escaped at-sign")
            << QByteArray("[System]\nLanguage=\\x40" + hugeList.mid(1) + "\n") << QStringList();
        QTest::newRow("huge list as a list item")
            << QByteArray("[System]\nLanguage=Deutsch, " + hugeList + "\n") << QStringList();
        QTest::newRow("byte array text")
            << QByteArray("[System]\nLanguage=@ByteArray(Deutsch)\n")
            << QStringList{"Language=Deutsch"};
        QTest::newRow("other accepted forms")
            << QByteArray("[System]\nPath=C:/a,b\n[Show]\nShow_TIP=0\n"
                          "Channel5Color=white\nChannel3Color=@Variant(\\0\\0\\0\\x43\\x1\\xc8\\xc8"
                          "\\x1\\x1\\x2\\x2\\x3\\x3\\0\\0)\n")
            << QStringList{"Path=C:/a,b", "Show_TIP=false", "Color5=#ffffffff", "Color3=#c8010203"};
    }

    // Each key without a usable value keeps its default; the file stays as it was.
    void damagedFileFallsBackPerKey()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, overrides);
        WorkDir dir;
        QVERIFY(writeFile(UartDataStore::ConfigFilePath(), content));
        QCOMPARE(settingsOf(loaded()), defaultsWith(overrides));
        QCOMPARE(readFile(UartDataStore::ConfigFilePath()), content);
    }

    void unreadableFileIsReportedAndKept_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a named pipe") << "pipe";
        QTest::newRow("a link to a device") << "device";
        QTest::newRow("larger than any configuration") << "large";
        QTest::newRow("no read permission") << "locked";
    }

    // A Config.ini that is there but cannot be read is reported, and the
    // start goes on with the defaults without replacing it.
    void unreadableFileIsReportedAndKept()
    {
        QFETCH(QString, kind);
        WorkDir dir;
        const QString path = UartDataStore::ConfigFilePath();
        QVERIFY(QDir().mkpath(dir.filePath("Ini")));
        const QByteArray large = "[System]\nLanguage=Deutsch\n" + QByteArray(1 << 20, ';');
        QVERIFY(PutOddFile(path, kind));
        if (kind == "large" || kind == "locked")
            QVERIFY(writeFile(path, kind == "large" ? large : "[System]\nLanguage=Deutsch\n"));
        if (kind == "locked")
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("Cannot read the configuration .*Config\\.ini"));
        {
            // Root reads every file; its file rights are those of "nobody" here.
            const bool root = kind == "locked" && geteuid() == 0;
            if (root)
                setfsuid(65534);
            const auto store = loaded();
            if (root)
                setfsuid(0);
            QCOMPARE(settingsOf(store), defaultsWith());
        }
        const QFileInfo after(path);
        QCOMPARE(after.isDir(), kind == "folder");
        QCOMPARE(after.isSymLink(), kind == "device");
        if (kind == "large")
            QCOMPARE(after.size(), qint64(large.size()));
        if (kind == "locked") {
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            QCOMPARE(readFile(path), QByteArray("[System]\nLanguage=Deutsch\n"));
        }
    }

    void failedSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("reason");
        QTest::newRow("full disk") << "full" << "File too large";
        QTest::newRow("folder in the way") << "blocked" << "cannot be made: Not a directory";
    }

    // A save that cannot be written whole says why and leaves the old file.
    void failedSaveKeepsTheOldFile()
    {
        QFETCH(QString, place);
        QFETCH(QString, reason);
        WorkDir dir;
        const QByteArray old = "[System]\nLanguage=Deutsch\n";
        const QString path = place == "full" ? UartDataStore::ConfigFilePath()
                                             : dir.filePath("Ini");   // a file where the folder goes
        QVERIFY(writeFile(path, old));
        auto store = std::make_unique<UartDataStore>();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot write the configuration .*"
                                                              + QRegularExpression::escape(reason)));
        QString error;
        {
            FileSizeLimit full(64);
            QVERIFY(!store->SaveConfig(&error));
        }
        QVERIFY2(error.contains(reason), qPrintable(error));
        QCOMPARE(readFile(path), old);
    }

    void languageScanPicksEntries_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("listedAs");   // empty: not listed
        QTest::newRow("translation file") << "file" << "zh CN.qm" << "zh CN";
        QTest::newRow("only the end counts") << "file" << "xyqm" << "x";
        QTest::newRow("other extension") << "file" << "x.ts" << "";
        QTest::newRow("upper-case suffix") << "file" << "x.QM" << "";
        QTest::newRow("suffix not at the end") << "file" << "x.qm.bak" << "";
        QTest::newRow("nothing left of the name") << "file" << "xqm" << "";
        QTest::newRow("folder") << "dir" << "d.qm" << "";
        QTest::newRow("link to a file") << "link" << "l.qm" << "";
    }

    void languageScanPicksEntries()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(QString, listedAs);
        WorkDir dir;
        const QString path = dir.filePath("Qm/" + name);
        QVERIFY(QDir().mkpath(kind == "dir" ? path : dir.filePath("Qm")));
        if (kind == "file")
            QVERIFY(writeFile(path, "x"));
        if (kind == "link")
            QVERIFY(writeFile("target", "x") && QFile::link(dir.filePath("target"), path));
        auto store = std::make_unique<UartDataStore>();
        store->ScanLanguages();
        QCOMPARE(store->LanguageCount, listedAs.isEmpty() ? 0 : 1);
        QCOMPARE(store->Languages[0], listedAs);
    }

    // Oldest first, whatever the names say; the 100 oldest are kept; nothing
    // stale is left when the folder goes.
    void languageScanOrderLimitAndMissingFolder()
    {
        WorkDir dir;
        auto store = std::make_unique<UartDataStore>();
        store->ScanLanguages();
        QCOMPARE(store->LanguageCount, 0);

        for (int i = 0; i < 105; ++i) {
            QFile f(dir.filePath(QString("Qm/l%1.qm").arg(i, 3, 10, QChar('0'))));
            QVERIFY(QDir().mkpath("Qm") && f.open(QIODevice::WriteOnly));
            const QDateTime when = QDateTime::currentDateTime().addSecs(-1000 - i);
            QVERIFY(f.setFileTime(when, QFileDevice::FileModificationTime));
        }
        store->ScanLanguages();
        QCOMPARE(store->LanguageCount, UartDataStore::MaxLanguages);
        QCOMPARE(store->Languages[0], QString("l104"));
        QCOMPARE(store->Languages[1], QString("l103"));
        QCOMPARE(store->Languages[99], QString("l005"));

        QVERIFY(QDir(dir.filePath("Qm")).removeRecursively());
        store->ScanLanguages();
        QCOMPARE(store->LanguageCount, 0);
        QCOMPARE(store->Languages[0], QString());
    }
};

QTEST_GUILESS_MAIN(TestConfig)
#include "test_config.moc"
