#include "device/modelindex.h"

int ModelIndexFor(int model, int unchanged)
{
    switch (model / 100) {
    case 62: return 8;
    case 53: return 9;
    case 37: break;
    default: return unchanged;
    }
    switch (model) {
    case 3701: return 0;
    case 3707: return 1;
    case 3702: return 2;
    case 3708: return 3;
    case 3709: return 4;
    case 3710: return 5;
    case 3721: return 6;
    default: return model / 10 == 372 ? 7 : 2;
    }
}
