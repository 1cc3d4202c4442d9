// Test doubles of the run engine's seams: a clock whose sleeps only move its
// tick count on, recorded key presses, window notifications and messages.
// Used by the engine's unit tests and the benchmarks.
#pragma once

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "engine/log_sink.h"
#include "engine/run_seams.h"
#include "model/editor_seam.h"

namespace zelo::test {

class FakeClock : public RunClock {
 public:
  uint32_t Ticks() override { return ticks.load(); }
  void Sleep(uint32_t ms) override {
    ticks += ms;
    {
      std::lock_guard<std::mutex> lock(m);
      if (ms) sleeps.push_back(ms);
    }
    if (on_sleep) on_sleep(ms);
  }
  CivilTime Now() override { return now; }
  std::vector<uint32_t> Sleeps() {
    std::lock_guard<std::mutex> lock(m);
    return sleeps;
  }

  std::atomic<uint32_t> ticks{1000};
  std::function<void(uint32_t)> on_sleep;  // set before a run starts
  CivilTime now{2024, 5, 6, 9, 5, 7};

 private:
  std::mutex m;
  std::vector<uint32_t> sleeps;
};

class FakeInput : public RunInput {
 public:
  bool KeyPressed(int vk) override {
    std::lock_guard<std::mutex> lock(m);
    polls.push_back(vk);
    return down.count(vk) > 0;
  }
  void ForgetHeldModifiers() override { ++forgets; }
  void ReleaseHeldInput() override { ++releases; }
  bool JournalHookInstalled() override { return hook_installed.load(); }
  void RemoveJournalHook() override {
    hook_installed = false;
    ++hook_removals;
  }
  bool CapsLockOn() override { return caps_lock.load(); }
  void Press(int vk) {
    std::lock_guard<std::mutex> lock(m);
    down.insert(vk);
  }
  void ReleaseAll() {
    std::lock_guard<std::mutex> lock(m);
    down.clear();
  }
  std::vector<int> Polls() {
    std::lock_guard<std::mutex> lock(m);
    return polls;
  }

  std::atomic<int> forgets{0}, releases{0}, hook_removals{0};
  std::atomic<bool> hook_installed{false};
  std::atomic<bool> caps_lock{false};

 private:
  std::mutex m;
  std::set<int> down;
  std::vector<int> polls;
};

// Records every notification as a short text ("running 1", "select 0 3", ...).
class FakeWindow : public RunWindow {
 public:
  void SetRunningState(bool running) override { Add(running ? "running 1" : "running 0"); }
  void MinimizeMainWindow() override { Add("minimize"); }
  void RestoreMainWindow() override { Add("restore"); }
  void CloseMainWindow() override { Add("close"); }
  int FirstSelectedStep(int) override { return selected.load(); }
  void ClearSelection(int slot) override {
    selected = -1;
    Add("clear selection " + std::to_string(slot));
  }
  void SelectStep(int slot, int index) override {
    Add("select " + std::to_string(slot) + " " + std::to_string(index));
  }
  bool ProgressVisible() override { return progress_visible.load(); }
  void ShowProgress(bool visible) override {
    progress_visible = visible;
    Add(visible ? "progress 1" : "progress 0");
  }
  void SetProgress(int percent) override { Add("percent " + std::to_string(percent)); }
  void CloseRunFailureBox() override { Add("close failure box"); }
  void ArmStopTimer() override { Add("stop timer"); }

  // The desktop: windows in z-order, each with its frame and title.
  struct DesktopWindow {
    uint64_t handle;
    bool framed_top_level;
    std::string text;
  };
  uint64_t ForegroundWindow() override {
    std::lock_guard<std::mutex> lock(m);
    return foreground;
  }
  uint64_t NextWindow(uint64_t window) override {
    std::lock_guard<std::mutex> lock(m);
    for (std::size_t i = 0; i < desktop.size(); ++i)
      if (desktop[i].handle == window) return i + 1 < desktop.size() ? desktop[i + 1].handle : 0;
    return 0;
  }
  bool IsFramedTopLevelWindow(uint64_t window) override {
    std::lock_guard<std::mutex> lock(m);
    for (const auto& w : desktop)
      if (w.handle == window) return w.framed_top_level;
    return false;
  }
  std::string WindowText(uint64_t window) override {
    std::lock_guard<std::mutex> lock(m);
    for (const auto& w : desktop)
      if (w.handle == window) return w.text;
    return {};
  }
  void SetDesktop(std::vector<DesktopWindow> windows, uint64_t foreground_window) {
    std::lock_guard<std::mutex> lock(m);
    desktop = std::move(windows);
    foreground = foreground_window;
  }

  std::vector<std::string> Calls() {
    std::lock_guard<std::mutex> lock(m);
    return calls;
  }
  int Count(const std::string& call) {
    std::lock_guard<std::mutex> lock(m);
    int n = 0;
    for (const auto& c : calls) n += c == call;
    return n;
  }

  std::atomic<int> selected{-1};
  std::atomic<bool> progress_visible{false};

 private:
  std::vector<DesktopWindow> desktop;
  uint64_t foreground = 0;
  void Add(std::string c) {
    std::lock_guard<std::mutex> lock(m);
    calls.push_back(std::move(c));
  }
  std::mutex m;
  std::vector<std::string> calls;
};

class FakeSystem : public RunSystem {
 public:
  bool OtherInstanceRunning() override { return other_instance.load(); }
  void DeleteAllUserVariables() override { ++variable_resets; }
  bool ScreenSaverActive() override { return screen_saver.load(); }
  void SetScreenSaverActive(bool active) override { screen_saver = active; }
  // A native thread cannot be ended from outside; the engine leaves it to
  // finish its step.
  bool TerminateThread(std::thread&) override {
    ++terminations;
    return false;
  }
  // Records where the image would go; fails while capture_fails is set.
  bool CaptureScreen(const std::string& path) override {
    {
      std::lock_guard<std::mutex> lock(m);
      captures.push_back(path);
    }
    return !capture_fails.load();
  }
  std::vector<std::string> Captures() {
    std::lock_guard<std::mutex> lock(m);
    return captures;
  }

  std::atomic<bool> other_instance{false}, screen_saver{true}, capture_fails{false};
  std::atomic<int> variable_resets{0}, terminations{0};

 private:
  std::mutex m;
  std::vector<std::string> captures;
};

class RecordingLogSink : public LogSink {
 public:
  void AppendOutput(std::string_view text) override {
    std::lock_guard<std::mutex> lock(m);
    output += text;
  }
  void SetStatusText(int part, std::string_view text) override {
    std::lock_guard<std::mutex> lock(m);
    status.push_back(std::to_string(part) + ":" + std::string(text));
  }
  std::string Output() {
    std::lock_guard<std::mutex> lock(m);
    return output;
  }
  std::vector<std::string> Status() {
    std::lock_guard<std::mutex> lock(m);
    return status;
  }

 private:
  std::mutex m;
  std::string output;
  std::vector<std::string> status;
};

// Records message boxes and answers them from a queue (first button when empty).
class RecordingMessages : public SilentEditorSeam {
 public:
  struct Shown {
    std::string text, caption;
    MessageButtons buttons;
    MessageIcon icon;
  };
  MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageButtons buttons,
                            MessageIcon icon) override {
    std::lock_guard<std::mutex> lock(m);
    shown.push_back({std::string(text), std::string(caption), buttons, icon});
    if (!answers.empty()) {
      MessageAnswer a = answers.front();
      answers.pop_front();
      return a;
    }
    return SilentEditorSeam::ShowMessage(text, caption, buttons, icon);
  }
  void Answer(MessageAnswer a) {
    std::lock_guard<std::mutex> lock(m);
    answers.push_back(a);
  }
  std::vector<Shown> All() {
    std::lock_guard<std::mutex> lock(m);
    return shown;
  }

 private:
  std::mutex m;
  std::deque<MessageAnswer> answers;
  std::vector<Shown> shown;
};

}  // namespace zelo::test
