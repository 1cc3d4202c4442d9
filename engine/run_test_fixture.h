// A run engine wired to test doubles, with a scripted step handler: each
// step's value1 says what its handler does.
//   ""            pass
//   "fail"        fail with value2 as the error text
//   "stop"        return -1
//   "next N"      return N (the flow-control result: next index plus one)
//   "key N"       the key N goes down, then pass
//   "request"     ask the run to stop, then pass
//   "journal"     start a playback that ends after three 200 ms waits, then pass
//   "block"       wait until the test releases the step (Release), then pass
#pragma once

#include <gtest/gtest.h>

#include <condition_variable>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "base/text.h"
#include "engine/exit_code.h"
#include "engine/run_engine.h"
#include "engine/run_test_doubles.h"
#include "settings/memory_settings.h"
#include "settings/settings.h"

namespace zelo::test {

class RunTest : public ::testing::Test {
 protected:
  RunTest() : ws(&messages), engine(ws, Seams()) {
    UseSettings(&settings);
    UseLogSink(&sink);
    ClearExitCode();
    current_ = this;
    ws.slots[0].file_name = kUntitled;
    for (int c = kFirstActionCategory; c <= kLastActionCategory; ++c) engine.handlers().Set(c, &Scripted);
  }
  ~RunTest() override {
    Release();
    engine.WaitUntilIdle(10000);
    // The log file is kept open between lines; its folder goes next.
    CloseLogFile();
    UseLogSink(nullptr);
    UseSettings(nullptr);
    current_ = nullptr;
  }

  RunSeams Seams() {
    RunSeams s;
    s.clock = &clock;
    s.input = &input;
    s.window = &window;
    s.system = &system;
    return s;
  }

  StepRecord& AddStep(std::string_view action, int category = CAT_SYSTEM, std::string_view behaviour = "",
                      int slot = 0) {
    ScriptSlot& s = ws.slots[static_cast<std::size_t>(slot)];
    if (s.file_name.empty()) s.file_name = kUntitled;
    s.steps.emplace_back();
    s.step_count = static_cast<int32_t>(s.steps.size());
    StepRecord& step = s.steps.back();
    step.action = action;
    step.category = category;
    step.value(1) = behaviour;
    return step;
  }
  StepRecord& Step(int index, int slot = 0) { return ws.slots[static_cast<std::size_t>(slot)].steps[static_cast<std::size_t>(index)]; }

  // Starts a run and waits until it and its repeats are over.
  void RunAndWait(RunCommand command = RunCommand::Run, int slot = 0, bool user_start = true) {
    engine.StartRun(slot, command, user_start);
    ASSERT_TRUE(engine.WaitUntilIdle(10000)) << "the run did not end";
  }
  std::string Log() { return sink.Output(); }
  std::vector<int> Calls() {
    std::lock_guard<std::mutex> lock(m_);
    return calls_;
  }

  // Waits until a "block" step has been entered.
  bool WaitBlocked() {
    std::unique_lock<std::mutex> lock(m_);
    return cv_.wait_for(lock, std::chrono::seconds(10), [this] { return blocked_; });
  }
  // Called on the run thread: signals WaitBlocked and waits for Release.
  void Block() {
    std::unique_lock<std::mutex> lock(m_);
    blocked_ = true;
    cv_.notify_all();
    cv_.wait(lock, [this] { return released_; });
  }
  void Release() {
    std::lock_guard<std::mutex> lock(m_);
    released_ = true;
    cv_.notify_all();
  }

  MemorySettings settings;
  RecordingLogSink sink;
  FakeClock clock;
  FakeInput input;
  FakeWindow window;
  FakeSystem system;
  RecordingMessages messages;
  Workspace ws;
  RunEngine engine;

 private:
  static int Scripted(RunEngine& run, const ActionServices*, int slot, int index) {
    RunTest* t = current_;
    const StepRecord& step = run.workspace().slots[static_cast<std::size_t>(slot)].steps[static_cast<std::size_t>(index)];
    {
      std::lock_guard<std::mutex> lock(t->m_);
      t->calls_.push_back(index);
    }
    const std::string_view b = step.value(1).view();
    if (b == "fail") {
      run.SetStepError("%s", step.value(2).c_str());
      return 0;
    }
    if (b == "stop") return -1;
    if (b.substr(0, 5) == "next ") return TextToInt(b.substr(5));
    if (b.substr(0, 4) == "key ") t->input.Press(TextToInt(b.substr(4)));
    if (b == "request") run.RequestStop();
    if (b == "journal") {
      auto waits = std::make_shared<int>(0);
      t->clock.on_sleep = [&run, waits](uint32_t ms) {
        if (ms == 200 && ++*waits == 3) run.state().journal_active = false;
      };
      run.state().journal_active = true;
    }
    if (b == "block") t->Block();
    return 1;
  }

  static inline RunTest* current_ = nullptr;
  std::mutex m_;
  std::condition_variable cv_;
  std::vector<int> calls_;
  bool blocked_ = false;
  bool released_ = false;
};

// A run for the tests of one category's handler: what the handler saved
// ("index:data") and the error texts of its failing steps, which then go on
// with the next step.
class HandlerRunTest : public RunTest {
 protected:
  HandlerRunTest() {
    saved().clear();
    errors().clear();
    engine.set_failure_handler(&KeepError);
  }

  static std::vector<std::string>& saved() {
    static std::vector<std::string> v;
    return v;
  }
  static std::vector<std::string>& errors() {
    static std::vector<std::string> v;
    return v;
  }
  static void Save(const StepRecord&, int, int index, std::string_view data) {
    saved().push_back(std::to_string(index) + ":" + std::string(data));
  }

 private:
  // Reads and clears the error text, as failure handling does.
  static int KeepError(RunEngine& run, int, int index) {
    errors().push_back(run.state().step_error.str());
    run.state().step_error.clear();
    return index + 1;
  }
};

// A folder of its own under the system's temporary folder, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    static int n = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("zelo_run_test_" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) +
             "_" + std::to_string(++n));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// The file's bytes; empty when it cannot be read.
inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

// How often needle occurs in hay.
inline int Occurrences(const std::string& hay, const std::string& needle) {
  int n = 0;
  for (std::size_t p = hay.find(needle); p != std::string::npos; p = hay.find(needle, p + needle.size())) ++n;
  return n;
}

}  // namespace zelo::test
