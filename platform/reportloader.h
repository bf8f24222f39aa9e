#ifndef REPORTLOADER_H
#define REPORTLOADER_H

// Reads a report file and lays its pieces out on worker threads of its own,
// handing each finished piece to a ReportPageView on the GUI thread. The
// first piece (head, summary, image and the first rows) comes first; the
// rest follow in any order and the view shows them as soon as they join up.
//
// A new load, a new width or Cancel() drops the work in flight: pieces of the
// dropped work are deleted where they are, never shown. The destructor waits
// for the workers, so none outlives the loader.

#include <QObject>
#include <QSharedPointer>
#include <QThreadPool>

#include "platform/reportpage.h"

class ReportPageView;
class SegmentBatch;

class ReportLoader : public QObject
{
    Q_OBJECT

public:
    explicit ReportLoader(ReportPageView *view, QObject *parent = nullptr);
    ~ReportLoader() override;

    // Reads the file at path (GB2312) and lays it out for the given width.
    void Load(const QString &path, int width);
    // Lays the loaded page out again for a new width, the visible pieces
    // first; while the file is still being read, the load starts over.
    void Relayout(int width);
    void Cancel();
    bool IsComplete() const;

    // Rows of the long table in the first piece and in each further piece.
    static constexpr int FirstRows = 200;
    static constexpr int RowsPerPiece = 1000;

signals:
    // Every piece of the page, or the message that it could not be shown,
    // is in the view.
    void pageReady();

private:
    bool IsReadingFile() const;
    void TakeFinished();
    void StartBatch();
    void Schedule(int index);
    void LoadFirstPiece(const QSharedPointer<SegmentBatch> &batch, const QString &path, int width);

    ReportPageView *view;
    QThreadPool pool;
    QSharedPointer<SegmentBatch> batch;
    QSharedPointer<const ReportPage> page;
    QString path;
    int width = 0;
    int outstanding = 0;       // results of this batch not yet taken
};

#endif // REPORTLOADER_H
