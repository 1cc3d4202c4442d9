// "Wait" steps in unattended runs of the real Zelomat.exe: a delay and the
// stop key during one, keys, clicks and movements the test makes, a file
// the test writes later, a window the test opens and closes, and the pace
// of a wait that never succeeds.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/win32_owners_win.h"
#include "tests/wine/harness_win.h"
#include "tests/wine/host_cpu_win.h"
#include "tests/wine/pattern_files_win.h"
#include "tests/wine/test_programs_win.h"
#include "tests/wine/windows_win.h"
#include "ui/command_ids.h"

namespace zelo::test {
namespace {

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

std::string WaitStep(const std::string& action, const std::string& text, const std::string& timeout,
                     const std::string& onfail = "", const std::string& output_variable = "") {
  std::string xml = "<step>\r\n\t<action>" + action + "</action>\r\n";
  if (!text.empty()) xml += "\t<text>" + text + "</text>\r\n";
  xml += "\t<timeout>" + timeout + "</timeout>\r\n";
  if (!onfail.empty()) xml += "\t<onfail value=\"\" image=\"0\" log=\"0\">" + onfail + "</onfail>\r\n";
  if (!output_variable.empty()) xml += "\t<output value=\"" + output_variable + "\">Variable</output>\r\n";
  return xml + "</step>\r\n";
}

class WaitRunTest : public ::testing::Test {
 protected:
  WaitRunTest() : default_code_("DefaultReturnCode", 0), restart_log_("RestartLog", 1), stop_key_("StopKey", VK_PAUSE) {}

  std::string Script(const std::string& steps) {
    const std::string path = dir_.File("wait.zxm");
    EXPECT_TRUE(WriteTextFile(path, ScriptText(steps)));
    return path;
  }
  std::string LogPath() const { return dir_.File("log.txt"); }
  Process Start(const std::string& steps) {
    Process p = StartProgram("/r " + Quoted(Script(steps)), LogPath());
    EXPECT_TRUE(p.valid());
    return p;
  }
  std::string Log() const {
    std::string log;
    ReadTextFile(LogPath(), &log);
    return log;
  }
  // Waits for the program's end; its exit code, 99 when it stayed.
  DWORD Exit(Process& p, DWORD ms = kGuiWaitMs) {
    DWORD code = 99;
    return p.Wait(ms, &code) ? code : 99;
  }
  // Makes input until the program has ended (input goes out asynchronously
  // and is read by polling, so a single event may come before the step looks).
  DWORD ExitWhile(Process& p, void (*act)(int round)) {
    for (int round = 0; round < 100; ++round) {
      act(round);
      DWORD code = 99;
      if (p.Wait(100, &code)) return code;
    }
    return 99;
  }

  ScratchFolder dir_;
  ScopedZelomatNumber default_code_, restart_log_, stop_key_;
};

TEST_F(WaitRunTest, AHalfSecondDelayTakesHalfASecond) {
  const DWORD start = GetTickCount();
  RunResult r = RunProgram("/r " + Quoted(Script(WaitStep("Delay", "", "0.5"))), LogPath(), kGuiWaitMs);
  ASSERT_TRUE(r.finished);
  EXPECT_GE(GetTickCount() - start, 500u);
  EXPECT_NE(r.log.find("[STEP 1]: Delay \r\n\tDuration: 0.5 second(s)\r\n"), std::string::npos) << r.log;
  EXPECT_NE(r.log.find("(Elapsed Time: less than 1 second)"), std::string::npos) << r.log;
}

TEST_F(WaitRunTest, TheStopKeyEndsALongDelayAndThePriorityComesBack) {
  Process p = StartProgram("/e " + Quoted(Script(WaitStep("Delay", "", "60"))), LogPath());
  ASSERT_TRUE(p.valid());
  HWND main = WaitForProcessWindow(p.id(), L"Zelomat", kGuiWaitMs);
  ASSERT_NE(main, nullptr);
  DWORD_PTR result = 0;
  SendMessageTimeoutW(main, WM_COMMAND, CMD_RUN, 0, SMTO_NORMAL, 10000, &result);
  ASSERT_TRUE(WaitForLogText(LogPath(), "\tDuration: 60 second(s)\r\n", 10000)) << Log();
  // The process idles during the delay...
  const KernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, p.id()));
  ASSERT_NE(process.get(), nullptr);
  const DWORD start = GetTickCount();
  while (GetPriorityClass(process.get()) != IDLE_PRIORITY_CLASS && GetTickCount() - start < 5000) Sleep(10);
  EXPECT_EQ(GetPriorityClass(process.get()), static_cast<DWORD>(IDLE_PRIORITY_CLASS));
  // ...and ends it at the stop key, at its own priority again.
  const DWORD pressed = GetTickCount();
  keybd_event(VK_PAUSE, 0, 0, 0);
  keybd_event(VK_PAUSE, 0, KEYEVENTF_KEYUP, 0);
  EXPECT_TRUE(WaitForLogText(LogPath(), "Stop request: aborting run at [STEP 1]", 5000)) << Log();
  EXPECT_LT(GetTickCount() - pressed, 1500u);
  EXPECT_EQ(GetPriorityClass(process.get()), static_cast<DWORD>(NORMAL_PRIORITY_CLASS));
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(Exit(p), 0u);
}

TEST_F(WaitRunTest, AKeypressWaitTakesItsKeyAndNoOther) {
  Process p = Start(WaitStep("Wait for Keypress", "{F1}", "10"));
  ASSERT_TRUE(WaitForLogText(LogPath(), "\tWaiting for keypress {F1} (112)\r\n", kGuiWaitMs)) << Log();
  const DWORD code = ExitWhile(p, [](int round) { keybd_event(VK_F1, 0, round % 2 ? KEYEVENTF_KEYUP : 0, 0); });
  keybd_event(VK_F1, 0, KEYEVENTF_KEYUP, 0);
  EXPECT_EQ(code, 0u) << Log();
  EXPECT_NE(Log().find("Run Completed"), std::string::npos);

  p = Start(WaitStep("Wait for Keypress", "{F1}", "1.5", "Ignore/Continue"));
  ASSERT_TRUE(WaitForLogText(LogPath(), "\tWaiting for keypress {F1} (112)\r\n", kGuiWaitMs)) << Log();
  const DWORD start = GetTickCount();
  ExitWhile(p, [](int round) { keybd_event('A', 0, round % 2 ? KEYEVENTF_KEYUP : 0, 0); });
  keybd_event('A', 0, KEYEVENTF_KEYUP, 0);
  EXPECT_GE(GetTickCount() - start, 1000u) << "another key ended the wait";
  EXPECT_NE(Log().find("\tERROR while running [STEP 1] Wait for Keypress\r\n"), std::string::npos) << Log();

  // Any key is a key of the keyboard: a mouse button is none.
  p = Start(WaitStep("Wait for Keypress", "", "1.5", "Ignore/Continue"));
  ASSERT_TRUE(WaitForLogText(LogPath(), "\tWaiting for keypress  (0)\r\n", kGuiWaitMs)) << Log();
  ExitWhile(p, [](int round) { mouse_event(round % 2 ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_RIGHTDOWN, 0, 0, 0, 0); });
  mouse_event(MOUSEEVENTF_RIGHTUP, 0, 0, 0, 0);
  EXPECT_NE(Log().find("\tERROR while running [STEP 1] Wait for Keypress\r\n"), std::string::npos) << Log();
}

TEST_F(WaitRunTest, AKeyThatHasNoNameFailsAtOnce) {
  RunResult r = RunProgram("/r " + Quoted(Script(WaitStep("Wait for Keypress", "{Nonsense}", "60", "Ignore/Continue"))),
                           LogPath(), 10000);
  ASSERT_TRUE(r.finished) << "the wait went on";
  EXPECT_NE(r.log.find("Wait for Keypress: '{Nonsense}' is not a key name\r\n"), std::string::npos) << r.log;
}

TEST_F(WaitRunTest, AClickAndAMovementOfTheMouseEndTheirWaits) {
  Process p = Start(WaitStep("Wait for Mouse Click", "", "10"));
  ASSERT_TRUE(WaitForLogText(LogPath(), "\tWaiting for keypress", kGuiWaitMs)) << Log();
  const DWORD code = ExitWhile(p, [](int round) {
    mouse_event(round % 2 ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_RIGHTDOWN, 0, 0, 0, 0);
  });
  mouse_event(MOUSEEVENTF_RIGHTUP, 0, 0, 0, 0);
  EXPECT_EQ(code, 0u) << Log();

  SetCursorPos(200, 200);
  p = Start(WaitStep("Wait for Mouse Movement", "", "10"));
  ASSERT_TRUE(WaitForLogText(LogPath(), "[STEP 1]: Wait for Mouse Movement", kGuiWaitMs)) << Log();
  EXPECT_EQ(ExitWhile(p, [](int round) { SetCursorPos(200 + round % 2 * 40, 200); }), 0u) << Log();
  EXPECT_NE(Log().find("Run Completed"), std::string::npos);
}

TEST_F(WaitRunTest, AFileWrittenLaterEndsTheWait) {
  const std::string file = dir_.File("later.txt");
  Process p = Start(WaitStep("Wait for File to Exist", file, "10"));
  ASSERT_TRUE(WaitForLogText(LogPath(), "[STEP 1]: Wait for File to Exist", kGuiWaitMs)) << Log();
  ASSERT_TRUE(WriteTextFile(file, "x"));
  EXPECT_EQ(Exit(p, 5000), 0u) << Log();
  EXPECT_NE(Log().find("Run Completed"), std::string::npos);
}

TEST_F(WaitRunTest, AWindowIsAwaitedUntilItAppearsAndThenUntilItIsGone) {
  EndNewProcesses cleanup("titled_window.exe");
  const std::string title = "Zelomat wait test window";
  Process p = Start(WaitStep("Wait for Window to Appear", "wait test WINDOW", "10") +
                    WaitStep("Wait for Window to Disappear", title, "10"));
  ASSERT_TRUE(WaitForLogText(LogPath(), "[STEP 1]: Wait for Window to Appear", kGuiWaitMs)) << Log();
  Process window = Process::Start(Wide(TestProgramPath("titled_window.exe")), Wide(title));
  ASSERT_TRUE(WaitForLogText(LogPath(), "[STEP 2]: Wait for Window to Disappear", kGuiWaitMs)) << Log();
  HWND shown = WaitForTitledWindow(Wide(title), 5000);
  ASSERT_NE(shown, nullptr);
  PostMessageW(shown, WM_CLOSE, 0, 0);
  EXPECT_EQ(Exit(p, 10000), 0u) << Log();
  EXPECT_NE(Log().find("Run Completed"), std::string::npos);
}

TEST_F(WaitRunTest, AnImageShownAfterTheRunStartsIsAwaitedAndItsCornerSaved) {
  EndNewProcesses cleanup("bitmap_window.exe");
  DeleteVariable("waited_image_at");
  const std::string picture = dir_.File("picture.bmp");
  ASSERT_TRUE(WriteTextFile(picture, PatternBmp(0)));
  Process p = Start(WaitStep("Wait for Image to Appear", picture, "10", "", "waited_image_at"));
  ASSERT_TRUE(WaitForLogText(LogPath(), "[STEP 1]: Wait for Image to Appear", kGuiWaitMs)) << Log();
  Process window = Process::Start(Wide(TestProgramPath("bitmap_window.exe")), L"300 200");
  ASSERT_TRUE(window.valid());
  EXPECT_EQ(Exit(p, 10000), 0u) << Log();
  EXPECT_EQ(Variable("waited_image_at"), "300, 200") << Log();
}

TEST_F(WaitRunTest, TheProgramsOwnWindowIsNotAwaited) {
  // The hidden main window is titled "Zelomat".
  RunResult r = RunProgram("/r " + Quoted(Script(WaitStep("Wait for Window to Appear", "Zelomat", "0.5",
                                                          "Ignore/Continue"))),
                           LogPath(), kGuiWaitMs);
  ASSERT_TRUE(r.finished);
  EXPECT_NE(r.log.find("\tERROR while running [STEP 1] Wait for Window to Appear\r\n"), std::string::npos) << r.log;
}

// A wait that never succeeds retries at a steady pace and leaves the
// processor alone. A file is looked for inside the program: a busy retry
// takes a third of a core or more there, a paced one about 2 %. A window
// lookup's work is mostly the wineserver's and other programs', which this
// does not see (scripts/bench.sh waits counts the server too), so its own
// share stays low either way and is only held to a quarter.
TEST_F(WaitRunTest, FailingWaitsLeaveTheProcessorAlone) {
  Process p = Start(WaitStep("Wait for File to Exist", dir_.File("never.txt"), "2", "Ignore/Continue") +
                    WaitStep("Wait for Window to Appear", "No such window anywhere", "2", "Ignore/Continue"));
  const KernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, p.id()));
  ASSERT_NE(process.get(), nullptr);
  ASSERT_TRUE(WaitForLogText(LogPath(), "[STEP 1]: Wait for File to Exist", kGuiWaitMs)) << Log();
  const std::wstring host = HostProcessFolder(dir_.File("wait.zxm"));
  ASSERT_TRUE(!UnderWine() || !host.empty()) << "the run's process is not in the host's process list";
  double cpu = ProcessCpuMs(process.get(), host);
  DWORD start = GetTickCount();
  for (int step : {1, 2}) {
    ASSERT_TRUE(WaitForLogText(LogPath(), "ERROR while running [STEP " + std::to_string(step) + "]", 10000)) << Log();
    const double now = ProcessCpuMs(process.get(), host), used = now - cpu;
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed, 1500u);
    EXPECT_LT(used, (step == 1 ? 0.1 : 0.25) * elapsed)
        << "step " << step << ": " << used << " ms of processor time in " << elapsed << " ms";
    RecordProperty(step == 1 ? "file_wait_cpu_ms" : "window_wait_cpu_ms", static_cast<int>(used));
    cpu = now;
    start = GetTickCount();
  }
  EXPECT_EQ(Exit(p), 0u);
}

}  // namespace
}  // namespace zelo::test
