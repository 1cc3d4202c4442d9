#include "engine/handle_failure.h"

#include <gtest/gtest.h>

#include "engine/failure_modes.h"
#include "engine/run_test_fixture.h"
#include "expr/testing/fake_substitution_context.h"
#include "expr/variable_store.h"

namespace zelo {
namespace {

using test::Occurrences;
using test::ReadWholeFile;
using test::TempFolder;

TEST(FailureModeOf, RecognisesEachOfferedModeByItsKeyword) {
  EXPECT_EQ(FailureModeOf(""), FailureMode::DisplayErrorAndStop);
  EXPECT_EQ(FailureModeOf("Display Error and Stop"), FailureMode::DisplayErrorAndStop);
  EXPECT_EQ(FailureModeOf("Display Error and Continue"), FailureMode::DisplayErrorAndContinue);
  EXPECT_EQ(FailureModeOf("Ignore/Continue"), FailureMode::Ignore);
  EXPECT_EQ(FailureModeOf("Retry the Step x Times"), FailureMode::Retry);
  EXPECT_EQ(FailureModeOf("Stop Silently"), FailureMode::StopSilently);
  EXPECT_EQ(FailureModeOf("Ask to Continue"), FailureMode::AskToContinue);
  EXPECT_EQ(FailureModeOf("Jump to Label"), FailureMode::JumpToLabel);
  EXPECT_EQ(FailureModeOf("Increment Variable"), FailureMode::IncrementVariable);
  EXPECT_EQ(FailureModeOf("Restart Run"), FailureMode::RestartRun);
  EXPECT_EQ(FailureModeOf("whatever"), FailureMode::Unrecognised);
  // The first keyword in the fixed order wins.
  EXPECT_EQ(FailureModeOf("retry error"), FailureMode::Retry);
  EXPECT_EQ(FailureModeOf("IGNORE ERROR"), FailureMode::Ignore);
}

TEST(FailureImagePath, ReplacesTheLogsExtensionOnly) {
  const CivilTime t{2024, 5, 6, 9, 5, 7};
  EXPECT_EQ(FailureImagePath("C:\\ZelomatLog.txt", 3, t), "C:\\ZelomatLog [Step 4] FAILURE 2024-05-06_090507.bmp");
  EXPECT_EQ(FailureImagePath("C:\\logs.d\\run", 0, t), "C:\\logs.d\\run [Step 1] FAILURE 2024-05-06_090507.bmp");
  EXPECT_EQ(FailureImagePath("log", 0, t), "log [Step 1] FAILURE 2024-05-06_090507.bmp");
}

class FailureTest : public test::RunTest {
 protected:
  FailureTest() {
    UseSubstitutionContext(&context);
    engine.set_failure_handler(&HandleFailure);
  }
  ~FailureTest() override { UseSubstitutionContext(nullptr); }

  StepRecord& Failing(const char* onfail, const char* value = "", const char* error = "it broke") {
    StepRecord& step = AddStep("Type", CAT_KEYBOARD, "fail");
    step.value(2) = error;
    step.onfail = onfail;
    step.onfail_value = value;
    return step;
  }
  int CallsOf(int index) {
    int n = 0;
    for (int i : Calls()) n += i == index;
    return n;
  }
  std::string Var(const char* name) {
    std::string text;
    ReadStoredVariable(kUserVariablesKey, name, &text);
    return text;
  }

  FakeSubstitutionContext context;
};

TEST_F(FailureTest, ATimeOutTriesTheStepAgainAtASteadyPaceUntilItHasPassed) {
  clock.on_sleep = [this](uint32_t ms) {
    if (ms == 0) clock.ticks += 10;  // every try takes 10 ms
  };
  Failing("Ignore/Continue").timeout = "2";
  AddStep("Comment");
  RunAndWait();
  // Two seconds of tries 60 ms apart, then the error line once and the mode.
  EXPECT_GE(CallsOf(0), 33);
  EXPECT_LE(CallsOf(0), 35);
  for (uint32_t ms : clock.Sleeps()) {
    EXPECT_GT(ms, 0u);
    EXPECT_LE(ms, 100u) << "a retry comes no later than 100 ms after the failed try";
  }
  EXPECT_EQ(Occurrences(Log(), "ERROR while running [STEP 1] Type: it broke"), 1);
  EXPECT_EQ(Occurrences(Log(), "[STEP 1]: Type"), 1) << "a time-out retry is not announced again";
  EXPECT_EQ(CallsOf(1), 1);
}

TEST_F(FailureTest, TheTimeOutIsExpandedAndMayBeDecimal) {
  clock.on_sleep = [this](uint32_t ms) {
    if (ms == 0) clock.ticks += 100;
  };
  WriteVariable(kUserVariablesKey, "wait", "0.5");
  Failing("Stop Silently").timeout = "%wait";
  RunAndWait();
  // Tries at 0, 150, 300 and 450 ms; the pause never runs past the time-out.
  EXPECT_EQ(CallsOf(0), 4);
  EXPECT_EQ(clock.Sleeps(), (std::vector<uint32_t>{50, 50, 50}));
}

TEST_F(FailureTest, WithoutATimeOutAFailureIsHandledAtOnceWithoutAPause) {
  Failing("Ignore/Continue");
  Failing("Ignore/Continue").timeout = "0";
  RunAndWait();
  EXPECT_EQ(CallsOf(0), 1);
  EXPECT_EQ(CallsOf(1), 1);
  EXPECT_TRUE(clock.Sleeps().empty()) << "no pause before the failure mode";
}

TEST_F(FailureTest, NegativeUnreadableAndHugeTimeOutsNeitherHangNorWrap) {
  for (const char* timeout : {"-5", "abc"}) {
    Failing("Ignore/Continue").timeout = timeout;
  }
  Failing("Ignore/Continue").timeout = "99999999999";
  // Each try takes a minute: a time-out that wrapped or had no end would
  // keep the step going far past a day.
  clock.on_sleep = [this](uint32_t ms) {
    if (ms == 0) clock.ticks += 60000;
  };
  RunAndWait();
  EXPECT_EQ(CallsOf(0), 1);
  EXPECT_EQ(CallsOf(1), 1);
  EXPECT_GE(CallsOf(2), 24 * 60 - 1);
  EXPECT_LE(CallsOf(2), 24 * 60 + 1) << "tried for 24 hours at most";
}

TEST_F(FailureTest, DisplayErrorAndStopShowsTheReasonAndFailsTheRun) {
  Failing("");
  AddStep("Comment");
  RunAndWait();
  const auto boxes = messages.All();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "it broke");
  EXPECT_EQ(boxes[0].caption, "Run Failure");
  EXPECT_EQ(boxes[0].icon, MessageIcon::Error);
  EXPECT_NE(Log().find("\tERROR while running [STEP 1] Type: it broke\r\n\tFailure Mode: \r\nRUN FAILED\r\n"),
            std::string::npos)
      << Log();
  EXPECT_EQ(Step(0).last_run, LAST_RUN_FAIL);
  EXPECT_EQ(CallsOf(1), 0);
  EXPECT_TRUE(engine.state().step_error.empty()) << "the error text is used up";
}

TEST_F(FailureTest, AnEmptyErrorTextNamesTheStepInLineAndBox) {
  Failing("Display Error and Stop", "", "");
  RunAndWait();
  EXPECT_NE(Log().find("\tERROR while running [STEP 1] Type\r\n"), std::string::npos);
  ASSERT_EQ(messages.All().size(), 1u);
  EXPECT_EQ(messages.All()[0].text, "Error while running [STEP 1]:  Type");
}

TEST_F(FailureTest, TheBoxShowsAtMost253CharactersOfTheReason) {
  const std::string long_error(400, 'e');
  Failing("Display Error and Stop", "", long_error.c_str());
  RunAndWait();
  ASSERT_EQ(messages.All().size(), 1u);
  EXPECT_EQ(messages.All()[0].text, std::string(253, 'e'));
}

TEST_F(FailureTest, DisplayErrorAndContinueWarnsAndGoesOn) {
  AddStep("Comment");
  Failing("Display Error and Continue");
  AddStep("Comment");
  RunAndWait();
  ASSERT_EQ(messages.All().size(), 1u);
  EXPECT_EQ(messages.All()[0].icon, MessageIcon::Warning);
  EXPECT_EQ(Step(1).last_run, LAST_RUN_FAIL_CONTINUE);
  EXPECT_EQ(CallsOf(2), 1);
  EXPECT_NE(Log().find("Run Completed"), std::string::npos);
  EXPECT_EQ(Log().find("RUN FAILED"), std::string::npos);
}

TEST_F(FailureTest, IgnoreWritesTheErrorLineWithoutABox) {
  Failing("Ignore/Continue");
  AddStep("Comment");
  RunAndWait();
  EXPECT_TRUE(messages.All().empty());
  EXPECT_NE(Log().find("\tFailure Mode: Ignore/Continue\r\n"), std::string::npos);
  EXPECT_EQ(CallsOf(1), 1);
}

TEST_F(FailureTest, RetryTwiceTriesThreeTimesThenFails) {
  Failing("Retry the Step x Times", "2");
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(CallsOf(0), 3);
  EXPECT_NE(Log().find("\tRetrying step (retry 1 of 2)\r\n"), std::string::npos);
  EXPECT_NE(Log().find("\tRetrying step (retry 2 of 2)\r\n"), std::string::npos);
  EXPECT_EQ(Occurrences(Log(), "Retrying step"), 2);
  EXPECT_EQ(Occurrences(Log(), "[STEP 1]: Type"), 3) << "each retry announces the step";
  EXPECT_NE(Log().find("RUN FAILED"), std::string::npos);
  EXPECT_EQ(Step(0).last_run, LAST_RUN_FAIL);
  EXPECT_TRUE(messages.All().empty());
}

TEST_F(FailureTest, ARetryCountThatIsNoNumberStopsAtTheFirstFailure) {
  Failing("Retry the Step x Times", "many");
  RunAndWait();
  EXPECT_EQ(CallsOf(0), 1);
  EXPECT_NE(Log().find("RUN FAILED"), std::string::npos);
}

TEST_F(FailureTest, StopSilentlyAndUnknownModesStopWithoutABox) {
  Failing("Stop Silently");
  RunAndWait();
  Step(0).onfail = "no such mode";
  RunAndWait();
  EXPECT_TRUE(messages.All().empty());
  EXPECT_EQ(Occurrences(Log(), "RUN FAILED"), 2);
}

TEST_F(FailureTest, AskToContinueFollowsTheAnswer) {
  Failing("Ask to Continue");
  AddStep("Comment");
  messages.Answer(MessageAnswer::Yes);
  RunAndWait();
  EXPECT_NE(Log().find("\tUser chose to CONTINUE\r\n"), std::string::npos);
  EXPECT_EQ(CallsOf(1), 1);

  messages.Answer(MessageAnswer::No);
  RunAndWait();
  EXPECT_NE(Log().find("\tUser chose to STOP\r\nRUN FAILED\r\n"), std::string::npos);
  EXPECT_EQ(CallsOf(1), 1);

  const auto boxes = messages.All();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "it broke\n\nContinue?");
  EXPECT_EQ(boxes[0].buttons, MessageButtons::YesNo);
}

TEST_F(FailureTest, AskBoxClosedWithoutAnAnswerStops) {
  Failing("Ask to Continue");
  AddStep("Comment");
  messages.Answer(MessageAnswer::Ok);  // what the Pause command's close gives
  RunAndWait();
  EXPECT_NE(Log().find("User chose to STOP"), std::string::npos);
  EXPECT_EQ(CallsOf(1), 0);
}

TEST_F(FailureTest, JumpToLabelGoesOnAtTheLabel) {
  Failing("Jump to Label", "CLEANUP");
  AddStep("Comment");
  AddStep("Label", CAT_FLOW).text.Assign("cleanup");
  engine.handlers().Set(CAT_FLOW, [](RunEngine&, const ActionServices*, int, int index) { return index + 2; });
  RunAndWait();
  EXPECT_NE(Log().find("\tJumping to label \"CLEANUP\" [Step 3]\r\n"), std::string::npos);
  EXPECT_EQ(CallsOf(1), 0);
  EXPECT_EQ(Step(0).last_run, LAST_RUN_FAIL_CONTINUE);
}

TEST_F(FailureTest, JumpToAMissingLabelWarnsAndStops) {
  Failing("Jump to Label", "nowhere");
  RunAndWait();
  EXPECT_NE(Log().find("\tLabel \"nowhere\" not found\r\nRUN FAILED\r\n"), std::string::npos);
  ASSERT_EQ(messages.All().size(), 1u);
  EXPECT_EQ(messages.All()[0].text, "Label \"nowhere\" not found\r\n");
  EXPECT_EQ(messages.All()[0].icon, MessageIcon::Warning);
}

TEST_F(FailureTest, IncrementVariableCountsTheFailure) {
  WriteVariable(kUserVariablesKey, "errors", "4");
  Failing("Increment Variable", "%errors");
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(Var("errors"), "5");
  EXPECT_NE(Log().find("\tIncrementing variable 'errors' = 5\r\n"), std::string::npos);
  EXPECT_EQ(CallsOf(1), 1);
}

TEST_F(FailureTest, IncrementVariableWithoutANameGoesOn) {
  Failing("Increment Variable", "");
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(CallsOf(1), 1);
  EXPECT_EQ(Log().find("Incrementing"), std::string::npos);
}

int failures_left = 0;
int FailTwice(RunEngine& run, const ActionServices*, int, int) {
  if (failures_left-- > 0) {
    run.SetStepError("not yet");
    return 0;
  }
  return 1;
}

TEST_F(FailureTest, RestartRunGoesBackToTheFirstStep) {
  failures_left = 2;
  AddStep("Comment");
  StepRecord& flaky = AddStep("Wait", CAT_WAIT);
  flaky.onfail = "Restart Run";
  engine.handlers().Set(CAT_WAIT, &FailTwice);
  RunAndWait();
  EXPECT_EQ(CallsOf(0), 3);
  EXPECT_EQ(Occurrences(Log(), "\tRestarting Run at at [Step 1]\r\n"), 2);
  EXPECT_EQ(Occurrences(Log(), "Starting Run at"), 1) << "no new run starts";
  EXPECT_NE(Log().find("Run Completed"), std::string::npos);
}

TEST_F(FailureTest, DelaysEndTheRunQuietly) {
  StepRecord& delay = AddStep("Delay", CAT_WAIT, "fail");
  delay.onfail = "Display Error and Continue";
  RunAndWait();
  EXPECT_TRUE(messages.All().empty());
  EXPECT_EQ(Log().find("ERROR while running"), std::string::npos);
  EXPECT_EQ(Log().find("RUN FAILED"), std::string::npos);
  EXPECT_EQ(Step(0).last_run, LAST_RUN_FAIL);
}

TEST_F(FailureTest, TheStepsLogSettingWritesOnlyTheErrorLineWhileLoggingIsOff) {
  TempFolder dir;
  const std::string log_file = dir.File("run.log");
  WriteSetting("SOFTWARE\\Zelomat\\Logfile", log_file);
  WriteSettingNumber("SOFTWARE\\Zelomat\\Log", 0);
  Failing("Ignore/Continue").onfail_log = 1;
  RunAndWait();
  const std::string written = ReadWholeFile(log_file);
  EXPECT_NE(written.find("ERROR while running [STEP 1] Type: it broke"), std::string::npos) << written;
  EXPECT_EQ(written.find("Failure Mode"), std::string::npos);
}

TEST_F(FailureTest, AScreenImageIsSavedBesideTheLog) {
  WriteSetting("SOFTWARE\\Zelomat\\Logfile", "C:\\logs\\run.txt");
  AddStep("Comment");
  Failing("Stop Silently").onfail_image = 1;
  RunAndWait();
  ASSERT_EQ(system.Captures().size(), 1u);
  EXPECT_EQ(system.Captures()[0], "C:\\logs\\run [Step 2] FAILURE 2024-05-06_090507.bmp");
}

TEST_F(FailureTest, NoImageWithoutTheSetting) {
  Failing("Stop Silently");
  RunAndWait();
  EXPECT_TRUE(system.Captures().empty());
}

}  // namespace
}  // namespace zelo
