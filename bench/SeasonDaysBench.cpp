#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <numeric>
#include <string>
#include <vector>

#include "app/DayCalendar.h"
#include "tools/simulate/SeasonSimulation.h"
#include "world/GameDate.h"

// Days of a game on the shipped world in which the computer runs every
// club, stepped through the main window's own timers from the first day of
// a new game. Each kind of day is timed on its own: the reported time is
// the mean day of that kind, "p99_ms" and "max_ms" its 99th percentile and
// slowest day; on match days "us_per_match" is the time per match the day
// played. The days of other kinds in between run untimed. Whole seasons
// are measured in CPU time, with the matches they played.
//
// Days without matches also tell which of them are slow: "week_" counters
// are Mondays, whose steps train every computer club's week; "report_"
// counters are Sundays, whose day ends with the weekly report and the
// clubs' week of transfers, reviews and squad planning; "other_" counters
// are the rest.

namespace {

using DayKind = SeasonSimulation::DayKind;

SeasonSimulation::Settings ShippedWorld(bool live) {
    SeasonSimulation::Settings settings;
    settings.worldFile = std::string(CORVANTA_PROGRAM_DIR) + "/Welt.kwl";
    settings.liveMatches = live;
    return settings;
}

// The part of the week a day without matches plays.
enum class WeekPart { kWeekStart, kWeeklyReport, kOther };

WeekPart WeekPartOf(const Date& day) {
    if (DatedStepsOf(day) & DayStep::kWeekly)
        return WeekPart::kWeekStart;
    return day.DayOfWeek() == Weekday::kSunday ? WeekPart::kWeeklyReport : WeekPart::kOther;
}

// The mean and the slowest day of each part of the week.
void CountWeekParts(benchmark::State& state, const std::vector<double>& seconds, const std::vector<WeekPart>& parts) {
    const struct {
        WeekPart part;
        const char* name;
    } named[] = {{WeekPart::kWeekStart, "week"}, {WeekPart::kWeeklyReport, "report"}, {WeekPart::kOther, "other"}};
    for (const auto& n : named) {
        double sum = 0;
        double slowest = 0;
        size_t count = 0;
        for (size_t i = 0; i < seconds.size(); ++i)
            if (parts[i] == n.part) {
                sum += seconds[i];
                slowest = std::max(slowest, seconds[i]);
                ++count;
            }
        if (count == 0)
            continue;
        state.counters[std::string(n.name) + "_mean_ms"] = sum / static_cast<double>(count) * 1000;
        state.counters[std::string(n.name) + "_max_ms"] = slowest * 1000;
    }
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
    std::vector<WeekPart> parts;
    uint64_t matches = 0;
    for (auto _ : state) {
        for (;;) {
            const DayKind kind = game.NextDayKind();
            const WeekPart part = WeekPartOf(g_gameDate);
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
                parts.push_back(part);
                matches += game.MatchesPlayed() - matchesBefore;
                break;
            }
        }
    }
    state.counters["p99_ms"] = Percentile99(days) * 1000;
    state.counters["max_ms"] = *std::max_element(days.begin(), days.end()) * 1000;
    if (matches > 0)
        state.counters["us_per_match"] = std::accumulate(days.begin(), days.end(), 0.0) * 1e6 / matches;
    if (wanted == DayKind::kNoMatches)
        CountWeekParts(state, days, parts);
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
