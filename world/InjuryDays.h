#pragma once

#include <array>
#include <cstdint>

// Days out for each of the match engine's injury kinds: the least and the
// most a player misses.
struct InjuryDays {
    uint8_t least;
    uint8_t most;
};

constexpr int kMatchInjuryKinds = 21;
extern const std::array<InjuryDays, kMatchInjuryKinds> g_injuryDays;
