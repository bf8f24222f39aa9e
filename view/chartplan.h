#ifndef CHARTPLAN_H
#define CHARTPLAN_H

// What a chart of one meter family shows, as data: its value ranges, axis
// labels and graphs. Every family's chart is drawn by the one frame in
// MainWindow::BuildChart from such a plan; the families differ only here.

#include <QString>
#include <QVector>

class UartDataStore;

enum class ValueAxis { Y1, Y2 };

enum class GraphKind {
    Curve,    // one point per sample, drawn
    Carrier,  // one point per sample, not drawn: carries the legend entry of a run channel
    Alarm,    // a dashed line at a constant value across the record
    Runs,     // drawn, none in the legend: the runs of present samples, with a gap at
              // every missing one
};

struct GraphSpec {
    GraphKind Kind = GraphKind::Curve;
    QString Name;
    int Color = 0;                    // index into ChannelColor
    ValueAxis Axis = ValueAxis::Y1;
    const double *Values = nullptr;   // shown values (Curve, Carrier, Runs)
    const double *Raw = nullptr;      // recorded values: -500.0 marks a missing sample
    bool SubstituteMissing = false;   // Curve/Carrier: a missing sample takes Substitute
    double Substitute = 0.0;
    double AlarmValue = 0.0;          // Alarm
    bool HighAlarm = true;            // Alarm: the high line's dash pattern, else the low line's
};

enum class AxisLayout {
    Single,       // one value axis; the axes box is set up at the end
    Temperature,  // axes box set up early and again at the end, second axis hidden meanwhile
    TwoAxes,      // humidity on the second value axis with its own range
    Probes,       // axes box early and at the end, second axis hidden
};

struct ChartPlan {
    int TracerStyle = 2;
    double YUpper = 0.0;
    double YLower = 0.0;
    bool HasY2Range = false;
    double Y2Upper = 0.0;
    double Y2Lower = 0.0;
    AxisLayout Layout = AxisLayout::Single;
    QString YLabel;
    QString Y2Label;
    bool HalfSecondKeys = false;   // light: the second sample of a pair sits half a second later
    bool Milliseconds = false;     // tick labels with milliseconds
    bool DebugLightExtremes = false;
    QVector<GraphSpec> Graphs;
};

// The eight families' plans for the record held in the store.
ChartPlan DecibelChartPlan(const UartDataStore &store);
ChartPlan LightChartPlan(const UartDataStore &store);
ChartPlan TemperatureChartPlan(const UartDataStore &store);
ChartPlan CurrentChartPlan(const UartDataStore &store);
ChartPlan VoltageChartPlan(const UartDataStore &store);
ChartPlan TempHumChartPlan(const UartDataStore &store);
ChartPlan ThermoHygroChartPlan(const UartDataStore &store);
ChartPlan FourProbeChartPlan(const UartDataStore &store);

#endif // CHARTPLAN_H
