// The chart tab: the chart of each meter family, its ranges, legend and
// curves, the zoom rules and the hover read-out.

#include <QtTest>

#include "app/recordfile.h"
#include "app/uartdatastore.h"
#include "tests/support/brackettranslator.h"
#include "tests/support/recordfixture.h"
#include "tests/support/workdir.h"
#include "ui/mainwindow.h"
#include "view/chartadditions.h"
#include "view/mytracer.h"

namespace {
const double M = UartDataStore::MissingValue;
}

class TestCharts : public QObject
{
    Q_OBJECT

private:
    WorkDir *dir = nullptr;
    MainWindow *window = nullptr;
    QCustomPlot *plot = nullptr;

    QStringList legend() const
    {
        QStringList names;
        for (int i = 0; i < plot->legend->itemCount(); ++i) {
            auto *item = qobject_cast<QCPPlottableLegendItem *>(plot->legend->item(i));
            names << (item ? item->plottable()->name() : QStringLiteral("?"));
        }
        return names;
    }
    QCPRange yRange() const { return plot->yAxis->range(); }
    QCPRange y2Range() const { return plot->yAxis2->range(); }
    // Every drawn graph (no legend carriers) with its point count.
    // Lengths of the runs of drawn points of a graph; missing samples are NaN
    // and break the line.
    static QList<int> runsOf(const QCPGraph *graph)
    {
        QList<int> runs;
        int run = 0;
        for (const QCPGraphData &point : *graph->data()) {
            if (!qIsNaN(point.value)) {
                ++run;
            } else if (run > 0) {
                runs << run;
                run = 0;
            }
        }
        if (run > 0)
            runs << run;
        return runs;
    }
    void build() { window->PlotRecordChart(); }
    // Six decibel samples a minute apart, base upward, in the list.
    void decibelRecord(double base)
    {
        StartRecord(UartData, 6201, 6);
        for (int i = 0; i < 6; ++i)
            UartData.DecibelValue[i] = base + i;
        FinishRecord(UartData);
        window->UpdateDataTable();
    }
    QString readOutAt(double key)
    {
        plot->replot();
        window->LastTracerX = -1.0;
        QMouseEvent event(QEvent::MouseMove, QPointF(plot->xAxis->coordToPixel(key), 200.0),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        window->showTracer(&event);
        return window->Tracer->label->text();
    }

private slots:
    void initTestCase()
    {
        dir = new WorkDir;
        QVERIFY(dir->isValid());
        window = new MainWindow;
        plot = window->CustomPlot;
        plot->resize(1000, 600);
    }

    void cleanupTestCase()
    {
        delete window;
        delete dir;
    }

    void init()
    {
        UartData.Show_ALM = true;
        UartData.Show_TIP = true;
        UartData.ShowDewPoint = true;
        UartData.TitleTrim = true;
        UartData.AltUnit = false;
        UartData.DateTimeFormat = QStringLiteral("yyyy/MM/dd hh:mm:ss");
        UartData.TempAlarm = {3.0, 40.0};
        UartData.HumAlarm = {10.5, 64.5};
        window->ZoomMode = false;
    }

    void decibelRangeTakesAlarmsMarginsAndClamps_data()
    {
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<bool>("alarmLines");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::newRow("clamped both ends") << 128.0 << 33.0 << 40.0 << 90.0 << true << 30.0 << 130.0;
        QTest::newRow("alarms inside") << 100.0 << 45.0 << 40.0 << 80.0 << true << 35.0 << 105.0;
        QTest::newRow("low limit below data") << 100.0 << 45.0 << 38.0 << 80.0 << true << 33.0 << 105.0;
        QTest::newRow("limit counts without lines") << 100.0 << 45.0 << 38.0 << 80.0 << false << 33.0
                                                    << 105.0;
    }

    void decibelRangeTakesAlarmsMarginsAndClamps()
    {
        QFETCH(double, max);
        QFETCH(double, min);
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(bool, alarmLines);
        StartRecord(UartData, 6201, 3);
        UartData.DecibelValue[0] = min;
        UartData.DecibelValue[1] = max;
        UartData.DecibelValue[2] = min;
        UartData.DecibelAlarm = {low, high};
        UartData.Show_ALM = alarmLines;
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        QTEST(yRange().lower, "lower");
        QTEST(yRange().upper, "upper");
        QCOMPARE(plot->graphCount(), alarmLines ? 3 : 1);
        QCOMPARE(legend().join('|'),
                 QString(alarmLines ? "Decibel|High ALM Line|Low ALM Line" : "Decibel"));
        if (alarmLines) {
            QCOMPARE(plot->graph(1)->data()->at(0)->value, high);
            QCOMPARE(plot->graph(2)->data()->at(2)->value, low);
            QCOMPARE(plot->graph(1)->pen().dashPattern(), (QVector<qreal>{15, 6, 5, 6}));
            QCOMPARE(plot->graph(2)->pen().dashPattern(), (QVector<qreal>{15, 6}));
        }
        // The time axis spans the record; its label names the span.
        QCOMPARE(plot->xAxis->range().lower, double(FixtureStart().toTime_t()));
        QCOMPARE(plot->xAxis->range().upper, double(FixtureStart().toTime_t() + 120));
        QCOMPARE(plot->xAxis->label(),
                 QStringLiteral("From: 2026/03/01 08:00:00 To: 2026/03/01 08:02:00"));
        QCOMPARE(plot->yAxis->label(), QStringLiteral("Decibel(dB)"));
    }

    void singleChannelRanges_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::addColumn<QString>("label");
        QTest::newRow("light never below zero") << 5301 << 5000.0 << 20.0 << 100.0 << 1000.0 << 0.0
                                                << 5050.0 << "Light(Lux)";
        QTest::newRow("current") << 3709 << 12.0 << 4.0 << 0.0 << 20.0 << -0.2 << 20.2
                                 << "Current(mA)";
        QTest::newRow("voltage") << 3710 << 12.0 << 4.0 << 0.0 << 20.0 << -0.2 << 20.2
                                 << "Voltage(mV)";
    }

    void singleChannelRanges()
    {
        QFETCH(int, model);
        QFETCH(double, max);
        QFETCH(double, min);
        QFETCH(double, low);
        QFETCH(double, high);
        StartRecord(UartData, model, 2);
        double *values = model == 5301 ? UartData.LightRaw
                         : model == 3709 ? UartData.Current : UartData.Voltage;
        values[0] = max;
        values[1] = min;
        UartData.LightAlarm = UartData.CurrentAlarm = UartData.VoltageAlarm = {low, high};
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        QFETCH(double, lower);
        QFETCH(double, upper);
        QVERIFY2(qAbs(yRange().lower - lower) < 1e-9, qPrintable(QString::number(yRange().lower)));
        QVERIFY2(qAbs(yRange().upper - upper) < 1e-9, qPrintable(QString::number(yRange().upper)));
        QTEST(plot->yAxis->label(), "label");
        QCOMPARE(plot->graphCount(), 3);
    }

    void lightKeysShowHalfSeconds()
    {
        StartRecord(UartData, 5301, 5, 0);
        const QDateTime t = FixtureStart();
        const QDateTime stamps[] = {t, t, t.addSecs(1), t.addSecs(1), t.addSecs(3)};
        std::copy(stamps, stamps + 5, UartData.SampleTime);
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        const double t0 = t.toTime_t();
        QCPGraphDataContainer &data = *plot->graph(0)->data();
        QCOMPARE(data.at(0)->key, t0);
        QCOMPARE(data.at(1)->key, t0 + 0.5);
        QCOMPARE(data.at(2)->key, t0 + 1.0);
        QCOMPARE(data.at(3)->key, t0 + 1.5);
        QCOMPARE(data.at(4)->key, t0 + 3.0);   // even index: whole second
        QCOMPARE(UartData.SampleTimeT[1], quint32(t0));
        auto ticker = plot->xAxis->ticker().dynamicCast<QCPAxisTickerDateTime>();
        QCOMPARE(ticker->dateTimeFormat(), QStringLiteral("hh:mm:ss.zzz\nyyyy/MM/dd"));
    }

    void temperatureBreaksAtMissingSamples()
    {
        StartRecord(UartData, 3707, 5);
        const double values[] = {10.0, M, M, 30.0, 20.0};
        std::copy(values, values + 5, UartData.TempRaw);
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        QCOMPARE(yRange().lower, -2.0);
        QCOMPARE(yRange().upper, 45.0);
        QCOMPARE(legend(), (QStringList{"Temperature", "High T ALM Line", "Low T ALM Line"}));
        QCOMPARE(plot->graphCount(), 4);
        QVERIFY(!plot->graph(0)->visible());
        // Missing samples of the legend carrier sit in the middle of the range.
        QCOMPARE(plot->graph(0)->data()->at(1)->value, 21.5);
        // The drawn curve: a run of one sample, a gap, a run of two.
        QCOMPARE(runsOf(plot->graph(1)), (QList<int>{1, 2}));
        QCOMPARE(plot->graph(2)->data()->at(0)->value, 40.0);
        QCOMPARE(plot->graph(3)->data()->at(0)->value, 3.0);
        QCOMPARE(plot->yAxis->label(), QStringLiteral("Temperature(℃)"));
        QVERIFY(plot->yAxis2->visible());
        QVERIFY(!plot->yAxis2->tickLabels());
    }

    void temperatureWithoutAnyValueKeepsItsLegend()
    {
        StartRecord(UartData, 3701, 3);
        std::fill(UartData.TempRaw, UartData.TempRaw + 3, M);
        UartData.AltUnit = true;
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        QCOMPARE(legend().first(), QStringLiteral("Temperature"));
        QVERIFY(runsOf(plot->graph(1)).isEmpty());  // nothing of the curve is drawn
        QCOMPARE(plot->yAxis->label(), QStringLiteral("Temperature(℉)"));
    }

    void temperatureHumidityRanges_data()
    {
        QTest::addColumn<double>("humidityMax");
        QTest::addColumn<double>("humidityMin");
        QTest::addColumn<double>("y2Lower");
        QTest::addColumn<double>("y2Upper");
        QTest::newRow("clamped at 0 and 100") << 95.0 << 5.0 << 0.0 << 100.0;
        QTest::newRow("limit below the data") << 60.0 << 12.0 << 0.5 << 74.5;
    }

    void temperatureHumidityRanges()
    {
        QFETCH(double, humidityMax);
        QFETCH(double, humidityMin);
        StartRecord(UartData, 3702, 2);
        FinishRecord(UartData);
        UartData.ShownExtremes.Temperature = {30.0, 8.0};
        UartData.ShownExtremes.DewPoint = {20.0, 2.0};
        UartData.ShownExtremes.Humidity = {humidityMax, humidityMin};
        build();
        QCOMPARE(yRange().upper, 45.0);
        QCOMPARE(yRange().lower, -3.0);
        QTEST(y2Range().lower, "y2Lower");
        QTEST(y2Range().upper, "y2Upper");
        QCOMPARE(plot->yAxis2->label(), QStringLiteral("Humidity(%)"));
        QVERIFY(plot->yAxis2->tickLabels());
    }

    void multiChannelLegends_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("dewPoint");
        QTest::addColumn<QString>("legend");
        QTest::newRow("3702") << 3702 << true
                              << "Temperature|Humidity|Dew Point|High T ALM Line|Low T ALM Line|"
                                 "High H ALM Line|Low H ALM Line";
        QTest::newRow("3702 without dew point")
            << 3702 << false
            << "Temperature|Humidity|High T ALM Line|Low T ALM Line|High H ALM Line|Low H ALM Line";
        QTest::newRow("4421 draws the family-37 chart")
            << 4421 << true
            << "Temperature|Humidity|Dew Point|High T ALM Line|Low T ALM Line|High H ALM Line|"
               "Low H ALM Line";
        QTest::newRow("4401") << 4401 << true
                              << "Temperature|Humidity|Dew Point|Wet Bulb|High T ALM Line|"
                                 "Low T ALM Line|High H ALM Line|Low H ALM Line";
        QTest::newRow("4401 without dew point")
            << 4401 << false
            << "Temperature|Humidity|Wet Bulb|High T ALM Line|Low T ALM Line|High H ALM Line|"
               "Low H ALM Line";
        QTest::newRow("4423") << 4423 << true
                              << "Temperature|Humidity|Dew Point|Wet Bulb|Thermocouple|"
                                 "High T ALM Line|Low T ALM Line|High H ALM Line|Low H ALM Line";
        QTest::newRow("4425 four probes") << 4425 << true
                                          << "T1|T2|T3|T4|High T ALM Line|Low T ALM Line";
    }

    void multiChannelLegends()
    {
        QFETCH(int, model);
        QFETCH(bool, dewPoint);
        StartRecord(UartData, model, 4);
        for (int i = 0; i < 4; ++i) {
            UartData.TempRaw[i] = 20.0;
            UartData.Humidity[i] = 50.0;
            UartData.ThermocoupleRaw[i] = M;   // thermocouple without any reading
            for (int k = 0; k < UartDataStore::ProbeCount; ++k)
                UartData.ProbeRaw[k][i] = 20.0 + k;
        }
        UartData.ShowDewPoint = dewPoint;
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        QTEST(legend().join('|'), "legend");
        for (int i = 0; i < plot->graphCount(); ++i)
            if (plot->graph(i)->name() == QLatin1String("Humidity"))
                QCOMPARE(plot->graph(i)->valueAxis(), plot->yAxis2);
    }

    void runChannelsBreakAtMissingSamples()
    {
        StartRecord(UartData, 4423, 5);
        const double thermocouple[] = {100.0, M, M, 120.0, 130.0};
        for (int i = 0; i < 5; ++i) {
            UartData.TempRaw[i] = 20.0;
            UartData.Humidity[i] = 50.0;
            UartData.ThermocoupleRaw[i] = thermocouple[i];
        }
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        // temperature, humidity, dew point, wet bulb, carrier, four alarm lines, the runs
        QCOMPARE(plot->graphCount(), 10);
        QVERIFY(!plot->graph(4)->visible());
        QCOMPARE(runsOf(plot->graph(9)), (QList<int>{1, 2}));
        QCOMPARE(plot->graph(9)->pen().color(), UartData.ChannelColor[4]);
        QCOMPARE(plot->legend->itemCount(), 9);
    }

    void temperatureHumidityCurvesBreakAtMissingTemperatures_data()
    {
        QTest::addColumn<int>("model");
        QTest::newRow("family 37") << 3702;
        QTest::newRow("family 44") << 4401;
    }

    void temperatureHumidityCurvesBreakAtMissingTemperatures()
    {
        QFETCH(int, model);
        StartRecord(UartData, model, 4);
        const double temperature[] = {20.0, M, 22.0, 23.0};
        for (int i = 0; i < 4; ++i) {
            UartData.TempRaw[i] = temperature[i];
            UartData.Humidity[i] = 50.0;
        }
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        for (int g = 0; g < plot->graphCount(); ++g) {
            const QString name = plot->graph(g)->name();
            const double atGap = plot->graph(g)->data()->at(1)->value;
            if (name == "Temperature" || name == "Dew Point" || name == "Wet Bulb")
                QVERIFY2(qIsNaN(atGap), qPrintable(name));
            else
                QVERIFY2(!qIsNaN(atGap), qPrintable(name));
        }
        QVERIFY(yRange().lower > -100.0);
    }

    void thermocoupleLiesWithinTheValueRange()
    {
        StartRecord(UartData, 4426, 3);
        const double thermocouple[] = {150.0, M, 300.0};
        for (int i = 0; i < 3; ++i) {
            UartData.TempRaw[i] = 20.0;
            UartData.Humidity[i] = 50.0;
            UartData.ThermocoupleRaw[i] = thermocouple[i];
        }
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        QCOMPARE(yRange().upper, 305.0);
        QVERIFY(yRange().lower < 0.0);
    }

    void probeRunsKeepTheirColour_data()
    {
        QTest::addColumn<bool>("alarmLines");
        QTest::addColumn<int>("firstRun");
        QTest::newRow("without alarm lines") << false << 4;
        QTest::newRow("with alarm lines") << true << 6;
    }

    void probeRunsKeepTheirColour()
    {
        QFETCH(bool, alarmLines);
        QFETCH(int, firstRun);
        StartRecord(UartData, 4405, 4);
        const double t2[] = {21.0, M, 23.0, 24.0};
        for (int i = 0; i < 4; ++i) {
            UartData.ProbeRaw[0][i] = 20.0;
            UartData.ProbeRaw[1][i] = t2[i];
            UartData.ProbeRaw[2][i] = 25.0 + i;
            UartData.ProbeRaw[3][i] = M;  // T4 never present
        }
        UartData.Show_ALM = alarmLines;
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        QCOMPARE(plot->graphCount(), firstRun + 4);
        const QList<QList<int>> expectedRuns{{4}, {1, 2}, {4}, {}};
        for (int k = 0; k < 4; ++k) {
            QCPGraph *runs = plot->graph(firstRun + k);
            QCOMPARE(runs->pen().color(), UartData.ChannelColor[k]);
            QCOMPARE(runsOf(runs), expectedRuns[k]);
        }
        // The value range spans the probes that are present.
        QCOMPARE(yRange().upper, qMax(40.0, 28.0) + 5.0);
        QCOMPARE(yRange().lower, qMin(3.0, 20.0) - 5.0);
        QCOMPARE(legend().mid(0, 4), (QStringList{"T1", "T2", "T3", "T4"}));
        QVERIFY(!plot->yAxis2->tickLabels());
    }

    // A model without a chart shows an empty one, so that the report's
    // image of it never shows the record before.
    void unknownModelClearsTheChart()
    {
        StartRecord(UartData, 6201, 3);
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        QVERIFY(plot->graphCount() > 0);
        StartRecord(UartData, 9901, 3);
        FinishRecord(UartData);
        build();
        QCOMPARE(plot->graphCount(), 0);
        QVERIFY(!plot->legend->visible());
        QVERIFY(window->ChartTitle->text().isEmpty());
        QVERIFY(plot->xAxis->label().isEmpty());
        QVERIFY(plot->yAxis->label().isEmpty());
    }

    // A chart's axes are the same whichever record was shown before: no
    // range, tick or label of an earlier two-axis chart stays on the right
    // axis of a one-axis chart.
    void axesDoNotDependOnTheChartBefore_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("model");
        for (int model : {3701, 3709, 3710, 3721, 6201})
            QTest::addRow("%d after 3702", model) << 3702 << model;
        QTest::newRow("3701 after 4423") << 4423 << 3701;
        QTest::newRow("3702 after 3701") << 3701 << 3702;
    }

    void axesDoNotDependOnTheChartBefore()
    {
        QFETCH(int, before);
        QFETCH(int, model);
        const auto axes = [](MainWindow &shown, int code) {
            StartRecord(UartData, code, 20);
            for (int i = 0; i < 20; ++i)
                UartData.Humidity[i] = 80.0 + i;
            FinishRecord(UartData);
            shown.UpdateDataTable();
            shown.PlotRecordChart();
            QCustomPlot *chart = shown.CustomPlot;
            chart->replot();
            QStringList state;
            for (QCPAxis *axis : chart->axisRect()->axes()) {
                QVector<double> ticks;
                QVector<QString> labels;
                axis->ticker()->generate(axis->range(), axis->parentPlot()->locale(), 'g', 6,
                                         ticks, nullptr, &labels);
                state << QStringLiteral("%1 visible %2 ticks %3 labels %4 range %5..%6 "
                                        "length %7 ticker %8")
                             .arg(axis->axisType())
                             .arg(axis->visible())
                             .arg(axis->ticks())
                             .arg(axis->tickLabels())
                             .arg(axis->range().lower)
                             .arg(axis->range().upper)
                             .arg(axis->tickLengthIn())
                             .arg(ticks.size());
                state << axis->label();
            }
            for (Qt::Orientation way : {Qt::Horizontal, Qt::Vertical}) {
                for (QCPAxis *axis : chart->axisRect()->rangeZoomAxes(way))
                    state << QStringLiteral("zooms %1").arg(axis->axisType());
                for (QCPAxis *axis : chart->axisRect()->rangeDragAxes(way))
                    state << QStringLiteral("drags %1").arg(axis->axisType());
            }
            return state;
        };
        MainWindow fresh;
        fresh.CustomPlot->resize(plot->size());
        const QStringList alone = axes(fresh, model);
        axes(*window, before);
        QCOMPARE(axes(*window, model), alone);
    }

    // The title names the meter and its ID whatever the record file is
    // called; the shorter variant drops 14 more characters of that text.
    void titleNamesTheMeterAndItsId_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("trim");
        QTest::addColumn<QString>("shown");
        QTest::newRow("the system's own name") << "20260301080000.rec" << true
                                               << "Logger-3702(3702000001)";
        QTest::newRow("renamed") << "office.rec" << true << "Logger-3702(3702000001)";
        QTest::newRow("renamed, a long name")
            << "Cold store 3, week 20 of 2024.rec" << true << "Logger-3702(3702000001)";
        QTest::newRow("shorter variant") << "20260301080000.rec" << false << "Logger-37";
        QTest::newRow("shorter variant, renamed") << "office.rec" << false << "Logger-37";
    }

    void titleNamesTheMeterAndItsId()
    {
        QFETCH(QString, file);
        QFETCH(bool, trim);
        StartRecord(UartData, 3702, 3);
        FinishRecord(UartData);
        UartData.RECFileName = QStringLiteral("Logger-3702");
        UartData.RECDeviceID = QStringLiteral("3702000001");
        UartData.RECTitle = QStringLiteral("Logger-3702(3702000001)") + file;
        UartData.TitleTrim = trim;
        build();
        QTEST(window->ChartTitle->text(), "shown");
    }

    void repeatedBuildsGiveTheSameChart()
    {
        StartRecord(UartData, 3702, 10);
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        const int graphs = plot->graphCount();
        const int elements = plot->plotLayout()->elementCount();
        build();
        QCOMPARE(plot->graphCount(), graphs);
        QCOMPARE(plot->plotLayout()->elementCount(), elements);
        QCOMPARE(plot->plotLayout()->element(0, 0), window->ChartTitle);
    }

    void noRecordMeansNoChart()
    {
        StartRecord(UartData, 6201, 3);
        FinishRecord(UartData);
        UartData.RECFilePath.clear();
        build();
        QCOMPARE(plot->graphCount(), 0);
    }

    // A record without samples: its title over an empty chart, with no axis,
    // label, tick date or legend of the record shown before.
    void emptyRecordShowsOnlyItsTitle()
    {
        StartRecord(UartData, 4401, 5);
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        StartRecord(UartData, 6201, 0);
        FinishRecord(UartData);
        build();
        QCOMPARE(plot->graphCount(), 0);
        QCOMPARE(window->ChartTitle->text(), QStringLiteral("Meter(ID)"));
        QVERIFY(!plot->legend->visible());
        for (QCPAxis *axis : plot->axisRect()->axes()) {
            QVERIFY(!axis->visible());
            QCOMPARE(axis->label(), QString());
        }
        // The next record brings its axes back.
        StartRecord(UartData, 6201, 3);
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        QVERIFY(plot->xAxis->visible() && plot->yAxis->visible());
        QCOMPARE(plot->yAxis->label(), QStringLiteral("Decibel(dB)"));
    }

    void valueAxisLimitsWhileZooming_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<double>("askLower");
        QTest::addColumn<double>("askUpper");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::newRow("decibel clamps out") << 6201 << 10.0 << 150.0 << 30.0 << 130.0;
        QTest::newRow("decibel free inside") << 6201 << 50.0 << 60.0 << 50.0 << 60.0;
        QTest::newRow("light never negative") << 5301 << -50.0 << 9000.0 << 0.0 << 9000.0;
        QTest::newRow("3707 free") << 3707 << -100.0 << 100.0 << -100.0 << 100.0;
        QTest::newRow("4401 free") << 4401 << -100.0 << 100.0 << -100.0 << 100.0;
    }

    void valueAxisLimitsWhileZooming()
    {
        QFETCH(int, model);
        QFETCH(double, askLower);
        QFETCH(double, askUpper);
        StartRecord(UartData, model, 3);
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        plot->yAxis->setRange(askLower, askUpper);
        QTEST(yRange().lower, "lower");
        QTEST(yRange().upper, "upper");
    }

    void temperatureHumidityLoggersDoNotZoomVertically()
    {
        StartRecord(UartData, 3702, 3);
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        const QCPRange y = yRange();
        const QCPRange y2 = y2Range();
        plot->yAxis->setRange(y.lower - 10, y.upper + 10);
        plot->yAxis2->setRange(1, 2);
        QCOMPARE(yRange().lower, y.lower);
        QCOMPARE(yRange().upper, y.upper);
        QCOMPARE(y2Range().lower, y2.lower);
        QCOMPARE(y2Range().upper, y2.upper);
    }

    void timeAxisDrag_data()
    {
        // 11 samples a minute apart; "falling" runs backwards from 08:10,
        // "set back" starts at 08:11 and goes back to 08:00 after sample 2.
        // Every offset counts from the record's earliest stamp, 08:00.
        QTest::addColumn<QString>("stamps");
        QTest::addColumn<double>("askLower");
        QTest::addColumn<double>("askUpper");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::addColumn<QString>("caption");   // empty: not checked
        QTest::newRow("inside the record") << "rising" << 60.0 << 120.0 << 60.0 << 120.0
                                           << "From: 2026/03/01 08:01:00 To: 2026/03/01 08:02:00";
        QTest::newRow("past the last sample") << "rising" << 700.0 << 1100.0 << 0.0 << 600.0
                                              << "From: 2026/03/01 08:00:00 To: 2026/03/01 08:10:00";
        QTest::newRow("before the first sample") << "rising" << -500.0 << -100.0 << 0.0 << 600.0
                                                 << "";
        QTest::newRow("falling stamps, a minute on") << "falling" << 60.0 << 660.0 << 60.0 << 660.0
                                                     << "";
        QTest::newRow("falling stamps, past the end") << "falling" << 700.0 << 1100.0 << 0.0
                                                      << 600.0 << "";
        QTest::newRow("clock set back, past the end") << "set back" << 900.0 << 1300.0 << 0.0
                                                      << 780.0 << "";
        QTest::newRow("far zoom-out")
            << "rising" << -1e12 << 1e12 << -1e12 << 1e12
            << "From: " + QDateTime::fromSecsSinceEpoch(0).toString("yyyy/MM/dd hh:mm:ss")
                   + " To: "
                   + QDateTime::fromSecsSinceEpoch(4294967295LL).toString("yyyy/MM/dd hh:mm:ss");
    }

    // One drag of the time axis in zoom mode: a window wholly past the record
    // snaps back to the whole record, anything else stays as dragged.
    void timeAxisDrag()
    {
        QFETCH(QString, stamps);
        QFETCH(double, askLower);
        QFETCH(double, askUpper);
        QFETCH(QString, caption);
        StartRecord(UartData, 6201, 11);
        const QDateTime t0 = FixtureStart();
        for (int i = 0; i < 11; ++i) {
            const int minute = stamps == "rising" ? i : stamps == "falling" ? 10 - i
                                                      : i < 3 ? i + 11 : i - 3;
            UartData.SampleTime[i] = t0.addSecs(60 * minute);
        }
        FinishRecord(UartData);
        window->ZoomMode = true;
        window->UpdateDataTable();
        build();
        const double first = t0.toTime_t();
        plot->xAxis->setRange(first + askLower, first + askUpper);
        QFETCH(double, lower);
        QFETCH(double, upper);
        QCOMPARE(plot->xAxis->range().lower, first + lower);
        QCOMPARE(plot->xAxis->range().upper, first + upper);
        if (!caption.isEmpty())
            QCOMPARE(plot->xAxis->label(), caption);
    }

    // A record of one sample: its point drawn, its own time on the axis,
    // nothing of the record before.
    void oneSampleRecordShowsItsPoint()
    {
        StartRecord(UartData, 6201, 3);
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        StartRecord(UartData, 6201, 1);
        UartData.SampleTime[0] = FixtureStart().addDays(-40);
        UartData.DecibelValue[0] = 70.0;
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        const double key = UartData.SampleTime[0].toTime_t();
        QVERIFY(plot->xAxis->range().contains(key));
        QVERIFY(plot->xAxis->range().size() < 3600.0);
        QCOMPARE(plot->graph(0)->dataCount(), 1);
        QVERIFY(plot->graph(0)->scatterStyle().shape() != QCPScatterStyle::ssNone);
        QCOMPARE(plot->xAxis->label(),
                 QStringLiteral("From: 2026/01/20 08:00:00 To: 2026/01/20 08:00:00"));
    }

    void zoomModeTurnsInteractionsOnAndOff()
    {
        StartRecord(UartData, 6201, 3);
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        QCOMPARE(int(plot->interactions()), 0);
        window->MagnifySlot();
        QVERIFY(window->ZoomMode);
        QCOMPARE(int(plot->interactions()), 0x13);
        plot->addGraph();
        window->MagnifySlot();  // a second Zoom does not rebuild
        QCOMPARE(plot->graphCount(), 4);
        window->RestoreSlot();
        QVERIFY(!window->ZoomMode);
        QCOMPARE(int(plot->interactions()), 0);
        // A second Revert does not rebuild: a graph added by hand survives.
        plot->addGraph();
        window->RestoreSlot();
        QCOMPARE(plot->graphCount(), 4);
    }

    void twoAxisChartsZoomAllAxes()
    {
        StartRecord(UartData, 4401, 3);
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        const QList<QCPAxis *> vertical = plot->axisRect()->rangeZoomAxes(Qt::Vertical);
        QVERIFY(vertical.contains(plot->yAxis) && vertical.contains(plot->yAxis2));
        const QList<QCPAxis *> horizontal = plot->axisRect()->rangeZoomAxes(Qt::Horizontal);
        QVERIFY(horizontal.contains(plot->xAxis) && horizontal.contains(plot->xAxis2));
    }

    void readOutText_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("sample");
        QTest::addColumn<QString>("text");
        QTest::newRow("decibel") << 6201 << 1 << "Decibel:55.0(dB)\nTime:2026/03/01 08:01:00";
        QTest::newRow("light") << 5301 << 2 << "Light:300.0(Lux)\nTime:2026/03/01 08:02:00";
        QTest::newRow("current") << 3709 << 1 << "Current:12.250(mA)\nTime:2026/03/01 08:01:00";
        QTest::newRow("voltage") << 3710 << 1 << "Voltage:12.250(mV)\nTime:2026/03/01 08:01:00";
        QTest::newRow("3707 temperature only") << 3707 << 1
                                               << "Temperature:21.0(℃)\nTime:2026/03/01 08:01:00";
        QTest::newRow("3707 missing") << 3707 << 2 << "Temperature:---\nTime:2026/03/01 08:02:00";
        QTest::newRow("3702") << 3702 << 0
                              << "Temperature:20.0(℃)\nHumidity:50.0(%)\nDew Temp:9.3(℃)\n"
                                 "Time:2026/03/01 08:00:00";
        QTest::newRow("4423") << 4423 << 2
                              << "Temperature:---\nHumidity:50.0(%)\nDew Temp:---\nWet Bulb:---\n"
                                 "TCTemp:---\nTime:2026/03/01 08:02:00";
        QTest::newRow("4425") << 4425 << 2
                              << "T1:20.0(℃)\nT2:21.0(℃)\nT3:----\nT4:23.0(℃)\n"
                                 "Time:2026/03/01 08:02:00";
        QTest::newRow("unknown") << 9901 << 1 << "";
    }

    void readOutText()
    {
        QFETCH(int, model);
        QFETCH(int, sample);
        StartRecord(UartData, model, 4);
        for (int i = 0; i < 4; ++i) {
            UartData.DecibelValue[i] = 50.0 + 5 * i;
            UartData.LightRaw[i] = 100.0 * (i + 1);
            UartData.Current[i] = UartData.Voltage[i] = 11.0 + 1.25 * i;
            UartData.TempRaw[i] = i == 2 ? M : 20.0 + i;
            UartData.Humidity[i] = 50.0;
            UartData.ThermocoupleRaw[i] = i == 2 ? M : 100.0;
            for (int k = 0; k < UartDataStore::ProbeCount; ++k)
                UartData.ProbeRaw[k][i] = k == 2 ? M : 20.0 + k;
        }
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        window->Tracer->setText(QString());
        QTEST(readOutAt(FixtureStart().toTime_t() + 60.0 * sample), "text");
    }

    // Every caption of the read-out follows the interface language.
    void readOutCaptionsAreTranslated()
    {
        StartRecord(UartData, 4405, 3);
        for (int i = 0; i < 3; ++i)
            for (int k = 0; k < UartDataStore::ProbeCount; ++k)
                UartData.ProbeRaw[k][i] = 20.0 + k;
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        BracketTranslator translator;
        QCoreApplication::installTranslator(&translator);
        const QString text = readOutAt(FixtureStart().toTime_t());
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(text, QStringLiteral("[T1:]20.0(℃)\n[T2:]21.0(℃)\n[T3:]22.0(℃)\n[T4:]23.0(℃)\n"
                                      "[Time:]2026/03/01 08:00:00"));
    }

    void readOutSitsOnTheCurveOrMidRange_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("onCurve");
        QTest::newRow("decibel on the curve") << 6201 << true;
        QTest::newRow("3707 on the curve") << 3707 << true;
        QTest::newRow("3702 mid-range") << 3702 << false;
        QTest::newRow("4401 mid-range") << 4401 << false;
    }

    void readOutSitsOnTheCurveOrMidRange()
    {
        QFETCH(int, model);
        QFETCH(bool, onCurve);
        StartRecord(UartData, model, 3);
        for (int i = 0; i < 3; ++i) {
            UartData.DecibelValue[i] = 60.0 + 10 * i;
            UartData.TempRaw[i] = 10.0 + 10 * i;
            UartData.Humidity[i] = 50.0;
        }
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        readOutAt(FixtureStart().toTime_t() + 60.0);
        const double y = window->Tracer->tracer->position->coords().y();
        const double expected = onCurve ? (model == 6201 ? 70.0 : 20.0) : yRange().center();
        QVERIFY2(qAbs(y - expected) < 0.5, qPrintable(QString::number(y)));
    }

    void readOutIgnoresTheSamePositionTwice()
    {
        StartRecord(UartData, 6201, 3);
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        readOutAt(FixtureStart().toTime_t());
        window->Tracer->setText(QStringLiteral("untouched"));
        QMouseEvent again(QEvent::MouseMove,
                          QPointF(plot->xAxis->coordToPixel(FixtureStart().toTime_t()), 200.0),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        window->showTracer(&again);
        QCOMPARE(window->Tracer->label->text(), QStringLiteral("untouched"));
    }

    void readOutNamesTheHalfSecondSampleUnderTheCursor()
    {
        StartRecord(UartData, 5301, 4, 0);
        const QDateTime t = FixtureStart();
        const QDateTime stamps[] = {t, t, t.addSecs(1), t.addSecs(1)};
        std::copy(stamps, stamps + 4, UartData.SampleTime);
        for (int i = 0; i < 4; ++i)
            UartData.LightRaw[i] = 100.0 * (i + 1);
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        plot->xAxis->setRange(t.toTime_t() - 1.0, t.toTime_t() + 2.5);
        QVERIFY(readOutAt(t.toTime_t() + 0.5).startsWith(QStringLiteral("Light:200.0")));
        QVERIFY(readOutAt(t.toTime_t() + 1.5).startsWith(QStringLiteral("Light:400.0")));
    }

    // On a one-second record the read-out names the sample nearest the
    // cursor: 0.3 s past a peak it is the peak, not the sample after it.
    void readOutNamesTheNearestSample()
    {
        StartRecord(UartData, 6201, 5, 1);
        const double values[] = {90.1, 92.0, 95.0, 92.8, 91.5};
        std::copy(values, values + 5, UartData.DecibelValue);
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        const double peak = FixtureStart().addSecs(2).toTime_t();
        QVERIFY(readOutAt(peak + 0.3).startsWith(QStringLiteral("Decibel:95.0(dB)\nTime:2026/03/01 08:00:02")));
        QVERIFY(readOutAt(peak + 0.7).startsWith(QStringLiteral("Decibel:92.8(dB)")));
        QVERIFY(readOutAt(peak - 0.4).startsWith(QStringLiteral("Decibel:95.0(dB)")));
    }

    void readOutSnapsToTheRecordEnds()
    {
        StartRecord(UartData, 6201, 5);
        for (int i = 0; i < 5; ++i)
            UartData.DecibelValue[i] = 40.0 + i;
        UartData.SampleTime[4] = UartData.SampleTime[3];  // two samples share the last stamp
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        const double first = FixtureStart().toTime_t();
        plot->xAxis->setRange(first - 300, first + 500);
        QVERIFY(readOutAt(first - 200).startsWith(QStringLiteral("Decibel:40.0")));
        QVERIFY(readOutAt(first + 400).startsWith(QStringLiteral("Decibel:43.0")));
        // Half an interval before a sample snaps forward to it.
        QVERIFY(readOutAt(first + 100).startsWith(QStringLiteral("Decibel:42.0")));
    }

    void readOutComesBackTwoTicksAfterABuild()
    {
        StartRecord(UartData, 6201, 3);
        FinishRecord(UartData);
        window->UpdateDataTable();
        build();
        QCOMPARE(window->TracerShowDelay, 2);
        QVERIFY(!window->Tracer->tracer->visible());
        window->Timer1SSlot();
        QVERIFY(!window->Tracer->tracer->visible());
        window->Timer1SSlot();
        QVERIFY(window->Tracer->tracer->visible());
        UartData.Show_TIP = false;
        build();
        window->Timer1SSlot();
        window->Timer1SSlot();
        QVERIFY(!window->Tracer->tracer->visible());
        window->Tracer->setText(QString());
        QCOMPARE(readOutAt(FixtureStart().toTime_t()), QString());  // no read-out while off
    }

    // When the read-out comes back after the chart was built again, it is
    // written for the record now on show, where the mouse last was.
    void readOutComesBackWrittenAfresh()
    {
        decibelRecord(40.0);
        build();
        QVERIFY(readOutAt(FixtureStart().addSecs(3 * 60).toTime_t()).startsWith("Decibel:43.0"));
        decibelRecord(80.0);
        build();
        window->Timer1SSlot();
        window->Timer1SSlot();
        QVERIFY(window->Tracer->tracer->visible());
        QVERIFY2(window->Tracer->label->text().startsWith("Decibel:83.0"),
                 qPrintable(window->Tracer->label->text()));
    }

    // A record opened from its file is read out from its first sample, not
    // where the mouse was on the record before.
    void openedRecordIsReadOutFromItsFirstSample()
    {
        QStringList files;
        for (double base : {40.0, 80.0}) {
            decibelRecord(base);
            files << dir->filePath(QStringLiteral("%1.rec").arg(base));
            QVERIFY(WriteRecordFile(UartData, files.last(), nullptr));
        }
        QVERIFY(window->LoadRecordFile(files[0]));
        QVERIFY(readOutAt(FixtureStart().addSecs(3 * 60).toTime_t()).startsWith("Decibel:43.0"));
        QVERIFY(window->LoadRecordFile(files[1]));
        window->Timer1SSlot();
        window->Timer1SSlot();
        QVERIFY2(window->Tracer->label->text().startsWith("Decibel:80.0"),
                 qPrintable(window->Tracer->label->text()));
    }
};

QTEST_MAIN(TestCharts)
#include "test_charts.moc"
