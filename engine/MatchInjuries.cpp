#include "engine/MatchInjuries.h"

// By match injury kind; the names are g_injuryNames of the same kinds.
const uint8_t g_matchInjurySeverity[kMatchInjuryKinds] = {3, 2, 1, 2, 0, 4, 5, 2, 0, 2, 5, 3, 1, 2, 5, 5, 3, 2, 4, 3, 0};
