#pragma once

#include <cstdint>

#include "world/InjuryDays.h"

// The injuries a match can bring: their names and how grave they are
// (0 gravest, 5 lightest). Their days out are g_injuryDays.
struct MatchInjury {
    const char* name;
    uint8_t severity;
};

constexpr int kMatchInjuryCount = kInjuryKindCount;
extern const MatchInjury g_matchInjuries[kMatchInjuryCount];
