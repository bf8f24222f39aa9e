#ifndef REPORTPAGEVIEW_H
#define REPORTPAGEVIEW_H

// Shows a report page that arrives in pieces (see reportpage.h): the pieces
// stacked from the top as far as they join up without a gap, each drawn only
// where it meets the visible area, on white like a printed page. A piece laid
// out for another width is replaced in place; the content in view stays
// where it is. The mouse wheel, the scroll bars, the arrow keys, Page Up/Down
// and Home/End scroll it. Documents it drops are deleted a few at a time, so
// that dropping a large page never stalls the window.

#include <QAbstractScrollArea>
#include <QTimer>
#include <QVector>

#include "platform/reportpage.h"

class ReportPageView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit ReportPageView(QWidget *parent = nullptr);
    ~ReportPageView() override;

    // The text width a page laid out now should get.
    int AvailableWidth() const;
    // The width the pieces on their way are laid out for.
    void SetLayoutWidth(int width);

    // Drops what is shown and waits for the pieces of a page.
    void StartPage(int segmentCount);
    // Takes ownership of the piece's document.
    void SetSegment(int index, const BuiltSegment &segment);
    // Drops what is shown and shows a line of text instead.
    void ShowMessage(const QString &text);
    void ClearPage();

    // Every piece, the visible ones first, then outwards from them.
    QVector<int> SegmentsNearestFirst() const;
    bool IsComplete() const;
    // The text of the pieces shown.
    QString PlainText() const;
    QString Message() const { return message; }

    void SetScrollBarsShown(bool shown);

signals:
    // The visible width has settled on one the page is not laid out for.
    void widthChanged(int width);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Segment {
        QTextDocument *document = nullptr;
        int top = 0;       // band of the document that the page shows
        int bottom = 0;
    };

    int ShownCount() const;
    int SegmentAt(int pageY) const;
    void UpdateScrollRanges();
    void DropAll();
    void Discard(QTextDocument *document);
    void DisposeSome();

    QVector<Segment> segments;
    QVector<int> offsets;      // page y of each shown piece, then the page's height
    int layoutWidth = 0;
    QString message;
    QTimer widthSettle;
    QVector<QTextDocument *> discarded;
    QTimer disposal;
};

#endif // REPORTPAGEVIEW_H
