// Paints every icon and picture of the program with QPainter and writes them
// as PNG files into the folder named on the command line:
//
//   QT_QPA_PLATFORM=offscreen draw_icons resources/icons
//
// All tool-bar, menu and title-bar icons are drawn on a 48-unit grid with
// 2-unit outlines, so they share one weight; the larger pictures use their own
// grid. The palette is deliberately small: the window's dark grey, white, a
// light grey, a calm blue and green and red for the file-type badges.

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <QtMath>

#include <functional>
#include <vector>

namespace {

// ---------------------------------------------------------------- palette

namespace Colour {
const QColor Ink(64, 64, 64);
const QColor InkDeep(44, 44, 44);
const QColor Paper(255, 255, 255);
const QColor Shell(242, 242, 242);
const QColor Mist(217, 217, 217);
const QColor Stone(160, 160, 160);
const QColor Blue(52, 122, 200);
const QColor BlueDeep(36, 92, 160);
const QColor Green(40, 146, 84);
const QColor Red(206, 62, 52);
const QColor Amber(236, 168, 44);
const QColor Lcd(200, 216, 192);
const QColor LcdInk(34, 44, 36);
const QColor LcdGhost(186, 203, 178);
}

const qreal Line = 2.0;   // outline width on the 48-unit grid

// ---------------------------------------------------------------- basic strokes

QPen pen(const QColor &colour, qreal width = Line)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void fillAndOutline(QPainter &p, const QPainterPath &path, const QColor &fill,
                    const QColor &outline = Colour::Ink, qreal width = Line)
{
    p.setPen(pen(outline, width));
    p.setBrush(fill);
    p.drawPath(path);
}

void strokePath(QPainter &p, const QPainterPath &path, const QColor &colour,
                qreal width = Line)
{
    p.setPen(pen(colour, width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void strokeLine(QPainter &p, QPointF a, QPointF b, const QColor &colour, qreal width = Line)
{
    p.setPen(pen(colour, width));
    p.drawLine(a, b);
}

void fillDisc(QPainter &p, QPointF centre, qreal radius, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
}

QPainterPath roundedRect(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath circle(QPointF centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath polyline(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    for (const QPointF &point : points) {
        if (path.elementCount() == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path = polyline(points);
    path.closeSubpath();
    return path;
}

// A filled triangular arrow head whose tip points along angleDeg (screen
// degrees, 0 = right, 90 = down).
void arrowHead(QPainter &p, QPointF tip, qreal angleDeg, qreal size, const QColor &colour)
{
    const qreal a = qDegreesToRadians(angleDeg);
    const QPointF back(-qCos(a) * size, -qSin(a) * size);
    const QPointF side(-qSin(a) * size * 0.62, qCos(a) * size * 0.62);
    p.setPen(pen(colour, 1.0));
    p.setBrush(colour);
    p.drawPath(polygon({tip, tip + back + side, tip + back - side}));
}

// ---------------------------------------------------------------- text

QFont boldFont(qreal pixelSize)
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The largest bold font not above maxPixels whose text fits the width.
QFont fittedFont(const QString &text, qreal width, qreal maxPixels)
{
    for (int size = qRound(maxPixels); size > 4; --size) {
        const QFont font = boldFont(size);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width)
            return font;
    }
    return boldFont(4);
}

void drawText(QPainter &p, const QRectF &box, const QString &text, const QColor &colour,
              qreal maxPixels, Qt::Alignment align = Qt::AlignCenter)
{
    p.setFont(fittedFont(text, box.width(), maxPixels));
    p.setPen(colour);
    p.drawText(box, align, text);
}

// ---------------------------------------------------------------- shared shapes

// A sheet of paper with its top right corner folded over.
void sheet(QPainter &p, const QRectF &r, qreal fold = 9)
{
    const QPainterPath body = polygon({r.topLeft(), QPointF(r.right() - fold, r.top()),
                                       QPointF(r.right(), r.top() + fold), r.bottomRight(),
                                       r.bottomLeft()});
    fillAndOutline(p, body, Colour::Paper);
    const QPainterPath flap = polygon({QPointF(r.right() - fold, r.top()),
                                       QPointF(r.right() - fold, r.top() + fold),
                                       QPointF(r.right(), r.top() + fold)});
    fillAndOutline(p, flap, Colour::Mist);
}

// A coloured label with a short white word, as used on the file-type icons.
void badge(QPainter &p, const QRectF &r, const QColor &fill, const QString &text)
{
    fillAndOutline(p, roundedRect(r, 3), fill, fill.darker(125));
    drawText(p, r.adjusted(2, 0, -2, 0), text, Colour::Paper, r.height() * 0.78);
}

// Evenly spaced horizontal lines, the "text" on a sheet.
void textLines(QPainter &p, qreal left, qreal right, qreal top, int count, qreal step,
               const QColor &colour = Colour::Stone)
{
    for (int i = 0; i < count; ++i) {
        const qreal y = top + i * step;
        const qreal end = (i == count - 1) ? left + (right - left) * 0.6 : right;
        strokeLine(p, QPointF(left, y), QPointF(end, y), colour);
    }
}

// A magnifying glass: a lens of the given radius and a handle running down
// and to the right.
void magnifier(QPainter &p, QPointF centre, qreal radius, qreal handle, const QColor &colour)
{
    const qreal d = radius / qSqrt(2.0);
    p.setPen(pen(colour, 3));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(centre, radius, radius);
    const QPointF start = centre + QPointF(d + 1, d + 1);
    strokeLine(p, start, start + QPointF(handle, handle), colour, 5);
}

// The stylised chart of the brand: a blue rounded square carrying a rising
// white line. Drawn on a 64-unit grid; `detailed` adds a faint grid and
// sample points for the large picture.
void chartMark(QPainter &p, bool detailed)
{
    fillAndOutline(p, roundedRect(QRectF(3, 3, 58, 58), 14), Colour::Blue, Colour::BlueDeep,
                   detailed ? 1 : 2);
    const QColor faint(255, 255, 255, 90);
    if (detailed) {
        for (qreal y = 20; y <= 44; y += 8)
            strokeLine(p, QPointF(14, y), QPointF(51, y), QColor(255, 255, 255, 40), 1);
    }
    strokeLine(p, QPointF(14, 13), QPointF(14, 51), faint, 2);
    strokeLine(p, QPointF(14, 51), QPointF(52, 51), faint, 2);
    const QPainterPath line = polyline({QPointF(17, 43), QPointF(26, 31), QPointF(34, 37),
                                        QPointF(48, 18)});
    strokePath(p, line, Colour::Paper, detailed ? 3.5 : 4.5);
    if (detailed) {
        for (const QPointF point : {QPointF(17, 43), QPointF(26, 31), QPointF(34, 37)})
            fillDisc(p, point, 3.2, Colour::Paper);
    }
    fillDisc(p, QPointF(48, 18), detailed ? 4.5 : 4, Colour::Paper);
    if (detailed)
        fillDisc(p, QPointF(48, 18), 2, Colour::Amber);
}

// ---------------------------------------------------------------- seven-segment read-out

// Segment bits a..g of the digits 0 to 9.
const quint8 SegmentsOfDigit[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

QPainterPath segmentShape(QPointF a, QPointF b, qreal thickness)
{
    const qreal h = thickness / 2;
    const QPointF along = (b - a) / QLineF(a, b).length();
    const QPointF across(-along.y() * h, along.x() * h);
    return polygon({a, a + along * h + across, b - along * h + across, b,
                    b - along * h - across, a + along * h - across});
}

void segmentDigit(QPainter &p, const QRectF &cell, int digit, const QColor &colour)
{
    const qreal t = cell.width() * 0.22;
    const qreal g = t * 0.18;   // small gap between neighbouring segments
    const qreal l = cell.left() + t / 2, r = cell.right() - t / 2;
    const qreal top = cell.top() + t / 2, mid = cell.center().y(), bot = cell.bottom() - t / 2;
    const QPointF ends[7][2] = {
        {{l + g, top}, {r - g, top}}, {{r, top + g}, {r, mid - g}}, {{r, mid + g}, {r, bot - g}},
        {{l + g, bot}, {r - g, bot}}, {{l, mid + g}, {l, bot - g}}, {{l, top + g}, {l, mid - g}},
        {{l + g, mid}, {r - g, mid}}};
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int s = 0; s < 7; ++s) {
        if (SegmentsOfDigit[digit] & (1 << s))
            p.drawPath(segmentShape(ends[s][0], ends[s][1], t));
    }
}

// Draws digits and decimal points in seven-segment style, left-aligned in
// `box`, slightly slanted like a real LCD. Returns the right edge reached.
qreal segmentNumber(QPainter &p, const QRectF &box, const QString &text, const QColor &colour)
{
    const qreal h = box.height(), w = h * 0.5, gap = h * 0.14;
    p.save();
    p.translate(box.left(), box.bottom());
    p.shear(-0.1, 0);
    qreal x = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('.')) {
            fillDisc(p, QPointF(x - gap * 0.1, -w * 0.11), w * 0.11, colour);
            x += gap * 0.9;
        } else if (c.isDigit()) {
            segmentDigit(p, QRectF(x, -h, w, h), c.digitValue(), colour);
            x += w + gap;
        }
    }
    p.restore();
    return box.left() + x;
}

// An LCD number over faint "8"s, the unlit segments that show on real glass.
qreal lcdReadout(QPainter &p, const QRectF &box, const QString &text)
{
    QString ghost = text;
    for (QChar &c : ghost) {
        if (c.isDigit())
            c = QLatin1Char('8');
    }
    segmentNumber(p, box, ghost, Colour::LcdGhost);
    return segmentNumber(p, box, text, Colour::LcdInk);
}

// ---------------------------------------------------------------- tool-bar and menu icons (48)

void paintOpen(QPainter &p)
{
    const QPainterPath back = polygon({{5, 40}, {5, 10}, {17, 10}, {21, 14}, {39, 14},
                                       {39, 21}, {5, 21}});
    fillAndOutline(p, back, Colour::BlueDeep);
    fillAndOutline(p, polygon({{11, 24}, {11, 7}, {33, 7}, {33, 24}}), Colour::Paper);
    strokeLine(p, {15, 12}, {29, 12}, Colour::Stone);
    strokeLine(p, {15, 17}, {25, 17}, Colour::Stone);
    const QPainterPath front = polygon({{5, 41}, {11, 21}, {45, 21}, {39, 41}});
    fillAndOutline(p, front, Colour::Blue);
}

void paintSaveAs(QPainter &p)
{
    const QPainterPath body = polygon({{5, 5}, {33, 5}, {40, 12}, {40, 41}, {5, 41}});
    fillAndOutline(p, body, Colour::Blue);
    fillAndOutline(p, roundedRect(QRectF(12, 5, 19, 12), 1), Colour::Mist);
    fillAndOutline(p, roundedRect(QRectF(24, 8, 4, 6), 0.5), Colour::Ink, Colour::Ink, 1);
    fillAndOutline(p, roundedRect(QRectF(10, 24, 25, 17), 1), Colour::Paper);
    strokeLine(p, {14, 30}, {27, 30}, Colour::Stone);
    strokeLine(p, {14, 35}, {23, 35}, Colour::Stone);
    // The pencil says "as": a new name is written.
    p.save();
    p.translate(37, 35);
    p.rotate(-45);
    fillAndOutline(p, roundedRect(QRectF(-4, -3.5, 14, 7), 1), Colour::Amber);
    fillAndOutline(p, polygon({{-4, -3.5}, {-11, 0}, {-4, 3.5}}), Colour::Shell);
    p.restore();
}

void exportSheet(QPainter &p, const QColor &colour, const QString &word)
{
    sheet(p, QRectF(12, 4, 28, 40));
    badge(p, QRectF(4, 27, 32, 14), colour, word);
}

void paintExportPdf(QPainter &p)
{
    exportSheet(p, Colour::Red, QStringLiteral("PDF"));
    textLines(p, 17, 29, 11, 3, 5);
}

void paintExportExcel(QPainter &p)
{
    exportSheet(p, Colour::Green, QStringLiteral("XLS"));
    p.setPen(pen(Colour::Green, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(17, 14, 18, 10));
    p.drawLine(QPointF(23, 14), QPointF(23, 24));
    p.drawLine(QPointF(29, 14), QPointF(29, 24));
    p.drawLine(QPointF(17, 19), QPointF(35, 19));
}

void paintExportCsv(QPainter &p)
{
    exportSheet(p, Colour::Green, QStringLiteral("CSV"));
    for (qreal y : {12.0, 18.0, 24.0}) {
        strokeLine(p, QPointF(17, y), QPointF(21, y), Colour::Stone);
        fillDisc(p, QPointF(24, y + 1), 1.1, Colour::Green);
        strokeLine(p, QPointF(27, y), QPointF(33, y), Colour::Stone);
    }
}

void paintPrint(QPainter &p)
{
    fillAndOutline(p, polygon({{13, 20}, {13, 5}, {35, 5}, {35, 20}}), Colour::Paper);
    fillAndOutline(p, roundedRect(QRectF(4, 17, 40, 20), 4), Colour::Mist);
    strokeLine(p, {10, 23}, {30, 23}, Colour::Stone);
    fillDisc(p, QPointF(37.5, 23), 2.2, Colour::Green);
    fillAndOutline(p, polygon({{12, 30}, {36, 30}, {36, 44}, {12, 44}}), Colour::Paper);
    strokeLine(p, {17, 35}, {31, 35}, Colour::Blue);
    strokeLine(p, {17, 39.5}, {26, 39.5}, Colour::Blue);
}

QPainterPath gearShape(QPointF centre, qreal inner, qreal outer, int teeth)
{
    QPainterPath shape;
    shape.addEllipse(centre, inner, inner);
    const qreal toothWidth = 2 * M_PI * inner / teeth * 0.48;
    for (int i = 0; i < teeth; ++i) {
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-toothWidth / 2, -outer, toothWidth, outer - inner + 3), 1.5, 1.5);
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(360.0 * i / teeth);
        shape = shape.united(turn.map(tooth));
    }
    return shape.simplified();
}

void paintSettings(QPainter &p)
{
    const QPointF centre(24, 24);
    fillAndOutline(p, gearShape(centre, 14, 20, 8), Colour::Mist);
    p.setPen(pen(Colour::Ink));
    p.setBrush(Colour::Blue);
    p.drawEllipse(centre, 6.5, 6.5);
}

void paintHelp(QPainter &p)
{
    fillAndOutline(p, circle(QPointF(24, 24), 20), Colour::Blue, Colour::BlueDeep);
    QPainterPath hook;
    const QRectF bow(18, 11, 12, 12);
    hook.arcMoveTo(bow, 165);
    hook.arcTo(bow, 165, -250);
    hook.quadTo(QPointF(24, 25), QPointF(24, 29));
    strokePath(p, hook, Colour::Paper, 4.5);
    fillDisc(p, QPointF(24, 36), 2.7, Colour::Paper);
}

void paintQuery(QPainter &p)
{
    fillAndOutline(p, roundedRect(QRectF(5, 4, 28, 36), 2), Colour::Paper);
    textLines(p, 10, 28, 11, 4, 6);
    magnifier(p, QPointF(29, 28), 9, 8, Colour::Blue);
}

// Meter information: a white "i" on a blue disc, legible from menu size up to
// the picture in the information dialog.
void paintInfoGlyph(QPainter &p)
{
    fillAndOutline(p, circle(QPointF(24, 24), 20), Colour::Blue, Colour::BlueDeep);
    fillDisc(p, QPointF(24, 14.5), 3, Colour::Paper);
    p.setPen(Qt::NoPen);
    p.setBrush(Colour::Paper);
    p.drawPath(polygon({{19, 21}, {27, 21}, {27, 33}, {30, 33}, {30, 37}, {18, 37}, {18, 33},
                        {21, 33}, {21, 25}, {19, 25}}));
}

// Zoom-and-pan: a lens with a plus, with arrows out to all four sides.
void paintPan(QPainter &p)
{
    const QPointF c(22, 22);   // lens sits up-left so that lens and handle balance
    for (int quarter = 0; quarter < 4; ++quarter) {
        const qreal angle = quarter * 90.0;
        const qreal a = qDegreesToRadians(angle);
        const QPointF dir(qCos(a), qSin(a));
        arrowHead(p, QPointF(24, 24) + dir * 22, angle, 6, Colour::Blue);
    }
    magnifier(p, c, 9, 6, Colour::Blue);
    strokeLine(p, c + QPointF(-4.5, 0), c + QPointF(4.5, 0), Colour::Ink);
    strokeLine(p, c + QPointF(0, -4.5), c + QPointF(0, 4.5), Colour::Ink);
}

// Revert to the whole record: a counter-clockwise arrow around a small chart.
void paintRestore(QPainter &p)
{
    const QPointF centre(24, 24);
    const qreal radius = 16, startDeg = -100, sweepDeg = 240;
    QPainterPath arc;
    const QRectF ring(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    arc.arcMoveTo(ring, startDeg);
    arc.arcTo(ring, startDeg, sweepDeg);
    strokePath(p, arc, Colour::Blue, 3.5);
    // The head continues the arc along its tangent (counter-clockwise).
    const qreal end = qDegreesToRadians(startDeg + sweepDeg);
    const QPointF arcEnd = centre + QPointF(qCos(end), -qSin(end)) * radius;
    const QPointF tangent(-qSin(end), -qCos(end));
    const qreal headDeg = qRadiansToDegrees(qAtan2(tangent.y(), tangent.x()));
    arrowHead(p, arcEnd + tangent * 6, headDeg, 10, Colour::Blue);
    fillAndOutline(p, roundedRect(QRectF(16, 17, 16, 14), 2), Colour::Paper);
    strokePath(p, polyline({{19, 28}, {23, 22}, {26, 25}, {29, 20}}), Colour::Blue, 1.5);
}

// ---------------------------------------------------------------- title-bar buttons (48)

void paintMinimize(QPainter &p)
{
    strokeLine(p, {15, 32}, {33, 32}, Colour::Ink);
}

void paintMaximize(QPainter &p)
{
    strokePath(p, roundedRect(QRectF(15, 15, 18, 18), 1.5), Colour::Ink);
}

void paintRestoreWindow(QPainter &p)
{
    strokePath(p, polyline({{19, 17}, {19, 13}, {35, 13}, {35, 29}, {31, 29}}), Colour::Ink);
    strokePath(p, roundedRect(QRectF(13, 19, 16, 16), 1.5), Colour::Ink);
}

void paintClose(QPainter &p)
{
    strokeLine(p, {16, 16}, {32, 32}, Colour::Red);
    strokeLine(p, {32, 16}, {16, 32}, Colour::Red);
}

// Stay on top: an upright push pin.
void paintTop(QPainter &p)
{
    const QPainterPath pin = polygon({{17, 11}, {31, 11}, {31, 13}, {28.5, 14}, {29, 24},
                                      {33, 28}, {15, 28}, {19, 24}, {19.5, 14}, {17, 13}});
    strokePath(p, pin, Colour::Ink);
    strokeLine(p, {24, 28}, {24, 38}, Colour::Ink);
}

void paintLogout(QPainter &p)
{
    strokePath(p, polyline({{27, 15}, {27, 12}, {13, 12}, {13, 36}, {27, 36}, {27, 33}}),
               Colour::Ink);
    strokeLine(p, {20, 24}, {36, 24}, Colour::Ink);
    strokePath(p, polyline({{31, 19}, {36, 24}, {31, 29}}), Colour::Ink);
}

void paintToolbar(QPainter &p)
{
    strokePath(p, roundedRect(QRectF(11, 13, 26, 22), 2), Colour::Ink);
    strokeLine(p, {11, 20}, {37, 20}, Colour::Ink);
    for (qreal x : {15.5, 20.0, 24.5})
        fillDisc(p, QPointF(x, 16.5), 1.2, Colour::Ink);
}

// ---------------------------------------------------------------- brand marks

void paintLogo(QPainter &p)
{
    chartMark(p, false);
}

void paintAbout(QPainter &p)
{
    chartMark(p, true);
}

// A quill drawing a short line: the small mark on dialog title bars (32 grid).
void paintQuillMark(QPainter &p)
{
    QPainterPath mark;
    mark.moveTo(3, 29);
    mark.cubicTo(QPointF(8, 24.5), QPointF(11, 31), QPointF(16, 28));
    strokePath(p, mark, Colour::Ink, 2);
    QPainterPath vane;
    vane.moveTo(7.5, 25);
    vane.cubicTo(QPointF(7, 13), QPointF(17, 3.5), QPointF(30, 2));
    vane.cubicTo(QPointF(29, 9), QPointF(26, 13), QPointF(21, 15));
    vane.lineTo(22.5, 17);
    vane.cubicTo(QPointF(18, 22), QPointF(13, 24.5), QPointF(7.5, 25));
    fillAndOutline(p, vane, Colour::Blue, Colour::BlueDeep, 1.2);
    QPainterPath shaft;
    shaft.moveTo(6, 26.5);
    shaft.quadTo(QPointF(14, 16), QPointF(27, 5));
    strokePath(p, shaft, Colour::Paper, 1.4);
    strokeLine(p, {4.5, 28}, {7.5, 25}, Colour::InkDeep, 2.2);
}

// ---------------------------------------------------------------- meter pictures (320 grid)

void groundShadow(QPainter &p, QPointF centre, qreal rx)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 38));
    p.drawEllipse(centre, rx, rx * 0.11);
}

void lcdWindow(QPainter &p, const QRectF &r)
{
    fillAndOutline(p, roundedRect(r.adjusted(-5, -5, 5, 5), 9), Colour::InkDeep, Colour::InkDeep, 2);
    fillAndOutline(p, roundedRect(r, 5), Colour::Lcd, Colour::Lcd.darker(130), 2);
}

void roundButton(QPainter &p, QPointF centre, qreal radius, const QColor &colour)
{
    p.setPen(pen(colour.darker(140), 3));
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
}

void loggerLcd(QPainter &p)
{
    const QRectF lcd(104, 84, 112, 100);
    lcdWindow(p, lcd);
    const qreal x1 = lcdReadout(p, QRectF(114, 96, 0, 34), QStringLiteral("23.5"));
    drawText(p, QRectF(x1 + 2, 94, 24, 16), QString::fromUtf8("\u00B0C"), Colour::LcdInk, 15,
             Qt::AlignLeft | Qt::AlignTop);
    strokeLine(p, QPointF(112, 141), QPointF(208, 141), Colour::Lcd.darker(125), 1.5);
    const qreal x2 = lcdReadout(p, QRectF(114, 148, 0, 26), QStringLiteral("45.2"));
    drawText(p, QRectF(x2 + 2, 146, 30, 14), QStringLiteral("%RH"), Colour::LcdInk, 12,
             Qt::AlignLeft | Qt::AlignTop);
}

// A handheld temperature and humidity logger: white case, sensor cap on top,
// dark face with a small LCD, two keys and two status lights.
void paintMeter(QPainter &p)
{
    groundShadow(p, QPointF(160, 302), 78);
    fillAndOutline(p, roundedRect(QRectF(124, 10, 72, 40), 12), Colour::Ink, Colour::InkDeep, 4);
    for (qreal x = 140; x <= 180; x += 10)
        strokeLine(p, QPointF(x, 20), QPointF(x, 36), Colour::Stone, 3);
    fillAndOutline(p, roundedRect(QRectF(84, 40, 152, 256), 30), Colour::Shell, Colour::Ink, 5);
    fillAndOutline(p, roundedRect(QRectF(94, 58, 132, 224), 20), Colour::Ink, Colour::InkDeep, 3);
    loggerLcd(p);
    roundButton(p, QPointF(136, 218), 12, Colour::Blue);
    roundButton(p, QPointF(184, 218), 12, Colour::Mist);
    fillDisc(p, QPointF(148, 256), 5, Colour::Green);
    fillDisc(p, QPointF(172, 256), 5, Colour::Red.lighter(110));
}

// The outline of a case that widens from `topHalf` to `bottomHalf` (half
// widths around the picture's centre line) between `top` and `bottom`.
QPainterPath taperedBody(qreal top, qreal topHalf, qreal bottom, qreal bottomHalf)
{
    const qreal c = 160, r = 14;
    QPainterPath body;
    body.moveTo(c - topHalf + r, top);
    body.lineTo(c + topHalf - r, top);
    body.quadTo(QPointF(c + topHalf, top), QPointF(c + topHalf + 1, top + r));
    body.lineTo(c + bottomHalf, bottom - r);
    body.quadTo(QPointF(c + bottomHalf, bottom), QPointF(c + bottomHalf - r, bottom));
    body.lineTo(c - bottomHalf + r, bottom);
    body.quadTo(QPointF(c - bottomHalf, bottom), QPointF(c - bottomHalf, bottom - r));
    body.lineTo(c - topHalf - 1, top + r);
    body.quadTo(QPointF(c - topHalf, top), QPointF(c - topHalf + r, top));
    return body;
}

void microphoneBall(QPainter &p, QPointF centre, qreal radius)
{
    const QPainterPath ball = circle(centre, radius);
    fillAndOutline(p, ball, Colour::InkDeep, Colour::InkDeep, 3);
    p.save();
    p.setClipPath(ball);
    const QColor mesh(110, 110, 110);
    for (qreal d = -2 * radius; d <= 2 * radius; d += 9) {
        strokeLine(p, centre + QPointF(d - radius, -radius), centre + QPointF(d + radius, radius), mesh, 1.5);
        strokeLine(p, centre + QPointF(d + radius, -radius), centre + QPointF(d - radius, radius), mesh, 1.5);
    }
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawEllipse(centre + QPointF(-radius * 0.35, -radius * 0.4), radius * 0.32, radius * 0.2);
}

void soundLcd(QPainter &p)
{
    lcdWindow(p, QRectF(110, 138, 100, 74));
    const qreal x = lcdReadout(p, QRectF(118, 148, 0, 31), QStringLiteral("68.4"));
    drawText(p, QRectF(x, 162, 26, 18), QStringLiteral("dB"), Colour::LcdInk, 17,
             Qt::AlignLeft | Qt::AlignBottom);
    // A level bar under the number; the unlit bars show faintly as on glass.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        const qreal height = 3 + i * 0.7;
        p.setBrush(i < 8 ? Colour::LcdInk : Colour::LcdGhost);
        p.drawRect(QRectF(118 + i * 7.5, 204 - height, 5, height));
    }
}

// A handheld sound level meter: microphone ball on a tapered neck above a
// dark body with an LCD and four keys.
void paintSoundMeter(QPainter &p)
{
    groundShadow(p, QPointF(160, 304), 66);
    const QPainterPath neck = polygon({{144, 66}, {176, 66}, {188, 112}, {132, 112}});
    fillAndOutline(p, neck, Colour::Ink, Colour::InkDeep, 4);
    fillAndOutline(p, taperedBody(104, 58, 298, 70), Colour::Ink, Colour::InkDeep, 5);
    fillAndOutline(p, roundedRect(QRectF(118, 112, 84, 10), 5), Colour::Blue, Colour::BlueDeep, 2);
    soundLcd(p);
    const QRectF keys[4] = {{122, 232, 32, 16}, {166, 232, 32, 16}, {122, 258, 32, 16}, {166, 258, 32, 16}};
    for (int i = 0; i < 4; ++i)
        fillAndOutline(p, roundedRect(keys[i], 6), i == 0 ? Colour::Blue : Colour::Mist,
                       Colour::InkDeep, 2);
    microphoneBall(p, QPointF(160, 44), 34);
}

// ---------------------------------------------------------------- the table of icons

// Greys a finished drawing out: each pixel keeps its alpha and becomes a
// light grey whose shade follows its lightness, so outlines stay visible.
QImage greyedOut(const QImage &source)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int shade = 165 + qGray(row[x]) * 60 / 255;
            row[x] = qRgba(shade, shade, shade, qAlpha(row[x]));
        }
    }
    return image;
}

struct IconEntry
{
    const char *name;
    int pixels;     // edge of the square PNG
    qreal grid;     // edge of the drawing's own coordinate grid
    std::function<void(QPainter &)> paint;
    bool greyed;
};

const std::vector<IconEntry> &allIcons()
{
    static const std::vector<IconEntry> icons = {
        {"logo", 64, 64, paintLogo, false},
        {"about", 256, 64, paintAbout, false},
        {"quillmarknew", 32, 32, paintQuillMark, false},
        {"info", 256, 48, paintInfoGlyph, false},
        {"meter", 320, 320, paintMeter, false},
        {"sound_meter", 320, 320, paintSoundMeter, false},
        {"Pan", 48, 48, paintPan, false},
        {"Pan-disable", 48, 48, paintPan, true},
        {"restore", 48, 48, paintRestore, false},
        {"restore-disable", 48, 48, paintRestore, true},
        {"open", 48, 48, paintOpen, false},
        {"save_as", 48, 48, paintSaveAs, false},
        {"export_pdf", 48, 48, paintExportPdf, false},
        {"export_excel", 48, 48, paintExportExcel, false},
        {"export_csv", 48, 48, paintExportCsv, false},
        {"print", 48, 48, paintPrint, false},
        {"settings", 48, 48, paintSettings, false},
        {"help", 48, 48, paintHelp, false},
        {"query", 48, 48, paintQuery, false},
        {"minimize", 48, 48, paintMinimize, false},
        {"maximize", 48, 48, paintMaximize, false},
        {"restore_window", 48, 48, paintRestoreWindow, false},
        {"close", 48, 48, paintClose, false},
        {"top", 48, 48, paintTop, false},
        {"logout", 48, 48, paintLogout, false},
        {"toolbar", 48, 48, paintToolbar, false},
    };
    return icons;
}

QImage render(const IconEntry &icon)
{
    QImage image(icon.pixels, icon.pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    p.scale(icon.pixels / icon.grid, icon.pixels / icon.grid);
    icon.paint(p);
    p.end();
    return icon.greyed ? greyedOut(image) : image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: draw_icons <output folder>\n";
        return 2;
    }
    const QDir folder(args.at(1));
    if (!QDir().mkpath(folder.path())) {
        err << "cannot create " << folder.path() << "\n";
        return 1;
    }
    int failures = 0;
    for (const IconEntry &icon : allIcons()) {
        const QString file = folder.filePath(QString::fromLatin1(icon.name) + QStringLiteral(".png"));
        if (!render(icon).save(file, "PNG")) {
            err << "cannot write " << file << "\n";
            ++failures;
        }
    }
    QTextStream(stdout) << "wrote " << allIcons().size() - failures << " icons to "
                        << folder.path() << "\n";
    return failures == 0 ? 0 : 1;
}
