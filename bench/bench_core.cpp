// Speed of the equation-of-state core: one pressure or fugacity evaluation,
// and the volume and temperature searches with their passes per search.
#include <benchmark/benchmark.h>

#include "eos/Globals.h"
#include "eos/HalfSecantSolve.h"

namespace {

using namespace Globals;

void BM_Base(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Haar_Base(Haar_Quantity::Pressure, 298.15, 18.0685));
}
BENCHMARK(BM_Base);

void BM_Residual(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Haar_Residual(Haar_Quantity::Pressure, 298.15, 18.0685));
}
BENCHMARK(BM_Residual);

void BM_Pressure(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Haar_Pressure(298.15, 18.0685));
}
BENCHMARK(BM_Pressure);

void BM_Fugacity(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Haar_Fugacity(298.15, 0.1, 18.0685));
}
BENCHMARK(BM_Fugacity);

// Runs one search per iteration and reports its passes.
template <class Search>
void RunSearch(benchmark::State& state, Search search) {
  SecantTrace trace;
  for (auto _ : state) benchmark::DoNotOptimize(search(&trace));
  state.counters["passes"] = trace.passes;
}

void BM_VolumeLiquid(benchmark::State& state) {
  RunSearch(state, [](SecantTrace* tr) {
    return HalfSecantSolve([](double V) { return 0.1 - Haar_Pressure(298.15, V); }, 18.5, {}, tr);
  });
}
BENCHMARK(BM_VolumeLiquid);

void BM_VolumeVapour(benchmark::State& state) {
  RunSearch(state, [](SecantTrace* tr) {
    return HalfSecantSolve([](double V) { return 1.0 - Haar_Pressure(500.0, V); }, 4200.0, {}, tr);
  });
}
BENCHMARK(BM_VolumeVapour);

// The temperature of the compressed liquid at 10 MPa and 871.032 kg/m3
// (473.15 K), from 450 K.
void BM_Temperature(benchmark::State& state) {
  const double V = 18015.28 / 871.032;
  RunSearch(state, [V](SecantTrace* tr) {
    return HalfSecantSolve([V](double T) { return 10.0 - Haar_Pressure(T, V); }, 450.0, {}, tr);
  });
}
BENCHMARK(BM_Temperature);

// The public entry points, for comparison with the traced searches above.
void BM_HaarVolume(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Haar_Volume(298.15, 0.1, 18.5));
}
BENCHMARK(BM_HaarVolume);

void BM_HaarTemperature(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Haar_Temperature(10.0, 18015.28 / 871.032, 450.0));
}
BENCHMARK(BM_HaarTemperature);

}  // namespace
