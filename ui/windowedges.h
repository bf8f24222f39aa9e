#ifndef WINDOWEDGES_H
#define WINDOWEDGES_H

// Edges and corners for a frameless window, which the window manager gives
// none: while the window is neither maximised nor full screen, thin grips
// along its edges show the resize cursor and, when dragged, resize it like
// any desktop window (through the window manager where it can, else by
// themselves). A window restored on a screen too small for its normal size
// gets a size that fits that screen; one that fits keeps the size the user
// gave it.
//
//     new WindowEdges(this);   // in the window's constructor, after its widgets

#include <QObject>
#include <QRect>
#include <QVector>

class EdgeGrip;
class QWidget;

class WindowEdges : public QObject
{
    Q_OBJECT

public:
    explicit WindowEdges(QWidget *window);

    // Width of the band along each edge that resizes the window.
    static constexpr int GripWidth = 6;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void PlaceGrips();
    void FitRestoredWindow();

    QWidget *Window;
    QVector<EdgeGrip *> Grips;
    // The size the window had before it was last maximised: what a restore
    // brings back.
    QSize NormalSize;
};

// The restored (normal) geometry of a window on a screen with this available
// area: the 1366 x 768 the layout was drawn for where that leaves room around
// it, else nine tenths of the area, but not less than the window's minimum
// where the area holds that; centred.
QRect RestoredGeometry(const QRect &available, const QSize &minimum = QSize());

#endif // WINDOWEDGES_H
