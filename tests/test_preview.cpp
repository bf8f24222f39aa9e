// The report tab: the page of a rebuild is loaded once, when the tab is
// selected, and shows the record's report with its units and names as a
// browser would; and what the browser shows of a report file: its text and
// image, character references without ";", a long list stacked from pieces
// without a seam, a message for a file it cannot read, nothing of a page it
// was told to drop.

#include <QAbstractScrollArea>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextDocument>
#include <QtTest>

#include "app/recordfile.h"
#include "app/uartdatastore.h"
#include "platform/browserhtml.h"
#include "platform/reportbrowser.h"
#include "tests/support/workdir.h"
#include "tools/samplerecord.h"
#include "tools/samplereport.h"
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

namespace {

const QString WebBrowser = QStringLiteral("{8856F961-340A-11D0-A96B-00C04FD705A2}");

QAbstractScrollArea *View(ReportBrowser *browser)
{
    return browser->findChild<QAbstractScrollArea *>();
}

// Shows a browser of the given size and sends it to the file.
void Navigate(ReportBrowser *browser, const QString &path, const QSize &size = QSize(600, 400))
{
    browser->resize(size);
    browser->show();
    browser->setControl(WebBrowser);
    browser->dynamicCall("Navigate(const QString&)", path);
}

bool WaitForPage(ReportBrowser *browser)
{
    QSignalSpy ready(browser, &ReportBrowser::pageReady);
    return ready.wait(30000) && browser->IsPageComplete();
}

// The record size a shown page states, or -1 when no page is shown.
int TotalRecord(const ReportBrowser *browser)
{
    static const QRegularExpression total(QStringLiteral("Total Record:\\s*(\\d+)"));
    const QRegularExpressionMatch match = total.match(browser->PageText());
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Threads of this process; the workers of a pool that has let them go are gone.
int ThreadCount()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    const QRegularExpression threads(QStringLiteral("Threads:\\s*(\\d+)"));
    return threads.match(QString::fromLatin1(status.readAll())).captured(1).toInt();
}

// The whole page as the view paints it, scrolled through from top to bottom.
QImage PaintWholePage(ReportBrowser *browser)
{
    QAbstractScrollArea *view = View(browser);
    QScrollBar *bar = view->verticalScrollBar();
    const QSize visible = view->viewport()->size();
    QImage page(visible.width(), bar->maximum() + visible.height(), QImage::Format_RGB32);
    QPainter painter(&page);
    for (int top = 0;; top = qMin(top + visible.height(), bar->maximum())) {
        bar->setValue(top);
        painter.drawImage(0, top, view->viewport()->grab().toImage());
        if (top == bar->maximum())
            break;
    }
    return page;
}

struct Run {
    int start = 0;
    int length = 0;
};

// Runs of dark (or light) pixels down one pixel column between from and to;
// runs cut by either end are left out.
QVector<Run> RunsDown(const QImage &image, int x, int from, int to, bool dark)
{
    QVector<Run> runs;
    Run run;
    bool cut = true;
    for (int y = from; y < to; ++y) {
        if ((qGray(image.pixel(x, y)) < 200) == dark) {
            run.length == 0 ? void(run = {y, 1}) : void(++run.length);
            continue;
        }
        if (run.length > 0 && !cut)
            runs.append(run);
        run = {};
        cut = false;
    }
    return runs;
}

// Where vertical rules cross a row: pixel columns dark all the way down it.
QVector<int> RulesAcross(const QImage &image, const Run &row)
{
    QVector<int> xs;
    for (int x = 0; x < image.width(); ++x) {
        int y = row.start;
        while (y < row.start + row.length && qGray(image.pixel(x, y)) < 200)
            ++y;
        if (y == row.start + row.length)
            xs.append(x);
    }
    return xs;
}

} // namespace

class TestPreview : public QObject
{
    Q_OBJECT

private:
    WorkDir *dir = nullptr;
    MainWindow *window = nullptr;
    ReportBrowser *browser = nullptr;   // the window's

    QString WritePage(const QString &name, int samples)
    {
        const QString path = dir->filePath(name);
        if (!WriteSampleReport(path, samples))
            qWarning() << "could not write" << path;
        return path;
    }

    // What a report rebuild leaves for the report tab.
    void Rebuild(int samples)
    {
        window->ReportHtmlPath = WritePage(QStringLiteral("ReportHtml.Html"), samples);
        browser->clear();
        window->ReportPreviewPending = true;
    }

    void SelectTab(int index) { window->ui->tabWidget->setCurrentIndex(index); }

private slots:
    void initTestCase()
    {
        dir = new WorkDir;
        QVERIFY(dir->isValid());
        window = new MainWindow;
        window->ui->stackedWidget->setCurrentWidget(window->ui->pageGraph);
        window->show();
        browser = window->ui->axWidgetHtml;
    }

    void cleanupTestCase()
    {
        delete window;
        delete dir;
    }

    // ... and no two rules meet on the tool bar.
    void onlyTheChartTabShowsZoomAndRestore()
    {
        for (int tab : {1, 2, 0}) {
            SelectTab(tab);
            QCOMPARE(window->ui->action_Zoom->isVisible(), tab == 0);
            QCOMPARE(window->ui->action_Restore->isVisible(), tab == 0);
            bool ruleBefore = false;
            for (QAction *action : window->ui->toolBar->actions()) {
                if (!action->isVisible())
                    continue;
                QVERIFY(!(ruleBefore && action->isSeparator()));
                ruleBefore = action->isSeparator();
            }
        }
    }

    void reportTabLoadsEachRebuildOnce()
    {
        SelectTab(2);   // nothing pending yet: the tab stays empty
        QVERIFY(!browser->HasControl());
        SelectTab(0);

        Rebuild(9);
        SelectTab(1);   // another tab loads nothing
        QVERIFY(window->ReportPreviewPending);
        QVERIFY(!browser->HasControl());
        SelectTab(2);
        QVERIFY(!window->ReportPreviewPending);
        QVERIFY(WaitForPage(browser));
        QCOMPARE(TotalRecord(browser), 9);

        WritePage(QStringLiteral("ReportHtml.Html"), 12);   // not a rebuild
        SelectTab(1);
        SelectTab(2);
        QTest::qWait(300);
        QCOMPARE(TotalRecord(browser), 9);

        Rebuild(15);   // while the report tab is shown
        QTest::qWait(300);
        QVERIFY(browser->PageText().isEmpty());
        SelectTab(1);
        SelectTab(2);
        QVERIFY(WaitForPage(browser));
        QCOMPARE(TotalRecord(browser), 15);
    }

    // A real record's report: the unit references that the report ends
    // without ";" and a meter name that GB2312 cannot encode show as the
    // characters they stand for.
    void reportOfARecordShowsUnitsAndNames_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("altUnit");
        QTest::addColumn<QString>("unit");
        QTest::newRow("thermo-hygro in \u2103") << 4423 << false << "Temperature(\u2103)";
        QTest::newRow("temperature and humidity in \u2109")
            << 3702 << true << "Temperature(\u2109)";
        QTest::newRow("four probes in \u2103") << 4405 << false << "T4(\u2103)";
    }

    void reportOfARecordShowsUnitsAndNames()
    {
        QFETCH(int, model);
        QFETCH(bool, altUnit);
        SampleRecordOptions options;
        options.model = model;
        options.count = 30;
        options.altUnit = altUnit;
        FillSampleRecord(UartData, options);
        UartData.RECFileName = QStringLiteral("K\u00F6ln \u00DF \u00F8 \u20AC <1>");
        const QString path = dir->filePath(QStringLiteral("names.rec"));
        QVERIFY(WriteRecordFile(UartData, path, nullptr));
        SelectTab(2);   // opened from the report tab: shown on the chart tab
        QVERIFY(window->LoadRecordFile(path));
        QCOMPARE(window->ui->tabWidget->currentIndex(), 0);
        QFile file(window->ReportHtmlPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("K&#246;ln &#223; &#248; \x80 &lt;1&gt;"));

        SelectTab(2);
        QVERIFY(WaitForPage(browser));
        const QString text = browser->PageText();
        QVERIFY2(text.contains(QStringLiteral("K\u00F6ln \u00DF \u00F8 \u20AC <1>")),
                 qPrintable(text));
        QFETCH(QString, unit);
        QVERIFY2(text.contains(unit), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("&#")));
    }

    void referencesAreCompletedAsABrowserReadsThem_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("completed");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *name, const char *html, const char *completed,
                            const char *shown) {
            QTest::newRow(name) << QString::fromUtf8(html) << QString::fromUtf8(completed)
                                << QString::fromUtf8(shown);
        };
        row("unit of the reports", "(&#8451)", "(&#8451;)", "(\u2103)");
        row("at the end", "&#8457", "&#8457;", "\u2109");
        row("letters after the digits", "&#8451abc", "&#8451;abc", "\u2103abc");
        row("two in a row", "&#8451&#8457;&#8457", "&#8451;&#8457;&#8457;", "\u2103\u2109\u2109");
        row("hex", "&#x2109 F", "&#8457; F", "\u2109 F");
        row("hex, capital X", "&#X2103)", "&#8451;)", "\u2103)");
        row("hex ends at a non-hex letter", "&#x2103g", "&#8451;g", "\u2103g");
        row("leading zeros", "&#0008451", "&#8451;", "\u2103");
        row("zero", "a&#0 b", "a&#65533; b", "a\uFFFD b");
        row("past the last character", "&#99999999999", "&#65533;", "\uFFFD");
        row("surrogate", "&#xD800", "&#65533;", "\uFFFD");
        row("Windows code page", "&#128 &#150", "&#8364; &#8211;", "\u20AC \u2013");
        row("in an attribute", "<a href=\"x?a=1&#38b=2\">k</a>",
            "<a href=\"x?a=1&#38;b=2\">k</a>", "k");
        row("ampersand before", "&&#8451", "&&#8451;", "&\u2103");
        row("complete", "(&#8451;) &#x2109;", "(&#8451;) &#x2109;", "(\u2103) \u2109");
        row("no digits", "&#; &#x; &#abc &# 1", "&#; &#x; &#abc &# 1", "&#; &#x; &#abc &# 1");
        row("named", "&amp;#8451 &lt;", "&amp;#8451 &lt;", "&#8451 <");
        row("comment", "a<!-- &#8451 -->&#8451", "a<!-- &#8451 -->&#8451;", "a\u2103");
        row("comment left open", "a<!-- &#8451", "a<!-- &#8451", "a");
        row("style and script", "<style>p{}/*&#8451*/</style><script>x='&#8451'</script>&#8451",
            "<style>p{}/*&#8451*/</style><script>x='&#8451'</script>&#8451;", "\u2103");
    }

    void referencesAreCompletedAsABrowserReadsThem()
    {
        QFETCH(QString, html);
        QFETCH(QString, completed);
        QCOMPARE(CompleteCharacterReferences(html), completed);
        QTextDocument document;
        document.setHtml(CompleteCharacterReferences(html));
        QTEST(document.toPlainText(), "shown");
    }

    void textAndImageOfTheFileAreShown()
    {
        // Blue in the working directory, red next to the page: a relative
        // image name belongs to the page's folder.
        QVERIFY(QDir(dir->path()).mkpath(QStringLiteral("pages")));
        QVERIFY(WriteSampleChartImage(dir->filePath(QStringLiteral("logger.bmp")), QSize(8, 8)));
        QImage picture(400, 100, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(dir->filePath(QStringLiteral("pages/logger.bmp"))));
        const QString path = WritePage(QStringLiteral("pages/Report.Html"), 9);

        ReportBrowser shown;
        Navigate(&shown, path, QSize(800, 600));
        QVERIFY(WaitForPage(&shown));
        for (const char *text : {"Summary Report", "Device Information", "Decibel(dB)",
                                 "2024/03/01 08:00:08", "90.0(dB\uFF09"})
            QVERIFY2(shown.PageText().contains(QString::fromUtf8(text)), text);
        const QImage page = PaintWholePage(&shown);
        int red = 0, blue = 0;
        for (int y = 0; y < page.height(); y += 2) {
            for (int x = 0; x < page.width(); x += 2) {
                red += page.pixel(x, y) == qRgb(255, 0, 0);
                blue += qBlue(page.pixel(x, y)) > 200 && qRed(page.pixel(x, y)) < 50;
            }
        }
        QVERIFY(red > 10000);   // scaled to the line's width
        QCOMPARE(blue, 0);

        // A control of another kind is not known: the page goes, nothing loads.
        QVERIFY(!shown.setControl(QStringLiteral("{00000000-0000-0000-0000-000000000000}")));
        shown.dynamicCall("Navigate(const QString&)", path);
        QTest::qWait(300);
        QVERIFY(!shown.HasControl());
        QVERIFY(shown.PageText().isEmpty());
    }

    void longListLooksLikeOneTable()
    {
        const QString path = WritePage(QStringLiteral("Long.Html"), 2601);
        ReportBrowser shown;
        Navigate(&shown, path, QSize(700, 500));
        QVERIFY(WaitForPage(&shown));

        // Every sample once, in order, although the list comes in pieces.
        QRegularExpressionMatchIterator times =
            QRegularExpression(QStringLiteral("\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d"))
                .globalMatch(shown.PageText().section(QStringLiteral("Data List"), 1));
        QStringList seen;
        while (times.hasNext())
            seen.append(times.next().captured());
        QCOMPARE(seen.size(), 2601);
        QCOMPARE(seen.last(), QStringLiteral("2024/03/01 08:43:20"));
        QVERIFY(std::is_sorted(seen.begin(), seen.end()));
        QCOMPARE(seen.removeDuplicates(), 0);

        // Down the first column, inside the rules: every row as high as the
        // others and every rule as thick, where the pieces meet as well; and
        // the columns' rules stand where they stood in the first rows.
        const QImage page = PaintWholePage(&shown);
        const int listTop = page.height() / 10;
        const QVector<Run> rules = RunsDown(page, 9, listTop, page.height(), true);
        const QVector<Run> rows = RunsDown(page, 9, listTop, page.height(), false);
        QVERIFY2(rules.size() > 1000, qPrintable(QString::number(rules.size())));
        QSet<int> thicknesses, heights;
        for (const Run &rule : rules)
            thicknesses.insert(rule.length);
        for (const Run &row : rows)
            heights.insert(row.length);
        QCOMPARE(thicknesses.size(), 1);
        QCOMPARE(heights.size(), 1);
        QCOMPARE(RulesAcross(page, rows.at(rows.size() - 2)), RulesAcross(page, rows.first()));
        QCOMPARE(RulesAcross(page, rows.first()).size(), 14);   // six cells of two pixels
    }

    void pageFollowsTheWidthAndTheKeys()
    {
        ReportBrowser shown;
        Navigate(&shown, WritePage(QStringLiteral("Keys.Html"), 601));
        QVERIFY(WaitForPage(&shown));
        shown.resize(900, 400);
        QVERIFY(WaitForPage(&shown));
        QAbstractScrollArea *view = View(&shown);
        QCOMPARE(view->horizontalScrollBar()->maximum(), 0);
        QScrollBar *bar = view->verticalScrollBar();
        QTest::keyClick(view, Qt::Key_End);
        QCOMPARE(bar->value(), bar->maximum());
        QTest::keyClick(view, Qt::Key_PageUp);
        QCOMPARE(bar->value(), bar->maximum() - bar->pageStep());
        QTest::keyClick(view, Qt::Key_Home);
        QCOMPARE(bar->value(), 0);
        QTest::keyClick(view, Qt::Key_PageDown);
        QCOMPARE(bar->value(), bar->pageStep());
        QWheelEvent wheel(QPointF(50, 50), view->mapToGlobal(QPoint(50, 50)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &wheel);
        QVERIFY(bar->value() > bar->pageStep());

        // The list now fills the wider line: its right rule near the edge.
        QTest::keyClick(view, Qt::Key_End);
        const QImage visible = view->viewport()->grab().toImage();
        int right = 0;
        for (int x = 0; x < visible.width(); ++x) {
            if (qGray(visible.pixel(x, visible.height() / 2)) < 200)
                right = x;
        }
        QVERIFY2(right > view->viewport()->width() - 10, qPrintable(QString::number(right)));

        shown.setProperty("DisplayScrollBars", false);
        QVERIFY(!bar->isVisible());
    }

    void unreadableFileShowsTheReason_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing file") << QStringLiteral("none/Report.Html");
        QTest::newRow("folder") << QStringLiteral("folder");
    }

    void unreadableFileShowsTheReason()
    {
        QFETCH(QString, name);
        QDir(dir->path()).mkpath(QStringLiteral("folder"));
        QFile file(dir->filePath(name));
        QVERIFY(!file.open(QIODevice::ReadOnly));
        ReportBrowser shown;
        shown.setControl(WebBrowser);
        shown.dynamicCall("Navigate(const QString&)", file.fileName());
        QVERIFY(WaitForPage(&shown));
        QCOMPARE(shown.MessageText(),
                 QStringLiteral("The report could not be shown: ") + file.errorString());
        QVERIFY(shown.PageText().isEmpty());
    }

    void droppedPageLeavesNoTrace_data()
    {
        QTest::addColumn<bool>("navigateAgain");
        QTest::addColumn<int>("after");   // ms into the first load
        QTest::newRow("second Navigate at once") << true << 0;
        QTest::newRow("second Navigate midway") << true << 150;
        QTest::newRow("clear at once") << false << 0;
        QTest::newRow("clear midway") << false << 150;
    }

    void droppedPageLeavesNoTrace()
    {
        QFETCH(bool, navigateAgain);
        QFETCH(int, after);
        const QString large = WritePage(QStringLiteral("Large.Html"), 6000);
        const QString small = WritePage(QStringLiteral("Small.Html"), 7);
        ReportBrowser shown;
        Navigate(&shown, large);
        QTest::qWait(after);
        if (navigateAgain) {
            shown.dynamicCall("Navigate(const QString&)", small);
            QVERIFY(WaitForPage(&shown));
        } else {
            shown.clear();
            shown.dynamicCall("Navigate(const QString&)", small);   // no control: nothing
        }
        QTest::qWait(1500);
        QCOMPARE(TotalRecord(&shown), navigateAgain ? 7 : -1);
        QVERIFY(!shown.PageText().contains(QStringLiteral("08:00:07")));
    }

    void workersEndWithTheBrowser()
    {
        const int before = ThreadCount();
        const QString path = WritePage(QStringLiteral("Workers.Html"), 6000);
        {
            ReportBrowser shown;
            Navigate(&shown, path);
            QVERIFY(WaitForPage(&shown));
            // The workers that laid the page out leave when idle; the page
            // is still painted, with the fonts of the GUI thread.
            QTRY_COMPARE_WITH_TIMEOUT(ThreadCount(), before, 5000);
            View(&shown)->verticalScrollBar()->setValue(3000);
            QVERIFY(!View(&shown)->viewport()->grab().toImage().isNull());

            shown.dynamicCall("Navigate(const QString&)", path);
            QTest::qWait(100);
        }   // destroyed while its workers run
        // Joined workers take a moment to leave the process's thread list; a
        // worker still building would stay for a good part of a second.
        QTRY_COMPARE_WITH_TIMEOUT(ThreadCount(), before, 200);
    }
};

QTEST_MAIN(TestPreview)
#include "test_preview.moc"
