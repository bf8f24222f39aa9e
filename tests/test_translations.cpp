// The translations: every text of the code has a finished entry in both .ts
// files that keeps what the code relies on (placeholders, filter patterns,
// separators, quoted names, shortcuts); every text the program asks for at
// run time has a Chinese entry in the context it asks in; and the Chinese
// translation reaches the window, the report, the exports, the workbook's
// column names and Qt's own dialogs.

#include <QColorDialog>
#include <QDesktopServices>
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
#include "ui/dialogseam.h"
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
    return SourceDir() + QStringLiteral("/resources/translations/") + language
        + QStringLiteral(".ts");
}

// The build lays the compiled translations out beside the tests.
QString QmPath(const QString &language)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/run/Qm/") + language
        + QStringLiteral(".qm");
}

QSet<QString> Keys(const QVector<TsEntry> &entries)
{
    QSet<QString> keys;
    for (const TsEntry &entry : entries)
        keys.insert(entry.Key());
    return keys;
}

QStringList Sorted(const QSet<QString> &set)
{
    QStringList list = set.values();
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
// builds on it; empty when it keeps everything.
QString LostParts(const QString &source, const QString &translation)
{
    QStringList lost;
    if (Matches(QStringLiteral("%\\d"), source) != Matches(QStringLiteral("%\\d"), translation))
        lost << QStringLiteral("placeholders");
    for (const QString &pattern : Matches(QStringLiteral("\\(\\*\\.\\w+\\)"), source)) {
        if (!translation.contains(pattern))
            lost << pattern;
    }
    // The CSV titles carry their separator, the quoted workbook names their
    // quotes.
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
        Loaded = Ours.load(QmPath(language));
        if (Loaded)
            QCoreApplication::installTranslator(&Ours);
        QtLoaded = Loaded && LoadQtTranslation(&Qt, Ours);
        if (QtLoaded)
            QCoreApplication::installTranslator(&Qt);
    }
    ~InstalledLanguage()
    {
        QCoreApplication::removeTranslator(&Qt);
        QCoreApplication::removeTranslator(&Ours);
    }
    bool Loaded = false;
    bool QtLoaded = false;

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
            Missing.insert(QString::fromUtf8(name + '|' + source));
        }
        return found;
    }
    QSet<QString> TakeMissing()
    {
        QMutexLocker lock(&Guard);
        return std::exchange(Missing, {});
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
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "IgnoreUrl");
    }
    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        delete dir;
    }

    // English is the source language: each entry is finished with its
    // source. Chinese: each is finished and says something. Neither keeps
    // entries of texts the code no longer has.
    void entriesFinished_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "English";
        QTest::newRow("Chinese") << "Chinese";
    }
    void entriesFinished()
    {
        QFETCH(QString, language);
        const QVector<TsEntry> entries = ReadTs(TsPath(language));
        QVERIFY(entries.size() > 300);
        QStringList faults;
        for (const TsEntry &entry : entries) {
            if (!entry.type.isEmpty())
                faults << entry.type + QLatin1Char(' ') + entry.Key();
            else if (entry.translation.isEmpty())
                faults << QStringLiteral("empty ") + entry.Key();
            else if (language == QLatin1String("English") && entry.translation != entry.source)
                faults << QStringLiteral("differs ") + entry.Key();
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
        const QSet<QString> code = Keys(ReadTs(fresh));
        const QSet<QString> chinese = Keys(ReadTs(TsPath(QStringLiteral("Chinese"))));
        QVERIFY(code.size() > 300);
        QCOMPARE(Sorted(code - chinese), QStringList()); // untranslated
        QCOMPARE(Sorted(chinese - code), QStringList()); // left over
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
        QVERIFY(list.hasMatch());
        QStringList scanned = list.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        scanned.sort();
        const QStringList notProgram {"bench", "tests", "tools"};
        QStringList withCode;
        for (const QFileInfo &folder :
             QDir(SourceDir()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            const QString name = folder.fileName();
            if (notProgram.contains(name) || name.startsWith(QLatin1String("build")))
                continue;
            if (!QDir(folder.filePath()).entryList({"*.cpp", "*.h", "*.ui"}, QDir::Files).isEmpty())
                withCode << name;
        }
        QCOMPARE(scanned, withCode);
    }

    void chineseKeepsWhatTheCodeReads()
    {
        QStringList faults;
        for (const TsEntry &entry : ReadTs(TsPath(QStringLiteral("Chinese")))) {
            const QString lost = LostParts(entry.source, entry.translation);
            if (!lost.isEmpty())
                faults << entry.Key() + QStringLiteral(" lost ") + lost;
        }
        QCOMPARE(faults, QStringList());
    }

    // The check above finds what it should.
    void lostPartsAreFound_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QString>("lost");
        QTest::newRow("kept") << "Report saved as %1!"
                              << "报告已保存为 %1！"
                              << "";
        QTest::newRow("placeholder") << "%1 could not be written: %2."
                                     << "无法写入 %1。"
                                     << "placeholders";
        QTest::newRow("renumbered") << "%1 of %2"
                                    << "%2 / %2"
                                    << "placeholders";
        QTest::newRow("filter") << "Text files (*.txt);;PDF files (*.pdf)"
                                << "文本文件 (*.txt);;PDF 文件"
                                << "(*.pdf)";
        QTest::newRow("comma") << "Time,"
                               << "时间"
                               << "trailing comma";
        QTest::newRow("quotes") << "\"REC Time\""
                                << "记录时间"
                                << "quotes";
        QTest::newRow("shortcut") << "&File"
                                  << "文件"
                                  << "shortcut";
        QTest::newRow("shortcut kept") << "E&xit"
                                       << "退出(&X)"
                                       << "";
    }
    void lostPartsAreFound()
    {
        QFETCH(QString, source);
        QFETCH(QString, translation);
        QTEST(LostParts(source, translation), "lost");
    }

    // Qt's own dialogs follow our translation's language.
    void qtDialogsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("saveAs");
        QTest::addColumn<QString>("colourTitle");
        QTest::newRow("Chinese") << "Chinese"
                                 << "另存为"
                                 << "选择颜色";
        QTest::newRow("English") << "English"
                                 << "Save As"
                                 << "Select Color";
    }
    void qtDialogsFollowTheLanguage()
    {
        QFETCH(QString, language);
        InstalledLanguage installed(language);
        QVERIFY(installed.Loaded && installed.QtLoaded);
        QTEST(QCoreApplication::translate("QFileDialog", "Save As"), "saveAs");
        QColorDialog chooser;
        QTEST(chooser.windowTitle(), "colourTitle");
    }

    // A record on show and its exports, as a Chinese user meets them.
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
        QVERIFY(report.contains(QStringLiteral("汇总报告")));
        QVERIFY(report.contains(QStringLiteral("<font size=5 face=Arial>数据列表</font>")));
        QVERIFY(report.contains(QStringLiteral("启动方式：")));

        const QString workbook = dir->filePath(QStringLiteral("chinese.xls"));
        QVERIFY(jobs.RunFileJob("ExportToExcelSlot", workbook));
        QCOMPARE(jobs.Asked.last().caption, QStringLiteral("导出 Excel"));
        QCOMPARE(jobs.Asked.last().filter, QStringLiteral("Excel 文件 (*.xls)"));
        const ShownDialog done = jobs.Shown.last();
        QCOMPARE(done.title, QStringLiteral("导出完成"));
        QCOMPARE(done.text, QStringLiteral("报告已保存为 %1！").arg(workbook));
        QCOMPARE(done.ok, QStringLiteral("打开"));
        QCOMPARE(done.close, QStringLiteral("关闭"));
        const QStringList lines = XlsWorkbookLines(workbook);
        QVERIFY(lines.size() > 4);
        QCOMPARE(lines.at(2), QStringLiteral("仪表名称:Logger-3702"));

        const QString csv = dir->filePath(QStringLiteral("chinese.csv"));
        QVERIFY(jobs.RunFileJob("SaveAsSlot", csv));
        QCOMPARE(jobs.Asked.last().filter,
                 QStringLiteral("文本文件 (*.txt);;PDF 文件 (*.pdf);;CSV 文件 (*.csv)"));
        QCOMPARE(jobs.Shown.last().title, QStringLiteral("导出完成"));

        SoundDeviceInfoDialog status;
        QCOMPARE(TitleOf(status), QStringLiteral("设备信息"));
        SystemSettingsDialog settings(&window);
        QCOMPARE(TitleOf(settings), QStringLiteral("系统选项"));
    }

    // The Data column names go into the statements unquoted or in double
    // quotes; the Chinese ones are accepted and named in the workbook.
    void chineseWorkbookColumns_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("row");
        QTest::newRow("FourProbe") << 4405 << "LoggerData"
                                   << "记录时间|温度0|温度1|温度2|温度3"
                                   << "|=21.25|=22.5|=-500|=0";
        QTest::newRow("current") << 3709 << "LoggerData"
                                 << "记录时间|电压|电流"
                                 << "|-|=12.5";
        QTest::newRow("TempHum") << 3702 << "LoggerData"
                                 << "记录时间|温度|湿度|露点"
                                 << "|=21.6|=55|=12";
        QTest::newRow("ThermoHygro thermocouple") << 4423 << "LoggerData"
                                                  << "记录时间|温度|湿度|露点|湿球|热电偶"
                                                  << "|=21.6|=55|=12|=15.3|=-500";
        QTest::newRow("Light") << 5301 << "LightData"
                               << "记录时间|照度"
                               << "|=475.5";
        QTest::newRow("Decibel") << 6201 << "Decibel Data"
                                 << "记录时间|分贝(dB)"
                                 << "|=80";
    }
    void chineseWorkbookColumns()
    {
        QFETCH(int, model);
        InstalledLanguage installed(QStringLiteral("Chinese"));
        QVERIFY(installed.Loaded);
        MakeExportRecord(UartData, model, 2);
        UartData.ShowDewPoint = true;
        UartData.ProbeExtremes[3].Max = -500.0;
        const QString out = dir->filePath(QStringLiteral("columns.xls"));
        const JobOutcome outcome = WriteExcelExport(out);
        QVERIFY2(outcome.IsWritten(), qPrintable(outcome.Reason));
        const QStringList lines = XlsWorkbookLines(out);
        QVERIFY(lines.size() > 4);
        QTEST(lines.at(1), "summary");
        QCOMPARE(lines.at(2), QStringLiteral("仪表名称:Meter"));
        const int data = lines.indexOf(QStringLiteral("[Data]"));
        QVERIFY(data > 0);
        QTEST(lines.at(data + 1), "names");
        QFETCH(QString, row);
        QVERIFY2(lines.at(data + 2).endsWith(row), qPrintable(lines.at(data + 2)));
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
        QCOMPARE(Sorted(recorder.TakeMissing()), QStringList());
    }

public slots:
    void IgnoreUrl(const QUrl &) { }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
