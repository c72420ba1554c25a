#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "platform/BinaryFile.h"
#include "world/Player.h"

namespace {

constexpr int kPlayers = 10000;

std::vector<std::unique_ptr<CPlayer>> MakePlayers() {
    std::vector<std::unique_ptr<CPlayer>> players;
    for (int i = 0; i < kPlayers; ++i) {
        auto p = std::make_unique<CPlayer>();
        p->firstName = "Hans-Joachim";
        p->lastName = "Vestergaard";
        p->number = static_cast<uint8_t>(i % 99 + 1);
        p->salaryHundreds = static_cast<uint16_t>(i);
        players.push_back(std::move(p));
    }
    return players;
}

}  // namespace

// Players as a save game holds them: both parts of the form for each.
static void BM_WritePlayers(benchmark::State& state) {
    const auto players = MakePlayers();
    for (auto _ : state) {
        MemoryFile out;
        for (const auto& p : players)
            p->Write(out, 1);
        benchmark::DoNotOptimize(out.Bytes().data());
    }
    state.SetItemsProcessed(state.iterations() * kPlayers);
}
BENCHMARK(BM_WritePlayers);

static void BM_ReadPlayers(benchmark::State& state) {
    MemoryFile out;
    for (const auto& p : MakePlayers())
        p->Write(out, 1);
    for (auto _ : state) {
        MemoryFile in(out.Bytes());
        std::vector<std::unique_ptr<CPlayer>> players;
        players.reserve(kPlayers);
        for (int i = 0; i < kPlayers; ++i) {
            auto p = std::make_unique<CPlayer>();
            p->Read(in, 1);
            players.push_back(std::move(p));
        }
        benchmark::DoNotOptimize(players.data());
    }
    state.SetItemsProcessed(state.iterations() * kPlayers);
}
BENCHMARK(BM_ReadPlayers);
