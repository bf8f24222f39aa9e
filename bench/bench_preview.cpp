// Speed of the report preview on the report of a 70000-sample decibel record
// (35000 list rows, about 9.4 MB of HTML), as the report rebuild of a main
// window writes it with its chart picture, in a 1000 x 800 browser: the time
// from Navigate to the first screen painted and to the whole page laid out,
// and the longest the GUI thread went without turning its event loop
// meanwhile (a 5 ms timer that notes its gaps); the time clear() takes on the
// whole page, as a report rebuild calls it. Then the same for a width change,
// and the time to repaint the view scrolled anywhere.

#include <QAbstractScrollArea>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <vector>

#include "bench/benchrecord.h"
#include "bench/benchutil.h"
#include "platform/reportbrowser.h"
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

namespace {

// The longest gap between two turns of a 5 ms timer since the last Reset.
class StallWatch : public QObject
{
public:
    StallWatch()
    {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(5);
        connect(&timer, &QTimer::timeout, this, [this] {
            longest = std::max(longest, clock.nsecsElapsed() / 1e6);
            clock.restart();
        });
        timer.start();
        clock.start();
    }
    void Reset() { longest = 0.0; clock.restart(); }
    double Longest() const { return longest; }

private:
    QTimer timer;
    QElapsedTimer clock;
    double longest = 0.0;
};

// Notes when the view has finished its first paint that shows page content.
class FirstPaint : public QObject
{
public:
    FirstPaint(ReportBrowser *browser, QElapsedTimer *clock)
        : browser(browser)
        , clock(clock)
    {
        browser->findChild<QAbstractScrollArea *>()->viewport()->installEventFilter(this);
    }
    void Reset() { msecs = -1.0; }
    double msecs = -1.0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && msecs < 0.0 && !browser->PageText().isEmpty()) {
            // Runs once the paint under way is done.
            QTimer::singleShot(0, this, [this] {
                if (msecs < 0.0)
                    msecs = clock->nsecsElapsed() / 1e6;
            });
        }
        return false;
    }

private:
    ReportBrowser *browser;
    QElapsedTimer *clock;
};

struct Run {
    double firstScreen = 0.0;
    double wholePage = 0.0;
    double longestStall = 0.0;
};

void WaitForPage(ReportBrowser &browser)
{
    QEventLoop loop;
    QObject::connect(&browser, &ReportBrowser::pageReady, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

void PrintRuns(const char *label, const std::vector<Run> &runs)
{
    std::vector<double> first, whole, stall;
    for (const Run &run : runs) {
        first.push_back(run.firstScreen);
        whole.push_back(run.wholePage);
        stall.push_back(run.longestStall);
    }
    if (Median(first) > 0.0)
        std::printf("%-22s first screen %7.1f ms", label, Median(first));
    else
        std::printf("%-22s %20s", label, "");
    std::printf("   whole page %7.1f ms   longest stall %5.1f ms   (medians of %zu)\n",
                Median(whole), Median(stall), runs.size());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    BenchApplication bench(argc, argv);
    // The report and its chart picture as opening the record leaves them.
    MainWindow window;
    window.show();
    window.ui->stackedWidget->setCurrentWidget(window.ui->pageGraph);
    QCoreApplication::processEvents();
    ShowBenchRecord(6201, 0, bench.work.path());
    window.UpdateDataTable();
    window.PlotRecordChart();
    window.RebuildReport();
    const QString page = window.ReportHtmlPath;
    std::printf("report page: %lld bytes, chart picture %lld bytes\n", QFileInfo(page).size(),
                QFileInfo(QStringLiteral("logger.bmp")).size());

    ReportBrowser browser;
    browser.resize(1000, 800);
    browser.show();
    browser.setControl(QStringLiteral("{8856F961-340A-11D0-A96B-00C04FD705A2}"));
    browser.setProperty("DisplayScrollBars", true);
    QElapsedTimer clock;
    FirstPaint firstPaint(&browser, &clock);
    StallWatch stalls;

    std::vector<Run> loads;
    std::vector<double> clears;
    for (int run = 0; run < 7; ++run) {
        if (run > 0) {   // as a report rebuild does
            clock.start();
            browser.clear();
            clears.push_back(clock.nsecsElapsed() / 1e6);
            browser.setControl(QStringLiteral("{8856F961-340A-11D0-A96B-00C04FD705A2}"));
        }
        firstPaint.Reset();
        stalls.Reset();
        clock.start();
        browser.dynamicCall("Navigate(const QString&)", page);
        WaitForPage(browser);
        loads.push_back({firstPaint.msecs, clock.nsecsElapsed() / 1e6, stalls.Longest()});
    }
    PrintRuns("Navigate 35000 rows", loads);
    std::printf("%-22s %7.1f ms (median of %zu)\n", "clear() of the page", Median(clears),
                clears.size());

    std::vector<Run> widths;
    for (int run = 0; run < 5; ++run) {
        stalls.Reset();
        clock.start();
        browser.resize(run % 2 ? 1000 : 1200, 800);
        WaitForPage(browser);
        widths.push_back({0.0, clock.nsecsElapsed() / 1e6, stalls.Longest()});
    }
    PrintRuns("width change", widths);

    QAbstractScrollArea *view = browser.findChild<QAbstractScrollArea *>();
    QScrollBar *bar = view->verticalScrollBar();
    int step = 0;
    PrintStats("repaint scrolled anywhere", RunTimed(21, [&] {
                   bar->setValue(int(bar->maximum() * (step++ % 7) / 6.0));
                   view->viewport()->repaint();
               }));
    return 0;
}
