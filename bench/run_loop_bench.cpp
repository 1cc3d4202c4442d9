// Run engine overhead per step: a script of no-op steps run by the real run
// loop, with logging off and with logging to a file, against the bare cost of
// calling the handlers through the table (the baseline).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "engine/log_sink.h"
#include "engine/run_engine.h"
#include "engine/steady_run_clock.h"
#include "settings/memory_settings.h"
#include "settings/settings.h"

namespace zelo {
namespace {

constexpr int kSteps = 20000;

int NoOp(RunEngine&, int, int) { return 1; }

class QuietInput : public RunInput {
 public:
  bool KeyPressed(int) override { return false; }
  void ForgetHeldModifiers() override {}
  void ReleaseHeldInput() override {}
  bool JournalHookInstalled() override { return false; }
  void RemoveJournalHook() override {}
};

class QuietWindow : public RunWindow {
 public:
  void SetRunningState(bool) override {}
  void MinimizeMainWindow() override {}
  void RestoreMainWindow() override {}
  void CloseMainWindow() override {}
  int FirstSelectedStep(int) override { return -1; }
  void ClearSelection(int) override {}
  void SelectStep(int, int) override { ++selects; }
  bool ProgressVisible() override { return false; }
  void ShowProgress(bool) override {}
  void SetProgress(int) override {}
  void CloseRunFailureBox() override {}
  void ArmStopTimer() override {}
  int selects = 0;
};

class QuietSystem : public RunSystem {
 public:
  bool OtherInstanceRunning() override { return false; }
  void DeleteAllUserVariables() override {}
  bool ScreenSaverActive() override { return true; }
  void SetScreenSaverActive(bool) override {}
  bool TerminateThread(std::thread&) override { return false; }
};

// Counts what the Output palette and status bar would show.
class CountingSink : public LogSink {
 public:
  void AppendOutput(std::string_view text) override { bytes += text.size(); }
  void SetStatusText(int, std::string_view) override { ++status; }
  std::size_t bytes = 0;
  std::size_t status = 0;
};

struct Bench {
  Bench() : engine(ws, Seams()) {
    UseSettings(&settings);
    UseLogSink(&sink);
    // The defaults a fresh installation has.
    WriteSettingNumber("SOFTWARE\\Zelomat\\StopKey", 19);
    WriteSettingNumber("SOFTWARE\\Zelomat\\HiliteRunningStep", 1);
    WriteSettingNumber("SOFTWARE\\Zelomat\\RestartLog", 1);
    WriteSettingNumber("SOFTWARE\\Zelomat\\LogLevel", 0);
    WriteSettingNumber("SOFTWARE\\Zelomat\\Progress", 0);
    ScriptSlot& s = ws.slots[0];
    s.file_name = "bench.zxm";
    s.steps.resize(kSteps);
    s.step_count = kSteps;
    for (StepRecord& step : s.steps) {
      step.action = "Create/Set Variable";
      step.category = CAT_SYSTEM;
      step.text.Assign("counter = %counter%");
    }
    engine.handlers().Set(CAT_SYSTEM, &NoOp);
  }
  ~Bench() {
    UseLogSink(nullptr);
    UseSettings(nullptr);
  }
  RunSeams Seams() {
    RunSeams seams;
    seams.clock = &clock;
    seams.input = &input;
    seams.window = &window;
    seams.system = &system;
    return seams;
  }
  void RunOnce() {
    engine.StartRun(0, RunCommand::Run, true);
    engine.WaitUntilIdle(600000);
  }

  MemorySettings settings;
  CountingSink sink;
  SteadyRunClock clock;
  QuietInput input;
  QuietWindow window;
  QuietSystem system;
  Workspace ws;
  RunEngine engine;
};

void BM_HandlerTableCallsOnly(benchmark::State& state) {
  Bench b;
  ScriptSlot& s = b.ws.slots[0];
  for (auto _ : state) {
    int passed = 0;
    for (int i = 0; i < s.step_count; ++i)
      passed += b.engine.handlers().Get(s.steps[static_cast<std::size_t>(i)].category)(b.engine, 0, i) != 0;
    benchmark::DoNotOptimize(passed);
  }
  state.SetItemsProcessed(state.iterations() * kSteps);
}

void BM_RunLoopLoggingOff(benchmark::State& state) {
  Bench b;
  WriteSettingNumber("SOFTWARE\\Zelomat\\Log", 0);
  for (auto _ : state) b.RunOnce();
  state.SetItemsProcessed(state.iterations() * kSteps);
}

void BM_RunLoopLoggingToFile(benchmark::State& state) {
  Bench b;
  const std::string path = (std::filesystem::temp_directory_path() / "zelo_run_loop_bench_log.txt").string();
  WriteSetting("SOFTWARE\\Zelomat\\Logfile", path);
  WriteSettingNumber("SOFTWARE\\Zelomat\\Log", 1);
  for (auto _ : state) b.RunOnce();
  state.SetItemsProcessed(state.iterations() * kSteps);
  std::remove(path.c_str());
}

BENCHMARK(BM_HandlerTableCallsOnly);
BENCHMARK(BM_RunLoopLoggingOff)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RunLoopLoggingToFile)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace zelo

BENCHMARK_MAIN();
