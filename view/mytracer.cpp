#include "view/mytracer.h"

#include <QtMath>


#include "view/chartadditions.h"

namespace {

const char OverlayLayer[] = "overlay";

QPointF LabelOffset(bool flip, bool wide)
{
    if (!flip)
        return QPointF(25, 0);
    return QPointF(wide ? -245 : -214, 0);
}

} // namespace

myTracer::myTracer(QCustomPlot *plot, int type, QObject *parent)
    : QObject(parent)
    , plot(plot)
    , type(type)
{
    if (!plot)
        return;
    createItems();
    applyLayout();
    setVisible(false);
}

myTracer::~myTracer()
{
    // The arrow is left on the plot. An item that is still alive still
    // belongs to a living plot, which deletes it here.
    if (tracer)
        tracer->parentPlot()->removeItem(tracer);
    if (label)
        label->parentPlot()->removeItem(label);
}

void myTracer::createItems()
{
    tracer = new CrosshairTracer(plot);
    tracer->setStyle(QCPItemTracer::tsCrosshair);
    tracer->setPen(QPen(Qt::black));

    label = new QCPItemText(plot);
    label->setLayer(QLatin1String(OverlayLayer));
    label->setClipToAxisRect(false);
    label->setPadding(QMargins(2, 2, 2, 2));
    label->setBrush(QBrush(QColor(255, 255, 0, 255)));
    label->setPen(QPen(Qt::white));
    label->setFont(QFont(QStringLiteral("msyh"), 14, QFont::Bold));
    label->position->setParentAnchor(tracer->position);

    arrow = new QCPItemLine(plot);
    arrow->setLayer(QLatin1String(OverlayLayer));
    arrow->setClipToAxisRect(false);
    arrow->setHead(QCPLineEnding(QCPLineEnding::esSpikeArrow, 8, 10));
    arrow->end->setParentAnchor(tracer->position);
}

void myTracer::applyLayout()
{
    switch (type) {
    case 0:
        tracer->position->setTypeX(QCPItemPosition::ptPlotCoords);
        tracer->position->setTypeY(QCPItemPosition::ptAxisRectRatio);
        label->setPositionAlignment(Qt::AlignTop | Qt::AlignHCenter);
        arrow->start->setParentAnchor(arrow->end);
        arrow->start->setCoords(20, 0);
        break;
    case 1:
        tracer->position->setTypeX(QCPItemPosition::ptAxisRectRatio);
        tracer->position->setTypeY(QCPItemPosition::ptPlotCoords);
        label->setPositionAlignment(Qt::AlignRight | Qt::AlignHCenter);
        arrow->start->setParentAnchor(label->position);
        arrow->start->setCoords(-20, 0);
        break;
    case 2:
        tracer->position->setTypeX(QCPItemPosition::ptPlotCoords);
        tracer->position->setTypeY(QCPItemPosition::ptPlotCoords);
        label->setPositionAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setTextAlignment(Qt::AlignLeft);
        arrow->start->setParentAnchor(arrow->end);
        arrow->start->setCoords(25, 0);
        break;
    default:
        // No layout: the items keep the library's defaults and
        // updatePosition leaves them where they are.
        break;
    }
}

void myTracer::setStyle(int style)
{
    if (tracer)
        tracer->setStyle(static_cast<QCPItemTracer::TracerStyle>(style));
}

void myTracer::setText(QString text)
{
    if (!label)
        return;
    label->setFont(QFont(QStringLiteral("Arial"), 12));
    label->setText(text);
}

void myTracer::setVisible(bool on)
{
    for (QCPAbstractItem *item : {static_cast<QCPAbstractItem *>(tracer),
                                  static_cast<QCPAbstractItem *>(label),
                                  static_cast<QCPAbstractItem *>(arrow)}) {
        if (item)
            item->setVisible(on);
    }
}

void myTracer::updatePosition(double x, double y, bool flip, bool wide)
{
    if (!tracer || !label || !arrow)
        return;
    if (plot->yAxis) {
        const QCPRange range = plot->yAxis->range();
        y = qBound(range.lower, y, range.upper);
    }
    switch (type) {
    case 0:
        tracer->position->setCoords(x, 1.0);
        label->position->setCoords(0, 15);
        arrow->start->setCoords(0, 15);
        arrow->end->setCoords(0, 0);
        break;
    case 1:
        tracer->position->setCoords(1.0, y);
        label->position->setCoords(-20, 0);
        break;
    case 2:
        tracer->position->setCoords(x, y);
        label->position->setCoords(LabelOffset(flip, wide));
        arrow->start->setCoords(flip ? -25 : 25, 0);
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------

namespace {

// The first i with key(i) + half >= xc; beyond the last sample, the first
// sample that carries the last key.
template<typename KeyOf>
int SnapIndex(int count, double half, double xc, KeyOf keyOf)
{
    for (int i = 0; i < count; ++i) {
        if (keyOf(i) + half >= xc)
            return i;
    }
    int last = count - 1;
    while (last > 0 && keyOf(last - 1) == keyOf(count - 1))
        --last;
    return last;
}

// A record whose clock was set back while logging has keys that fall
// somewhere; the snap above assumes they rise, so such a record takes the
// sample whose key lies nearest (the first of equals).
template<typename KeyOf>
int SnapAnyIndex(int count, double half, double xc, KeyOf keyOf)
{
    if (count < 1)
        return -1;
    bool rising = true;
    for (int i = 1; i < count && rising; ++i)
        rising = keyOf(i) >= keyOf(i - 1);
    if (rising)
        return SnapIndex(count, half, xc, keyOf);
    int nearest = 0;
    for (int i = 1; i < count; ++i) {
        if (qAbs(keyOf(i) - xc) < qAbs(keyOf(nearest) - xc))
            nearest = i;
    }
    return nearest;
}

// The key a light sample is drawn at: the second of two samples that share a
// whole-second stamp sits half a second later.
double LightKey(const quint32 *times, int i)
{
    const bool secondOfPair = i % 2 == 1 && times[i] == times[i - 1];
    return double(times[i]) + (secondOfPair ? 0.5 : 0.0);
}

} // namespace

int SnapSampleIndex(const quint32 *times, int count, double xc)
{
    // Half the first interval as a real number, so that on a one-second
    // record the cursor names the nearest sample, not the next.
    const double half = count >= 2 ? (double(times[1]) - double(times[0])) / 2.0 : 0.0;
    return SnapAnyIndex(count, half, xc, [times](int i) { return double(times[i]); });
}

int SnapLightIndex(const quint32 *times, int count, double xc)
{
    auto key = [times](int i) { return LightKey(times, i); };
    const double half = count >= 2 ? (key(1) - key(0)) / 2 : 0.0;
    return SnapAnyIndex(count, half, xc, key);
}

double GraphValueAt(const QCPGraph *graph, double key)
{
    if (!graph || qIsNaN(key))
        return 0.0;
    const QSharedPointer<QCPGraphDataContainer> data = graph->data();
    if (data->isEmpty())
        return 0.0;
    int low = 0;
    int high = data->size() - 1;
    if (key < data->at(low)->key || key > data->at(high)->key)
        return 0.0;
    if (key == data->at(low)->key)
        return data->at(low)->value;
    if (key == data->at(high)->key)
        return data->at(high)->value;
    while (high - low > 1) {
        const int mid = (low + high) / 2;
        const double midKey = data->at(mid)->key;
        if (midKey == key)
            return data->at(mid)->value;
        if (midKey < key)
            low = mid;
        else
            high = mid;
    }
    const QCPGraphData &a = *data->at(low);
    const QCPGraphData &b = *data->at(high);
    return a.value + (b.value - a.value) * (key - a.key) / (b.key - a.key);
}
