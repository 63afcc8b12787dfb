#include <benchmark/benchmark.h>

#include "eos/Globals.h"

namespace {

// Saturation temperature at 1 MPa, found by the secant search alone.
void BM_SaturationT(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Globals::SaturationT(1.0));
}
BENCHMARK(BM_SaturationT);

// 5.45 MPa: the secant search leaves the curve and bisection finds the root.
void BM_SaturationT_Bracketed(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Globals::SaturationT(5.45));
}
BENCHMARK(BM_SaturationT_Bracketed);

void BM_SaturationTV(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Globals::SaturationTV(1000.0));
}
BENCHMARK(BM_SaturationTV);

// Near the saturation curve at 500 K: no retry.
void BM_FunctionLV(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Globals::Function_LV(0, 500.0, 2.64));
}
BENCHMARK(BM_FunctionLV);

// Far above the curve: the retries run until their budget is spent.
void BM_FunctionLV_RetriesExhausted(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Globals::Function_LV(0, 500.0, 5.5));
}
BENCHMARK(BM_FunctionLV_RetriesExhausted)->Unit(benchmark::kMillisecond);

void BM_Cp(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Globals::Haar_Cp(298.15, 18.0685));
}
BENCHMARK(BM_Cp);

void BM_Viscosity(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Globals::Haar_Viscosity(298.15, 18.0685));
}
BENCHMARK(BM_Viscosity);

}  // namespace
