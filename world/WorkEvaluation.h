#pragma once

#include <array>
#include <cstdint>

// The board's view of the manager's work, in eight areas: each area's
// score in percent and its weighting in tenths of a percent; the weighted
// total is the coaching level his work deserves.
enum WorkArea : int {
    kAreaTeam = 0,
    kAreaSuccesses = 1,
    kAreaTraining = 2,
    kAreaAttitude = 3,
    kAreaYouth = 4,
    kAreaNegotiations = 5,
    kAreaImage = 6,
    kAreaManagement = 7,
    kWorkAreaCount = 8,
};

struct WorkEvaluation {
    // After the eight areas: what his property adds, then the total with it.
    static constexpr int kPropertyEntry = kWorkAreaCount;
    static constexpr int kTotalEntry = kWorkAreaCount + 1;

    std::array<int16_t, kWorkAreaCount + 2> scores{};
    std::array<int16_t, kWorkAreaCount> weights{};
};
