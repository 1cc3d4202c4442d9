// Loops, IF blocks, labels, exit codes and the failure modes of steps, in
// unattended runs of the real Zelomat.exe ("/r"): what the log says, the
// exit code a scheduler sees, the boxes a user answers, the screen image of
// a failure.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/win32_owners_win.h"
#include "tests/wine/harness_win.h"
#include "tests/wine/windows_win.h"
#include "ui/command_ids.h"

namespace zelo::test {
namespace {

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// One step; extra is more tags inside the step block ("<timeout>2</timeout>").
std::string Step(const std::string& action, const std::string& text = "", const std::string& extra = "") {
  std::string xml = "<step>\r\n\t<action>" + action + "</action>\r\n";
  if (!text.empty()) xml += "\t<text>" + text + "</text>\r\n";
  return xml + extra + "</step>\r\n";
}
std::string OnFail(const std::string& mode, const std::string& value = "", int image = 0) {
  return "\t<onfail value=\"" + value + "\" image=\"" + std::to_string(image) + "\" log=\"0\">" + mode +
         "</onfail>\r\n";
}
// A step that always fails: a jump to a label the script does not have.
std::string FailingStep(const std::string& extra) { return Step("Goto Label", "nowhere", extra); }
std::string Label(const std::string& name) { return Step("Label", name); }

class FlowRunTest : public ::testing::Test {
 protected:
  FlowRunTest() : default_code_("DefaultReturnCode", 0), restart_log_("RestartLog", 1) {}

  std::string Script(const std::string& steps) {
    const std::string path = dir_.File("flow.zxm");
    EXPECT_TRUE(WriteTextFile(path, ScriptText(steps)));
    return path;
  }
  std::string LogPath() const { return dir_.File("log.txt"); }
  RunResult Run(const std::string& steps) { return RunProgram("/r " + Quoted(Script(steps)), LogPath(), kGuiWaitMs); }
  // A hidden run whose first step fails with "Ask to Continue" and whose
  // second ends the program with code 5.
  Process StartAskingRun() {
    return StartProgram("/r " + Quoted(Script(FailingStep(OnFail("Ask to Continue")) + Step("Exit Zelomat", "5"))),
                        LogPath());
  }

  ScratchFolder dir_;
  ScopedZelomatNumber default_code_, restart_log_;
};

TEST_F(FlowRunTest, NestedLoopsCountWithPercentL) {
  const RunResult r = Run(Step("Start 'For' Loop", "2") + Step("Start 'For' Loop", "3") +
                          Step("Goto Label", "inner%l") + Label("inner1") + Label("inner2") + Label("inner3") +
                          Step("NEXT LOOP") + Step("Goto Label", "outer%l") + Label("outer1") + Label("outer2") +
                          Step("NEXT LOOP") + Step("Exit Zelomat", "17"));
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.exit_code, 17u);
  for (const char* label : {"inner1", "inner2", "inner3"})
    EXPECT_EQ(Occurrences(r.log, std::string("\tJumping to label \"") + label + "\""), 2) << label << "\n" << r.log;
  EXPECT_EQ(Occurrences(r.log, "\tJumping to label \"outer1\""), 1) << r.log;
  EXPECT_EQ(Occurrences(r.log, "\tJumping to label \"outer2\""), 1);
  EXPECT_EQ(Occurrences(r.log, "\tEnd of loop from [Step 2] (3 total loops done)\r\n"), 2);
  EXPECT_NE(r.log.find("\tEnd of loop from [Step 1] (2 total loops done)\r\n\tContinuing with [Step 12]...\r\n"),
            std::string::npos);
}

TEST_F(FlowRunTest, TheFilesLoopWalksARealFolder) {
  ScratchFolder data;
  for (const char* name : {"a.txt", "b.txt", "c.dat"}) WriteTextFile(data.File(name), "x");
  CreateDirectoryA(data.File("folder.txt").c_str(), nullptr);
  const RunResult r = Run(Step("Start Files Loop", data.path() + "\\*.txt") + Step("Goto Label", "f_%file_loop") +
                          Label("f_a.txt") + Label("f_b.txt") + Step("NEXT LOOP"));
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(Occurrences(r.log, "\tJumping to label \"f_a.txt\""), 1) << r.log;
  EXPECT_EQ(Occurrences(r.log, "\tJumping to label \"f_b.txt\""), 1);
  EXPECT_NE(r.log.find("(2 total loops done)"), std::string::npos);
  EXPECT_NE(r.log.find("Run Completed"), std::string::npos);
}

TEST_F(FlowRunTest, TheFileLineLoopReadsEachLine) {
  WriteTextFile(dir_.File("lines.txt"), "one\r\ntwo");
  // A relative path is taken from the script's folder.
  const RunResult r = Run(Step("Start File Line Loop", "lines.txt") + Step("Goto Label", "l_%file_line_loop") +
                          Label("l_one") + Label("l_two") + Step("NEXT LOOP"));
  ASSERT_TRUE(r.finished);
  EXPECT_NE(r.log.find("\tJumping to label \"l_one\""), std::string::npos) << r.log;
  EXPECT_NE(r.log.find("\tJumping to label \"l_two\""), std::string::npos);
  EXPECT_NE(r.log.find("(2 total loops done)"), std::string::npos);
}

LRESULT CALLBACK PlainWindowProc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProcW(h, m, w, l); }

// A framed, visible top-level window of the test, destroyed with the object.
class TestWindow {
 public:
  explicit TestWindow(const wchar_t* title) {
    static bool registered = false;
    if (!registered) {
      WNDCLASSW wc{};
      wc.lpfnWndProc = &PlainWindowProc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = L"ZeloFlowTestWindow";
      registered = RegisterClassW(&wc) != 0;
    }
    hwnd_ = CreateWindowExW(0, L"ZeloFlowTestWindow", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  ~TestWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
  }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

// Waits for the program while answering its questions to our windows.
bool WaitPumping(Process& p, DWORD ms, DWORD* code) {
  const DWORD start = GetTickCount();
  while (!p.Wait(20, code)) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    if (GetTickCount() - start > ms) return false;
  }
  return true;
}

TEST_F(FlowRunTest, TheWindowsLoopVisitsTheWindowsOfTheDesktop) {
  TestWindow a(L"ZeloLoopA"), b(L"ZeloLoopB");
  ASSERT_TRUE(a.hwnd() && b.hwnd());
  // B on top and in front: the loop starts there and walks down to A.
  SetWindowPos(a.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetWindowPos(b.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(b.hwnd());
  const std::string script =
      Script(Step("Start Windows Loop") + Step("Goto Label", "w_%window_loop", OnFail("Ignore/Continue")) +
             Label("w_ZeloLoopA") + Label("w_ZeloLoopB") + Step("NEXT LOOP"));
  Process p = StartProgram("/r " + Quoted(script), LogPath());
  ASSERT_TRUE(p.valid());
  DWORD code = 99;
  ASSERT_TRUE(WaitPumping(p, kGuiWaitMs, &code));
  std::string log;
  ReadTextFile(LogPath(), &log);
  const size_t at_b = log.find("\tJumping to label \"w_ZeloLoopB\"");
  const size_t at_a = log.find("\tJumping to label \"w_ZeloLoopA\"");
  ASSERT_NE(at_b, std::string::npos) << log;
  ASSERT_NE(at_a, std::string::npos) << log;
  EXPECT_LT(at_b, at_a) << "z-order from the foreground window down";
  EXPECT_NE(log.find("Run Completed"), std::string::npos);
}

TEST_F(FlowRunTest, AStepWithATimeOutFailsForItsTimeBeforeItsModeApplies) {
  const DWORD start = GetTickCount();
  const RunResult r = Run(FailingStep("\t<timeout>2</timeout>\r\n" + OnFail("Ignore/Continue")) + Step("Exit Zelomat", "3"));
  const DWORD elapsed = GetTickCount() - start;
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.exit_code, 3u);
  EXPECT_GE(elapsed, 2000u);
  EXPECT_EQ(Occurrences(r.log, "[STEP 1]: Goto Label"), 1) << "tries within the time-out are not announced";
  EXPECT_EQ(Occurrences(r.log, "ERROR while running [STEP 1] Goto Label: Label \"nowhere\" not found"), 1) << r.log;
  EXPECT_NE(r.log.find("\tFailure Mode: Ignore/Continue\r\n"), std::string::npos);
}

TEST_F(FlowRunTest, RetryTheStepTwiceRunsItThreeTimes) {
  const RunResult r = Run(FailingStep(OnFail("Retry the Step x Times", "2")) + Step("Exit Zelomat", "3"));
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.exit_code, 1u) << "the run failed before Exit Zelomat";
  EXPECT_NE(r.log.find("\tRetrying step (retry 1 of 2)\r\n"), std::string::npos) << r.log;
  EXPECT_NE(r.log.find("\tRetrying step (retry 2 of 2)\r\n"), std::string::npos);
  EXPECT_EQ(Occurrences(r.log, "[STEP 1]: Goto Label"), 3);
  EXPECT_NE(r.log.find("RUN FAILED\r\n"), std::string::npos);
}

TEST_F(FlowRunTest, JumpToLabelGoesOnAtTheLabel) {
  const RunResult r = Run(FailingStep(OnFail("Jump to Label", "recover")) + Step("Exit Zelomat", "1") +
                          Label("Recover") + Step("Exit Zelomat", "2"));
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.exit_code, 2u);
  EXPECT_NE(r.log.find("\tJumping to label \"recover\" [Step 3]\r\n"), std::string::npos) << r.log;
}

constexpr const char* kUserVariables = "SOFTWARE\\Zelomat\\UserVariables";

void DeleteUserVariable(const char* name) { RegDeleteKeyValueA(HKEY_CURRENT_USER, kUserVariables, name); }

// A user variable as the script sees it: a number or a text.
std::string UserVariable(const char* name) {
  char text[260] = {};
  DWORD size = sizeof text, type = 0;
  if (RegGetValueA(HKEY_CURRENT_USER, kUserVariables, name, RRF_RT_ANY, &type, text, &size) != ERROR_SUCCESS)
    return "<missing>";
  if (type == REG_DWORD) return std::to_string(*reinterpret_cast<DWORD*>(text));
  return text;
}

TEST_F(FlowRunTest, IncrementVariableAndRestartRunEndByTheScriptsOwnCondition) {
  DeleteUserVariable("tries");
  const RunResult r = Run(FailingStep(OnFail("Increment Variable", "tries")) +
                          Step("IF Expression", "%tries &lt; 3") + FailingStep(OnFail("Restart Run")) +
                          Step("END IF") + Step("Exit Zelomat", "%tries"));
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.exit_code, 3u) << r.log;
  EXPECT_NE(r.log.find("\tIncrementing variable 'tries' = 3\r\n"), std::string::npos);
  EXPECT_EQ(Occurrences(r.log, "\tRestarting Run at at [Step 1]\r\n"), 2);
  EXPECT_EQ(UserVariable("tries"), "3");
  DeleteUserVariable("tries");
}

// Starts the script, waits for its "Run Failure" box and checks its text.
// The question of the failing step of StartAskingRun.
const wchar_t* const kAskText = L"Label \"nowhere\" not found\n\nContinue?";

HWND WaitForFailureBox(Process& p, const std::wstring& text) {
  HWND box = WaitForProcessWindow(p.id(), L"#32770", kGuiWaitMs, L"Run Failure");
  if (!box) return nullptr;
  EXPECT_EQ(WaitForMessageBoxText(box, 5000), text);
  return box;
}

TEST_F(FlowRunTest, AskToContinueAnsweredYesGoesOn) {
  Process p = StartAskingRun();
  ASSERT_TRUE(p.valid());
  HWND box = WaitForFailureBox(p, kAskText);
  ASSERT_NE(box, nullptr);
  PressButton(box, IDYES);
  DWORD code = 99;
  ASSERT_TRUE(p.Wait(kGuiWaitMs, &code));
  EXPECT_EQ(code, 5u);
  std::string log;
  ReadTextFile(LogPath(), &log);
  EXPECT_NE(log.find("\tUser chose to CONTINUE\r\n"), std::string::npos) << log;
}

TEST_F(FlowRunTest, AskToContinueAnsweredNoStops) {
  Process p = StartAskingRun();
  ASSERT_TRUE(p.valid());
  HWND box = WaitForFailureBox(p, kAskText);
  ASSERT_NE(box, nullptr);
  PressButton(box, IDNO);
  DWORD code = 99;
  ASSERT_TRUE(p.Wait(kGuiWaitMs, &code));
  EXPECT_EQ(code, 1u) << "the run failed";
  std::string log;
  ReadTextFile(LogPath(), &log);
  EXPECT_NE(log.find("\tUser chose to STOP\r\nRUN FAILED\r\n"), std::string::npos) << log;
}

// Nobody is there to answer a hidden run's question: after its time the box
// closes itself with No, so a scheduler gets the program back and the run
// does not go on as if someone had said yes.
TEST_F(FlowRunTest, AnUnansweredQuestionOfAHiddenRunClosesWithNo) {
  Process p = StartAskingRun();
  ASSERT_TRUE(p.valid());
  ASSERT_NE(WaitForFailureBox(p, kAskText), nullptr);
  DWORD code = 99;
  ASSERT_TRUE(p.Wait(60000, &code)) << "the unanswered box kept the hidden program";
  EXPECT_EQ(code, 1u) << "the run failed";
  std::string log;
  ReadTextFile(LogPath(), &log);
  EXPECT_NE(log.find("\tNobody answered the \"Run Failure\" box within 30 seconds: it was closed with No\r\n"
                     "\tUser chose to STOP\r\nRUN FAILED\r\n"),
            std::string::npos)
      << log;
}

TEST_F(FlowRunTest, ThePauseCommandClosesAQuestionBoxAndStops) {
  Process p = StartAskingRun();
  ASSERT_TRUE(p.valid());
  ASSERT_NE(WaitForFailureBox(p, kAskText), nullptr);
  HWND main = FindProcessWindow(p.id(), L"Zelomat");
  ASSERT_NE(main, nullptr);
  DWORD_PTR result = 0;
  SendMessageTimeoutW(main, WM_COMMAND, CMD_PAUSE, 0, SMTO_NORMAL, 10000, &result);
  DWORD code = 99;
  ASSERT_TRUE(p.Wait(kGuiWaitMs, &code)) << "the box stayed";
  EXPECT_EQ(code, 0u) << "a person stopped the run: DefaultReturnCode, not a failure";
  std::string log;
  ReadTextFile(LogPath(), &log);
  EXPECT_NE(log.find("\tUser chose to STOP\r\nRUN FAILED\r\n"), std::string::npos) << log;
}

TEST_F(FlowRunTest, DisplayErrorAndContinueGoesOnAfterOk) {
  Process p = StartProgram(
      "/r " + Quoted(Script(FailingStep(OnFail("Display Error and Continue")) + Step("Exit Zelomat", "6"))), LogPath());
  ASSERT_TRUE(p.valid());
  HWND box = WaitForFailureBox(p, L"Label \"nowhere\" not found");
  ASSERT_NE(box, nullptr);
  DWORD code = 99;
  EXPECT_FALSE(p.Wait(0, &code)) << "the run went on before the box was answered";
  PressOk(box);
  ASSERT_TRUE(p.Wait(kGuiWaitMs, &code));
  EXPECT_EQ(code, 6u);
}

uint32_t Word32(const std::string& s, size_t at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(s[at + static_cast<size_t>(i)]);
  return v;
}

TEST_F(FlowRunTest, AFailureScreenImageIsAValidBitmapBesideTheLog) {
  const RunResult r = Run(Step("Comment") + FailingStep(OnFail("Stop Silently", "", 1)));
  ASSERT_TRUE(r.finished);
  WIN32_FIND_DATAA found;
  ASSERT_TRUE(FindHandle(FindFirstFileA(dir_.File("log [Step 2] FAILURE *.bmp").c_str(), &found)))
      << "no screen image beside the log";
  std::string bmp;
  ASSERT_TRUE(ReadTextFile(dir_.File(found.cFileName), &bmp));
  ASSERT_GE(bmp.size(), 54u);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(Word32(bmp, 2), bmp.size());
  EXPECT_EQ(Word32(bmp, 10), 54u);
  EXPECT_EQ(Word32(bmp, 14), 40u);
  const int32_t width = static_cast<int32_t>(Word32(bmp, 18)), height = static_cast<int32_t>(Word32(bmp, 22));
  EXPECT_EQ(width, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(height, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(Word32(bmp, 30), 0u) << "uncompressed";
  EXPECT_EQ(Word32(bmp, 34) + 54u, bmp.size()) << "image size + headers";
  // A name like "log [Step 2] FAILURE 2024-05-06_090507.bmp".
  EXPECT_EQ(std::string(found.cFileName).size(), std::string("log [Step 2] FAILURE 2024-05-06_090507.bmp").size());
}

TEST_F(FlowRunTest, ExitRunAndExitZelomatSetTheExitCode) {
  RunResult r = Run(Step("Comment") + Step("Exit Zelomat", "42") + Step("Comment"));
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.exit_code, 42u);
  EXPECT_NE(r.log.find("Stop request: aborting run at [STEP 2]"), std::string::npos);
  EXPECT_EQ(r.log.find("[STEP 3]"), std::string::npos);
  r = Run(Step("Exit Run", "9"));
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.exit_code, 9u) << "a hidden run ends the program with the script's code";
}

TEST_F(FlowRunTest, UnmatchedBlocksAndBadCountsHaveDefinedOutcomes) {
  // An IF without END IF warns and goes to the last step; a For count that
  // is text or negative runs no round; NEXT LOOP after the end is matched.
  const RunResult r = Run(Step("Start 'For' Loop", "abc") + Step("Exit Zelomat", "1") + Step("NEXT LOOP") +
                          Step("Start 'For' Loop", "-3") + Step("Exit Zelomat", "1") + Step("NEXT LOOP") +
                          Step("IF Expression", "1 = 2") + Step("Exit Zelomat", "1") + Step("Exit Zelomat", "8"));
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.exit_code, 8u) << r.log;
  EXPECT_NE(r.log.find("\tWARNING: Matching ELSE/END IF statement not found!  Jumping to Step 9\r\n"),
            std::string::npos);
  // With no step after it to go on with, a false IF without END IF fails the run.
  const RunResult last = Run(Step("Comment") + Step("IF Expression", "1 = 2"));
  ASSERT_TRUE(last.finished);
  EXPECT_EQ(last.exit_code, 1u) << last.log;
  EXPECT_NE(last.log.find("Jumping to Step 2\r\nRUN FAILED\r\n"), std::string::npos) << last.log;
}

TEST_F(FlowRunTest, LoopsNestedDeeperThanSixteenFailTheirStep) {
  std::string steps;
  for (int i = 0; i < 17; ++i) steps += Step("Start 'For' Loop", "1", i == 16 ? OnFail("Stop Silently") : "");
  for (int i = 0; i < 17; ++i) steps += Step("NEXT LOOP");
  const RunResult r = Run(steps);
  ASSERT_TRUE(r.finished);
  EXPECT_NE(r.log.find("ERROR while running [STEP 17] Start 'For' Loop: Loops can be nested at most 16 deep"),
            std::string::npos)
      << r.log;
  EXPECT_NE(r.log.find("RUN FAILED"), std::string::npos);
  EXPECT_EQ(r.exit_code, 1u);
}

// The user may pick the code a failed run returns.
TEST_F(FlowRunTest, ARunThatStopsSilentlyReturnsFailedReturnCode) {
  ScopedZelomatNumber failed("FailedReturnCode", 9);
  const RunResult r = Run(FailingStep(OnFail("Stop Silently")) + Step("Exit Zelomat", "3"));
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.exit_code, 9u) << r.log;
  EXPECT_NE(r.log.find("\tFailure Mode: Stop Silently\r\nRUN FAILED\r\n"), std::string::npos) << r.log;
}

TEST_F(FlowRunTest, AnEndlessWhileLoopEndsByTheStopKey) {
  ScopedZelomatNumber stop_key("StopKey", VK_PAUSE);
  Process p = StartProgram("/r " + Quoted(Script(Step("Start 'While' Loop", "1") + Step("NEXT LOOP"))), LogPath());
  ASSERT_TRUE(p.valid());
  ASSERT_TRUE(WaitForLogText(LogPath(), "(100) loops completed", kGuiWaitMs));
  keybd_event(VK_PAUSE, 0, 0, 0);
  keybd_event(VK_PAUSE, 0, KEYEVENTF_KEYUP, 0);
  DWORD code = 99;
  ASSERT_TRUE(p.Wait(kGuiWaitMs, &code)) << "the endless loop did not stop";
  EXPECT_EQ(code, 0u) << "a person stopped the run: DefaultReturnCode";
  std::string log;
  ReadTextFile(LogPath(), &log);
  EXPECT_NE(log.find("Stop request: aborting run at [STEP"), std::string::npos);
}

TEST_F(FlowRunTest, TheForcedStopEndsAnEndlessWhileLoop) {
  const std::string script = Script(Step("Start 'While' Loop", "1") + Step("NEXT LOOP"));
  Process p = StartProgram("/e " + Quoted(script), LogPath());
  ASSERT_TRUE(p.valid());
  HWND main = WaitForProcessWindow(p.id(), L"Zelomat", kGuiWaitMs);
  ASSERT_TRUE(main && WaitForTitle(main, L"flow.zxm - Zelomat", 10000));
  DWORD_PTR result = 0;
  SendMessageTimeoutW(main, WM_COMMAND, CMD_RUN, 0, SMTO_NORMAL, 10000, &result);
  ASSERT_TRUE(WaitForLogText(LogPath(), "(50) loops completed", kGuiWaitMs));
  // The keyboard's Pause goes straight to the question; the loop runs on
  // meanwhile, and only the forced stop ends it.
  PostMessageW(main, WM_COMMAND, CMD_PAUSE_FORCE, 0);
  HWND box = WaitForProcessWindow(p.id(), L"#32770", 10000, L"Stop Process");
  ASSERT_NE(box, nullptr);
  PressOk(box);
  std::string log;
  EXPECT_TRUE(WaitForLogText(LogPath(), "\r\nRun forcibly terminated\r\n\r\n", 10000, &log)) << log.size();
  PostMessageW(main, WM_CLOSE, 0, 0);
  DWORD code = 99;
  EXPECT_TRUE(p.Wait(kGuiWaitMs, &code));
}

}  // namespace
}  // namespace zelo::test
