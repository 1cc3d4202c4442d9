// Unattended runs of the real Zelomat.exe ("/r"): the log a run writes, the
// exit code a scheduler sees, skipped steps and breakpoints, a failing step
// and its box, and scripts that cannot be run.
#include <windows.h>

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "tests/wine/harness_win.h"
#include "tests/wine/windows_win.h"

namespace zelo::test {
namespace {

// The log with every time of day ("9:05:07") written as "T", so whole logs
// can be compared.
std::string WithoutTimes(const std::string& log) {
  static const std::regex time_of_day("\\b[0-9]{1,2}:[0-9]{2}:[0-9]{2}\\b");
  return std::regex_replace(log, time_of_day, "T");
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// How long a hidden program's start-up box stays before it closes itself.
constexpr DWORD kUnattendedBoxMs = 10000;

class RunTest : public ::testing::Test {
 protected:
  RunTest() : default_code_("DefaultReturnCode", 0), log_level_("LogLevel", 0), restart_log_("RestartLog", 1) {}

  std::string WriteScript(const std::string& steps, const std::string& name = "run.zxm") {
    std::string path = dir_.File(name);
    EXPECT_TRUE(WriteTextFile(path, ScriptText(steps)));
    return path;
  }
  std::string LogPath() const { return dir_.File("log.txt"); }

  ScratchFolder dir_;
  ScopedZelomatNumber default_code_, log_level_, restart_log_;
};

TEST_F(RunTest, HiddenRunLogsEveryStepAndEndsWithTheDefaultCode) {
  const std::string script = WriteScript(StepXml("Comment", "one") + StepXml("Comment", "half way: 50% done") +
                                         StepXml("Comment", ""));
  RunResult r = RunProgram("/r " + Quoted(script), LogPath(), kGuiWaitMs);
  ASSERT_TRUE(r.finished) << "the hidden program stayed behind";
  EXPECT_EQ(r.exit_code, 0u);
  EXPECT_EQ(WithoutTimes(r.log),
            "----------------------------------------\r\n"
            "Starting Run at T for " + script + "\r\n"
            "[STEP 1]: Comment \"one\"\r\n"
            "[STEP 2]: Comment \"half way: 50% done\"\r\n"
            "[STEP 3]: Comment \r\n"
            "Run Completed at T (Elapsed Time: less than 1 second)\r\n\r\n");
}

TEST_F(RunTest, TheDefaultReturnCodeIsTheExitCode) {
  ScopedZelomatNumber code("DefaultReturnCode", 5);
  const std::string script = WriteScript(StepXml("Comment", "one"));
  RunResult r = RunProgram("/r " + Quoted(script), LogPath(), kGuiWaitMs);
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.exit_code, 5u);
  EXPECT_NE(r.log.find("Run Completed at "), std::string::npos);
}

TEST_F(RunTest, SkippedStepsArePassedOverAndABreakpointEndsTheRun) {
  ScopedZelomatNumber detailed("LogLevel", 1);
  const std::string script =
      WriteScript(StepXml("Comment", "a") + StepXml("Comment", "b", "", 1) + StepXml("Comment", "c") +
                  StepXml("Comment", "d", "", 2) + StepXml("Comment", "e"));
  RunResult r = RunProgram("/r " + Quoted(script), LogPath(), kGuiWaitMs);
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.exit_code, 0u);
  EXPECT_EQ(WithoutTimes(r.log),
            "----------------------------------------\r\n"
            "Starting Run at T for " + script + "\r\n"
            "[STEP 1]: Comment \"a\"\r\n"
            "Skipping [STEP 2]\r\n"
            "[STEP 3]: Comment \"c\"\r\n"
            "Breakpoint on [STEP 4]\r\n"
            "Run Completed at T (Elapsed Time: less than 1 second)\r\n\r\n");
}

TEST_F(RunTest, AStepWithoutHandlerFailsTheRunAfterTheUserSawItsBox) {
  const std::string script =
      WriteScript(StepXml("Comment", "before") + StepXml("Execute SQL Query", "", "abc") +
                  StepXml("Comment", "after"));
  Process p = StartProgram("/r " + Quoted(script), LogPath());
  ASSERT_TRUE(p.valid());
  HWND box = WaitForProcessWindow(p.id(), L"#32770", kGuiWaitMs, L"Run Failure");
  ASSERT_NE(box, nullptr) << "no \"Run Failure\" box appeared";
  EXPECT_EQ(WaitForMessageBoxText(box, 5000),
            L"The \"Execute SQL Query\" action is not available in this version");
  HWND main = FindProcessWindow(p.id(), L"Zelomat");
  ASSERT_NE(main, nullptr);
  EXPECT_FALSE(IsWindowVisible(main));
  DWORD code = 99;
  EXPECT_FALSE(p.Wait(0, &code)) << "the program ended before the box was answered";

  PressOk(box);
  ASSERT_TRUE(p.Wait(kGuiWaitMs, &code)) << "the hidden program stayed behind";
  EXPECT_EQ(code, 1u) << "the run failed";
  std::string log;
  ReadTextFile(LogPath(), &log);
  EXPECT_NE(log.find("[STEP 2]: Execute SQL Query \"abc\"\r\n"
                     "\tERROR while running [STEP 2] Execute SQL Query: The \"Execute SQL Query\" action is not "
                     "available in this version\r\n"
                     "\tFailure Mode: Display Error and Stop\r\n"
                     "RUN FAILED\r\n"),
            std::string::npos)
      << log;
  EXPECT_EQ(log.find("[STEP 3]"), std::string::npos);
  EXPECT_EQ(log.find("Run Completed"), std::string::npos);
}

// As a batch file sees it: "start /wait" hands the program's exit code to
// %ERRORLEVEL%, and a failed run must not read as success there.
TEST_F(RunTest, ABatchFileSeesAFailedRunInItsErrorLevel) {
  const std::string script = WriteScript(
      "<step>\r\n\t<action>Goto Label</action>\r\n\t<text>nowhere</text>\r\n"
      "\t<onfail value=\"\" image=\"0\" log=\"0\">Stop Silently</onfail>\r\n</step>\r\n");
  const std::string batch = dir_.File("job.bat");
  ASSERT_TRUE(WriteTextFile(batch, "@echo off\r\nstart \"\" /wait " + Quoted(Narrow(ProgramPath())) + " /r " +
                                       Quoted(script) + "\r\nexit %ERRORLEVEL%\r\n"));
  UseLogFile(LogPath());
  char system[MAX_PATH] = {};
  ASSERT_NE(GetSystemDirectoryA(system, MAX_PATH), 0u);
  Process p = Process::Start(Wide(std::string(system) + "\\cmd.exe"), Wide("/c " + Quoted(batch)));
  ASSERT_TRUE(p.valid());
  DWORD code = 99;
  ASSERT_TRUE(p.Wait(kGuiWaitMs, &code)) << "the batch file did not end";
  EXPECT_EQ(code, 1u);
  std::string log;
  ReadTextFile(LogPath(), &log);
  EXPECT_NE(log.find("RUN FAILED\r\n"), std::string::npos) << log;
}

// Nobody is there to answer the box of a hidden run: it closes itself, its
// text is in the log, and the scheduler gets code 2.
TEST_F(RunTest, HiddenRunOfAMissingScriptLogsTheErrorAndEndsByItself) {
  const std::string missing = dir_.File("missing.zxm");
  Process p = StartProgram("/r " + Quoted(missing), LogPath());
  ASSERT_TRUE(p.valid());
  const DWORD start = GetTickCount();
  HWND box = WaitForProcessWindow(p.id(), L"#32770", kGuiWaitMs);
  EXPECT_NE(box, nullptr) << "the load error was not shown";
  DWORD code = 99;
  ASSERT_TRUE(p.Wait(kGuiWaitMs + 2 * kUnattendedBoxMs, &code)) << "the hidden program waited for an answer";
  EXPECT_GE(GetTickCount() - start, kUnattendedBoxMs - 1000) << "the box did not stay for its time";
  EXPECT_EQ(code, 2u);
  std::string log;
  ReadTextFile(LogPath(), &log);
  EXPECT_EQ(log, "Unable to open file '" + missing + "'!\r\n\r\nPlease verify that the file exists (-1).\r\n");
}

TEST_F(RunTest, HiddenRunOfAnEmptyScriptLogsWhyAndEndsByItself) {
  const std::string script = WriteScript("");
  Process p = StartProgram("/r " + Quoted(script), LogPath());
  ASSERT_TRUE(p.valid());
  DWORD code = 99;
  ASSERT_TRUE(p.Wait(kGuiWaitMs + 2 * kUnattendedBoxMs, &code)) << "the hidden program waited for an answer";
  EXPECT_EQ(code, 2u);
  std::string log;
  ReadTextFile(LogPath(), &log);
  // The loader's warning first, then the refused run; each box closed by itself.
  EXPECT_EQ(log,
            "No valid XML actions were found\r\n"
            "The file is empty.\r\n\r\nPlease add commands before using this feature.\r\n");
}

}  // namespace
}  // namespace zelo::test
