// The translations: every text of the code has a finished entry in both .ts
// files that keeps what the code relies on (placeholders, filter patterns,
// separators, quoted names, shortcuts); every text the program asks for at
// run time has a Chinese entry in the context it asks in; and the Chinese
// translation reaches the window, the report, the exports, the workbook's
// column names and Qt's own dialogs.

#include <QColorDialog>
#include <QMutex>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include "app/qttranslation.h"
#include "app/uartdatastore.h"
#include "export/excelexport.h"
#include "platform/xlsdriver.h"
#include "tests/support/exportrecord.h"
#include "tests/support/jobdriver.h"
#include "tests/support/workdir.h"
#include "tests/support/xlsreader.h"
#include "tools/samplerecord.h"
#include "ui/mainwindow.h"
#include "ui/sounddeviceinfodialog.h"
#include "ui/systemsettingsdialog.h"
#include "ui/titlebar.h"

namespace {

struct TsEntry {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "obsolete", "vanished" or empty
    QString Key() const { return context + QLatin1Char('|') + source; }
};

QVector<TsEntry> ReadTs(const QString &path)
{
    QVector<TsEntry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            entries.append({context, xml.readElementText(), {}, {}});
        } else if (xml.name() == QLatin1String("translation") && !entries.isEmpty()) {
            entries.last().type = xml.attributes().value(QLatin1String("type")).toString();
            entries.last().translation = xml.readElementText();
        }
    }
    return entries;
}

QString SourceDir()
{
    return qEnvironmentVariable("METERLOG_SOURCE_DIR");
}

QString TsPath(const QString &language)
{
    return SourceDir() + QStringLiteral("/resources/translations/") + language + ".ts";
}

// The build lays the compiled translations out beside the tests.
QString QmPath(const QString &language)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/run/Qm/") + language + ".qm";
}

QStringList SortedKeys(const QVector<TsEntry> &entries, const QVector<TsEntry> &without = {})
{
    QSet<QString> keys;
    for (const TsEntry &entry : entries)
        keys.insert(entry.Key());
    for (const TsEntry &entry : without)
        keys.remove(entry.Key());
    QStringList list = keys.values();
    list.sort();
    return list;
}

QStringList Matches(const QString &pattern, const QString &text)
{
    QStringList found;
    auto it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured(0);
    found.sort();
    return found;
}

// What of the source a translation must keep, as far as the code reads or
// builds on it: placeholders, filter patterns, the CSV titles' separator,
// the quoted workbook names' quotes, the shortcut. Empty when it keeps all.
QString LostParts(const QString &source, const QString &translation)
{
    QStringList lost;
    if (Matches(QStringLiteral("%\\d"), source) != Matches(QStringLiteral("%\\d"), translation))
        lost << QStringLiteral("placeholders");
    for (const QString &pattern : Matches(QStringLiteral("\\(\\*\\.\\w+\\)"), source)) {
        if (!translation.contains(pattern))
            lost << pattern;
    }
    if (source.endsWith(QLatin1Char(',')) && !translation.endsWith(QLatin1Char(',')))
        lost << QStringLiteral("trailing comma");
    const QLatin1Char quote('"');
    if (source.startsWith(quote) && source.endsWith(quote)
        && !(translation.startsWith(quote) && translation.endsWith(quote)))
        lost << QStringLiteral("quotes");
    const QRegularExpressionMatch mnemonic
        = QRegularExpression(QStringLiteral("&(\\w)")).match(source);
    if (mnemonic.hasMatch() && !translation.contains(mnemonic.captured(0), Qt::CaseInsensitive))
        lost << QStringLiteral("shortcut");
    return lost.join(QStringLiteral(", "));
}

// Our translation and Qt's of one language, installed for the object's life.
class InstalledLanguage {
public:
    explicit InstalledLanguage(const QString &language)
    {
        Loaded = Ours.load(QmPath(language)) && LoadQtTranslation(&Qt, Ours);
        QCoreApplication::installTranslator(&Ours);
        QCoreApplication::installTranslator(&Qt);
    }
    ~InstalledLanguage()
    {
        QCoreApplication::removeTranslator(&Qt);
        QCoreApplication::removeTranslator(&Ours);
    }
    bool Loaded = false;   // ours and Qt's

private:
    QTranslator Ours;
    QTranslator Qt;
};

// Passes every look-up to the Chinese translation and notes those of our
// contexts that it has no entry for. Qt's own contexts are Qt's business.
class LookupRecorder : public QTranslator {
public:
    bool Load() { return Chinese.load(QmPath(QStringLiteral("Chinese"))); }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *disambiguation,
                      int n) const override
    {
        const QString found = Chinese.translate(context, source, disambiguation, n);
        const QByteArray name(context);
        const bool ours = !name.startsWith('Q') || name == "QMessageDialog";
        if (found.isNull() && ours && source && *source) {
            QMutexLocker lock(&Guard);
            Missing << QString::fromUtf8(name + '|' + source);
        }
        return found;
    }
    QStringList TakeMissing()
    {
        QMutexLocker lock(&Guard);
        QStringList missing = std::exchange(Missing, {}).values();
        missing.sort();
        return missing;
    }

private:
    QTranslator Chinese;
    mutable QMutex Guard;
    mutable QSet<QString> Missing;
};

QString TitleOf(QWidget &dialog)
{
    return dialog.findChild<TitleBar *>()->TitleLabel->text();
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private:
    WorkDir *dir = nullptr;

private slots:
    void initTestCase()
    {
        QVERIFY2(!SourceDir().isEmpty(), "METERLOG_SOURCE_DIR is not set");
        RegisterXlsSqlDriver();
        dir = new WorkDir;
        QVERIFY(dir->isValid());
    }
    void cleanupTestCase()
    {
        delete dir;
    }

    // English is the source language: each entry is finished with its
    // source. Chinese: each is finished, says something and keeps what the
    // code reads. Neither keeps entries of texts the code no longer has.
    void entriesFinished()
    {
        QCOMPARE(LostParts("&Save %1 of %2 (*.txt),", "保存 %2 / %2"),
                 QStringLiteral("placeholders, (*.txt), trailing comma, shortcut"));
        QCOMPARE(LostParts("\"REC Time\"", "记录时间"), QStringLiteral("quotes"));
        QCOMPARE(LostParts("E&xit", "退出(&X)"), QString());
        QStringList faults;
        for (const QString language : {"English", "Chinese"}) {
            const QVector<TsEntry> entries = ReadTs(TsPath(language));
            QVERIFY(entries.size() > 300);
            for (const TsEntry &entry : entries) {
                const QString lost = LostParts(entry.source, entry.translation);
                if (!entry.type.isEmpty())
                    faults << entry.type + QLatin1Char(' ') + entry.Key();
                else if (entry.translation.isEmpty())
                    faults << QStringLiteral("empty ") + entry.Key();
                else if (language == QLatin1String("English") && entry.translation != entry.source)
                    faults << QStringLiteral("differs ") + entry.Key();
                else if (!lost.isEmpty())
                    faults << entry.Key() + QStringLiteral(" lost ") + lost;
            }
        }
        QCOMPARE(faults, QStringList());
    }

    // The refresh script run into a fresh file finds exactly the texts that
    // the Chinese translation has, and lupdate understands every file it
    // scans (a class it cannot parse would put its texts in a context the
    // program never asks in).
    void translationMatchesTheCode()
    {
        QTemporaryDir scratch;
        const QString fresh = scratch.filePath(QStringLiteral("fresh.ts"));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral("bash"),
                      {SourceDir() + QStringLiteral("/scripts/update_translations.sh"), fresh});
        QVERIFY(lupdate.waitForFinished(120000));
        const QString output = QString::fromLocal8Bit(lupdate.readAll());
        QVERIFY2(lupdate.exitCode() == 0, qPrintable(output));
        const QRegularExpression usual(QStringLiteral(
            "^(Scanning directory '.*'\\.\\.\\.|Updating '.*'\\.\\.\\.|"
            "\\s*Found \\d+ source text\\(s\\) \\(\\d+ new and \\d+ already existing\\)|\\s*)$"));
        for (const QString &line : output.split(QLatin1Char('\n')))
            QVERIFY2(usual.match(line).hasMatch(), qPrintable(line));
        const QVector<TsEntry> code = ReadTs(fresh);
        const QVector<TsEntry> chinese = ReadTs(TsPath(QStringLiteral("Chinese")));
        QVERIFY(code.size() > 300);
        QCOMPARE(SortedKeys(code, chinese), QStringList()); // untranslated
        QCOMPARE(SortedKeys(chinese, code), QStringList()); // left over
    }

    // A folder of program code that the script does not scan would keep its
    // texts out of the translation without a word.
    void scriptScansEveryCodeFolder()
    {
        QFile script(SourceDir() + QStringLiteral("/scripts/update_translations.sh"));
        QVERIFY(script.open(QIODevice::ReadOnly));
        const QRegularExpressionMatch list
            = QRegularExpression(QStringLiteral("FOLDERS=\\(([^)]*)\\)"))
                  .match(QString::fromUtf8(script.readAll()));
        QStringList scanned = list.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        scanned.sort();
        QStringList withCode;
        for (const QFileInfo &folder :
             QDir(SourceDir()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            const QString name = folder.fileName();
            if (QStringList{"bench", "tests", "tools"}.contains(name) || name.startsWith("build"))
                continue;
            if (!QDir(folder.filePath()).entryList({"*.cpp", "*.h", "*.ui"}, QDir::Files).isEmpty())
                withCode << name;
        }
        QCOMPARE(scanned, withCode);
    }

    // Qt's own dialogs follow our translation's language.
    void qtDialogsFollowTheLanguage()
    {
        const QStringList expected[] = {{"Chinese", "另存为", "选择颜色"},
                                        {"English", "Save As", "Select Color"}};
        for (const QStringList &language : expected) {
            InstalledLanguage installed(language[0]);
            QVERIFY(installed.Loaded);
            QCOMPARE(QCoreApplication::translate("QFileDialog", "Save As"), language[1]);
            QColorDialog chooser;
            QCOMPARE(chooser.windowTitle(), language[2]);
        }
    }

    // A record on show, its exports and the dialogs as a Chinese user meets
    // them. The workbook's Data column names go into the statements unquoted
    // or in double quotes; the Chinese ones are accepted and named.
    void chineseOnTheScreenAndInTheFiles()
    {
        InstalledLanguage installed(QStringLiteral("Chinese"));
        QVERIFY(installed.Loaded);
        MainWindow window;
        JobDriver jobs(&window);
        SampleRecordOptions options;
        options.model = 3702;
        options.count = 20;
        QVERIFY(jobs.OpenRecord(options, dir->path()));
        QCOMPARE(window.TableHeaders.join(QLatin1Char('|')),
                 QStringLiteral("序号|时间|温度(℃)|湿度(%RH)|露点(℃)"));
        const QString report = window.CreateReportHtml(false);
        QVERIFY(report.contains(QStringLiteral("<font size=5 face=Arial>数据列表</font>")));
        QVERIFY(report.contains(QStringLiteral("启动方式：")));

        const QString workbook = dir->filePath(QStringLiteral("chinese.xls"));
        QVERIFY(jobs.RunFileJob("ExportToExcelSlot", workbook));
        QCOMPARE(jobs.Asked.last().caption, QStringLiteral("导出 Excel"));
        QCOMPARE(jobs.Asked.last().filter, QStringLiteral("Excel 文件 (*.xls)"));
        const ShownDialog done = jobs.Shown.last();
        QCOMPARE(done.title, QStringLiteral("导出完成"));
        QCOMPARE(done.text, QStringLiteral("报告已保存为 %1！").arg(workbook));
        QCOMPARE(done.ok + done.close, QStringLiteral("打开关闭"));
        QVERIFY(jobs.RunFileJob("SaveAsSlot", dir->filePath(QStringLiteral("chinese.doc"))));
        QCOMPARE(jobs.Shown.last().text,
                 QStringLiteral("未写入任何文件：另存为只能写入扩展名为 txt、pdf 或 csv 的文件。"));
        SoundDeviceInfoDialog status;
        QCOMPARE(TitleOf(status), QStringLiteral("设备信息"));
        SystemSettingsDialog settings(&window);
        QCOMPARE(TitleOf(settings), QStringLiteral("系统选项"));

        const QStringList columns[] = {
            {"4405", "LoggerData", "记录时间|温度0|温度1|温度2|温度3", "|=21.25|=22.5|=-500|=0"},
            {"3709", "LoggerData", "记录时间|电压|电流", "|-|=12.5"},
            {"6201", "Decibel Data", "记录时间|分贝(dB)", "|=80"}};
        for (const QStringList &expected : columns) {
            MakeExportRecord(UartData, expected[0].toInt(), 2);
            UartData.ProbeExtremes[3].Max = -500.0;
            const JobOutcome outcome = WriteExcelExport(workbook);
            QVERIFY2(outcome.IsWritten(), qPrintable(outcome.Reason));
            const QStringList lines = XlsWorkbookLines(workbook);
            const int data = lines.indexOf(QStringLiteral("[Data]"));
            QVERIFY(data > 2);
            QCOMPARE(lines.mid(1, 2), QStringList({expected[1], "仪表名称:Meter"}));
            QCOMPARE(lines.at(data + 1), expected[2]);
            QVERIFY2(lines.at(data + 2).endsWith(expected[3]), qPrintable(lines.at(data + 2)));
        }
    }

    // Every text the program asks for, on screen, in the report and in
    // every export of every family, has a Chinese entry in the context it
    // is asked in.
    void everyLookupHasAnEntry()
    {
        LookupRecorder recorder;
        QVERIFY(recorder.Load());
        QCoreApplication::installTranslator(&recorder);
        {
            MainWindow window;
            JobDriver jobs(&window);
            for (int model : {6201, 5301, 3701, 3702, 3709, 3710, 4401, 4405, 4421, 4423}) {
                SampleRecordOptions options;
                options.model = model;
                options.count = 30;
                options.missingEvery = 10;
                QVERIFY(jobs.OpenRecord(options, dir->path()));
                window.CreateReportHtml(false);
                window.CreateReportHtml(true);
                const QString base = dir->filePath(QString::number(model));
                QVERIFY(jobs.ExportPdf(base + QStringLiteral("-report.pdf")));
                for (const char *suffix : {".txt", ".pdf", ".csv", ".doc"})
                    QVERIFY(jobs.RunFileJob("SaveAsSlot", base + QLatin1String(suffix)));
                QVERIFY(jobs.RunFileJob("ExportToExcelSlot", base + QStringLiteral(".xls")));
                QVERIFY(jobs.RunFileJob("PushButtonExportCSVSlot", base + QStringLiteral("s.csv")));
                QVERIFY(
                    jobs.RunFileJob("PushButtonExportExcelSlot", base + QStringLiteral("s.xls")));
                QVERIFY(jobs.Print(true, base + QStringLiteral("-print.pdf")));
            }
            for (int index = -1; index < 16; ++index) {
                UartData.ModelIndex = index;
                for (qint8 mode : {0, 1, 2}) {
                    UartData.StartMode = mode;
                    SoundDeviceInfoDialog status;
                }
            }
            for (int meterType : {0, 1}) {
                UartData.MeterType = meterType;
                SystemSettingsDialog settings(&window);
            }
        }
        QCoreApplication::removeTranslator(&recorder);
        QCOMPARE(recorder.TakeMissing(), QStringList());
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
