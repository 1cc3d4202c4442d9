// Stopping a run: a handler's stop, the stop key, the Pause command in its
// two stages and the forced stop, and the clean-up at every end.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/run_test_fixture.h"

namespace zelo {
namespace {

using test::Occurrences;
using test::RunTest;

using StopRunTest = RunTest;

TEST_F(StopRunTest, HandlerStopEndsTheRunWithTheStopLine) {
  AddStep("Comment");
  AddStep("Exit Run", CAT_FLOW, "stop");
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(Calls(), (std::vector<int>{0, 1}));
  EXPECT_EQ(Step(1).last_run, LAST_RUN_INCOMPLETE);
  EXPECT_NE(Log().find("[STEP 2]: Exit Run \r\nStop request: aborting run at [STEP 2]\r\n\r\n"), std::string::npos);
  EXPECT_EQ(Log().find("Run Completed"), std::string::npos);
  auto status = sink.Status();
  EXPECT_NE(std::find(status.begin(), status.end(), "0:Stop request: aborting run at [STEP 2]\r\n\r\n"),
            status.end());
}

TEST_F(StopRunTest, StopKeyIsPolledAfterEveryStep) {
  AddStep("Comment");
  AddStep("Type", CAT_KEYBOARD, "key 19");
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(Calls(), (std::vector<int>{0, 1}));
  EXPECT_EQ(Step(1).last_run, LAST_RUN_INCOMPLETE);
  EXPECT_NE(Log().find("Stop request: aborting run at [STEP 2]\r\n\r\n"), std::string::npos);
  EXPECT_EQ(input.Polls(), (std::vector<int>{19, 19}));
}

TEST_F(StopRunTest, StopKeyComesFromTheSettingAndZeroMeansPause) {
  WriteSettingNumber("SOFTWARE\\Zelomat\\StopKey", 27);
  AddStep("Type", CAT_KEYBOARD, "key 19");
  AddStep("Type", CAT_KEYBOARD, "key 27");
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(Calls(), (std::vector<int>{0, 1}));

  WriteSettingNumber("SOFTWARE\\Zelomat\\StopKey", 0);
  RunAndWait();
  EXPECT_EQ(input.Polls().back(), 19);
}

TEST_F(StopRunTest, StopRequestOfALongRunningStepEndsTheRun) {
  AddStep("Wait for Image", CAT_WAIT, "request");
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(Calls(), (std::vector<int>{0}));
  EXPECT_NE(Log().find("Stop request: aborting run at [STEP 1]"), std::string::npos);
}

TEST_F(StopRunTest, NewRunClearsAnEarlierStopRequest) {
  AddStep("Comment");
  AddStep("Comment");
  engine.RequestStop();
  RunAndWait();
  EXPECT_EQ(Calls(), (std::vector<int>{0, 1}));
}

TEST_F(StopRunTest, EveryEndReleasesHeldInputAndRestoresTheEditor) {
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(input.releases, 1);
  auto calls = window.Calls();
  EXPECT_EQ(calls.front(), "running 1");
  EXPECT_EQ(calls.back(), "running 0");
  EXPECT_FALSE(engine.RunActive());
}

TEST_F(StopRunTest, JournalHookIsRemovedASecondAfterTheRun) {
  AddStep("Comment");
  input.hook_installed = true;
  RunAndWait();
  EXPECT_EQ(input.hook_removals, 1);
  EXPECT_EQ(clock.Sleeps(), (std::vector<uint32_t>{1000}));
}

TEST_F(StopRunTest, SecondStartWhileRunningDoesNothing) {
  AddStep("Comment", CAT_SYSTEM, "block");
  AddStep("Comment");
  ASSERT_TRUE(engine.StartRun(0, RunCommand::Run, true));
  ASSERT_TRUE(WaitBlocked());
  EXPECT_TRUE(engine.RunActive());
  EXPECT_FALSE(engine.StartRun(0, RunCommand::Run, true));
  EXPECT_FALSE(engine.StartRun(0, RunCommand::RunFromHere, true));
  Release();
  ASSERT_TRUE(engine.WaitUntilIdle(10000));
  EXPECT_EQ(Calls(), (std::vector<int>{0, 1}));
  EXPECT_EQ(Occurrences(Log(), "Starting Run"), 1);
}

TEST_F(StopRunTest, FirstPauseAsksTheRunToStopAfterItsStep) {
  AddStep("Comment", CAT_SYSTEM, "block");
  AddStep("Comment");
  engine.StartRun(0, RunCommand::Run, true);
  ASSERT_TRUE(WaitBlocked());
  engine.StopRun(0, StopHow::PauseCommand);
  EXPECT_TRUE(engine.stop_requested());
  EXPECT_TRUE(engine.RunActive());
  EXPECT_EQ(window.Count("close failure box"), 1);
  EXPECT_EQ(window.Count("stop timer"), 1);
  EXPECT_EQ(system.terminations, 0) << "the first press never ends the thread";
  EXPECT_TRUE(messages.All().empty());
  Release();
  ASSERT_TRUE(engine.WaitUntilIdle(10000));
  EXPECT_EQ(Calls(), (std::vector<int>{0}));
  EXPECT_NE(Log().find("[STEP 1]: Comment \r\n\r\nAttempting to stop script...\r\n"
                       "Stop request: aborting run at [STEP 1]\r\n\r\n"),
            std::string::npos);
}

TEST_F(StopRunTest, CancelledForcedStopLetsTheRunGoOn) {
  AddStep("Comment", CAT_SYSTEM, "block");
  AddStep("Comment");
  engine.StartRun(0, RunCommand::Run, true);
  ASSERT_TRUE(WaitBlocked());
  engine.StopRun(0, StopHow::PauseCommand);
  messages.Answer(MessageAnswer::Cancel);
  engine.StopRun(0, StopHow::PauseConfirm);
  auto shown = messages.All();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "The script is still running the current step.\n\nDo you want to force it to stop?");
  EXPECT_EQ(shown[0].caption, "Stop Process");
  EXPECT_EQ(shown[0].buttons, MessageButtons::OkCancel);
  EXPECT_FALSE(engine.stop_requested());
  Release();
  ASSERT_TRUE(engine.WaitUntilIdle(10000));
  EXPECT_EQ(Calls(), (std::vector<int>{0, 1}));
  EXPECT_NE(Log().find("\r\nAttempting to stop script...\r\n"
                       "\r\nCancelling stop request - continuing script execution\r\n"
                       "[STEP 2]"),
            std::string::npos);
  EXPECT_NE(Log().find("Run Completed"), std::string::npos);
}

TEST_F(StopRunTest, ConfirmedForcedStopEndsTheRunAtOnce) {
  AddStep("Type", CAT_KEYBOARD, "block");
  AddStep("Comment");
  engine.set_run_repeats(0, 5);
  engine.StartRun(0, RunCommand::Run, false);
  ASSERT_TRUE(WaitBlocked());
  messages.Answer(MessageAnswer::Ok);
  engine.StopRun(0, StopHow::PauseConfirm);  // the keyboard accelerator asks at once

  // Over while the step is still stuck: the editor is back and nothing is held.
  EXPECT_FALSE(engine.RunActive());
  EXPECT_EQ(system.terminations, 1);
  EXPECT_EQ(engine.run_repeats(0), kNoRepeats);
  EXPECT_EQ(input.releases, 1);
  EXPECT_EQ(window.Calls().back(), "running 0");
  EXPECT_TRUE(Log().size() > 0 && Log().substr(Log().size() - 29) == "\r\nRun forcibly terminated\r\n\r\n");

  // The thread that could not be ended finishes its step and leaves
  // without a word or a further step.
  const std::string log_at_stop = Log();
  Release();
  ASSERT_TRUE(engine.WaitUntilIdle(10000));
  EXPECT_EQ(Log(), log_at_stop);
  EXPECT_EQ(Calls(), (std::vector<int>{0}));
  EXPECT_EQ(Step(0).last_run, LAST_RUN_INCOMPLETE);
  EXPECT_EQ(Step(1).last_run, LAST_RUN_NOT_RUN);
  EXPECT_EQ(input.releases, 1);
  EXPECT_EQ(Occurrences(Log(), "Starting Run"), 1) << "the forced stop ends the repeats";
}

TEST_F(StopRunTest, ForcedStopDuringAStepDelayRunsNoFurtherStep) {
  AddStep("Comment");
  AddStep("Comment");
  WriteSetting("SOFTWARE\\Zelomat\\InterStepDelay-0", "2000");
  clock.on_sleep = [this](uint32_t ms) {
    if (ms == 2000) Block();
  };
  window.selected = 0;
  engine.StartRun(0, RunCommand::RunFromHere, true);
  ASSERT_TRUE(WaitBlocked());
  engine.StopRun(0, StopHow::PauseConfirm);
  Release();
  ASSERT_TRUE(engine.WaitUntilIdle(10000));
  EXPECT_EQ(Calls(), (std::vector<int>{0}));
  EXPECT_EQ(Step(1).last_run, LAST_RUN_NOT_RUN);
  EXPECT_EQ(Log().find("[STEP 2]"), std::string::npos);
}

TEST_F(StopRunTest, ForceStopEndsTheRunWithoutAsking) {
  AddStep("Type", CAT_KEYBOARD, "block");
  AddStep("Comment");
  engine.set_run_repeats(0, 5);
  engine.StartRun(0, RunCommand::Run, false);
  ASSERT_TRUE(WaitBlocked());
  EXPECT_TRUE(engine.ForceStop());

  EXPECT_TRUE(messages.All().empty());
  EXPECT_FALSE(engine.RunActive());
  EXPECT_EQ(system.terminations, 1);
  EXPECT_EQ(engine.run_repeats(0), kNoRepeats);
  EXPECT_EQ(input.releases, 1);
  EXPECT_EQ(window.Calls().back(), "running 0");
  EXPECT_TRUE(Log().size() > 0 && Log().substr(Log().size() - 29) == "\r\nRun forcibly terminated\r\n\r\n");
  Release();
  ASSERT_TRUE(engine.WaitUntilIdle(10000));
  EXPECT_EQ(Calls(), (std::vector<int>{0}));
  EXPECT_EQ(Occurrences(Log(), "Starting Run"), 1);
}

TEST_F(StopRunTest, ForceStopWithoutARunDoesNothing) {
  AddStep("Comment");
  RunAndWait();
  const int releases = input.releases;
  const std::string log = Log();
  EXPECT_FALSE(engine.ForceStop());
  EXPECT_EQ(input.releases, releases);
  EXPECT_EQ(Log(), log);
  EXPECT_EQ(system.terminations, 0);
}

TEST_F(StopRunTest, EngineCanRunAgainAfterAForcedStop) {
  AddStep("Comment", CAT_SYSTEM, "block");
  engine.StartRun(0, RunCommand::Run, true);
  ASSERT_TRUE(WaitBlocked());
  engine.StopRun(0, StopHow::PauseConfirm);
  Release();
  ASSERT_TRUE(engine.WaitUntilIdle(10000));
  RunAndWait();
  EXPECT_EQ(Calls(), (std::vector<int>{0, 0}));
  EXPECT_NE(Log().find("Run Completed"), std::string::npos);
}

TEST_F(StopRunTest, SecondStageAfterTheRunEndedOnlyCleansUp) {
  AddStep("Comment");
  RunAndWait();
  const int releases = input.releases;
  engine.StopRun(0, StopHow::PauseConfirm);
  EXPECT_TRUE(messages.All().empty());
  EXPECT_EQ(input.releases, releases + 1);
  EXPECT_EQ(system.terminations, 0);
  EXPECT_EQ(Log().find("forcibly"), std::string::npos);
}

TEST_F(StopRunTest, UserStopEndsTheRepeats) {
  AddStep("Comment", CAT_SYSTEM, "key 19");
  engine.set_run_repeats(0, kRepeatForever);
  RunAndWait(RunCommand::Run, 0, false);
  EXPECT_EQ(Occurrences(Log(), "Starting Run"), 1);
  EXPECT_EQ(engine.run_repeats(0), kNoRepeats);
}

TEST_F(StopRunTest, ExitRunLeavesTheRepeatsGoing) {
  AddStep("Exit Run", CAT_FLOW, "stop");
  engine.set_run_repeats(0, 2);
  RunAndWait(RunCommand::Run, 0, false);
  EXPECT_EQ(Occurrences(Log(), "Starting Run"), 3);
  EXPECT_EQ(Occurrences(Log(), "Stop request"), 3);
}

TEST_F(StopRunTest, DestroyingTheEngineStopsARunningRun) {
  static std::atomic<int> steps;
  steps = 0;
  {
    Workspace ws2;
    RunSeams seams = Seams();
    RunEngine second(ws2, seams);
    ws2.slots[0].file_name = kUntitled;
    ws2.slots[0].steps.resize(3);
    ws2.slots[0].step_count = 3;
    for (auto& s : ws2.slots[0].steps) s.category = CAT_FLOW;
    second.handlers().Set(CAT_FLOW, [](RunEngine& run, const ActionServices*, int, int) {
      ++steps;
      run.clock().Sleep(0);
      return 1;  // back to the first step for ever
    });
    second.StartRun(0, RunCommand::Run, true);
  }
  EXPECT_GT(steps.load(), 0);
}

}  // namespace
}  // namespace zelo
