#include "actions/flow/flow_actions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "actions/flow/flow_test_fixture.h"
#include "engine/exit_code.h"

namespace zelo {
namespace {

using test::FlowTest;
using test::Occurrences;

TEST(ClassifyFlowAction, TestsTheWordsInTheirOrder) {
  EXPECT_EQ(ClassifyFlowAction("Goto Label"), FlowAction::GotoLabel);
  EXPECT_EQ(ClassifyFlowAction("Set Run Repeats"), FlowAction::RunRepeats);
  EXPECT_EQ(ClassifyFlowAction("Exit Run"), FlowAction::ExitRun);
  EXPECT_EQ(ClassifyFlowAction("Exit Zelomat"), FlowAction::ExitProgram);
  EXPECT_EQ(ClassifyFlowAction("Break out of Loop"), FlowAction::BreakLoop);
  EXPECT_EQ(ClassifyFlowAction("Start Windows Loop"), FlowAction::LoopStart);
  EXPECT_EQ(ClassifyFlowAction("next loop"), FlowAction::NextLoop);
  EXPECT_EQ(ClassifyFlowAction("Label"), FlowAction::Other);
  EXPECT_EQ(ClassifyLoop("Start File Line Loop"), LoopKind::FileLine);
  EXPECT_EQ(ClassifyLoop("Start Files Loop"), LoopKind::Files);
  EXPECT_EQ(ClassifyLoop("Start Dataset Loop"), LoopKind::Dataset);
}

TEST_F(FlowTest, AForLoopOfThreeRunsItsBodyThreeTimes) {
  Flow("Start 'For' Loop", "3");
  RecordText("round");
  Flow("NEXT LOOP");
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(Recorded().size(), 3u);
  const std::string log = Log();
  EXPECT_NE(log.find("\t(1) loop completed for [Step 1]\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("\t(2) loops completed for [Step 1]\r\n"), std::string::npos);
  EXPECT_NE(log.find("\t(3) loops completed for [Step 1]\r\n"), std::string::npos);
  EXPECT_NE(log.find("\tEnd of loop from [Step 1] (3 total loops done)\r\n\tContinuing with [Step 4]...\r\n"),
            std::string::npos);
  EXPECT_EQ(Calls().size(), 1u) << "the step after the loop ran once";
  EXPECT_NE(log.find("Run Completed"), std::string::npos);
  const auto status = sink.Status();
  EXPECT_NE(std::find(status.begin(), status.end(), "1:Loops: 3"), status.end());
}

TEST_F(FlowTest, AForCountOfZeroNegativeOrTextSkipsTheBody) {
  for (const char* count : {"0", "-2", "many"}) {
    ws.slots[0].steps.clear();
    Flow("Start 'For' Loop", count);
    RecordText("body");
    Flow("NEXT LOOP");
    AddStep("Comment");
    RunAndWait();
    EXPECT_TRUE(Recorded().empty()) << count;
  }
  EXPECT_EQ(Occurrences(Log(), "\tEnd of loop from [Step 1] (0 total loops done)\r\n\tContinuing with [Step 4]...\r\n"), 3);
  EXPECT_EQ(Calls().size(), 3u);
}

TEST_F(FlowTest, NestedForLoopsRunTheInnerBodySixTimes) {
  Flow("Start 'For' Loop", "2");
  Flow("Start 'For' Loop", "3");
  RecordText("inner");
  Flow("NEXT LOOP");
  RecordText("outer");
  Flow("NEXT LOOP");
  RunAndWait();
  const auto r = Recorded();
  EXPECT_EQ(std::count(r.begin(), r.end(), "inner"), 6);
  EXPECT_EQ(std::count(r.begin(), r.end(), "outer"), 2);
  // The inner loop starts again from 0 each time the outer loop comes back.
  EXPECT_EQ(Occurrences(Log(), "\tEnd of loop from [Step 2] (3 total loops done)"), 2);
  EXPECT_EQ(Occurrences(Log(), "\tEnd of loop from [Step 1] (2 total loops done)"), 1);
}

int IncrementN(RunEngine&, const ActionServices*, int, int) {
  std::string text;
  ReadStoredVariable(kUserVariablesKey, "n", &text);
  WriteVariable(kUserVariablesKey, "n", std::to_string(TextToInt(text) + 1));
  return 1;
}

TEST_F(FlowTest, AWhileLoopGoesOnWhileItsConditionHolds) {
  SetVar("n", "0");
  engine.handlers().Set(CAT_SYSTEM, &IncrementN);
  Flow("Start 'While' Loop", "%n < 4");
  AddStep("Increment Variable", CAT_SYSTEM);
  Flow("NEXT LOOP");
  RunAndWait();
  EXPECT_EQ(Var("n"), "4");
  EXPECT_NE(Log().find("(4 total loops done)"), std::string::npos);
}

TEST_F(FlowTest, BreakInsideAnIfEndsTheLoop) {
  SetVar("n", "0");
  engine.handlers().Set(CAT_SYSTEM, &IncrementN);
  Flow("Start 'For' Loop", "10");
  AddStep("Increment Variable", CAT_SYSTEM);
  If("IF Expression", "%n = 3");
  Flow("Break out of Loop");
  If("END IF");
  Flow("NEXT LOOP");
  RecordText("after");
  RunAndWait();
  EXPECT_EQ(Var("n"), "3");
  EXPECT_EQ(Recorded(), std::vector<std::string>{"after"});
  EXPECT_NE(Log().find("\tEnd of loop from [Step 1] (2 total loops done)\r\n\tContinuing with [Step 7]...\r\n"),
            std::string::npos)
      << Log();
}

TEST_F(FlowTest, GotoLabelJumpsToTheLabelByItsExpandedName) {
  SetVar("where", "END");
  Flow("Goto Label", "%where");
  RecordText("skipped");
  Flow("Label", "end");
  RecordText("reached");
  RunAndWait();
  EXPECT_EQ(Recorded(), std::vector<std::string>{"reached"}) << Log();
  EXPECT_NE(Log().find("\tJumping to label \"END\" at [Step 3]\r\n"), std::string::npos);
}

TEST_F(FlowTest, GotoAMissingOrEmptyLabelFailsThroughTheFailureMode) {
  Flow("Goto Label", "nowhere").onfail = "Ignore/Continue";
  Flow("Goto Label", "").onfail = "Ignore/Continue";
  SetVar("empty", "");
  Flow("Goto Label", "%empty").onfail = "Display Error and Stop";
  RunAndWait();
  EXPECT_NE(Log().find("ERROR while running [STEP 1] Goto Label: Label \"nowhere\" not found"), std::string::npos);
  EXPECT_NE(Log().find("ERROR while running [STEP 2] Goto Label: No label name provided"), std::string::npos);
  ASSERT_EQ(messages.All().size(), 1u);
  EXPECT_EQ(messages.All()[0].text, "No label name provided");
}

TEST_F(FlowTest, ExitRunSetsTheExitCodeAndStops) {
  Flow("Exit Run", "7");
  RecordText("never");
  RunAndWait();
  EXPECT_EQ(ProcessExitCode(), 7);
  EXPECT_TRUE(Recorded().empty());
  EXPECT_NE(Log().find("Stop request: aborting run at [STEP 1]"), std::string::npos);
  EXPECT_EQ(Step(0).last_run, LAST_RUN_INCOMPLETE);
  EXPECT_EQ(window.Count("close"), 0);
}

TEST_F(FlowTest, ExitZelomatAlsoClosesTheProgram) {
  SetVar("code", "12");
  Flow("Exit Zelomat", "%code");
  RunAndWait();
  EXPECT_EQ(ProcessExitCode(), 12);
  EXPECT_EQ(window.Count("close"), 1);
}

TEST_F(FlowTest, SetRunRepeatsRunsTheScriptThatManyTimesInAll) {
  Flow("Set Run Repeats", "3");
  RecordText("run");
  RunAndWait();
  EXPECT_EQ(Recorded().size(), 3u);
  EXPECT_EQ(Occurrences(Log(), "Starting Run at"), 3);
  // The first run sets the counter; the two repeats report what is left.
  EXPECT_EQ(Log().find("\t2 Run Repeat(s) remaining\r\n"), std::string::npos);
  EXPECT_NE(Log().find("\t1 Run Repeat(s) remaining\r\n"), std::string::npos);
  EXPECT_NE(Log().find("\t0 Run Repeat(s) remaining\r\n"), std::string::npos);
}

int runs_seen = 0;
int32_t repeats_seen = 0;
int StopOnThirdRun(RunEngine& run, const ActionServices*, int slot, int) {
  repeats_seen = run.run_repeats(slot);
  if (++runs_seen == 3) run.RequestStop();
  return 1;
}

TEST_F(FlowTest, RunRepeatsOfMinusOneRepeatUntilStopped) {
  runs_seen = 0;
  engine.handlers().Set(CAT_SYSTEM, &StopOnThirdRun);
  Flow("Set Run Repeats", "-1");
  AddStep("Comment", CAT_SYSTEM);
  RunAndWait();
  EXPECT_EQ(runs_seen, 3);
  EXPECT_EQ(repeats_seen, kRepeatForever);
  EXPECT_EQ(Occurrences(Log(), "An eternity of Run Repeats still remaining...."), 2);
  EXPECT_EQ(engine.run_repeats(0), kNoRepeats) << "the stop ended the repeats";
}

TEST_F(FlowTest, ANextLoopWithoutAStartGoesBackToTheFirstStep) {
  runs_seen = 0;
  engine.handlers().Set(CAT_SYSTEM, &StopOnThirdRun);
  AddStep("Comment", CAT_SYSTEM);
  Flow("NEXT LOOP");
  RunAndWait();
  EXPECT_EQ(runs_seen, 3);
  EXPECT_NE(Log().find("Stop request"), std::string::npos);
}

TEST_F(FlowTest, ALoopWithoutNextLoopGoesOnTwoStepsAfterItsEnd) {
  Flow("Start 'For' Loop", "0");
  RecordText("one");
  RecordText("two");
  RunAndWait();
  EXPECT_EQ(Recorded(), std::vector<std::string>{"two"});
}

TEST_F(FlowTest, SixteenNestedLoopsRunAndASeventeenthFails) {
  for (int depth : {16, 17}) {
    ws.slots[0].steps.clear();
    for (int i = 0; i < depth; ++i) Flow("Start 'For' Loop", i == 0 ? "2" : "1");
    RecordText("body");
    for (int i = 0; i < depth; ++i) Flow("NEXT LOOP");
    const std::size_t before = Recorded().size();
    RunAndWait();
    if (depth == 16) {
      EXPECT_EQ(Recorded().size() - before, 2u);
      EXPECT_EQ(Log().find("RUN FAILED"), std::string::npos);
    } else {
      EXPECT_EQ(Recorded().size(), before) << "the 17th start fails before its body";
      EXPECT_NE(Log().find("ERROR while running [STEP 17] Start 'For' Loop: Loops can be nested at most 16 deep"),
                std::string::npos);
      EXPECT_NE(Log().find("RUN FAILED"), std::string::npos);
    }
  }
}

TEST_F(FlowTest, LoopsLeftByAJumpDoNotCountAsNesting) {
  // Each round jumps out of the loop before its NEXT LOOP; coming back to
  // the same start does not push it again.
  SetVar("n", "0");
  engine.handlers().Set(CAT_SYSTEM, &IncrementN);
  Flow("Label", "top");
  AddStep("Increment Variable", CAT_SYSTEM);
  Flow("Start 'For' Loop", "5");
  If("IF Expression", "%n < 20");
  Flow("Goto Label", "top");
  If("END IF");
  Flow("NEXT LOOP");
  RunAndWait();
  EXPECT_EQ(Var("n"), "20");
  EXPECT_EQ(Log().find("RUN FAILED"), std::string::npos) << Log();
  EXPECT_NE(Log().find("Run Completed"), std::string::npos);
}

TEST_F(FlowTest, AnEndlessWhileLoopEndsByTheStopKey) {
  Flow("Start 'While' Loop", "1");
  AddStep("Comment", CAT_SYSTEM, "key 19");
  Flow("NEXT LOOP");
  RunAndWait();
  EXPECT_NE(Log().find("Stop request: aborting run at [STEP 2]"), std::string::npos);
}

TEST_F(FlowTest, TheWindowsLoopVisitsFramedTopLevelWindowsFromTheForegroundOn) {
  window.SetDesktop({{10, true, "above"}, {20, false, "hidden"}, {30, true, "Editor"}, {40, true, "Mail"}}, 20);
  Flow("Start Windows Loop");
  RecordText("%window_loop=%hwnd_loop");
  Flow("NEXT LOOP");
  RunAndWait();
  EXPECT_EQ(Recorded(), (std::vector<std::string>{"Editor=30", "Mail=40"}));
  EXPECT_EQ(ProgramLoopState().window_position, 0u);
  EXPECT_EQ(Var("window_loop"), "") << "deleted when the loop ended";
}

TEST_F(FlowTest, TheDatasetLoopWalksTheRowsOfTheLastQuery) {
  QueryResult& result = ProgramQueryResult();
  result.AddColumn(5, 12);
  result.AddColumn(3, 4);
  result.AddRow({"alpha", "1"});
  result.AddRow({"betagamma", "2000"});
  Flow("Start Dataset Loop");
  RecordText("%data_loop");
  Flow("NEXT LOOP");
  RunAndWait();
  EXPECT_EQ(Recorded(), (std::vector<std::string>{"alpha, 1", "betag, 200"}));
}

TEST_F(FlowTest, TheDatasetLoopOfNoRowsSkipsItsBody) {
  ProgramQueryResult().AddColumn(5, 12);
  Flow("Start Dataset Loop");
  RecordText("%data_loop");
  Flow("NEXT LOOP");
  RunAndWait();
  EXPECT_TRUE(Recorded().empty());
}

TEST_F(FlowTest, TheFilesLoopNamesEachFileOfAFolder) {
  test::TempFolder dir;
  for (const char* name : {"a.txt", "b.txt", "c.log"}) std::ofstream(dir.File(name)) << "x";
  std::filesystem::create_directory(dir.File("sub.txt"));
  const std::string folder = dir.File("");
  Flow("Start Files Loop", folder.substr(0, folder.size() - 1));
  RecordText("%file_loop");
  Flow("NEXT LOOP");
  Flow("Start Files Loop", dir.File("*.txt"));
  RecordText("txt %file_loop");
  Flow("NEXT LOOP");
  RunAndWait();
  auto r = Recorded();
  std::sort(r.begin(), r.end());
  EXPECT_EQ(r, (std::vector<std::string>{"a.txt", "b.txt", "c.log", "txt a.txt", "txt b.txt"}));
}

bool remove_folder_now = false;
std::string folder_to_remove;
int RemoveFolderOnce(RunEngine&, const ActionServices*, int, int) {
  if (remove_folder_now) {
    // Windows keeps a folder with an open search from going: there the loop
    // simply walks every file.
    std::error_code ec;
    std::filesystem::remove_all(folder_to_remove, ec);
    remove_folder_now = false;
  }
  return 1;
}

TEST_F(FlowTest, AFolderThatVanishesEndsTheFilesLoop) {
  test::TempFolder dir;
  const std::string folder = dir.File("gone");
  std::filesystem::create_directory(folder);
  for (int i = 0; i < 50; ++i) std::ofstream(folder + "/f" + std::to_string(i) + ".txt") << "x";
  folder_to_remove = folder;
  remove_folder_now = true;
  engine.handlers().Set(CAT_SYSTEM, &RemoveFolderOnce);
  Flow("Start Files Loop", folder + "/");
  AddStep("Delete Folder", CAT_SYSTEM);
  Flow("NEXT LOOP");
  RecordText("after");
  RunAndWait();
  EXPECT_EQ(Recorded(), std::vector<std::string>{"after"});
  EXPECT_NE(Log().find("Run Completed"), std::string::npos);
}

TEST_F(FlowTest, AFilesLoopOverAMissingFolderRunsNoIteration) {
  Flow("Start Files Loop", "/no/such/folder/");
  RecordText("body");
  Flow("NEXT LOOP");
  RunAndWait();
  EXPECT_TRUE(Recorded().empty());
  EXPECT_NE(Log().find("(0 total loops done)"), std::string::npos);
}

TEST_F(FlowTest, TheFileLineLoopReadsOneLinePerIterationFromTheScriptsFolder) {
  test::TempFolder dir;
  std::ofstream(dir.File("lines.txt"), std::ios::binary) << "first\r\nsecond\r\nthird";
  ws.slots[0].file_name = dir.File("script.zxm");
  Flow("Start File Line Loop", "lines.txt");
  RecordText("%file_line_loop");
  Flow("NEXT LOOP");
  RunAndWait();
  EXPECT_EQ(Recorded(), (std::vector<std::string>{"first", "second", "third"}));
}

}  // namespace
}  // namespace zelo
