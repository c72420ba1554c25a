#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <numeric>
#include <string>
#include <vector>

#include "tools/simulate/SeasonSimulation.h"

// Days of a game on the shipped world in which the computer runs every
// club, stepped through the main window's own timers from the first day of
// a new game. Each kind of day is timed on its own: the reported time is
// the mean day of that kind, "p99_ms" and "max_ms" its 99th percentile and
// slowest day; on match days "us_per_match" is the time per match the day
// played. The days of other kinds in between run untimed. Whole seasons
// are measured in CPU time, with the matches they played.

namespace {

using DayKind = SeasonSimulation::DayKind;

SeasonSimulation::Settings ShippedWorld(bool live) {
    SeasonSimulation::Settings settings;
    settings.worldFile = std::string(CORVANTA_PROGRAM_DIR) + "/Welt.kwl";
    settings.liveMatches = live;
    return settings;
}

// The slowest of the fastest 99 in 100.
double Percentile99(std::vector<double> seconds) {
    if (seconds.empty())
        return 0;
    const size_t rank = static_cast<size_t>(std::ceil(0.99 * static_cast<double>(seconds.size()))) - 1;
    std::nth_element(seconds.begin(), seconds.begin() + static_cast<std::ptrdiff_t>(rank), seconds.end());
    return seconds[rank];
}

void TimeDays(benchmark::State& state, DayKind wanted, bool live) {
    SeasonSimulation game(ShippedWorld(live));
    if (!game.Error().empty()) {
        state.SkipWithError(game.Error().c_str());
        return;
    }
    std::vector<double> days;
    uint64_t matches = 0;
    for (auto _ : state) {
        for (;;) {
            const DayKind kind = game.NextDayKind();
            const uint64_t matchesBefore = game.MatchesPlayed();
            const auto start = std::chrono::steady_clock::now();
            if (!game.RunDay()) {
                state.SkipWithError("a day did not end");
                return;
            }
            const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            if (kind == wanted) {
                state.SetIterationTime(seconds);
                days.push_back(seconds);
                matches += game.MatchesPlayed() - matchesBefore;
                break;
            }
        }
    }
    state.counters["p99_ms"] = Percentile99(days) * 1000;
    state.counters["max_ms"] = *std::max_element(days.begin(), days.end()) * 1000;
    if (matches > 0)
        state.counters["us_per_match"] = std::accumulate(days.begin(), days.end(), 0.0) * 1e6 / matches;
}

double CpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

// Each iteration plays the next season, its change of season included.
void TimeSeasons(benchmark::State& state) {
    SeasonSimulation game(ShippedWorld(false));
    if (!game.Error().empty()) {
        state.SkipWithError(game.Error().c_str());
        return;
    }
    uint64_t matches = 0;
    for (auto _ : state) {
        const uint64_t matchesBefore = game.MatchesPlayed();
        const double start = CpuSeconds();
        DayKind kind = DayKind::kNoMatches;
        while (kind != DayKind::kSeasonChange) {
            kind = game.NextDayKind();
            if (!game.RunDay()) {
                state.SkipWithError("a day did not end");
                return;
            }
        }
        state.SetIterationTime(CpuSeconds() - start);
        matches += game.MatchesPlayed() - matchesBefore;
    }
    state.counters["matches"] = benchmark::Counter(static_cast<double>(matches), benchmark::Counter::kAvgIterations);
}

// Each kind of day with the number of days of that kind to time.
const bool kRegistered = [] {
    struct Days {
        const char* name;
        DayKind kind;
        bool live;
        int count;
    };
    for (const Days& d : {Days{"SeasonDays/without_matches", DayKind::kNoMatches, false, 250},
                          Days{"SeasonDays/match_day", DayKind::kMatchDay, false, 100},
                          Days{"SeasonDays/match_day_played_live", DayKind::kMatchDay, true, 100},
                          Days{"SeasonDays/change_of_season", DayKind::kSeasonChange, false, 3}})
        benchmark::RegisterBenchmark(d.name, TimeDays, d.kind, d.live)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(d.count);
    benchmark::RegisterBenchmark("Season/cpu_time", TimeSeasons)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    return true;
}();

}  // namespace
