#pragma once

#include <cstdint>

#include "world/Finance.h"
#include "world/League.h"
#include "world/Team.h"

// Brings a club to a health forecast and net assets chosen by a test: its
// miscellaneous costs are booked and its capital set to match. With the net
// assets fixed the season income stays put, so the forecast falls with
// every euro of costs and each value is reached.

inline int32_t CapitalFor(const CFinance& account, int64_t netAssets) {
    return static_cast<int32_t>(netAssets - account.GetNetAssets(0));
}

inline uint32_t ForecastWithCosts(const CLeague& league, CTeam& club, uint32_t costs, int64_t netAssets) {
    CFinance trial = club.account;
    trial.Book(kCostMiscellaneous, costs);
    const int32_t saved = club.capital;
    club.capital = CapitalFor(trial, netAssets);
    const uint32_t health = trial.CalcHealthForecast(league, club);
    club.capital = saved;
    return health;
}

inline void SetForecast(const CLeague& league, CTeam& club, uint32_t health, int64_t netAssets) {
    uint32_t lo = 0;
    uint32_t hi = 1u << 30;
    while (lo < hi) {
        const uint32_t mid = lo + (hi - lo) / 2;
        if (ForecastWithCosts(league, club, mid, netAssets) <= health)
            hi = mid;
        else
            lo = mid + 1;
    }
    club.account.Book(kCostMiscellaneous, lo);
    club.capital = CapitalFor(club.account, netAssets);
}
