#include "device/periodtable.h"

#include "app/uartdatastore.h"

namespace {
constexpr int PeriodChoices[PeriodChoiceCount] = {1,    2,    5,    10,   20,    30,    60,    120,
                                                  300,  600,  1800, 3600, 7200, 21600, 43200,
                                                  UartDataStore::Period24Hours};
}

int PeriodForChoice(int index)
{
    if (index < 0 || index >= PeriodChoiceCount)
        return 0;
    return PeriodChoices[index];
}

int PeriodSeconds(int samplePeriod)
{
    return samplePeriod == UartDataStore::Period24Hours ? 86400 : samplePeriod;
}
