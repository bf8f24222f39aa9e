#include "platform/reportpageview.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "platform/freedmemory.h"

namespace {

constexpr int LineStep = 20;          // pixels per wheel notch or arrow key
constexpr int WidthSettleMsecs = 150; // a window being dragged wider lays out once
constexpr int DisposalMsecs = 15;     // deleting dropped documents, per event-loop turn
constexpr int WidthSlack = 2;         // pixels a page may overrun its line width

} // namespace

ReportPageView::ReportPageView(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::WheelFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    verticalScrollBar()->setSingleStep(LineStep);
    horizontalScrollBar()->setSingleStep(LineStep);
    SetScrollBarsShown(true);

    widthSettle.setSingleShot(true);
    widthSettle.setInterval(WidthSettleMsecs);
    connect(&widthSettle, &QTimer::timeout, this, [this] {
        if (layoutWidth > 0 && AvailableWidth() != layoutWidth)
            emit widthChanged(AvailableWidth());
    });
    disposal.setSingleShot(true);
    disposal.setInterval(0);
    connect(&disposal, &QTimer::timeout, this, &ReportPageView::DisposeSome);
}

ReportPageView::~ReportPageView()
{
    for (const Segment &segment : qAsConst(segments))
        delete segment.document;
    qDeleteAll(discarded);
}

int ReportPageView::AvailableWidth() const
{
    if (isVisible())
        return viewport()->width();
    // Not placed on screen yet: the view's own width less the scroll bar.
    const bool bar = verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
    const int barWidth = bar ? style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) : 0;
    return qMax(1, width() - 2 * frameWidth() - barWidth);
}

void ReportPageView::SetLayoutWidth(int width)
{
    layoutWidth = width;
}

void ReportPageView::StartPage(int segmentCount)
{
    DropAll();
    segments.resize(segmentCount);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    UpdateScrollRanges();
    viewport()->update();
}

void ReportPageView::SetSegment(int index, const BuiltSegment &built)
{
    if (index < 0 || index >= segments.size()) {
        Discard(built.document);
        return;
    }
    Segment &segment = segments[index];
    const int oldHeight = segment.bottom - segment.top;
    // A piece wholly above the visible area moves what is in view when its
    // height changes; the scroll position follows, so the view stays put.
    const bool above = segment.document && index < ShownCount()
                       && offsets.at(index + 1) <= verticalScrollBar()->value();
    Discard(segment.document);
    segment = {built.document, int(std::floor(built.top)), int(std::ceil(built.bottom))};
    UpdateScrollRanges();
    if (above)
        verticalScrollBar()->setValue(verticalScrollBar()->value() + segment.bottom - segment.top
                                      - oldHeight);
    viewport()->update();
}

void ReportPageView::ShowMessage(const QString &text)
{
    DropAll();
    message = text;
    UpdateScrollRanges();
    viewport()->update();
}

void ReportPageView::ClearPage()
{
    DropAll();
    layoutWidth = 0;
    UpdateScrollRanges();
    viewport()->update();
}

void ReportPageView::DropAll()
{
    widthSettle.stop();
    for (const Segment &segment : qAsConst(segments))
        Discard(segment.document);
    segments.clear();
    message.clear();
}

QVector<int> ReportPageView::SegmentsNearestFirst() const
{
    const int first = SegmentAt(verticalScrollBar()->value());
    QVector<int> order(segments.size());
    std::iota(order.begin(), order.end(), 0);
    // Pieces below the top of the view come before those above it.
    const auto distance = [first](int index) {
        return index >= first ? 2 * (index - first) : 2 * (first - index) + 1;
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return distance(a) < distance(b); });
    return order;
}

bool ReportPageView::IsComplete() const
{
    return !message.isEmpty() || (!segments.isEmpty() && ShownCount() == segments.size());
}

QString ReportPageView::PlainText() const
{
    QStringList texts;
    for (int index = 0; index < ShownCount(); ++index)
        texts.append(segments.at(index).document->toPlainText());
    return texts.join(QLatin1Char('\n'));
}

void ReportPageView::SetScrollBarsShown(bool shown)
{
    // The vertical bar stays in place while shown, so that a page growing
    // past the window's height does not narrow the text and lay it out again.
    setVerticalScrollBarPolicy(shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(shown ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

int ReportPageView::ShownCount() const
{
    int count = 0;
    while (count < segments.size() && segments.at(count).document)
        ++count;
    return count;
}

// The shown piece that holds the page line y (the last one past the end).
int ReportPageView::SegmentAt(int pageY) const
{
    if (offsets.size() < 2)
        return 0;
    const auto after = std::upper_bound(offsets.begin(), offsets.end() - 1, pageY);
    return qMax(0, int(after - offsets.begin()) - 1);
}

void ReportPageView::UpdateScrollRanges()
{
    const int shown = ShownCount();
    offsets.resize(shown + 1);
    offsets[0] = 0;
    int pageWidth = 0;
    for (int index = 0; index < shown; ++index) {
        const Segment &segment = segments.at(index);
        offsets[index + 1] = offsets.at(index) + segment.bottom - segment.top;
        // A piece still laid out for the width before is clipped, not scrolled.
        if (qRound(segment.document->textWidth()) == layoutWidth)
            pageWidth = qMax(pageWidth, int(segment.document->size().width()));
    }
    // A table of the full line width comes out a pixel or two wider than
    // the line; that is no reason for a horizontal scroll bar.
    if (pageWidth <= layoutWidth + WidthSlack)
        pageWidth = 0;
    const QSize visible = viewport()->size();
    verticalScrollBar()->setRange(0, qMax(0, offsets.last() - visible.height()));
    verticalScrollBar()->setPageStep(visible.height());
    horizontalScrollBar()->setRange(0, qMax(0, pageWidth - visible.width()));
    horizontalScrollBar()->setPageStep(visible.width());
}

void ReportPageView::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    // The chart picture is scaled to the line's width: smoothly, or the
    // one-pixel lines and strokes of its text that fall between are lost.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(event->rect(), Qt::white);
    if (!message.isEmpty()) {
        painter.setPen(Qt::black);
        painter.drawText(viewport()->rect().adjusted(8, 8, -8, -8),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, message);
        return;
    }
    const QPoint scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const QRect area = event->rect().translated(scroll);   // in page coordinates
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    const int shown = ShownCount();
    for (int index = SegmentAt(area.top()); index < shown && offsets.at(index) <= area.bottom();
         ++index) {
        const Segment &segment = segments.at(index);
        const int shift = offsets.at(index) - segment.top;   // document y + shift = page y
        const QRect band(area.left(), segment.top, area.width(), segment.bottom - segment.top);
        const QRect clip = area.translated(0, -shift) & band;
        if (clip.isEmpty())
            continue;
        painter.save();
        painter.translate(-scroll.x(), shift - scroll.y());
        painter.setClipRect(clip);
        context.clip = clip;
        segment.document->documentLayout()->draw(&painter, context);
        painter.restore();
    }
}

void ReportPageView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
    if (layoutWidth > 0 && AvailableWidth() != layoutWidth)
        widthSettle.start();
}

void ReportPageView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Home:
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
        break;
    case Qt::Key_End:
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void ReportPageView::Discard(QTextDocument *document)
{
    if (!document)
        return;
    discarded.append(document);
    disposal.start();
}

void ReportPageView::DisposeSome()
{
    QElapsedTimer spent;
    spent.start();
    while (!discarded.isEmpty() && spent.elapsed() < DisposalMsecs)
        delete discarded.takeLast();
    if (!discarded.isEmpty())
        disposal.start();
    else
        ReturnFreedMemory();   // a long page's documents hold hundreds of megabytes
}
