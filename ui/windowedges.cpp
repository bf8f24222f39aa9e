#include "ui/windowedges.h"

#include <QEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

const QSize LayoutSize(1366, 768);

Qt::CursorShape CursorFor(Qt::Edges edges)
{
    if (edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge))
        return Qt::SizeFDiagCursor;
    if (edges == (Qt::TopEdge | Qt::RightEdge) || edges == (Qt::BottomEdge | Qt::LeftEdge))
        return Qt::SizeBDiagCursor;
    return edges & (Qt::LeftEdge | Qt::RightEdge) ? Qt::SizeHorCursor : Qt::SizeVerCursor;
}

// The window's geometry with the given edges moved by `moved`, no smaller
// than the window may be.
QRect MovedEdges(QRect start, Qt::Edges edges, QPoint moved, QSize minimum)
{
    if (edges & Qt::LeftEdge)
        start.setLeft(qMin(start.left() + moved.x(), start.right() + 1 - minimum.width()));
    if (edges & Qt::RightEdge)
        start.setRight(qMax(start.right() + moved.x(), start.left() - 1 + minimum.width()));
    if (edges & Qt::TopEdge)
        start.setTop(qMin(start.top() + moved.y(), start.bottom() + 1 - minimum.height()));
    if (edges & Qt::BottomEdge)
        start.setBottom(qMax(start.bottom() + moved.y(), start.top() - 1 + minimum.height()));
    return start;
}

} // namespace

// One edge or corner. It hands a drag to the window manager; where none
// takes it, it resizes the window itself as the mouse moves.
class EdgeGrip : public QWidget
{
public:
    EdgeGrip(QWidget *window, Qt::Edges edges)
        : QWidget(window)
        , Edges(edges)
    {
        setObjectName(QStringLiteral("edgeGrip%1").arg(int(edges)));
        setCursor(CursorFor(edges));
    }

    const Qt::Edges Edges;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return QWidget::mousePressEvent(event);
        QWindow *native = window()->windowHandle();
        Resizing = !(native && native->startSystemResize(Edges));
        PressedAt = event->globalPos();
        StartGeometry = window()->geometry();
        event->accept();
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (!Resizing || !(event->buttons() & Qt::LeftButton))
            return QWidget::mouseMoveEvent(event);
        QWidget *target = window();
        target->setGeometry(MovedEdges(StartGeometry, Edges, event->globalPos() - PressedAt,
                                       target->minimumSizeHint().expandedTo(target->minimumSize())));
        event->accept();
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            Resizing = false;
        QWidget::mouseReleaseEvent(event);
    }

private:
    bool Resizing = false;
    QPoint PressedAt;
    QRect StartGeometry;
};

WindowEdges::WindowEdges(QWidget *window)
    : QObject(window)
    , Window(window)
{
    const Qt::Edges sides[] = {Qt::LeftEdge, Qt::RightEdge, Qt::TopEdge, Qt::BottomEdge,
                               Qt::TopEdge | Qt::LeftEdge, Qt::TopEdge | Qt::RightEdge,
                               Qt::BottomEdge | Qt::LeftEdge, Qt::BottomEdge | Qt::RightEdge};
    for (Qt::Edges edges : sides)
        Grips.append(new EdgeGrip(window, edges));
    window->installEventFilter(this);
    PlaceGrips();
}

// The sides between the corners, the corners last so that they lie on top.
void WindowEdges::PlaceGrips()
{
    const int w = Window->width();
    const int h = Window->height();
    const int g = GripWidth;
    const bool resizable = !(Window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    for (EdgeGrip *grip : Grips) {
        const Qt::Edges e = grip->Edges;
        const int x = e & Qt::LeftEdge ? 0 : e & Qt::RightEdge ? w - g : g;
        const int y = e & Qt::TopEdge ? 0 : e & Qt::BottomEdge ? h - g : g;
        const int width = e & (Qt::LeftEdge | Qt::RightEdge) ? g : w - 2 * g;
        const int height = e & (Qt::TopEdge | Qt::BottomEdge) ? g : h - 2 * g;
        grip->setGeometry(x, y, width, height);
        grip->setVisible(resizable);
        grip->raise();
    }
}

// A window restored to a size the screen it is on cannot hold (it was
// maximised on a larger screen) gets the size that fits.
void WindowEdges::FitRestoredWindow()
{
    if (Window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))
        return;
    const QScreen *screen = Window->screen();
    if (!screen || NormalSize.isEmpty())
        return;
    const QRect available = screen->availableGeometry();
    if (NormalSize.width() > available.width() || NormalSize.height() > available.height())
        Window->setGeometry(RestoredGeometry(available, Window->minimumSizeHint()));
}

bool WindowEdges::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Window) {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::ChildAdded:
            PlaceGrips();
            break;
        case QEvent::WindowStateChange:
            PlaceGrips();
            if (Window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
                NormalSize = Window->normalGeometry().size();
            else
                // After the window manager has carried the restore out.
                QTimer::singleShot(0, this, &WindowEdges::FitRestoredWindow);
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

QRect RestoredGeometry(const QRect &available, const QSize &minimum)
{
    const QSize size = LayoutSize.boundedTo(available.size() * 9 / 10);
    QRect restored(QPoint(0, 0), size.expandedTo(minimum).boundedTo(available.size()));
    restored.moveCenter(available.center());
    return restored;
}
