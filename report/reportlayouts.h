#ifndef REPORTLAYOUTS_H
#define REPORTLAYOUTS_H

// The summary report of each meter family as data for the report engine:
// its form (one row of a table) and what the record on show in UartData puts
// into it (alarm rows, statistics rows, data list columns).

#include "report/reportbuilder.h"

enum class ReportKind {
    Decibel,
    Temperature,
    Current,
    Voltage,
    Light,
    TempHum,
    FourProbe,
    ThermoHygro,
    Generic,
};

const ReportForm &ReportFormOf(ReportKind kind);

// Everything but the start mode and the recording time, which the main
// window adds in its own translation.
ReportContent ReportContentOf(ReportKind kind, const SampleTimeWriter &times);

#endif // REPORTLAYOUTS_H
