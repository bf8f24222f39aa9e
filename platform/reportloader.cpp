#include "platform/reportloader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QTextDocument>
#include <QThread>

#include <utility>

#include "platform/freedmemory.h"
#include "platform/reportpageview.h"

// A finished piece on its way to the GUI thread, or (without a document) the
// reason a file could not be read.
struct SegmentResult {
    int index = 0;
    BuiltSegment built;
    QSharedPointer<const ReportPage> page;   // comes with the first piece of a load
    QString failure;
};

// The pieces of one load or one width, shared by the loader and its jobs.
// Once cancelled, it takes no more pieces: a job that finishes late deletes
// its document on its own thread.
class SegmentBatch
{
public:
    explicit SegmentBatch(QThread *home)
        : home(home)
    {
    }

    bool IsCancelled() const
    {
        QMutexLocker lock(&mutex);
        return cancelled;
    }

    // On a worker: moves the document to the GUI thread and queues it.
    bool Deliver(SegmentResult result)
    {
        QMutexLocker lock(&mutex);
        if (cancelled) {
            lock.unlock();
            delete result.built.document;
            return false;
        }
        if (result.built.document)
            result.built.document->moveToThread(home);
        finished.append(std::move(result));
        return true;
    }

    QVector<SegmentResult> Take()
    {
        QMutexLocker lock(&mutex);
        return std::exchange(finished, {});
    }

    QVector<SegmentResult> Cancel()
    {
        QMutexLocker lock(&mutex);
        cancelled = true;
        return std::exchange(finished, {});
    }

private:
    mutable QMutex mutex;
    QThread *home;
    bool cancelled = false;
    QVector<SegmentResult> finished;
};

namespace {

int WorkerCount()
{
    return qBound(1, QThread::idealThreadCount() - 1, 6);
}

bool ReadPage(const QString &path, QByteArray *html, QString *failure)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *failure = file.errorString();
        return false;
    }
    *html = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *failure = file.errorString();
        return false;
    }
    return true;
}

} // namespace

ReportLoader::ReportLoader(ReportPageView *view, QObject *parent)
    : QObject(parent)
    , view(view)
{
    pool.setMaxThreadCount(WorkerCount());
    // Idle workers leave soon after a page is laid out, and their font caches
    // with them.
    pool.setExpiryTimeout(1000);
}

ReportLoader::~ReportLoader()
{
    Cancel();
    pool.waitForDone();
}

void ReportLoader::Load(const QString &file, int layoutWidth)
{
    Cancel();
    path = file;
    width = layoutWidth;
    StartBatch();
    ++outstanding;
    const QSharedPointer<SegmentBatch> current = batch;
    pool.start([this, current, file, layoutWidth] { LoadFirstPiece(current, file, layoutWidth); });
}

void ReportLoader::Relayout(int layoutWidth)
{
    if (IsReadingFile()) {
        Load(path, layoutWidth);
        return;
    }
    if (!page)
        return;
    const QSharedPointer<const ReportPage> loaded = page;
    Cancel();
    page = loaded;
    width = layoutWidth;
    StartBatch();
    // The pool runs jobs in the order they come (it keeps no priority for a
    // job handed straight to an idle worker), so the order is the schedule.
    for (int index : view->SegmentsNearestFirst())
        Schedule(index);
}

void ReportLoader::Cancel()
{
    pool.clear();
    if (batch) {
        for (const SegmentResult &result : batch->Cancel())
            delete result.built.document;
    }
    batch.reset();
    page.reset();
    outstanding = 0;
}

bool ReportLoader::IsComplete() const
{
    return batch && outstanding == 0;
}

// A load whose first piece (or the reason it failed) is not in yet: the
// only piece on its way, and no page.
bool ReportLoader::IsReadingFile() const
{
    return batch && !page && outstanding > 0;
}

void ReportLoader::StartBatch()
{
    batch = QSharedPointer<SegmentBatch>::create(thread());
    view->SetLayoutWidth(width);
}

// Runs on a worker: reads and cuts the page, lays out its first piece and
// measures the long table's columns for the others.
void ReportLoader::LoadFirstPiece(const QSharedPointer<SegmentBatch> &current, const QString &file,
                                  int layoutWidth)
{
    SegmentResult result;
    QByteArray html;
    if (ReadPage(file, &html, &result.failure) && !current->IsCancelled()) {
        auto cut = QSharedPointer<ReportPage>::create();
        cut->folder = QFileInfo(file).absolutePath();
        cut->segments = SplitReportPage(html, FirstRows, RowsPerPiece);
        html.clear();
        result.built = BuildPageSegment(*cut, 0, layoutWidth, &cut->columnWidths);
        result.page = cut;
    }
    if (current->Deliver(std::move(result)))
        QMetaObject::invokeMethod(this, &ReportLoader::TakeFinished, Qt::QueuedConnection);
}

void ReportLoader::Schedule(int index)
{
    ++outstanding;
    const QSharedPointer<SegmentBatch> current = batch;
    const QSharedPointer<const ReportPage> shown = page;
    const int layoutWidth = width;
    pool.start([this, current, shown, index, layoutWidth] {
        if (current->IsCancelled())
            return;
        SegmentResult result;
        result.index = index;
        result.built = BuildPageSegment(*shown, index, layoutWidth);
        if (current->Deliver(std::move(result)))
            QMetaObject::invokeMethod(this, &ReportLoader::TakeFinished, Qt::QueuedConnection);
    });
}

void ReportLoader::TakeFinished()
{
    if (!batch || outstanding == 0)
        return;
    for (SegmentResult &result : batch->Take()) {
        --outstanding;
        if (!result.built.document) {
            view->ShowMessage(QCoreApplication::translate("MainWindow",
                                                          "The report could not be shown: %1")
                                  .arg(result.failure));
            continue;
        }
        AdoptPageDocument(result.built.document);
        if (result.page) {
            page = result.page;
            view->StartPage(page->segments.size());
            for (int index = 1; index < page->segments.size(); ++index)
                Schedule(index);
        }
        view->SetSegment(result.index, result.built);
    }
    if (outstanding == 0) {
        // What the workers read and parsed to lay the pieces out is freed.
        ReturnFreedMemory();
        emit pageReady();
    }
}
