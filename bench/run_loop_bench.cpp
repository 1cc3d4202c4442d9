// Run engine overhead per step: a script of no-op steps run by the real run
// loop, with logging off and with logging to a file, against the bare cost of
// calling the handlers through the table (the baseline).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/quiet_run.h"

namespace zelo::bench {
namespace {

constexpr int kSteps = 20000;

void BM_HandlerTableCallsOnly(benchmark::State& state) {
  QuietRun b(kSteps);
  for (auto _ : state) benchmark::DoNotOptimize(b.CallHandlersOnly());
  state.SetItemsProcessed(state.iterations() * kSteps);
}

void BM_RunLoopLoggingOff(benchmark::State& state) {
  QuietRun b(kSteps);
  b.LoggingOff();
  for (auto _ : state) b.RunOnce();
  state.SetItemsProcessed(state.iterations() * kSteps);
}

void BM_RunLoopLoggingToFile(benchmark::State& state) {
  QuietRun b(kSteps);
  const std::string path = (std::filesystem::temp_directory_path() / "zelo_run_loop_bench_log.txt").string();
  b.LogToFile(path);
  for (auto _ : state) b.RunOnce();
  state.SetItemsProcessed(state.iterations() * kSteps);
  std::remove(path.c_str());
}

BENCHMARK(BM_HandlerTableCallsOnly);
BENCHMARK(BM_RunLoopLoggingOff)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RunLoopLoggingToFile)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace zelo::bench

BENCHMARK_MAIN();
