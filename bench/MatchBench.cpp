#include <benchmark/benchmark.h>

#include "tests/engine/MatchFixture.h"

// A match day computes every match not watched at once and replays it;
// the user's match is played live slice by slice.

static void BM_QuickResult(benchmark::State& state) {
    SeedRandom(1);
    MatchUnderTest m(1);
    for (auto _ : state) {
        m.match.legScores.clear();
        m.match.Prepare();
        for (int round = 0; round < 17 && m.match.IsRunning(); ++round)
            m.match.PlayTimeSlice(305);
        if (m.match.IsRunning())
            m.match.PlayPenaltyShootout();
        benchmark::DoNotOptimize(m.match.legScores.data());
        m.match.home.goalsPerPlayer.clear();
        m.match.away.goalsPerPlayer.clear();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_QuickResult);

static void BM_LiveMatch(benchmark::State& state) {
    SeedRandom(1);
    MatchUnderTest m;
    for (auto _ : state) {
        m.match.legScores.clear();
        m.match.StartLive();
        while (m.match.IsRunning())
            m.match.PlayTimeSlice(10);
        benchmark::DoNotOptimize(m.match.legScores.data());
        m.match.home.goalsPerPlayer.clear();
        m.match.away.goalsPerPlayer.clear();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LiveMatch);
