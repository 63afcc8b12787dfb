// The answers of the two phase-equilibrium windows: each should take well
// under 10 ms, the slowest where the saturation search cannot give the
// stable equilibrium and the direct solve takes over.
#include <benchmark/benchmark.h>

#include "thermo/Homogenization.h"

namespace {

// Warms the critical point once, outside every timing.
const bool warmed = (phase::EquationCriticalPoint(), true);

// Homogenization at a temperature (K) in either mode: far from the
// critical point the search's own answer; near the second liquid loop and
// close to the critical point the direct solve.
void BM_HomogenizeAtTemperature(benchmark::State& state, int mode, double T) {
  for (auto _ : state) benchmark::DoNotOptimize(phase::HomogenizeAtTemperature(mode, T));
}
BENCHMARK_CAPTURE(BM_HomogenizeAtTemperature, liquid_500K, 0, 500.0);
BENCHMARK_CAPTURE(BM_HomogenizeAtTemperature, liquid_646_69K, 0, 646.69);
BENCHMARK_CAPTURE(BM_HomogenizeAtTemperature, vapour_646_69K, 1, 646.69);
BENCHMARK_CAPTURE(BM_HomogenizeAtTemperature, liquid_647_09K, 0, 647.09);
BENCHMARK_CAPTURE(BM_HomogenizeAtTemperature, liquid_647_1265K, 0, 647.1265);

// Homogenization at a pressure (MPa).
void BM_HomogenizeAtPressure(benchmark::State& state, int mode, double P) {
  for (auto _ : state) benchmark::DoNotOptimize(phase::HomogenizeAtPressure(mode, P));
}
BENCHMARK_CAPTURE(BM_HomogenizeAtPressure, liquid_1MPa, 0, 1.0);
BENCHMARK_CAPTURE(BM_HomogenizeAtPressure, vapour_21_9398MPa, 1, 21.9398);
BENCHMARK_CAPTURE(BM_HomogenizeAtPressure, liquid_22_03MPa, 0, 22.03);
BENCHMARK_CAPTURE(BM_HomogenizeAtPressure, liquid_22_054MPa, 0, 22.054);

// The homogenization temperature of a bulk volume (cm3/mol).
void BM_HomogenizationTemperatureOfVolume(benchmark::State& state, double V) {
  for (auto _ : state) benchmark::DoNotOptimize(phase::HomogenizationTemperatureOfVolume(V));
}
BENCHMARK_CAPTURE(BM_HomogenizationTemperatureOfVolume, liquid_30, 30.0);
BENCHMARK_CAPTURE(BM_HomogenizationTemperatureOfVolume, between_branches_50, 50.0);
BENCHMARK_CAPTURE(BM_HomogenizationTemperatureOfVolume, vapour_1000, 1000.0);

}  // namespace
