#ifndef PERIODTABLE_H
#define PERIODTABLE_H

// Sampling periods offered by the set-up wizard, in list order. The last
// entry is the 24-hour choice, stored as 43224 and counted as 86400 seconds
// wherever a duration is computed.

constexpr int PeriodChoiceCount = 16;

// Period in seconds of wizard entry index (0..15), or 0 for any other index.
int PeriodForChoice(int index);

// Seconds that a stored period value stands for (43224 is a whole day).
int PeriodSeconds(int samplePeriod);

#endif // PERIODTABLE_H
