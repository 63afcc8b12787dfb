// The answers of the two phase-equilibrium windows: each should take well
// under 10 ms, the slowest where the saturation search cannot give the
// stable equilibrium and the direct solve takes over.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "thermo/Constants.h"
#include "thermo/Homogenization.h"

namespace {

// Warms the critical point once, outside every timing.
const bool warmed = (thermo::EquationCriticalPoint(), true);

// Homogenization at a temperature (K) in either mode: far from the
// critical point the search's own answer; near the second liquid loop and
// close to the critical point the direct solve.
void BM_HomogenizeAtTemperature(benchmark::State& state, int mode, double T) {
  for (auto _ : state) benchmark::DoNotOptimize(thermo::HomogenizeAtTemperature(mode, T));
}
BENCHMARK_CAPTURE(BM_HomogenizeAtTemperature, liquid_500K, 0, 500.0);
BENCHMARK_CAPTURE(BM_HomogenizeAtTemperature, liquid_646_69K, 0, 646.69);
BENCHMARK_CAPTURE(BM_HomogenizeAtTemperature, vapour_646_69K, 1, 646.69);
BENCHMARK_CAPTURE(BM_HomogenizeAtTemperature, liquid_647_09K, 0, 647.09);
BENCHMARK_CAPTURE(BM_HomogenizeAtTemperature, liquid_647_1265K, 0, 647.1265);

// Homogenization at a pressure (MPa).
void BM_HomogenizeAtPressure(benchmark::State& state, int mode, double P) {
  for (auto _ : state) benchmark::DoNotOptimize(thermo::HomogenizeAtPressure(mode, P));
}
BENCHMARK_CAPTURE(BM_HomogenizeAtPressure, liquid_1MPa, 0, 1.0);
BENCHMARK_CAPTURE(BM_HomogenizeAtPressure, vapour_21_9398MPa, 1, 21.9398);
BENCHMARK_CAPTURE(BM_HomogenizeAtPressure, liquid_22_03MPa, 0, 22.03);
BENCHMARK_CAPTURE(BM_HomogenizeAtPressure, liquid_22_054MPa, 0, 22.054);

// The homogenization temperature of a bulk volume (cm3/mol).
void BM_HomogenizationTemperatureOfVolume(benchmark::State& state, double V) {
  for (auto _ : state) benchmark::DoNotOptimize(thermo::HomogenizationTemperatureOfVolume(V));
}
BENCHMARK_CAPTURE(BM_HomogenizationTemperatureOfVolume, liquid_30, 30.0);
BENCHMARK_CAPTURE(BM_HomogenizationTemperatureOfVolume, between_branches_50, 50.0);
BENCHMARK_CAPTURE(BM_HomogenizationTemperatureOfVolume, vapour_1000, 1000.0);

// The slowest answer of a sweep: each input answered six times and its
// least thread CPU time kept; the benchmark's time is the largest of those,
// and the counter `worst_at` names the input that took it.
double ThreadSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + 1e-9 * static_cast<double>(ts.tv_nsec);
}

// `input` gives the value answered at each point of the grid, found outside
// the timing (the identity unless given).
void WorstOfSweep(benchmark::State& state, double from, double to, double step,
                  const std::function<void(double)>& answer,
                  const std::function<double(double)>& input = [](double x) { return x; }) {
  constexpr int Repetitions = 6;
  for (auto _ : state) {
    double worst = 0.0;
    double worstAt = from;
    const int points = static_cast<int>(std::lround((to - from) / step));
    for (int k = 0; k <= points; ++k) {
      const double x = from + step * k;
      const double asked = input(x);
      double least = 1e300;
      for (int r = 0; r < Repetitions; ++r) {
        const double start = ThreadSeconds();
        answer(asked);
        least = std::min(least, ThreadSeconds() - start);
      }
      if (least > worst) {
        worst = least;
        worstAt = x;
      }
    }
    state.SetIterationTime(worst);
    state.counters["worst_at"] = worstAt;
  }
}

// A sweep is timed by WorstOfSweep alone, once, in milliseconds.
void AsSweep(benchmark::internal::Benchmark* b) {
  b->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
}

// The Liquid-Vapour Equilibrium window's equilibrium at temperature T (K).
void Equilibrium(double T) {
  benchmark::DoNotOptimize(thermo::CoexistenceAtTemperature(thermo::NudgePressure, T));
}

// Homogenization temperature of a bulk volume: across the two stretches
// where the stable liquid jumps between the two liquid branches, and every
// 0.01 cm3/mol across the whole top of the curve.
void BM_WorstHomogenizationTemperatureOfVolume(benchmark::State& state, double from, double to,
                                               double step) {
  WorstOfSweep(state, from, to, step,
               [](double V) { benchmark::DoNotOptimize(thermo::HomogenizationTemperatureOfVolume(V)); });
}
BENCHMARK_CAPTURE(BM_WorstHomogenizationTemperatureOfVolume, V_49_19_to_49_21, 49.19, 49.21, 0.001)
    ->Apply(AsSweep);
BENCHMARK_CAPTURE(BM_WorstHomogenizationTemperatureOfVolume, V_50_67_to_50_71, 50.67, 50.71, 0.001)
    ->Apply(AsSweep);
BENCHMARK_CAPTURE(BM_WorstHomogenizationTemperatureOfVolume, V_45_to_75_every_0_01, 45.0, 75.0, 0.01)
    ->Apply(AsSweep);

// The Liquid-Vapour Equilibrium window's equilibrium at a bulk volume's
// highest two-phase temperature as shown: one unit of the shown Th's last
// digit (0.1 mK) below Th.
void BM_WorstEquilibriumBelowTh(benchmark::State& state, double from, double to, double step) {
  WorstOfSweep(state, from, to, step, Equilibrium,
               [](double V) { return thermo::HomogenizationTemperatureOfVolume(V).value_or(0.0) - 1e-4; });
}
BENCHMARK_CAPTURE(BM_WorstEquilibriumBelowTh, V_45_to_75_every_0_01, 45.0, 75.0, 0.01)->Apply(AsSweep);

// Homogenization at a pressure close below the critical point, every
// 1e-5 MPa from 22.03 MPa up to the highest pressure answered, and at a
// temperature across the second liquid loop up to the critical band.
void BM_WorstHomogenizeAtPressure(benchmark::State& state, int mode, double from) {
  WorstOfSweep(state, from, thermo::HighestHomogenizationPressure(), 1e-5,
               [mode](double P) { benchmark::DoNotOptimize(thermo::HomogenizeAtPressure(mode, P)); });
}
BENCHMARK_CAPTURE(BM_WorstHomogenizeAtPressure, liquid_22_03MPa_to_critical, 0, 22.03)->Apply(AsSweep);
BENCHMARK_CAPTURE(BM_WorstHomogenizeAtPressure, vapour_22_03MPa_to_critical, 1, 22.03)->Apply(AsSweep);

void BM_WorstHomogenizeAtTemperature(benchmark::State& state, int mode, double from, double to) {
  WorstOfSweep(state, from, to, 0.005,
               [mode](double T) { benchmark::DoNotOptimize(thermo::HomogenizeAtTemperature(mode, T)); });
}
BENCHMARK_CAPTURE(BM_WorstHomogenizeAtTemperature, liquid_646_6_to_647_125K, 0, 646.6, 647.125)
    ->Apply(AsSweep);
BENCHMARK_CAPTURE(BM_WorstHomogenizeAtTemperature, vapour_646_6_to_647_125K, 1, 646.6, 647.125)
    ->Apply(AsSweep);

// The equilibrium across the second liquid loop up to the critical band.
void BM_WorstEquilibriumAtTemperature(benchmark::State& state, double from, double to) {
  WorstOfSweep(state, from, to, 0.005, Equilibrium);
}
BENCHMARK_CAPTURE(BM_WorstEquilibriumAtTemperature, T_646_6_to_647_125K, 646.6, 647.125)->Apply(AsSweep);

}  // namespace
