// The run loop: what each step's line says, how steps are dispatched, and
// skips, breakpoints, single steps, Run From Here and the pause between steps.
#include <gtest/gtest.h>

#include <utility>

#include "engine/run_test_fixture.h"

namespace zelo {
namespace {

using test::Occurrences;
using test::RunTest;

using RunLoopTest = RunTest;

TEST_F(RunLoopTest, FullRunWritesHeaderStepLinesAndCompletion) {
  ws.slots[0].file_name = "C:\\Scripts\\demo.zxm";
  AddStep("Type", CAT_KEYBOARD).text.Assign("hello");
  AddStep("Comment", CAT_SYSTEM).comment.Assign("a remark");
  RunAndWait();
  EXPECT_EQ(Log(),
            "----------------------------------------\r\nStarting Run at 9:05:07 for C:\\Scripts\\demo.zxm\r\n"
            "[STEP 1]: Type \"hello\"\r\n"
            "[STEP 2]: Comment \"a remark\"\r\n"
            "Run Completed at 9:05:07 (Elapsed Time: less than 1 second)\r\n\r\n");
  EXPECT_EQ(Step(0).last_run, LAST_RUN_PASS);
  EXPECT_EQ(Step(1).last_run, LAST_RUN_PASS);
}

TEST_F(RunLoopTest, UntitledScriptHeaderNamesNoFile) {
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(Log().rfind("----------------------------------------\r\nStarting Run at 9:05:07\r\n[STEP 1]: Comment \r\n",
                        0),
            0u);
}

TEST_F(RunLoopTest, StepLineShowsTextCutTo259WithoutLineBreaksAndPercentAsItIs) {
  AddStep("Type", CAT_KEYBOARD).text.Assign("50%\r\nmore");
  AddStep("Type", CAT_KEYBOARD).text.Assign(std::string(300, 'x'));
  AddStep("Comment").text.Assign("not shown for a comment");
  RunAndWait();
  EXPECT_NE(Log().find("[STEP 1]: Type \"50%more\"\r\n"), std::string::npos);
  EXPECT_NE(Log().find("[STEP 2]: Type \"" + std::string(259, 'x') + "\"\r\n"), std::string::npos);
  EXPECT_NE(Log().find("[STEP 3]: Comment \r\n"), std::string::npos);
}

TEST_F(RunLoopTest, ElapsedTimeCountsFromTheRunsStart) {
  AddStep("Delay", CAT_WAIT);
  WriteSettingNumber("SOFTWARE\\Zelomat\\InterStepDelay-0", 0);
  engine.handlers().Set(CAT_WAIT, [](RunEngine& run, const ActionServices*, int, int) {
    run.clock().Sleep(61000);
    return 1;
  });
  RunAndWait();
  EXPECT_NE(Log().find("(Elapsed Time: 1:01)\r\n\r\n"), std::string::npos);
}

// Each category's handler is a function of its own that records which
// category it serves and which step's category it got.
std::vector<std::pair<int, int>> g_dispatched;
template <int C>
int MarkCategory(RunEngine& run, const ActionServices*, int slot, int index) {
  const int category = run.workspace().slots[slot].steps[index].category;
  g_dispatched.emplace_back(C, category);
  return C == CAT_FLOW ? index + 2 : 1;
}
template <int... C>
void SetMarkers(HandlerTable& table, std::integer_sequence<int, C...>) {
  (table.Set(C + kFirstActionCategory, &MarkCategory<C + kFirstActionCategory>), ...);
}

TEST_F(RunLoopTest, EveryCategoryReachesItsOwnHandler) {
  g_dispatched.clear();
  for (int c = kLastActionCategory; c >= kFirstActionCategory; --c) AddStep("Step", c);
  SetMarkers(engine.handlers(), std::make_integer_sequence<int, kLastActionCategory - kFirstActionCategory + 1>());
  RunAndWait();
  ASSERT_EQ(g_dispatched.size(), 16u);
  for (const auto& [handler, category] : g_dispatched) EXPECT_EQ(handler, category);
  EXPECT_NE(Log().find("Run Completed"), std::string::npos);
}

TEST(HandlerTable, OnlyCategoriesTwoToSeventeenHoldHandlers) {
  HandlerTable t;
  StepHandler h = [](RunEngine&, const ActionServices*, int, int) { return 1; };
  t.Set(1, h);
  t.Set(18, h);
  t.Set(-3, h);
  t.Set(CAT_MOUSE, h);
  EXPECT_EQ(t.Get(1), nullptr);
  EXPECT_EQ(t.Get(18), nullptr);
  EXPECT_EQ(t.Get(-3), nullptr);
  EXPECT_EQ(t.Get(CAT_MOUSE), h);
  EXPECT_EQ(t.Get(CAT_WAIT), nullptr);
}

TEST_F(RunLoopTest, CategoryOutsideTheTableIsLoggedAndPasses) {
  AddStep("Mystery", 0);
  AddStep("Favorite", 1);
  AddStep("Schedule", 18);
  RunAndWait();
  EXPECT_NE(Log().find("\tUnknown Action (0) \"Mystery\"\r\n"), std::string::npos);
  EXPECT_NE(Log().find("\tUnknown Action (1) \"Favorite\"\r\n"), std::string::npos);
  EXPECT_NE(Log().find("\tUnknown Action (18) \"Schedule\"\r\n"), std::string::npos);
  EXPECT_EQ(Step(2).last_run, LAST_RUN_PASS);
  EXPECT_NE(Log().find("Run Completed"), std::string::npos);
}

TEST_F(RunLoopTest, CategoryWithoutHandlerFailsTheStepAndStopsTheRun) {
  engine.handlers().Set(CAT_INTERNET, nullptr);
  AddStep("Comment");
  AddStep("Send Email", CAT_INTERNET);
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(Step(1).last_run, LAST_RUN_FAIL);
  EXPECT_EQ(Step(2).last_run, LAST_RUN_NOT_RUN);
  EXPECT_NE(Log().find("[STEP 2]: Send Email \r\n"
                       "\tERROR while running [STEP 2] Send Email: "
                       "The \"Send Email\" action is not available in this version\r\n"
                       "\tFailure Mode: \r\n"
                       "RUN FAILED\r\n"),
            std::string::npos);
  EXPECT_EQ(Log().find("Run Completed"), std::string::npos);
  auto shown = messages.All();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "The \"Send Email\" action is not available in this version");
  EXPECT_EQ(shown[0].caption, "Run Failure");
  EXPECT_TRUE(engine.state().step_error.empty());
}

TEST_F(RunLoopTest, FailureWithoutReasonNamesTheStep) {
  AddStep("Wait for Window to Appear", CAT_WAIT, "fail");
  RunAndWait();
  EXPECT_NE(
      Log().find("\tERROR while running [STEP 1] Wait for Window to Appear\r\n\tFailure Mode: \r\nRUN FAILED\r\n"),
      std::string::npos);
  ASSERT_EQ(messages.All().size(), 1u);
  EXPECT_EQ(messages.All()[0].text, "Error while running [STEP 1]:  Wait for Window to Appear");
}

TEST_F(RunLoopTest, AStepsErrorTextIsItsOwn) {
  // A step that passes after writing a reason (a method that failed before
  // another worked): the next step, failing without a reason, names itself.
  engine.handlers().Set(CAT_MENU, [](RunEngine& run, const ActionServices*, int, int) {
    run.SetStepError("Unable to find menu \"File\", trying keyboard method...");
    return 1;
  });
  AddStep("Select Menu Item", CAT_MENU);
  AddStep("Wait for Window to Appear", CAT_WAIT, "fail");
  RunAndWait();
  EXPECT_NE(Log().find("\tERROR while running [STEP 2] Wait for Window to Appear\r\n"), std::string::npos) << Log();
}

TEST_F(RunLoopTest, FailureMessageIsCutTo253Characters) {
  AddStep("Type", CAT_KEYBOARD, "fail").value(2) = std::string(259, 'e');
  RunAndWait();
  ASSERT_EQ(messages.All().size(), 1u);
  EXPECT_EQ(messages.All()[0].text, std::string(253, 'e'));
}

TEST_F(RunLoopTest, FailureHandlerChoosesTheNextStep) {
  static int tries;
  tries = 0;
  engine.set_failure_handler([](RunEngine& run, int, int index) {
    run.state().step_error.clear();
    return ++tries < 3 ? index : index + 1;  // two tries again, then go on
  });
  AddStep("Type", CAT_KEYBOARD, "fail");
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(Calls(), (std::vector<int>{0, 0, 0, 1}));
  EXPECT_EQ(Occurrences(Log(), "[STEP 1]"), 1) << "a step tried again is not announced again";
  EXPECT_EQ(Step(0).last_run, LAST_RUN_FAIL_CONTINUE);
  EXPECT_EQ(Step(0).run_count, 3);
  EXPECT_NE(Log().find("Run Completed"), std::string::npos);
}

TEST_F(RunLoopTest, FlowControlResultIsTheNextIndexPlusOne) {
  AddStep("Goto Label", CAT_FLOW, "next 3");  // goes on at index 2
  AddStep("Comment");
  AddStep("Goto Label", CAT_FLOW, "next 4");  // index 3: beyond the end, the run is complete
  RunAndWait();
  EXPECT_EQ(Calls(), (std::vector<int>{0, 2}));
  EXPECT_EQ(Step(1).last_run, LAST_RUN_NOT_RUN);
  EXPECT_NE(Log().find("Run Completed"), std::string::npos);
}

TEST_F(RunLoopTest, FlowControlResultOfOneGoesToTheFirstStep) {
  static int rounds;
  rounds = 0;
  AddStep("Comment");
  AddStep("Goto Label", CAT_FLOW);
  engine.handlers().Set(CAT_FLOW,
                        [](RunEngine&, const ActionServices*, int, int index) { return ++rounds < 3 ? 1 : index + 2; });
  RunAndWait();
  EXPECT_EQ(Calls(), (std::vector<int>{0, 0, 0}));  // the scripted Comment handler, three times
  EXPECT_EQ(rounds, 3);
  EXPECT_EQ(Occurrences(Log(), "[STEP 1]"), 3) << "a step reached anew is announced anew";
}

TEST_F(RunLoopTest, SkippedStepsArePassedOverAndLoggedOnlyAtDetailedLevel) {
  AddStep("Comment");
  AddStep("Type", CAT_KEYBOARD).status = STEP_SKIP;
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(Calls(), (std::vector<int>{0, 2}));
  EXPECT_EQ(Step(1).last_run, LAST_RUN_SKIPPED);
  EXPECT_EQ(Log().find("Skipping"), std::string::npos);

  WriteSettingNumber("SOFTWARE\\Zelomat\\LogLevel", 1);
  RunAndWait();
  EXPECT_NE(Log().find("[STEP 1]: Comment \r\nSkipping [STEP 2]\r\n[STEP 3]: Comment \r\n"), std::string::npos);
}

TEST_F(RunLoopTest, ScriptOfOnlySkippedStepsCompletes) {
  AddStep("Comment").status = STEP_SKIP;
  AddStep("Comment").status = STEP_SKIP | STEP_BREAKPOINT;
  RunAndWait();
  EXPECT_TRUE(Calls().empty());
  EXPECT_EQ(Step(0).last_run, LAST_RUN_SKIPPED);
  EXPECT_EQ(Step(1).last_run, LAST_RUN_SKIPPED);
  EXPECT_NE(Log().find("Run Completed"), std::string::npos);
}

TEST_F(RunLoopTest, BreakpointEndsTheRunAsCompleted) {
  AddStep("Comment");
  AddStep("Type", CAT_KEYBOARD).status = STEP_BREAKPOINT;
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(Calls(), (std::vector<int>{0}));
  EXPECT_EQ(Step(1).last_run, LAST_RUN_BREAKPOINT);
  EXPECT_NE(Log().find("[STEP 1]: Comment \r\nBreakpoint on [STEP 2]\r\nRun Completed at"), std::string::npos);
  auto status = sink.Status();
  EXPECT_NE(std::find(status.begin(), status.end(), "0:Breakpoint on [STEP 2]\r\n"), status.end());
}

TEST_F(RunLoopTest, RunFromHereOnABreakpointStopsAtOnce) {
  AddStep("Comment");
  AddStep("Comment").status = STEP_BREAKPOINT;
  window.selected = 1;
  RunAndWait(RunCommand::RunFromHere);
  EXPECT_TRUE(Calls().empty());
  EXPECT_EQ(Log().rfind("Breakpoint on [STEP 2]\r\nRun Completed", 0), 0u) << "no header for Run From Here";
}

TEST_F(RunLoopTest, RunFromHereStartsAtTheSelectedStep) {
  for (int i = 0; i < 4; ++i) AddStep("Comment");
  window.selected = 2;
  RunAndWait(RunCommand::RunFromHere);
  EXPECT_EQ(Calls(), (std::vector<int>{2, 3}));
  window.selected = -1;
  RunAndWait(RunCommand::RunFromHere);
  EXPECT_EQ(Calls(), (std::vector<int>{2, 3, 0, 1, 2, 3}));
}

TEST_F(RunLoopTest, PixelStepLosesItsSelectionButRunFromHereStillStartsThere) {
  AddStep("Comment");
  AddStep("Wait for Pixel", CAT_WAIT);
  AddStep("Comment");
  window.selected = 1;
  RunAndWait(RunCommand::RunFromHere);
  EXPECT_EQ(window.Count("clear selection 0"), 1);
  EXPECT_EQ(Calls(), (std::vector<int>{1, 2}));
}

TEST_F(RunLoopTest, SingleStepRunsOneStepAndSelectsTheNext) {
  for (int i = 0; i < 3; ++i) AddStep("Comment");
  WriteSettingNumber("SOFTWARE\\Zelomat\\HiliteRunningStep", 0);
  window.selected = 1;
  RunAndWait(RunCommand::RunSingleStep);
  EXPECT_EQ(Calls(), (std::vector<int>{1}));
  EXPECT_EQ(window.Count("select 0 2"), 1);
  EXPECT_EQ(Log(), "[STEP 2]: Comment \r\n");
}

TEST_F(RunLoopTest, SingleStepOnTheLastStepCompletes) {
  AddStep("Comment");
  AddStep("Comment");
  window.selected = 1;
  RunAndWait(RunCommand::RunSingleStep);
  EXPECT_EQ(Calls(), (std::vector<int>{1}));
  EXPECT_NE(Log().find("[STEP 2]: Comment \r\nRun Completed at"), std::string::npos);
}

TEST_F(RunLoopTest, SingleStepOverSkippedStepsStopsAtTheNextOne) {
  AddStep("Comment").status = STEP_SKIP;
  AddStep("Comment");
  WriteSettingNumber("SOFTWARE\\Zelomat\\HiliteRunningStep", 0);
  RunAndWait(RunCommand::RunSingleStep);
  EXPECT_TRUE(Calls().empty());
  EXPECT_EQ(window.Count("select 0 1"), 1);
}

TEST_F(RunLoopTest, SingleStepInAnotherTabSelectsNothing) {
  AddStep("Comment", CAT_SYSTEM, "", 1);
  AddStep("Comment", CAT_SYSTEM, "", 1);
  WriteSettingNumber("SOFTWARE\\Zelomat\\HiliteRunningStep", 1);
  RunAndWait(RunCommand::RunSingleStep, 1);
  EXPECT_EQ(Calls(), (std::vector<int>{0}));
  for (const auto& c : window.Calls()) EXPECT_NE(c.rfind("select", 0), 0u) << c;
}

TEST_F(RunLoopTest, RunningStepIsHighlightedWhenTheSettingSaysSo) {
  AddStep("Comment");
  AddStep("Comment");
  WriteSettingNumber("SOFTWARE\\Zelomat\\HiliteRunningStep", 1);
  RunAndWait();
  EXPECT_EQ(window.Count("select 0 0"), 1);
  EXPECT_EQ(window.Count("select 0 1"), 1);
  WriteSettingNumber("SOFTWARE\\Zelomat\\HiliteRunningStep", 0);
  RunAndWait();
  EXPECT_EQ(window.Count("select 0 0"), 1);
}

TEST_F(RunLoopTest, StepLineGoesToTheStatusBarOrTheProgressWindow) {
  for (int i = 0; i < 3; ++i) AddStep("Comment");
  RunAndWait();
  auto status = sink.Status();
  EXPECT_NE(std::find(status.begin(), status.end(), "0:[STEP 2]: Comment \r\n"), status.end());

  WriteSettingNumber("SOFTWARE\\Zelomat\\Progress", 1);
  RunAndWait();
  // (index + 1) * 100 / (count + 1)
  EXPECT_EQ(window.Count("percent 0"), 1);
  EXPECT_EQ(window.Count("percent 25"), 1);
  EXPECT_EQ(window.Count("percent 50"), 1);
  EXPECT_EQ(window.Count("percent 75"), 1);
  EXPECT_EQ(window.Count("progress 0"), 2);
  EXPECT_EQ(sink.Status().size(), status.size() + 1) << "only the Run Completed line";
}

TEST_F(RunLoopTest, RunCountAndLastRunAreKeptPerStep) {
  AddStep("Comment");
  AddStep("Goto Label", CAT_FLOW, "next 1");
  static int rounds;
  rounds = 0;
  engine.handlers().Set(CAT_FLOW, [](RunEngine&, const ActionServices*, int, int) { return ++rounds < 4 ? 1 : 3; });
  RunAndWait();
  EXPECT_EQ(Step(0).run_count, 4);
  EXPECT_EQ(Step(1).run_count, 4);
  RunAndWait();
  EXPECT_EQ(Step(0).run_count, 1) << "a full run starts counting anew";
  Step(0).run_count = 7;
  window.selected = 0;
  rounds = 10;
  RunAndWait(RunCommand::RunFromHere);
  EXPECT_EQ(Step(0).run_count, 8) << "Run From Here keeps counting";
}

TEST_F(RunLoopTest, StepDelaySleepsAfterEveryPassedStepUntilTheNextFullRun) {
  AddStep("Comment");
  AddStep("Set Step Delay", CAT_SYSTEM);
  AddStep("Comment");
  AddStep("Comment", CAT_SYSTEM, "fail");
  engine.set_failure_handler([](RunEngine& run, int, int index) { return index + 1; });
  engine.handlers().Set(CAT_SYSTEM, [](RunEngine& run, const ActionServices*, int slot, int index) {
    const StepRecord& step = run.workspace().slots[slot].steps[index];
    if (step.action == "Set Step Delay") WriteSetting(SettingPath("SOFTWARE\\Zelomat\\InterStepDelay-%d", slot), "350");
    return step.value(1) == "fail" ? 0 : 1;
  });
  RunAndWait();
  // After the delay step and the passing step after it; not after the failed one.
  EXPECT_EQ(clock.Sleeps(), (std::vector<uint32_t>{350, 350}));

  window.selected = 2;
  RunAndWait(RunCommand::RunFromHere);
  EXPECT_EQ(clock.Sleeps().size(), 3u) << "Run From Here keeps the delay";

  WriteSetting("SOFTWARE\\Zelomat\\InterStepDelay-0", "0");
  engine.handlers().Set(CAT_SYSTEM, [](RunEngine&, const ActionServices*, int, int) { return 1; });
  WriteSetting("SOFTWARE\\Zelomat\\InterStepDelay-0", "500");
  RunAndWait();
  EXPECT_EQ(clock.Sleeps().size(), 3u) << "a full run deletes the delay";
  EXPECT_FALSE(SettingExists("SOFTWARE\\Zelomat\\InterStepDelay-0"));
}

TEST_F(RunLoopTest, RunWaitsForAPlaybackInStepsOf200Milliseconds) {
  AddStep("Type", CAT_KEYBOARD, "journal");
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(clock.Sleeps(), (std::vector<uint32_t>{200, 200, 200}));
  EXPECT_EQ(Calls(), (std::vector<int>{0, 1}));
}

TEST_F(RunLoopTest, LastPopupStaysOneToThreeSecondsBeforeTheRunEnds) {
  AddStep("Comment");
  AddStep("Text Popup", CAT_USER_PROMPT).timeout = "500";
  RunAndWait();
  EXPECT_EQ(clock.Sleeps(), (std::vector<uint32_t>{1000}));
  Step(1).timeout = "9000";
  RunAndWait();
  EXPECT_EQ(clock.Sleeps(), (std::vector<uint32_t>{1000, 3000}));
  Step(1).action = "Display Image";
  Step(1).timeout = "1500";
  RunAndWait();
  EXPECT_EQ(clock.Sleeps(), (std::vector<uint32_t>{1000, 3000, 1500}));
  Step(1).timeout = "0";
  RunAndWait();
  EXPECT_EQ(clock.Sleeps().size(), 3u);
}

// Keys a step left held must never outlive the run, whichever way it ends.
TEST_F(RunLoopTest, HeldInputIsReleasedHoweverTheRunEnds) {
  AddStep("Comment");
  RunAndWait();
  Step(0).value(1) = "fail";
  RunAndWait();
  Step(0).value(1) = "stop";
  RunAndWait();
  Step(0).value(1) = "";
  ws.slots[0].step_count = 5;
  RunAndWait();
  EXPECT_NE(Log().find("Critical internal error"), std::string::npos);
  EXPECT_EQ(input.releases, 4) << "completed, failed, stopped, critical";
}

TEST_F(RunLoopTest, StepArrayShorterThanItsCountIsACriticalError) {
  AddStep("Comment");
  AddStep("Comment");
  ws.slots[0].step_count = 5;
  engine.set_run_repeats(0, 3);
  RunAndWait(RunCommand::Run, 0, false);
  EXPECT_TRUE(Calls().empty());
  EXPECT_NE(Log().find("Critical internal error in Run Core at [STEP 1]!  Discontinuing Execution\r\n"),
            std::string::npos);
  EXPECT_EQ(Log().find("Run Completed"), std::string::npos);
  EXPECT_EQ(Occurrences(Log(), "Critical"), 1) << "no repeat meets the same error again";
  EXPECT_EQ(window.Calls().back(), "running 0") << "the editor is given back";
}

TEST_F(RunLoopTest, StepErrorTextIsFormattedIntoItsBuffer) {
  engine.SetStepError("Window \"%s\" not found", "Notepad");
  EXPECT_EQ(engine.state().step_error, "Window \"Notepad\" not found");
  engine.SetStepError("%s", std::string(5000, 'z').c_str());
  EXPECT_EQ(engine.state().step_error.size(), 2047u);
}

}  // namespace
}  // namespace zelo
