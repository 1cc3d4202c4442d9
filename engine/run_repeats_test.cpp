// Run repeats, the end of a hidden program and its exit code.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "engine/exit_code.h"
#include "engine/handle_failure.h"
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

// How a hidden run ends decides the code a scheduler sees: a failure gives
// FailedReturnCode; a completed run and one stopped by a person or by the
// script give DefaultReturnCode; a code the script set wins over both.
TEST_F(RunRepeatsTest, TheWayAHiddenRunEndsDecidesTheExitCode) {
  engine.set_hidden_program(true);
  WriteSettingNumber("SOFTWARE\\Zelomat\\DefaultReturnCode", 7);
  WriteSettingNumber("SOFTWARE\\Zelomat\\FailedReturnCode", 9);
  // "Exit Run" earlier in the run: sets 3 and goes on.
  engine.handlers().Set(CAT_FUNCTIONS, [](RunEngine&, const ActionServices*, int, int) {
    SetExitCode(3);
    return 1;
  });
  // Fails in the first run only.
  static int tries;
  engine.handlers().Set(CAT_MOUSE, [](RunEngine&, const ActionServices*, int, int) { return ++tries == 1 ? 0 : 1; });
  auto code_of = [this](const char* first_mode, std::initializer_list<std::pair<int, const char*>> steps,
                        FailureHandler failure = &HandleFailure) {
    ClearExitCode();
    tries = 0;
    ws.slots[0].steps.clear();
    // The repeats handler reads its count from text, the scripted one its behaviour from value1.
    for (const auto& [category, behaviour] : steps) AddStep("Step", category, behaviour).text.Assign(behaviour);
    ws.slots[0].steps[0].onfail = first_mode;
    ws.slots[0].steps[0].onfail_value = "1";
    engine.set_failure_handler(failure);
    RunAndWait();
    return ProcessExitCode();
  };
  const auto kPass = std::make_pair(CAT_SYSTEM, "");
  const auto kFail = std::make_pair(CAT_SYSTEM, "fail");

  EXPECT_EQ(code_of("", {kPass, kPass}), 7) << "completed";
  EXPECT_EQ(code_of("Stop Silently", {kFail, kPass}), 9);
  EXPECT_EQ(code_of("Display Error and Stop", {kFail}), 9);
  messages.Answer(MessageAnswer::No);
  EXPECT_EQ(code_of("Ask to Continue", {kFail}), 9);
  EXPECT_EQ(code_of("Retry the Step x Times", {kFail}), 9);
  EXPECT_EQ(code_of("Ignore/Continue", {kFail, kPass}), 7) << "a failure that did not end the run";
  EXPECT_EQ(code_of("Display Error and Continue", {kFail, kPass}), 7);
  EXPECT_EQ(code_of("", {std::make_pair(CAT_IF, "fail")}), 9) << "a false IF without END IF as the last step";
  EXPECT_EQ(code_of("", {std::make_pair(CAT_FUNCTIONS, ""), kFail}), 3) << "the script's code wins";
  EXPECT_EQ(code_of("", {std::make_pair(CAT_SYSTEM, "stop")}), 7) << "a handler that stops the run";
  EXPECT_EQ(code_of("", {std::make_pair(CAT_SYSTEM, "request"), kPass}), 7) << "the Pause command";
  // The Pause command closes a failure box: the person stopped the run.
  EXPECT_EQ(code_of("", {kFail}, [](RunEngine& run, int, int) {
              run.RequestStop();
              return -1;
            }),
            7);
  // A failure in one run of several is not hidden by the runs that complete.
  EXPECT_EQ(code_of("", {std::make_pair(CAT_FLOW, "2"), std::make_pair(CAT_MOUSE, "")}), 9);
  EXPECT_EQ(tries, 2) << "the second run did not come";

  DeleteSetting("SOFTWARE\\Zelomat\\FailedReturnCode");
  ClearExitCode();
  ws.slots[0].steps.clear();
  AddStep("Step");
  ws.slots[0].step_count = 2;  // more steps than the array holds: a critical internal error
  RunAndWait();
  ws.slots[0].step_count = 1;
  EXPECT_NE(Log().find("Critical internal error"), std::string::npos);
  EXPECT_EQ(ProcessExitCode(), 1) << "FailedReturnCode missing";

  engine.set_hidden_program(false);
  EXPECT_EQ(code_of("", {kFail}), 7) << "the editor's runs keep the default";
  engine.set_hidden_program(true);
  EXPECT_EQ(code_of("", {std::make_pair(CAT_SYSTEM, "key 19"), kFail}), 7) << "the stop key";
}

}  // namespace
}  // namespace zelo
