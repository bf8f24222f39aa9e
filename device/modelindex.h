#ifndef MODELINDEX_H
#define MODELINDEX_H

// The model index of a meter: 8 for the decibel meter (family 62), 9 for
// the light loggers (family 53), and for family 37: 3701 -> 0, 3707 -> 1,
// 3702 -> 2, 3708 -> 3, 3709 -> 4, 3710 -> 5, 3721 -> 6, the rest of the
// 372x line -> 7, any other code -> 2. Codes of other families have no index
// of their own: the result is `unchanged`.
int ModelIndexFor(int model, int unchanged);

#endif // MODELINDEX_H
