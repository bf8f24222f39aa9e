#ifndef CHARTADDITIONS_H
#define CHARTADDITIONS_H

// Two additions to the chart library, made by derivation so that the library
// itself stays as the system ships it:
//  - a sixth tracer style that draws only the vertical line of the crosshair,
//    used by charts whose read-out marks a time but no value;
//  - a smoothing flag on graphs that draws the line as cubic curves.

#include <QPainterPath>
#include <QPointF>
#include <QVector>

#include <qcustomplot.h>

// Tracer style 5: the vertical half of tsCrosshair. Only CrosshairTracer
// items draw it; the base tracer draws nothing for an unknown style.
constexpr QCPItemTracer::TracerStyle tsCrosshair_X = static_cast<QCPItemTracer::TracerStyle>(5);

class CrosshairTracer : public QCPItemTracer
{
    Q_OBJECT

public:
    explicit CrosshairTracer(QCustomPlot *parentPlot);

protected:
    void draw(QCPPainter *painter) override;

private:
    void drawVerticalLine(QCPPainter *painter);
};

// A graph that can draw its line as one smooth path through its points.
// Smoothing is off for a new graph; it applies to the line style lsLine only.
class SmoothGraph : public QCPGraph
{
    Q_OBJECT

public:
    // Like every QCPGraph, registers itself with the axes' plot and, when the
    // plot adds plottables to its legend automatically, with the legend.
    SmoothGraph(QCPAxis *keyAxis, QCPAxis *valueAxis);

    void setSmooth(bool smooth);
    bool smooth() const { return mSmooth; }

protected:
    void drawLinePlot(QCPPainter *painter, const QVector<QPointF> &lines) const override;

private:
    bool mSmooth = false;
};

// The smooth path through the given pixel points: the points are split into
// runs at every point whose x or y is NaN or whose y is infinite (that point
// is dropped); every run of two or more points becomes one sub-path of cubic
// segments that pass through all of its points.
QPainterPath SmoothLinePath(const QVector<QPointF> &points);

// Adds a smooth-capable graph to the plot of the two axes, named and listed
// in the legend as QCustomPlot::addGraph would; smoothing is off. Returns
// nullptr (and adds nothing) when an axis is missing or the two axes belong
// to different plots.
SmoothGraph *AddSmoothGraph(QCPAxis *keyAxis, QCPAxis *valueAxis);

#endif // CHARTADDITIONS_H
