// Nothing a run reports or shares is lost to the program's speed: the log
// file keeps every line the run had written when the program is killed and
// when another program moves the file away during the run, and a variable
// another instance writes between two steps is what the second step reads.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/win32_owners_win.h"
#include "tests/wine/harness_win.h"

namespace zelo::test {
namespace {

const wchar_t kVariablesKey[] = L"SOFTWARE\\Zelomat\\UserVariables";

// A step whose result (its expanded text) goes to a variable: "Trim" with
// nothing to trim.
std::string SetVariableStep(const std::string& text, const std::string& variable) {
  return "<step>\r\n\t<action>Trim</action>\r\n\t<text>" + text + "</text>\r\n\t<value2>End</value2>\r\n" +
         "\t<output value=\"" + variable + "\">Variable</output>\r\n</step>\r\n";
}

std::string Variable(const std::string& name) {
  wchar_t data[64] = {};
  DWORD bytes = sizeof data - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CURRENT_USER, kVariablesKey, Wide(name).c_str(), RRF_RT_REG_SZ, nullptr, data, &bytes) !=
      ERROR_SUCCESS)
    return "(missing)";
  return Narrow(data);
}

void DeleteVariable(const std::string& name) {
  const RegistryKey key = OpenRegistryKey(HKEY_CURRENT_USER, kVariablesKey, KEY_SET_VALUE);
  if (key) RegDeleteValueW(key.get(), Wide(name).c_str());
}

std::string StepLine(int step) { return "[STEP " + std::to_string(step) + "]: Trim"; }

class NothingLostTest : public ::testing::Test {
 protected:
  NothingLostTest() : log_level_("LogLevel", 0), restart_log_("RestartLog", 1) { DeleteVariable("last"); }
  ~NothingLostTest() override { DeleteVariable("last"); }

  // Steps that each first record their own number in the variable "last":
  // a step's "[STEP n]" line was written before it began.
  Process StartMarkedRun(int count) {
    std::string steps;
    for (int i = 0; i < count; ++i) steps += SetVariableStep("%currentstep", "last");
    const std::string script = dir_.File("marked.zxm");
    EXPECT_TRUE(WriteTextFile(script, ScriptText(steps)));
    return StartProgram("/r \"" + script + "\"", Log());
  }
  // The number of the step that last began, once it is at least `step`.
  int WaitForStep(int step) {
    const DWORD start = GetTickCount();
    for (;;) {
      const int last = std::atoi(Variable("last").c_str());
      if (last >= step || GetTickCount() - start > kGuiWaitMs) return last;
      Sleep(10);
    }
  }
  std::string Log(const std::string& name = "log.txt") const { return dir_.File(name); }

  ScratchFolder dir_;
  ScopedZelomatNumber log_level_, restart_log_;
};

TEST_F(NothingLostTest, AKilledProgramLeavesEveryLineItHadWritten) {
  const int steps = 5000;
  Process run = StartMarkedRun(steps);
  ASSERT_TRUE(run.valid());
  ASSERT_GE(WaitForStep(200), 200);
  ASSERT_TRUE(run.Kill());
  const int last = std::atoi(Variable("last").c_str());
  ASSERT_LT(last, steps) << "the run should still have been going";
  std::string log;
  ASSERT_TRUE(ReadTextFile(Log(), &log));
  for (int step = 1; step <= last; ++step) ASSERT_EQ(Occurrences(log, StepLine(step) + " "), 1) << step;
}

TEST_F(NothingLostTest, AFileMovedAwayDuringARunKeepsItsLinesAndTheLaterOnesGoToANewFile) {
  const int steps = 1000;
  Process run = StartMarkedRun(steps);
  ASSERT_TRUE(run.valid());
  const int before = WaitForStep(200);
  ASSERT_GE(before, 200);
  // Another program takes the log away while the run writes it.
  ASSERT_TRUE(MoveFileW(Wide(Log()).c_str(), Wide(Log("moved.txt")).c_str())) << GetLastError();
  const int after = std::atoi(Variable("last").c_str());
  DWORD code = 99;
  ASSERT_TRUE(run.Wait(kGuiWaitMs, &code));
  std::string moved, fresh;
  ASSERT_TRUE(ReadTextFile(Log("moved.txt"), &moved));
  ASSERT_TRUE(ReadTextFile(Log(), &fresh)) << "no new log file";
  EXPECT_NE(moved.find(StepLine(before) + " "), std::string::npos);
  // The lines of the next moments may still reach the moved file (the path
  // is looked at a hundred times a second); the run's end is in the new one.
  EXPECT_NE(fresh.find(StepLine(steps) + " "), std::string::npos);
  EXPECT_NE(fresh.find("Run Completed"), std::string::npos);
  ASSERT_LT(after + 2, steps) << "the run should still have been going";
  for (int step = 1; step <= steps; ++step)
    ASSERT_EQ(Occurrences(moved, StepLine(step) + " ") + Occurrences(fresh, StepLine(step) + " "), 1) << step;
}

// Under Wine the deleted file keeps its name while the run holds it open;
// the lines after the deletion must still reach a new file at the path.
TEST_F(NothingLostTest, AFileDeletedDuringARunHasEveryLaterLineInANewFile) {
  const int steps = 1000;
  Process run = StartMarkedRun(steps);
  ASSERT_TRUE(run.valid());
  ASSERT_GE(WaitForStep(200), 200);
  ASSERT_TRUE(DeleteFileW(Wide(Log()).c_str())) << GetLastError();
  const int after = std::atoi(Variable("last").c_str());
  DWORD code = 99;
  ASSERT_TRUE(run.Wait(kGuiWaitMs, &code));
  ASSERT_LT(after + 2, steps) << "the run should still have been going";
  std::string fresh;
  ASSERT_TRUE(ReadTextFile(Log(), &fresh)) << "no new log file";
  for (int step = after + 2; step <= steps; ++step) ASSERT_EQ(Occurrences(fresh, StepLine(step) + " "), 1) << step;
  EXPECT_NE(fresh.find("Run Completed"), std::string::npos);
}

// The first instance has read the variable (and may keep it) when a second
// instance, started by "Call Script", writes it; the next step reads anew.
TEST_F(NothingLostTest, AVariableAnotherInstanceWritesBetweenTwoStepsIsSeenByTheSecond) {
  ASSERT_TRUE(WriteTextFile(dir_.File("writer.zxm"), ScriptText(SetVariableStep("after", "shared"))));
  const std::string steps = SetVariableStep("before", "shared") + SetVariableStep("%shared", "seen1") +
                            "<step>\r\n\t<action>Call Script</action>\r\n\t<text>writer.zxm</text>\r\n"
                            "\t<options>Wait For Exit</options>\r\n</step>\r\n" +
                            SetVariableStep("%shared", "seen2");
  const std::string script = dir_.File("reader.zxm");
  ASSERT_TRUE(WriteTextFile(script, ScriptText(steps)));
  const RunResult r = RunProgram("/r \"" + script + "\"", Log(), kGuiWaitMs);
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(Variable("seen1"), "before");
  EXPECT_EQ(Variable("seen2"), "after") << r.log;
  for (const char* name : {"shared", "seen1", "seen2"}) DeleteVariable(name);
}

}  // namespace
}  // namespace zelo::test
