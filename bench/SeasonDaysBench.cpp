#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "tools/simulate/SeasonSimulation.h"

// Days of a game on the shipped world in which the computer runs every
// club, stepped through the main window's own timers from the first day of
// a new game. Each kind of day is timed on its own: the reported time is
// the mean day of that kind, "slowest_ms" the slowest one; the days of
// other kinds in between run untimed.

namespace {

using DayKind = SeasonSimulation::DayKind;

void TimeDays(benchmark::State& state, DayKind wanted, bool live) {
    SeasonSimulation::Settings settings;
    settings.worldFile = std::string(CORVANTA_PROGRAM_DIR) + "/Welt.kwl";
    settings.liveMatches = live;
    SeasonSimulation game(settings);
    if (!game.Error().empty()) {
        state.SkipWithError(game.Error().c_str());
        return;
    }
    double slowest = 0;
    for (auto _ : state) {
        for (;;) {
            const DayKind kind = game.NextDayKind();
            const auto start = std::chrono::steady_clock::now();
            if (!game.RunDay()) {
                state.SkipWithError("a day did not end");
                return;
            }
            const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            if (kind == wanted) {
                state.SetIterationTime(seconds);
                slowest = std::max(slowest, seconds);
                break;
            }
        }
    }
    state.counters["slowest_ms"] = slowest * 1000;
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
    return true;
}();

}  // namespace
