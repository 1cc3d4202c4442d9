#include "actions/conditions/if_actions.h"

#include <gtest/gtest.h>

#include <fstream>

#include "actions/flow/flow_test_fixture.h"

namespace zelo {
namespace {

using test::FlowTest;

TEST(ClassifyIf, TestsTheWordsInTheirOrder) {
  EXPECT_EQ(ClassifyIf("IF File Exists"), IfCondition::FileExists);
  EXPECT_EQ(ClassifyIf("IF Folder Exists"), IfCondition::FolderExists);
  EXPECT_EQ(ClassifyIf("IF Control Exists"), IfCondition::WindowExists);
  EXPECT_EQ(ClassifyIf("IF Masked Image is Visible"), IfCondition::PixelOrImage);
  EXPECT_EQ(ClassifyIf("IF Pixel is Visible"), IfCondition::PixelOrImage);
  EXPECT_EQ(ClassifyIf("IF Control Is Checked"), IfCondition::ControlChecked);
  EXPECT_EQ(ClassifyIf("if caps lock is on"), IfCondition::CapsLock);
  EXPECT_EQ(ClassifyIf("IF Clipboard Equals"), IfCondition::ClipboardEquals);
  EXPECT_EQ(ClassifyIf("IF Expression"), IfCondition::Expression);
  EXPECT_EQ(ClassifyIf("ELSE"), IfCondition::Else);
  EXPECT_EQ(ClassifyIf("END IF"), IfCondition::Other);
}

TEST_F(FlowTest, AFalseIfWithoutElseGoesOnAtItsEndIf) {
  If("IF Expression", "1 = 2");
  RecordText("body");
  If("END IF");
  RecordText("after");
  RunAndWait();
  EXPECT_EQ(Recorded(), std::vector<std::string>{"after"});
  EXPECT_NE(Log().find("\tJumping to matching ELSE/END IF statement: [Step 3]\r\n"), std::string::npos);
  EXPECT_EQ(Step(0).last_run, LAST_RUN_FAIL_CONTINUE);
  EXPECT_EQ(Step(2).last_run, LAST_RUN_PASS);
  EXPECT_EQ(Log().find("ERROR while running"), std::string::npos);
}

TEST_F(FlowTest, ATrueIfRunsItsBranchAndPassesOverTheElseBranch) {
  SetVar("n", "5");
  If("IF Expression", "%n > 2");
  RecordText("then");
  If("ELSE");
  RecordText("else");
  If("END IF");
  RecordText("after");
  RunAndWait();
  EXPECT_EQ(Recorded(), (std::vector<std::string>{"then", "after"}));
  EXPECT_EQ(Step(0).last_run, LAST_RUN_PASS);
  EXPECT_NE(Log().find("\tJumping to matching ELSE/END IF statement: [Step 5]\r\n"), std::string::npos);
}

TEST_F(FlowTest, AFalseIfRunsTheElseBranch) {
  If("IF Expression", "a = b");
  RecordText("then");
  If("ELSE");
  RecordText("else");
  If("END IF");
  RunAndWait();
  EXPECT_EQ(Recorded(), std::vector<std::string>{"else"});
}

TEST_F(FlowTest, ANestedIfInTheSkippedBranchKeepsItsOwnElse) {
  If("IF Expression", "0");
  If("IF Expression", "1");
  RecordText("inner then");
  If("ELSE");
  RecordText("inner else");
  If("END IF");
  If("ELSE");
  RecordText("outer else");
  If("END IF");
  RunAndWait();
  EXPECT_EQ(Recorded(), std::vector<std::string>{"outer else"});
}

TEST_F(FlowTest, ASkippedEndIfEndsNoBlock) {
  If("IF Expression", "0");
  RecordText("body");
  If("END IF").status = STEP_SKIP;
  RecordText("still in the block");
  If("END IF");
  RecordText("after");
  RunAndWait();
  EXPECT_EQ(Recorded(), std::vector<std::string>{"after"});
}

TEST_F(FlowTest, AnIfWithoutEndWarnsAndRunsTheLastStep) {
  If("IF Expression", "0");
  RecordText("body");
  RecordText("last");
  RunAndWait();
  EXPECT_EQ(Recorded(), std::vector<std::string>{"last"});
  EXPECT_NE(Log().find("\tWARNING: Matching ELSE/END IF statement not found!  Jumping to Step 3\r\n"),
            std::string::npos);
}

// Going on at the last step would run the same IF again for ever.
TEST_F(FlowTest, AFalseIfWithoutEndAsTheLastStepFailsTheRun) {
  RecordText("first");
  If("IF Expression", "0");
  RunAndWait();
  EXPECT_EQ(Recorded(), std::vector<std::string>{"first"});
  EXPECT_NE(Log().find("\tWARNING: Matching ELSE/END IF statement not found!  Jumping to Step 2\r\nRUN FAILED\r\n"),
            std::string::npos)
      << Log();
  EXPECT_EQ(Log().find("Run Completed"), std::string::npos);
}

TEST_F(FlowTest, AFalseIfNeverAppliesItsFailureSettings) {
  StepRecord& step = If("IF Expression", "0");
  step.onfail = "Ask to Continue";
  step.timeout = "30";
  step.onfail_image = 1;
  If("END IF");
  RunAndWait();
  EXPECT_TRUE(messages.All().empty());
  EXPECT_TRUE(system.Captures().empty());
  EXPECT_EQ(Calls().size(), 0u);
  EXPECT_NE(Log().find("Run Completed"), std::string::npos);
}

TEST_F(FlowTest, ConditionsThatCannotBeLookedAtFailTheStep) {
  for (const char* action : {"IF Pixel is Visible", "IF Image is Visible", "IF Masked Image is Visible"}) {
    ws.slots[0].steps.clear();
    If(action, "Notepad");
    RecordText("body");
    If("END IF");
    RunAndWait();
    EXPECT_NE(Log().find(std::string("ERROR while running [STEP 1] ") + action + ": The \"" + action +
                         "\" condition is not available in this version"),
              std::string::npos)
        << action;
    EXPECT_TRUE(Recorded().empty()) << action;
    EXPECT_EQ(Step(0).last_run, LAST_RUN_FAIL);
  }
  EXPECT_EQ(messages.All().size(), 3u) << "each applied its failure mode";
}

TEST_F(FlowTest, AnUndecidedConditionFollowsItsOwnFailureMode) {
  If("IF Window Exists", "Notepad").onfail = "Jump to Label";
  Step(0).onfail_value = "fallback";
  RecordText("body");
  If("END IF");
  Flow("Label", "fallback");
  RecordText("fallback");
  RunAndWait();
  EXPECT_EQ(Recorded(), std::vector<std::string>{"fallback"});
}

TEST_F(FlowTest, CapsLockAndClipboardConditions) {
  input.caps_lock = true;
  messages.SetClipboardText("Hello");
  If("IF Caps Lock is On");
  RecordText("caps");
  If("END IF");
  If("IF Clipboard Equals", "Hello");
  RecordText("same");
  If("END IF");
  If("IF Clipboard Equals", "hello");
  RecordText("case differs");
  If("END IF");
  RunAndWait();
  EXPECT_EQ(Recorded(), (std::vector<std::string>{"caps", "same"}));
}

TEST_F(FlowTest, FileAndFolderConditions) {
  test::TempFolder dir;
  std::ofstream(dir.File("there.txt")) << "x";
  If("IF File Exists", dir.File("there.txt"));
  RecordText("file");
  If("END IF");
  If("IF File Exists", dir.File("missing.txt"));
  RecordText("missing file");
  If("END IF");
  If("IF Folder Exists", dir.File(""));
  RecordText("folder");
  If("END IF");
  If("IF Folder Exists", dir.File("there.txt"));
  RecordText("file as folder");
  If("END IF");
  RunAndWait();
  EXPECT_EQ(Recorded(), (std::vector<std::string>{"file", "folder"}));
}

}  // namespace
}  // namespace zelo
