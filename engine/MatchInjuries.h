#pragma once

#include <cstdint>

#include "world/InjuryDays.h"

// How grave each injury a match can bring is: 0 gravest, 5 lightest.
// Their days out are g_injuryDays, their names g_injuryNames.
extern const uint8_t g_matchInjurySeverity[kMatchInjuryKinds];
