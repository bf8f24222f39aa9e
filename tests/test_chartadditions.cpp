// The tracer style 5 drawn into images, the smooth path's sub-paths and
// control points, and the hover read-out's geometry and helpers.

#include <QtTest>

#include "view/chartadditions.h"
#include "view/mytracer.h"

using Points = QVector<QPointF>;

namespace {

// An axis rect of 256 x 256 pixels at (72, 22), both ranges 0..256: one unit
// is one pixel. Hidden axes draw nothing over the rect.
void SetUpPlot(QCustomPlot *plot)
{
    plot->xAxis->setVisible(false);
    plot->yAxis->setVisible(false);
    plot->setViewport(QRect(0, 0, 400, 300));
    plot->axisRect()->setAutoMargins(QCP::msNone);
    plot->axisRect()->setMargins(QMargins(72, 22, 72, 22));
    plot->xAxis->setRange(0, 256);
    plot->yAxis->setRange(0, 256);
    plot->replot();
}

// The kinds of a path's elements ("M" move, "C" cubic), its on-curve points and
// its control points, in order.
QString Decompose(const QPainterPath &path, Points *anchors, Points *controls)
{
    QString kinds;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            kinds += 'M';
            anchors->append(e);
        } else if (e.isCurveTo()) {
            kinds += 'C';
            *controls << e << path.elementAt(i + 1);
            anchors->append(path.elementAt(i + 2));
            i += 2;
        } else {
            kinds += '?';
        }
    }
    return kinds;
}

} // namespace

class TestChartAdditions : public QObject
{
    Q_OBJECT

private slots:
    void tracerDrawing_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<double>("x");
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<bool>("horizontal");
        QTest::newRow("style 5 inside") << 5 << 128.0 << true << false;
        QTest::newRow("style 5 one pixel right of left edge") << 5 << 1.0 << true << false;
        QTest::newRow("style 5 on left edge") << 5 << 0.0 << false << false;
        QTest::newRow("style 5 on last pixel column") << 5 << 255.0 << false << false;
        QTest::newRow("crosshair draws both") << 2 << 128.0 << true << true;
        QTest::newRow("unknown style 6") << 6 << 128.0 << false << false;
    }

    void tracerDrawing()
    {
        QFETCH(int, style);
        QFETCH(double, x);
        QFETCH(bool, vertical);
        QFETCH(bool, horizontal);
        QCustomPlot plot;
        SetUpPlot(&plot);
        const QColor marker(255, 0, 255);
        CrosshairTracer *tracer = new CrosshairTracer(&plot);
        tracer->setAntialiased(false);
        tracer->setPen(QPen(marker));
        tracer->setStyle(static_cast<QCPItemTracer::TracerStyle>(style));
        tracer->position->setCoords(x, 100);

        const QImage image = plot.toPixmap(400, 300).toImage();
        const int px = 72 + int(x);
        const int py = qRound(plot.yAxis->coordToPixel(100));
        int inColumn = 0, inRow = 0, total = 0;
        for (int row = 0; row < image.height(); ++row) {
            for (int column = 0; column < image.width(); ++column) {
                const bool hit = image.pixelColor(column, row) == marker;
                total += hit;
                inColumn += hit && column == px;
                inRow += hit && row == py;
            }
        }
        // A full-height line in the tracer's column, a full-width one in its
        // row, and no marker pixel anywhere else.
        QCOMPARE(inColumn >= 255, vertical);
        QCOMPARE(inRow >= 255, horizontal);
        QCOMPARE(total, (vertical ? inColumn : 0) + (horizontal ? inRow : 0)
                            - (vertical && horizontal ? 1 : 0));
    }

    void smoothPath_data()
    {
        const double nan = qQNaN();
        QTest::addColumn<Points>("points");
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<Points>("anchors");
        QTest::addColumn<Points>("controls"); // empty: not checked
        const Points gapped{{0, 0}, {10, 5}, {30, 5}, {40, 0}};
        QTest::newRow("empty") << Points() << "" << Points() << Points();
        QTest::newRow("NaN y in the middle") << Points{{0, 0}, {10, 5}, {20, nan}, {30, 5}, {40, 0}}
                                             << "MCMC" << gapped << Points();
        QTest::newRow("NaN x in the middle") << Points{{0, 0}, {10, 5}, {nan, 3}, {30, 5}, {40, 0}}
                                             << "MCMC" << gapped << Points();
        QTest::newRow("infinite y") << Points{{0, 0}, {10, 5}, {20, qInf()}, {30, 5}, {40, 0}}
                                    << "MCMC" << gapped << Points();
        QTest::newRow("gaps at both ends, isolated points dropped")
            << Points{{nan, nan}, {0, 0}, {nan, 0}, {5, 5}, {nan, 0}, {6, 6}, {7, 7}, {3, nan}}
            << "MC" << Points{{6, 6}, {7, 7}} << Points();
        // (2 P0 + P1) / 3 and 2 C1 - P0.
        QTest::newRow("two points") << Points{{3, 3}, {9, 0}} << "MC" << Points{{3, 3}, {9, 0}}
                                    << Points{{5, 2}, {7, 1}};
        // The tridiagonal system solved by hand: 2 a + b = r0, a + 3.5 b = r1.
        QTest::newRow("three points") << Points{{0, 0}, {30, 30}, {60, 0}} << "MCC"
                                      << Points{{0, 0}, {30, 30}, {60, 0}}
                                      << Points{{10, 15}, {20, 30}, {40, 30}, {50, 15}};
        // With an inner row (diagonal 4).
        const Points four{{0, 0}, {15, 18}, {30, 0}, {45, 18}};
        QTest::newRow("four points")
            << four << "MCCC" << four
            << Points{{5, 10}, {10, 20}, {20, 16}, {25, 2}, {35, -2}, {40, 8}};
    }

    void smoothPath()
    {
        QFETCH(Points, points);
        QFETCH(Points, controls);
        Points gotAnchors, gotControls;
        QTEST(Decompose(SmoothLinePath(points), &gotAnchors, &gotControls), "kinds");
        QTEST(gotAnchors, "anchors");
        if (!controls.isEmpty())
            QCOMPARE(gotControls, controls);   // fuzzy, to 1e-12
    }

    // Smoothing off, like every new graph; axes of two plots, or none, are refused.
    void addSmoothGraph()
    {
        QCustomPlot plot, other;
        SmoothGraph *graph = AddSmoothGraph(plot.xAxis, plot.yAxis);
        QVERIFY(graph && !graph->smooth() && plot.graph(0) == graph);
        QVERIFY(!AddSmoothGraph(plot.xAxis, other.yAxis) && !AddSmoothGraph(nullptr, plot.yAxis));
        QCOMPARE(plot.graphCount() + other.graphCount(), 1);
    }

    void readoutGeometry_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("y");
        QTest::addColumn<bool>("flip");
        QTest::addColumn<bool>("wide");
        QTest::addColumn<QPointF>("tracerCoords");
        QTest::addColumn<QPointF>("labelOffset");
        QTest::addColumn<QPointF>("arrowOffset");
        const QPointF right(25, 0), left(-25, 0), at(100, 50);
        QTest::newRow("type 2") << 2 << 50.0 << false << false << at << right << right;
        QTest::newRow("type 2 wide alone") << 2 << 50.0 << false << true << at << right << right;
        QTest::newRow("type 2 flipped") << 2 << 50.0 << true << false << at << QPointF(-214, 0)
                                        << left;
        QTest::newRow("type 2 flipped wide") << 2 << 50.0 << true << true << at
                                             << QPointF(-245, 0) << left;
        QTest::newRow("type 2 y above range") << 2 << 900.0 << false << false << QPointF(100, 256)
                                              << right << right;
        QTest::newRow("type 2 y below range") << 2 << -3.0 << false << false << QPointF(100, 0)
                                              << right << right;
        QTest::newRow("type 0") << 0 << 50.0 << false << false << QPointF(100, 1.0)
                                << QPointF(0, 15) << QPointF(0, 15);
        // The arrow of type 1 starts 20 px left of the label, itself 20 px left.
        QTest::newRow("type 1 y above range") << 1 << 300.0 << true << false << QPointF(1.0, 256)
                                              << QPointF(-20, 0) << QPointF(-40, 0);
    }

    void readoutGeometry()
    {
        QFETCH(int, type);
        QFETCH(double, y);
        QFETCH(bool, flip);
        QFETCH(bool, wide);
        QCustomPlot plot;
        SetUpPlot(&plot);
        myTracer readout(&plot, type, nullptr);
        readout.updatePosition(100, y, flip, wide);
        const QPointF at = readout.tracer->position->pixelPosition();
        QTEST(readout.tracer->position->coords(), "tracerCoords");
        QTEST(readout.label->position->pixelPosition() - at, "labelOffset");
        QTEST(readout.arrow->start->pixelPosition() - at, "arrowOffset");
        QCOMPARE(readout.arrow->end->pixelPosition(), at);
    }

    void readoutItems()
    {
        QCustomPlot plot;
        auto *readout = new myTracer(&plot, 2, nullptr);
        QVERIFY(qobject_cast<CrosshairTracer *>(readout->tracer.data()));   // knows style 5
        auto shown = [readout] {
            return readout->tracer->visible() + readout->label->visible()
                   + readout->arrow->visible();
        };
        QCOMPARE(shown(), 0);
        readout->setVisible(true);
        QCOMPARE(shown(), 3);
        readout->setVisible(false);
        QCOMPARE(shown(), 0);

        readout->setText("Decibel:55.0(dB)");
        QCOMPARE(readout->label->text(), QString("Decibel:55.0(dB)"));
        const QFont font = readout->label->font();
        QVERIFY(font.family() == "Arial" && font.pointSize() == 12);
        QVERIFY(font.weight() == QFont::Normal && !font.italic());

        delete readout;   // the tracer and the label go; the arrow stays
        QCOMPARE(plot.itemCount(), 1);
        QVERIFY(qobject_cast<QCPItemLine *>(plot.item(0)));
    }

    // Without a plot, after its plot, or deleted as the plot's child: no
    // items touched.
    void readoutWithoutPlot()
    {
        myTracer detached(nullptr, 2, nullptr);
        QVERIFY(!detached.tracer && !detached.label && !detached.arrow);
        detached.setVisible(true);
        detached.updatePosition(1, 1, true, true);
        QCustomPlot *shortLived = new QCustomPlot;
        myTracer outliving(shortLived, 2, nullptr);
        new myTracer(shortLived, 2, shortLived);
        delete shortLived;
    }

    void snapSampleIndex_data()
    {
        QTest::addColumn<QVector<quint32>>("times");
        QTest::addColumn<double>("xc");
        QTest::addColumn<int>("index");
        const QVector<quint32> seconds{100, 101, 102, 103, 104};
        const QVector<quint32> everyTwo{100, 102, 104, 106};
        QTest::newRow("1 s: halfway takes the earlier") << seconds << 102.5 << 2;
        QTest::newRow("1 s: on a sample") << seconds << 102.0 << 2;
        QTest::newRow("2 s: within half before a sample") << everyTwo << 103.0 << 1;
        QTest::newRow("2 s: past the half") << everyTwo << 103.5 << 2;
        QTest::newRow("3 s: half is 1.5") << QVector<quint32>{0, 3, 6, 9} << 4.5 << 1;
        QTest::newRow("1 s: 0.3 past a sample") << seconds << 102.3 << 2;
        QTest::newRow("1 s: 0.7 past a sample") << seconds << 102.7 << 3;
        QTest::newRow("left of first") << seconds << 50.0 << 0;
        QTest::newRow("right of last") << seconds << 500.0 << 4;
        QTest::newRow("right of duplicated last")
            << QVector<quint32>{100, 101, 102, 102, 102} << 500.0 << 2;
        QTest::newRow("single sample") << QVector<quint32>{100} << 500.0 << 0;
        QTest::newRow("no samples") << QVector<quint32>() << 100.0 << -1;
        // A clock set back while logging: the nearest stamp, never sample 0
        // for every position.
        const QVector<quint32> setBack{200, 201, 202, 100, 101, 102};
        QTest::newRow("set back: later part") << setBack << 201.2 << 1;
        QTest::newRow("set back: earlier part") << setBack << 101.4 << 4;
        QTest::newRow("falling") << QVector<quint32>{110, 105, 100} << 100.0 << 2;
    }

    void snapSampleIndex()
    {
        QFETCH(QVector<quint32>, times);
        QFETCH(double, xc);
        QTEST(SnapSampleIndex(times.constData(), times.size(), xc), "index");
    }

    // Light samples two to a stamp: the second of a pair is drawn half a
    // second later, and the snap names the sample drawn there.
    void snapLightIndex_data()
    {
        QTest::addColumn<QVector<quint32>>("times");
        QTest::addColumn<double>("xc");
        QTest::addColumn<int>("index");
        const QVector<quint32> pairs{100, 100, 101, 101, 102, 102};
        QTest::newRow("first of a pair") << pairs << 101.0 << 2;
        QTest::newRow("second of a pair") << pairs << 101.5 << 3;
        QTest::newRow("within a quarter before") << pairs << 101.3 << 3;
        QTest::newRow("whole seconds") << QVector<quint32>{100, 101, 102} << 101.0 << 1;
        QTest::newRow("set back") << QVector<quint32>{200, 200, 100, 100} << 100.5 << 3;
    }

    void snapLightIndex()
    {
        QFETCH(QVector<quint32>, times);
        QFETCH(double, xc);
        QTEST(SnapLightIndex(times.constData(), times.size(), xc), "index");
    }

    void graphValueAt_data()
    {
        QTest::addColumn<QVector<double>>("keys");
        QTest::addColumn<QVector<double>>("values");
        QTest::addColumn<double>("key");
        QTest::addColumn<double>("value");
        const QVector<double> keys{0, 10, 20, 30, 40};
        const QVector<double> values{5, 100, 50, 50, -10};
        QTest::newRow("exact first") << keys << values << 0.0 << 5.0;
        QTest::newRow("interpolated") << keys << values << 15.0 << 75.0;
        QTest::newRow("interpolated near end") << keys << values << 37.5 << 5.0;
        // Interpolating towards 0.1 from 2.3 would give 0.10000000000000009.
        QTest::newRow("exact last, no rounding") << QVector<double>{0, 10}
                                                 << QVector<double>{2.3, 0.1} << 10.0 << 0.1;
        QTest::newRow("left of range") << keys << values << -1.0 << 0.0;
        QTest::newRow("right of range") << keys << values << 40.5 << 0.0;
        QTest::newRow("NaN key") << keys << values << qQNaN() << 0.0;
        QTest::newRow("no data") << QVector<double>() << QVector<double>() << 0.0 << 0.0;
        QTest::newRow("one point, its key") << QVector<double>{7} << QVector<double>{3} << 7.0
                                            << 3.0;
    }

    void graphValueAt()
    {
        QFETCH(QVector<double>, keys);
        QFETCH(QVector<double>, values);
        QFETCH(double, key);
        QFETCH(double, value);
        QCustomPlot plot;
        QCPGraph *graph = plot.addGraph();
        graph->setData(keys, values);
        const double got = GraphValueAt(graph, key);
        QVERIFY2(got == value, qPrintable(QString::number(got, 'g', 17)));
        QCOMPARE(GraphValueAt(nullptr, key), 0.0);
    }
};

QTEST_MAIN(TestChartAdditions)
#include "test_chartadditions.moc"
