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

// Waits until the browsers' workers have left; then no piece of a page is
// on its way any more.
bool WorkersGone(int before)
{
    const bool gone = QTest::qWaitFor([before] { return ThreadCount() <= before; }, 5000);
    QCoreApplication::processEvents();
    return gone;
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

    // A decibel record of `samples` samples, 1 s apart from 2024-03-01
    // 08:00:00, its high alarm at 90 dB, times written year first.
    void ShowDecibelRecord(int samples)
    {
        SampleRecordOptions options;
        options.model = 6201;
        options.count = samples;
        options.periodSeconds = 1;
        FillSampleRecord(UartData, options);
        UartData.DecibelAlarm.High = 90.0;
        UartData.DateTimeFormat = QStringLiteral("yyyy/MM/dd hh:mm:ss");
    }

    // The record's report page written to the preview file as a rebuild
    // writes it, but not marked for the report tab.
    void WritePreviewFile(int samples)
    {
        ShowDecibelRecord(samples);
        UartData.ReportHtml = window->CreateReportHtml(false);
        window->WriteReportHtmlFile();
    }

    // The same page under another name in the work folder.
    QString WritePage(const QString &name, int samples)
    {
        WritePreviewFile(samples);
        const QString path = dir->filePath(name);
        QFile::remove(path);
        if (!QFile::copy(window->ReportHtmlPath, path))
            qWarning() << "could not write" << path;
        return path;
    }

    void Rebuild(int samples)
    {
        ShowDecibelRecord(samples);
        window->RebuildReport();
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

    // Zoom and Restore belong to the chart tab, and no two rules meet on the
    // tool bar.
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

        WritePreviewFile(12);   // not a rebuild
        SelectTab(1);
        SelectTab(2);   // a new Navigate would clear the page at once
        QCOMPARE(TotalRecord(browser), 9);

        Rebuild(15);   // while the report tab is shown
        SelectTab(1);
        SelectTab(2);
        QVERIFY(WaitForPage(browser));
        QCOMPARE(TotalRecord(browser), 15);
    }

    // A real record's report: the unit references that the report ends
    // without ";" and a meter name that GB2312 cannot encode show as the
    // characters they stand for.
    void reportOfARecordShowsUnitsAndNames()
    {
        SampleRecordOptions options;
        options.model = 3702;
        options.count = 30;
        options.altUnit = true;
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
        QVERIFY2(text.contains(QStringLiteral("Temperature(\u2109)")), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("&#")));
    }

    // References without ";" show the character a browser shows.
    void referencesReadAsABrowserReadsThem_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *name, const char *html, const char *shown) {
            QTest::newRow(name) << QString::fromUtf8(html) << QString::fromUtf8(shown);
        };
        row("decimal", "(&#8451)&#0008451abc", "(\u2103)\u2103abc");
        row("two in a row, at the end", "&#8451&#8457;&#8457", "\u2103\u2109\u2109");
        row("hex", "&#x2109 F&#X2103g", "\u2109 F\u2103g");
        row("no such character", "a&#0 &#99999999999&#xD800", "a\uFFFD \uFFFD\uFFFD");
        row("complete, after an ampersand", "&&#8451 (&#8451;) &#x2109;",
            "&\u2103 (\u2103) \u2109");
        row("not a reference", "&#; &#x; &#abc &# 1 &amp;#8451 &lt;",
            "&#; &#x; &#abc &# 1 &#8451 <");
        row("after a comment, style and script",
            "a<!-- &#8451 --><style>p{}</style><script>x='&#8451'</script>&#8451", "a\u2103");
        row("comment left open", "a<!-- &#8451", "a");
    }

    void referencesReadAsABrowserReadsThem()
    {
        QFETCH(QString, html);
        QTextDocument document;
        SetBrowserHtml(&document, html);
        QTEST(document.toPlainText(), "shown");
    }

    // A long page as one page: its text, its chart image from the page's
    // folder (blue in the working directory, red next to the page), every
    // sample once and in order although the list comes in pieces, and no
    // seam where the pieces meet.
    void longPageLooksLikeOnePage()
    {
        QVERIFY(QDir(dir->path()).mkpath(QStringLiteral("pages")));
        // The page first: building it saves the chart as logger.bmp.
        const QString longPage = WritePage(QStringLiteral("pages/Long.Html"), 2601);
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QVERIFY(picture.save(dir->filePath(QStringLiteral("logger.bmp"))));
        picture = QImage(400, 100, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(dir->filePath(QStringLiteral("pages/logger.bmp"))));
        ReportBrowser shown;
        Navigate(&shown, longPage, QSize(700, 500));
        QVERIFY(WaitForPage(&shown));
        for (const char *text : {"Summary Report", "Device Information", "Decibel(dB)",
                                 "2024/03/01 08:00:08", "90.0(dB\uFF09"})
            QVERIFY2(shown.PageText().contains(QString::fromUtf8(text)), text);

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

        const QImage page = PaintWholePage(&shown);
        int red = 0, blue = 0;
        for (int y = 0; y < page.height() / 5; y += 2) {
            for (int x = 0; x < page.width(); x += 2) {
                red += page.pixel(x, y) == qRgb(255, 0, 0);
                blue += qBlue(page.pixel(x, y)) > 200 && qRed(page.pixel(x, y)) < 50;
            }
        }
        QVERIFY(red > 10000);   // scaled to the line's width
        QCOMPARE(blue, 0);

        // Down the first column, inside the rules: every row as high as the
        // others and every rule as thick, where the pieces meet as well; and
        // the columns' rules stand where they stood in the first rows.
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

        // A control of another kind is not known: the page goes, nothing loads.
        QVERIFY(!shown.setControl(QStringLiteral("{00000000-0000-0000-0000-000000000000}")));
        shown.dynamicCall("Navigate(const QString&)", dir->filePath("pages/Long.Html"));
        QVERIFY(!shown.HasControl());
        QVERIFY(shown.PageText().isEmpty());
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

    void unreadableFileShowsTheReason()
    {
        QFile file(dir->filePath(QStringLiteral("none/Report.Html")));
        QVERIFY(!file.open(QIODevice::ReadOnly));
        ReportBrowser shown;
        shown.setControl(WebBrowser);
        shown.dynamicCall("Navigate(const QString&)", file.fileName());
        QVERIFY(WaitForPage(&shown));
        QCOMPARE(shown.MessageText(),
                 QStringLiteral("The report could not be shown: ") + file.errorString());
        QVERIFY(shown.PageText().isEmpty());
    }

    // A page dropped by a second Navigate, by clear or with the browser
    // leaves nothing: no piece of it shows, no worker outlives the browser.
    // A page laid out by workers that have left is still painted, with the
    // fonts of the GUI thread.
    void droppedWorkLeavesNoTrace()
    {
        const QString large = WritePage(QStringLiteral("Large.Html"), 6000);
        const QString small = WritePage(QStringLiteral("Small.Html"), 7);
        const int before = ThreadCount();
        {
            ReportBrowser shown;
            Navigate(&shown, large);
            QTest::qWait(150);
            shown.dynamicCall("Navigate(const QString&)", small);
            QVERIFY(WaitForPage(&shown));
            QVERIFY(WorkersGone(before));
            QCOMPARE(TotalRecord(&shown), 7);
            QVERIFY(!shown.PageText().contains(QStringLiteral("08:00:07")));

            Navigate(&shown, large);
            QVERIFY(WaitForPage(&shown));
            QVERIFY(WorkersGone(before));
            View(&shown)->verticalScrollBar()->setValue(3000);
            QVERIFY(!View(&shown)->viewport()->grab().toImage().isNull());

            Navigate(&shown, large);
            shown.clear();
            shown.dynamicCall("Navigate(const QString&)", small);   // no control: nothing
            QVERIFY(WorkersGone(before));
            QCOMPARE(TotalRecord(&shown), -1);

            Navigate(&shown, large);
            QTest::qWait(100);
        }   // destroyed while its workers run
        // Joined workers take a moment to leave the process's thread list; a
        // worker still building would stay for a good part of a second.
        QTRY_VERIFY_WITH_TIMEOUT(ThreadCount() <= before, 200);
    }
};

QTEST_MAIN(TestPreview)
#include "test_preview.moc"
