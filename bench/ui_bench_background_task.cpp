// Cost of the background task inside the equation's loops: volume searches
// with no hook installed and with the application's hook, which lets events
// run every 20 ms and reads the clock only every 256th call. The difference
// is the cost of the calls themselves, about 2 ns each (a search makes about
// 1200); reading the clock at every call made a search 2.6 times as long.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "eos/Globals.h"
#include "ui/BackgroundTask.h"

namespace {

void VolumeSearches(benchmark::State& state) {
  for (auto _ : state)
    for (int i = 0; i < 100; ++i) benchmark::DoNotOptimize(Globals::Haar_Volume(300.0 + 0.5 * i, 10.0, 18.0));
}

void BM_VolumeSearchesWithoutHook(benchmark::State& state) {
  Globals::SetBackgroundTask(nullptr);
  VolumeSearches(state);
}
BENCHMARK(BM_VolumeSearchesWithoutHook);

void BM_VolumeSearchesWithHook(benchmark::State& state) {
  ui::ResetBackgroundTask();
  Globals::SetBackgroundTask(&ui::BackgroundTask);
  VolumeSearches(state);
  Globals::SetBackgroundTask(nullptr);
}
BENCHMARK(BM_VolumeSearchesWithHook);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
