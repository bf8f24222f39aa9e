#ifndef MYTRACER_H
#define MYTRACER_H

// The chart's hover read-out: a tracer item that marks the sample under the
// mouse, a yellow label with its values anchored next to the tracer, and an
// arrow from the label to the tracer. The three items live on the plot, which
// owns them; this object only places and shows them.
//
// Three layouts, chosen by the type:
//   0  tracer at (x in plot coordinates, y as axis-rect ratio), label below it
//   1  tracer at (x as axis-rect ratio, y in plot coordinates), label left of it
//   2  tracer at (x, y) in plot coordinates, label beside it (the main window's)

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtGlobal>

#include <qcustomplot.h>

class myTracer : public QObject
{
    Q_OBJECT

public:
    myTracer(QCustomPlot *plot, int type, QObject *parent);
    ~myTracer() override;

    void setStyle(int style);
    void setText(QString text);
    void setVisible(bool on);
    void updatePosition(double x, double y, bool flip, bool wide);

    // The plot is not owned. The items are owned by the plot and tracked, so
    // that items the plot has already deleted (with clearItems or in its own
    // destructor) are never touched again.
    QCustomPlot *plot = nullptr;
    QPointer<QCPItemTracer> tracer; // a CrosshairTracer, so that style 5 draws
    QPointer<QCPItemText> label;
    QPointer<QCPItemLine> arrow;
    int type = 0;

private:
    void createItems();
    void applyLayout();
};

// Index of the sample the read-out shows for the time xc (seconds since
// 1970): the first i with times[i] + half >= xc, where half is half the
// first sampling interval (0.5 s on a one-second record: the nearest
// sample). Beyond the last sample it is the first
// sample that carries the last time stamp. A record whose stamps do not rise
// takes the sample nearest to xc. Returns -1 only for count < 1.
int SnapSampleIndex(const quint32 *times, int count, double xc);

// The same snap over the keys a light curve is drawn at: the second of two
// samples that share a whole-second stamp half a second later, and half the
// first key interval as a fraction.
int SnapLightIndex(const quint32 *times, int count, double xc);

// The graph's value at key: the value of a point with exactly that key, else
// the linear interpolation between the two neighbouring points. 0.0 outside
// the graph's key range, for a NaN key, without data or without a graph.
double GraphValueAt(const QCPGraph *graph, double key);

#endif // MYTRACER_H
