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
    if (count < 1)
        return -1;
    for (int i = 0; i < count; ++i) {
        if (keyOf(i) + half >= xc)
            return i;
    }
    int last = count - 1;
    while (last > 0 && keyOf(last - 1) == keyOf(count - 1))
        --last;
    return last;
}

} // namespace

int SnapSampleIndex(const quint32 *times, int count, double xc)
{
    // Half the first interval in whole seconds; the sum in double, so that a
    // stamp near the top of the range cannot wrap.
    const quint32 half = count >= 2 ? (times[1] - times[0]) / 2 : 0;
    return SnapIndex(count, double(half), xc, [times](int i) { return double(times[i]); });
}

int SnapKeyIndex(const QCPGraphDataContainer &keys, double xc)
{
    const int count = keys.size();
    const double half = count >= 2 ? (keys.at(1)->key - keys.at(0)->key) / 2 : 0.0;
    return SnapIndex(count, half, xc, [&keys](int i) { return keys.at(i)->key; });
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
