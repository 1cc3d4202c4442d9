// A run engine for the run-loop benchmarks: quiet seams (no keys, no window,
// a steady clock), an in-memory settings store with a fresh installation's
// run settings, and a script of no-op steps.
#pragma once

#include <cstddef>
#include <string>

#include "engine/log_sink.h"
#include "engine/run_engine.h"
#include "engine/steady_run_clock.h"
#include "settings/memory_settings.h"
#include "settings/settings.h"
#include "settings/setting_names.h"

namespace zelo::bench {

class QuietInput : public RunInput {
 public:
  bool KeyPressed(int) override { return false; }
  void ForgetHeldModifiers() override {}
  void ReleaseHeldInput() override {}
  bool JournalHookInstalled() override { return false; }
  void RemoveJournalHook() override {}
  bool CapsLockOn() override { return false; }
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
  uint64_t ForegroundWindow() override { return 0; }
  uint64_t NextWindow(uint64_t) override { return 0; }
  bool IsFramedTopLevelWindow(uint64_t) override { return false; }
  std::string WindowText(uint64_t) override { return {}; }
  int selects = 0;
};

class QuietSystem : public RunSystem {
 public:
  bool OtherInstanceRunning() override { return false; }
  void DeleteAllUserVariables() override {}
  bool ScreenSaverActive() override { return true; }
  void SetScreenSaverActive(bool) override {}
  bool TerminateThread(std::thread&) override { return false; }
  bool CaptureScreen(const std::string&) override { return false; }
};

// Counts what the Output palette and status bar would show.
class CountingSink : public LogSink {
 public:
  void AppendOutput(std::string_view text) override { bytes += text.size(); }
  void SetStatusText(int, std::string_view) override { ++status; }
  std::size_t bytes = 0;
  std::size_t status = 0;
};

inline int NoOpStep(RunEngine&, const ActionServices*, int, int) { return 1; }

// Installs its settings store and sink for its lifetime.
struct QuietRun {
  explicit QuietRun(int steps) : engine(ws, Seams()) {
    UseSettings(&settings);
    UseLogSink(&sink);
    // The defaults a fresh installation has.
    WriteSettingNumber(setting::kStopKey, 19);
    WriteSettingNumber(setting::kHiliteRunningStep, 1);
    WriteSettingNumber(setting::kRestartLog, 1);
    WriteSettingNumber(setting::kLogLevel, 0);
    WriteSettingNumber(setting::kProgress, 0);
    ScriptSlot& s = ws.slots[0];
    s.file_name = "bench.zxm";
    s.steps.resize(static_cast<std::size_t>(steps));
    s.step_count = steps;
    for (StepRecord& step : s.steps) {
      step.action = "Create/Set Variable";
      step.category = CAT_SYSTEM;
      step.text.Assign("counter = %counter%");
    }
    engine.handlers().Set(CAT_SYSTEM, &NoOpStep);
  }
  ~QuietRun() {
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
  // One full run of the script; false when it did not end within ten minutes.
  bool RunOnce() {
    engine.StartRun(0, RunCommand::Run, true);
    return engine.WaitUntilIdle(600000);
  }
  void LogToFile(const std::string& path) {
    WriteSetting(setting::kLogfile, path);
    WriteSettingNumber(setting::kLog, 1);
  }
  void LoggingOff() { WriteSettingNumber(setting::kLog, 0); }
  // The bare cost of calling every step's handler through the table.
  int CallHandlersOnly() {
    ScriptSlot& s = ws.slots[0];
    const HandlerTable& table = engine.handlers();
    int passed = 0;
    for (int i = 0; i < s.step_count; ++i)
      passed += table.Get(s.steps[static_cast<std::size_t>(i)].category)(engine, table.services(), 0, i) != 0;
    return passed;
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

}  // namespace zelo::bench
