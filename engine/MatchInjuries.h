#pragma once

#include <cstdint>

// The injuries a match can bring: their names, how grave they are
// (0 gravest, 5 lightest) and the least and most days out.
struct MatchInjury {
    const char* name;
    uint8_t severity;
    uint8_t leastDays;
    uint8_t mostDays;
};

constexpr int kMatchInjuryCount = 21;
extern const MatchInjury g_matchInjuries[kMatchInjuryCount];
