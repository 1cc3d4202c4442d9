// Stopping runs of the real Zelomat.exe: the stop key in a hidden run, the
// Pause command with its forced stop (confirmed and cancelled), a second run
// while one is active, and closing the window while a run goes on.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/wine/harness_win.h"
#include "tests/wine/windows_win.h"
#include "ui/command_ids.h"

namespace zelo::test {
namespace {

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

std::string CommentSteps(int count) {
  std::string steps;
  steps.reserve(static_cast<size_t>(count) * 64);
  for (int i = 1; i <= count; ++i) steps += StepXml("Comment", "step " + std::to_string(i));
  return steps;
}

// The step number of the "Stop request" line; 0 when there is none.
int StoppedAtStep(const std::string& log) {
  const std::string line = "Stop request: aborting run at [STEP ";
  const size_t at = log.find(line);
  if (at == std::string::npos) return 0;
  int step = 0;
  std::sscanf(log.c_str() + at + line.size(), "%d", &step);
  return step;
}

void PressKey(BYTE vk) {
  keybd_event(vk, 0, 0, 0);
  keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
}

// Sends a menu command to the program's main window and waits until it has
// been handled.
void Command(HWND main, int command) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(main, WM_COMMAND, static_cast<WPARAM>(command), 0, SMTO_NORMAL, 10000, &result);
}

// Whether the window's thread answers within a second.
bool Responds(HWND main) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result) != 0;
}

class StopTest : public ::testing::Test {
 protected:
  StopTest() : restart_log_("RestartLog", 1), stop_key_("StopKey", VK_PAUSE) {}

  std::string WriteScript(const std::string& steps) {
    std::string path = dir_.File("stop.zxm");
    EXPECT_TRUE(WriteTextFile(path, ScriptText(steps)));
    return path;
  }
  std::string LogPath() const { return dir_.File("log.txt"); }

  // Opens a script of slow Comment steps in the visible editor and starts
  // Run From Here on it. Run From Here keeps the slot's step delay, which a
  // full run would clear at its start.
  HWND StartSlowVisibleRun(Process* p, DWORD step_delay_ms) {
    delay_ = std::make_unique<ScopedZelomatNumber>("InterStepDelay-0", step_delay_ms);
    const std::string script = WriteScript(CommentSteps(20));
    *p = StartProgram("/e " + Quoted(script), LogPath());
    if (!p->valid()) return nullptr;
    HWND main = WaitForProcessWindow(p->id(), L"Zelomat", kGuiWaitMs);
    if (!main || !WaitForTitle(main, L"stop.zxm - Zelomat", 10000)) return nullptr;
    return StartRunFromHere(main) ? main : nullptr;
  }

  // Starts Run From Here and waits until its first step has been announced.
  bool StartRunFromHere(HWND main) {
    Command(main, CMD_RUN_FROM_HERE);
    return WaitForLogText(LogPath(), "[STEP 1]: Comment \"step 1\"\r\n", 10000);
  }

  // Pauses the run while its first step is in its delay and returns the
  // "Stop Process" question that a step going on past a second brings. The
  // step is announced before it runs and the run checks for a stop request:
  // a Pause that comes before that check ends the run at once instead, and
  // then the run is started again (every start begins a new log).
  HWND PauseMidStep(const Process& p, HWND main) {
    for (int attempt = 0; attempt < 3; ++attempt) {
      Command(main, CMD_PAUSE);
      const DWORD start = GetTickCount();
      bool ended_at_once = false;
      while (!ended_at_once && GetTickCount() - start < 10000) {
        if (HWND box = FindProcessWindow(p.id(), L"#32770", L"Stop Process")) return box;
        std::string log;
        ReadTextFile(LogPath(), &log);
        ended_at_once = log.find("Stop request: aborting run at [STEP 1]") != std::string::npos;
        if (!ended_at_once) Sleep(50);
      }
      if (!ended_at_once || !StartRunFromHere(main)) return nullptr;
    }
    return nullptr;
  }

  // Closes the window and returns the exit code; 99 when the program stayed.
  DWORD Close(Process& p, HWND main, DWORD ms) {
    PostMessageW(main, WM_CLOSE, 0, 0);
    DWORD code = 99;
    return p.Wait(ms, &code) ? code : 99;
  }

  ScratchFolder dir_;
  ScopedZelomatNumber restart_log_, stop_key_;
  std::unique_ptr<ScopedZelomatNumber> delay_;
};

TEST_F(StopTest, TheStopKeyEndsAHiddenRunAfterItsStepWithTheDefaultCode) {
  ScopedZelomatNumber default_code("DefaultReturnCode", 6);
  // Long enough (several seconds under Wine) that the key comes mid-run.
  constexpr int kSteps = 60000;
  const std::string script = WriteScript(CommentSteps(kSteps));
  Process p = StartProgram("/r " + Quoted(script), LogPath());
  ASSERT_TRUE(p.valid());
  ASSERT_TRUE(WaitForLogText(LogPath(), "[STEP 5]:", kGuiWaitMs)) << "the run did not start";
  PressKey(VK_PAUSE);

  DWORD code = 99;
  ASSERT_TRUE(p.Wait(20000, &code)) << "the hidden program stayed behind";
  EXPECT_EQ(code, 6u) << "a person stopped the run: not a failure";
  std::string log;
  ReadTextFile(LogPath(), &log);
  const int stopped = StoppedAtStep(log);
  EXPECT_GE(stopped, 5);
  EXPECT_LT(stopped, kSteps) << "the run was not stopped";
  const std::string stop_line = "Stop request: aborting run at [STEP " + std::to_string(stopped) + "]\r\n\r\n";
  EXPECT_NE(log.find("[STEP " + std::to_string(stopped) + "]: Comment \"step " + std::to_string(stopped) + "\"\r\n" +
                     stop_line),
            std::string::npos);
  EXPECT_TRUE(log.size() >= stop_line.size() && log.compare(log.size() - stop_line.size(), std::string::npos,
                                                            stop_line) == 0)
      << "steps ran after the stop";
  EXPECT_EQ(log.find("Run Completed"), std::string::npos);
}

TEST_F(StopTest, ConfirmedForcedStopEndsTheRunAndTheEditorGoesOn) {
  Process p;
  HWND main = StartSlowVisibleRun(&p, 20000);
  ASSERT_NE(main, nullptr) << "the run did not start";

  // The step delay outlasts the one-second timer: the question comes.
  HWND box = PauseMidStep(p, main);
  ASSERT_NE(box, nullptr) << "no \"Stop Process\" question appeared";
  ASSERT_TRUE(WaitForLogText(LogPath(), "\r\nAttempting to stop script...\r\n", 5000));
  EXPECT_EQ(WaitForMessageBoxText(box, 5000),
            L"The script is still running the current step.\n\nDo you want to force it to stop?");
  PressOk(box);
  std::string log;
  ASSERT_TRUE(WaitForLogText(LogPath(), "\r\nRun forcibly terminated\r\n\r\n", 5000, &log)) << log;
  EXPECT_EQ(Occurrences(log, "[STEP "), 1);

  // The editor is back: it answers, and a new run can start.
  EXPECT_TRUE(Responds(main));
  EXPECT_TRUE(IsWindowVisible(main));
  ASSERT_TRUE(StartRunFromHere(main));
  box = PauseMidStep(p, main);
  ReadTextFile(LogPath(), &log);
  ASSERT_NE(box, nullptr) << log;
  PressOk(box);
  ASSERT_TRUE(WaitForLogText(LogPath(), "\r\nRun forcibly terminated\r\n\r\n", 5000, &log)) << log;
  EXPECT_EQ(Close(p, main, 10000), 0u);
}

TEST_F(StopTest, CancelledForcedStopLetsTheRunGoOnUntilTheWindowCloses) {
  Process p;
  HWND main = StartSlowVisibleRun(&p, 20000);
  ASSERT_NE(main, nullptr) << "the run did not start";

  HWND box = PauseMidStep(p, main);
  std::string log;
  ReadTextFile(LogPath(), &log);
  ASSERT_NE(box, nullptr) << "no \"Stop Process\" question appeared\n" << log;
  PressButton(box, IDCANCEL);
  ASSERT_TRUE(WaitForLogText(LogPath(), "\r\nCancelling stop request - continuing script execution\r\n", 5000, &log));
  EXPECT_EQ(log.find("forcibly"), std::string::npos);
  EXPECT_TRUE(Responds(main));

  // Closing the window ends the run first: it is asked to stop, and when its
  // step goes on too long, ended.
  const DWORD start = GetTickCount();
  EXPECT_EQ(Close(p, main, 20000), 0u);
  EXPECT_LT(GetTickCount() - start, 15000u);
  ReadTextFile(LogPath(), &log);
  EXPECT_TRUE(log.size() >= 29 && log.substr(log.size() - 29) == "\r\nRun forcibly terminated\r\n\r\n") << log;
  EXPECT_EQ(log.find("[STEP 2]"), std::string::npos);
}

TEST_F(StopTest, ASecondRunWhileOneIsActiveDoesNothing) {
  Process p;
  HWND main = StartSlowVisibleRun(&p, 20000);
  ASSERT_NE(main, nullptr) << "the run did not start";

  // Handled on the window's thread before SendMessage returns: a full run
  // would have written its header there and then.
  Command(main, CMD_RUN);
  Command(main, CMD_RUN_FROM_HERE);
  Command(main, CMD_RUN_SINGLE_STEP);
  std::string log;
  ReadTextFile(LogPath(), &log);
  EXPECT_EQ(log.find("Starting Run"), std::string::npos) << log;
  EXPECT_EQ(Occurrences(log, "[STEP 1]"), 1) << log;
  EXPECT_EQ(Close(p, main, 20000), 0u);
}

}  // namespace
}  // namespace zelo::test
