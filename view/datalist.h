#ifndef DATALIST_H
#define DATALIST_H

// Which columns the data list shows for a record. Every variant lists "No."
// and "Time" first, then one column per value array, each value written with
// one decimal, but current and voltage with three and light as its report
// writes it (one decimal in lux, two in foot-candles).

#include <QString>
#include <QVector>

#include "app/textformat.h"

class UartDataStore;

struct ListColumn {
    QString Header;
    const double *Values;
    // Recorded values: where one is -500.0 the cell reads "----". Without
    // them every value is written as its number.
    const double *Raw = nullptr;
    NumberFormat Format = F1;

    QString Text(int sample) const;
};

enum class ListKind {
    None,     // a model code without a list
    Decibel,  // the decibel meter
    Logger,   // the temperature and humidity loggers of family 37
    Channel,  // light, current, voltage, four-probe and family-44 loggers
};

ListKind ListKindFor(int model);

// The value columns of the record held in the store (headers translated).
QVector<ListColumn> DecibelListColumns(const UartDataStore &store);
QVector<ListColumn> LoggerListColumns(const UartDataStore &store);
QVector<ListColumn> ChannelListColumns(const UartDataStore &store);

#endif // DATALIST_H
