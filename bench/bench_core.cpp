#include <benchmark/benchmark.h>

#include "Globals.h"

static void BM_Pressure(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Globals::Haar_Pressure(298.15, 18.0685));
}
BENCHMARK(BM_Pressure);
