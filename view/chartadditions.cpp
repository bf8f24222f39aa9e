#include "view/chartadditions.h"

#include <QtMath>

// ---------------------------------------------------------------------------
// CrosshairTracer

CrosshairTracer::CrosshairTracer(QCustomPlot *parentPlot)
    : QCPItemTracer(parentPlot)
{
}

void CrosshairTracer::draw(QCPPainter *painter)
{
    const int style = static_cast<int>(this->style());
    if (style == tsCrosshair_X) {
        drawVerticalLine(painter);
    } else if (style >= tsNone && style <= tsSquare) {
        QCPItemTracer::draw(painter);
    } else {
        // An unknown style draws nothing, but the position still follows a
        // tracked graph as it does for every style.
        updatePosition();
    }
}

// Mirrors the vertical half of the library's tsCrosshair: same pen and brush
// choice, same clip rect, and the line only while the tracer lies strictly
// inside it horizontally.
void CrosshairTracer::drawVerticalLine(QCPPainter *painter)
{
    updatePosition();
    painter->setPen(mainPen());
    painter->setBrush(mainBrush());
    const QPointF center = position->pixelPosition();
    const QRect clip = clipRect();
    if (center.x() > clip.left() && center.x() < clip.right())
        painter->drawLine(QLineF(center.x(), clip.top(), center.x(), clip.bottom()));
}

// ---------------------------------------------------------------------------
// Smooth path

namespace {

bool EndsRun(const QPointF &point)
{
    return qIsNaN(point.x()) || qIsNaN(point.y()) || qIsInf(point.y());
}

// First control points of the n segments through p[0..n], n >= 2: the
// tridiagonal system (diagonal 2, 4 .. 4, 3.5; off-diagonals 1) solved for
// both coordinates at once by forward elimination and back substitution.
QVector<QPointF> FirstControlPoints(const QPointF *p, int n)
{
    QVector<QPointF> rhs(n);
    rhs[0] = p[0] + 2.0 * p[1];
    for (int i = 1; i < n - 1; ++i)
        rhs[i] = 4.0 * p[i] + 2.0 * p[i + 1];
    rhs[n - 1] = (8.0 * p[n - 1] + p[n]) / 2.0;

    QVector<QPointF> x(n);
    QVector<double> factor(n);
    double pivot = 2.0;
    x[0] = rhs[0] / pivot;
    for (int i = 1; i < n; ++i) {
        factor[i] = 1.0 / pivot;
        pivot = (i < n - 1 ? 4.0 : 3.5) - factor[i];
        x[i] = (rhs[i] - x[i - 1]) / pivot;
    }
    for (int i = 1; i < n; ++i)
        x[n - i - 1] -= factor[n - i] * x[n - i];
    return x;
}

// Appends the sub-path of the run p[0..count-1]; runs shorter than two
// points add nothing.
void AddSmoothRun(QPainterPath *path, const QPointF *p, int count)
{
    const int n = count - 1;
    if (n < 1)
        return;
    path->moveTo(p[0]);
    if (n == 1) {
        const QPointF c1 = (2.0 * p[0] + p[1]) / 3.0;
        path->cubicTo(c1, 2.0 * c1 - p[0], p[1]);
        return;
    }
    const QVector<QPointF> first = FirstControlPoints(p, n);
    for (int i = 0; i < n; ++i) {
        const QPointF second = i < n - 1 ? 2.0 * p[i + 1] - first[i + 1]
                                         : (p[n] + first[n - 1]) / 2.0;
        path->cubicTo(first[i], second, p[i + 1]);
    }
}

} // namespace

QPainterPath SmoothLinePath(const QVector<QPointF> &points)
{
    QPainterPath path;
    int runStart = 0;
    for (int i = 0; i <= points.size(); ++i) {
        if (i == points.size() || EndsRun(points.at(i))) {
            AddSmoothRun(&path, points.constData() + runStart, i - runStart);
            runStart = i + 1;
        }
    }
    return path;
}

// ---------------------------------------------------------------------------
// SmoothGraph

SmoothGraph::SmoothGraph(QCPAxis *keyAxis, QCPAxis *valueAxis)
    : QCPGraph(keyAxis, valueAxis)
{
}

void SmoothGraph::setSmooth(bool smooth)
{
    mSmooth = smooth;
}

void SmoothGraph::drawLinePlot(QCPPainter *painter, const QVector<QPointF> &lines) const
{
    if (!mSmooth || mLineStyle != lsLine) {
        QCPGraph::drawLinePlot(painter, lines);
        return;
    }
    const QPen pen = painter->pen();
    if (pen.style() == Qt::NoPen || pen.color().alpha() == 0)
        return;
    applyDefaultAntialiasingHint(painter);
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(SmoothLinePath(lines));
}

SmoothGraph *AddSmoothGraph(QCPAxis *keyAxis, QCPAxis *valueAxis)
{
    if (!keyAxis || !valueAxis || keyAxis->parentPlot() != valueAxis->parentPlot())
        return nullptr;
    SmoothGraph *graph = new SmoothGraph(keyAxis, valueAxis);
    // The constructor has registered the graph, so the count includes it;
    // this is the name addGraph gives.
    graph->setName(QLatin1String("Graph ") + QString::number(keyAxis->parentPlot()->graphCount()));
    graph->setSmooth(false);
    return graph;
}
