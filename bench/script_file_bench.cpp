// Load and save of a generated script with every field filled, at 5,000 and
// 50,000 steps (Google Benchmark). items_per_second is steps per second of
// process CPU time (the machine may be shared);
// bytes_per_step is the memory a loaded step holds.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>

#include "bench/bench_files.h"
#include "bench/bench_script.h"
#include "bench/live_bytes.h"
#include "model/script_file.h"

namespace {

using zelo::Workspace;

const std::string& ScriptFile(int steps) {
  static std::map<int, std::string> paths;
  auto it = paths.find(steps);
  if (it == paths.end()) {
    const std::string path = zelo::bench::BenchPath("gb_" + std::to_string(steps));
    zelo::bench::WriteBenchScript(path, steps);
    it = paths.emplace(steps, path).first;
  }
  return it->second;
}

void LoadFile(benchmark::State& state) {
  const int steps = static_cast<int>(state.range(0));
  const std::string& path = ScriptFile(steps);
  double bytes_per_step = 0;
  for (auto _ : state) {
    auto ws = std::make_unique<Workspace>();
    const std::size_t before = zelo::bench::LiveBytes();
    const int loaded = zelo::LoadScriptFile(*ws, path, 0);
    state.PauseTiming();
    if (loaded != steps) state.SkipWithError("not every step loaded");
    bytes_per_step = static_cast<double>(zelo::bench::LiveBytes() - before) / steps;
    ws.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * steps);
  state.counters["bytes_per_step"] = bytes_per_step;
}

void SaveFile(benchmark::State& state) {
  const int steps = static_cast<int>(state.range(0));
  Workspace ws;
  zelo::LoadScriptFile(ws, ScriptFile(steps), 0);
  ws.slots[0].file_name = zelo::bench::BenchPath("gb_saved_" + std::to_string(steps));
  std::string error;
  for (auto _ : state) {
    if (!zelo::SaveScriptFile(ws, 0, &error)) state.SkipWithError(error.c_str());
  }
  state.SetItemsProcessed(state.iterations() * steps);
  std::remove(ws.slots[0].file_name.c_str());
}

void ReadText(benchmark::State& state) {
  const int steps = static_cast<int>(state.range(0));
  const std::string text = zelo::bench::BenchScriptText(steps);
  for (auto _ : state) {
    auto ws = std::make_unique<Workspace>();
    benchmark::DoNotOptimize(zelo::ReadStepsXml(*ws, text, -1));
    state.PauseTiming();
    ws.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * steps);
}

void WriteText(benchmark::State& state) {
  const int steps = static_cast<int>(state.range(0));
  Workspace ws;
  zelo::bench::FillBenchSteps(ws, steps);
  std::string out;
  for (auto _ : state) benchmark::DoNotOptimize(zelo::WriteStepsXml(ws, nullptr, false, 0, out));
  state.SetItemsProcessed(state.iterations() * steps);
}

BENCHMARK(LoadFile)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveFile)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadText)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteText)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
