#include <benchmark/benchmark.h>
#include <malloc.h>

#include "platform/BinaryFile.h"
#include "tools/sample-world/SampleWorld.h"
#include "world/Manager.h"
#include "world/World.h"

// A world of the shipped world's size: eight active nations with two or
// three leagues of 12-16 clubs of 16-20 players, and passive nations.

namespace {

SampleWorldSize ShippedSize() {
    SampleWorldSize size;
    size.continents = 2;
    size.nations = 4;
    size.leagues = 3;
    size.clubs = 14;
    size.players = 18;
    size.inactiveNations = 6;
    return size;
}

size_t HeapInUse() { return mallinfo2().uordblks; }

void BM_WorldWrite(benchmark::State& state) {
    const uint8_t saveGame = static_cast<uint8_t>(state.range(0));
    const auto world = MakeSampleWorld(ShippedSize());
    size_t bytes = 0;
    for (auto _ : state) {
        MemoryFile out;
        world->Write(out, saveGame);
        bytes = out.Bytes().size();
        benchmark::DoNotOptimize(out.Bytes().data());
    }
    state.counters["file_bytes"] = static_cast<double>(bytes);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    g_manager.world = nullptr;
}

// Memory: the heap the read world holds once it is in place.
void BM_WorldRead(benchmark::State& state) {
    const uint8_t saveGame = static_cast<uint8_t>(state.range(0));
    MemoryFile out;
    MakeSampleWorld(ShippedSize())->Write(out, saveGame);
    size_t held = 0;
    for (auto _ : state) {
        const size_t before = HeapInUse();
        CWorld world;
        g_manager.world = &world;
        MemoryFile in(out.Bytes());
        if (!world.Read(in, saveGame))
            state.SkipWithError("the sample world did not read");
        held = HeapInUse() - before;
        benchmark::DoNotOptimize(world.continents.data());
    }
    state.counters["file_bytes"] = static_cast<double>(out.Bytes().size());
    state.counters["world_heap_bytes"] = static_cast<double>(held);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * out.Bytes().size()));
    g_manager.world = nullptr;
}

}  // namespace

BENCHMARK(BM_WorldWrite)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorldRead)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
