// Run repeats, the end of a hidden program and its exit code.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "engine/exit_code.h"
#include "engine/run_test_fixture.h"

namespace zelo {
namespace {

using test::Occurrences;
using test::ReadWholeFile;
using test::RunTest;
using test::TempFolder;

class RunRepeatsTest : public RunTest {
 protected:
  RunRepeatsTest() {
    // "Set Run Repeats" with n: a counter of 0 becomes n - 1; any other is kept.
    engine.handlers().Set(CAT_FLOW, [](RunEngine& run, const ActionServices*, int slot, int index) {
      const StepRecord& step = run.workspace().slots[slot].steps[index];
      if (run.run_repeats(slot) == kNoRepeats) {
        const int n = TextToInt(step.text.view());
        run.set_run_repeats(slot, n == -1 ? kRepeatForever : n - 1);
      }
      return index + 2;
    });
  }
};

TEST_F(RunRepeatsTest, SetRunRepeatsThreeRunsTheScriptThreeTimes) {
  AddStep("Set Run Repeats", CAT_FLOW).text.Assign("3");
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(Occurrences(Log(), "Starting Run"), 3);
  EXPECT_EQ(Occurrences(Log(), "Run Completed"), 3);
  EXPECT_EQ(engine.run_repeats(0), kRepeatsFinished);
  EXPECT_EQ(window.Count("running 1"), 3);
}

TEST_F(RunRepeatsTest, UserStartClearsFinishedRepeats) {
  AddStep("Set Run Repeats", CAT_FLOW).text.Assign("2");
  RunAndWait();
  EXPECT_EQ(Occurrences(Log(), "Starting Run"), 2);
  RunAndWait();  // the user's Run: the counter starts at 0 again
  EXPECT_EQ(Occurrences(Log(), "Starting Run"), 4);
  RunAndWait(RunCommand::Run, 0, false);  // a start that is not the user's keeps "finished"
  EXPECT_EQ(Occurrences(Log(), "Starting Run"), 5);
}

TEST_F(RunRepeatsTest, RepeatForeverRunsUntilStopped) {
  static int runs;
  runs = 0;
  engine.handlers().Set(CAT_SYSTEM, [](RunEngine& run, const ActionServices*, int, int) {
    if (++runs == 25) run.RequestStop();
    return 1;
  });
  AddStep("Set Run Repeats", CAT_FLOW).text.Assign("-1");
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(runs, 25);
  EXPECT_EQ(Occurrences(Log(), "Starting Run"), 25);
  EXPECT_FALSE(engine.RunActive());
}

TEST_F(RunRepeatsTest, RepeatsWithRestartLogLeaveTheLastRunOnly) {
  TempFolder folder;
  const std::string path = folder.File("log.txt");
  WriteSetting("SOFTWARE\\Zelomat\\Logfile", path);
  WriteSettingNumber("SOFTWARE\\Zelomat\\Log", 1);
  WriteSettingNumber("SOFTWARE\\Zelomat\\RestartLog", 1);
  AddStep("Set Run Repeats", CAT_FLOW).text.Assign("3");
  RunAndWait();
  const std::string file = ReadWholeFile(path);
  EXPECT_EQ(Occurrences(file, "Starting Run"), 1);
  EXPECT_EQ(Occurrences(file, "Run Completed"), 1);
}

TEST_F(RunRepeatsTest, HiddenProgramClosesWhenItsOnlyRunEnds) {
  engine.set_hidden_program(true);
  WriteSettingNumber("SOFTWARE\\Zelomat\\ReturnWhenDone", 1);
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(window.Count("close"), 1);
  EXPECT_EQ(window.Count("restore"), 0);
}

TEST_F(RunRepeatsTest, HiddenProgramRunsItsRepeatsBeforeClosing) {
  engine.set_hidden_program(true);
  AddStep("Set Run Repeats", CAT_FLOW).text.Assign("3");
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(Occurrences(Log(), "Run Completed"), 3);
  EXPECT_EQ(window.Count("close"), 1);
  // The close request comes only after the third run has started.
  std::vector<std::string> calls = window.Calls();
  auto close = std::find(calls.begin(), calls.end(), "close");
  EXPECT_EQ(std::count(calls.begin(), close, "running 1"), 3);
}

TEST_F(RunRepeatsTest, HiddenProgramClosesAfterAFailedRun) {
  engine.set_hidden_program(true);
  AddStep("Type", CAT_KEYBOARD, "fail");
  RunAndWait();
  EXPECT_EQ(window.Count("close"), 1);
  EXPECT_NE(Log().find("RUN FAILED"), std::string::npos);
}

TEST_F(RunRepeatsTest, ExitCodeDefaultsToTheSetting) {
  EXPECT_FALSE(ExitCodeIsSet());
  EXPECT_EQ(ProcessExitCode(), 0);
  WriteSettingNumber("SOFTWARE\\Zelomat\\DefaultReturnCode", 7);
  EXPECT_EQ(ProcessExitCode(), 7);
}

TEST_F(RunRepeatsTest, ExitCodeSetByARunWinsOverTheDefault) {
  WriteSettingNumber("SOFTWARE\\Zelomat\\DefaultReturnCode", 7);
  engine.set_hidden_program(true);
  engine.handlers().Set(CAT_FLOW, [](RunEngine& run, const ActionServices*, int, int) {
    SetExitCode(3);
    return -1;
  });
  AddStep("Exit Zelomat", CAT_FLOW);
  RunAndWait();
  EXPECT_EQ(ProcessExitCode(), 3);
  EXPECT_EQ(window.Count("close"), 1);
  SetExitCode(0);
  EXPECT_EQ(ProcessExitCode(), 0) << "a set 0 is not the default";
}

}  // namespace
}  // namespace zelo
