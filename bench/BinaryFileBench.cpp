#include <benchmark/benchmark.h>

#include "platform/BinaryFile.h"
#include "platform/Random.h"

// The raw file form: numbers and names as a world file is made of them.
static void BM_WriteReadFields(benchmark::State& state) {
    for (auto _ : state) {
        MemoryFile out;
        for (int i = 0; i < 10000; ++i) {
            out.Write(static_cast<uint16_t>(i));
            out.Write(static_cast<uint32_t>(i * 7));
            out.Write(1.5f);
            out.WriteString("Hans-Joachim");
        }
        MemoryFile in(out.Bytes());
        uint16_t a;
        uint32_t b;
        float c;
        std::string s;
        for (int i = 0; i < 10000; ++i)
            in.Read(a), in.Read(b), in.Read(c), in.ReadString(s);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_WriteReadFields);

static void BM_Rand(benchmark::State& state) {
    SeedRandom(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(RandBelow(1000));
}
BENCHMARK(BM_Rand);
