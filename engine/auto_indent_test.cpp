#include "engine/auto_indent.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/run_test_doubles.h"
#include "model/undo.h"

namespace zelo {
namespace {

class AutoIndentTest : public ::testing::Test {
 protected:
  AutoIndentTest() : ws(&messages) { ws.slots[0].file_name = kUntitled; }

  void Add(const char* action, uint32_t status = 0) {
    ScriptSlot& s = ws.slots[0];
    StepRecord step;
    step.action = action;
    step.status = status;
    step.indents = 9;
    s.steps.push_back(step);
    s.step_count = static_cast<int32_t>(s.steps.size());
  }
  std::vector<int> Indents() {
    std::vector<int> v;
    for (const StepRecord& s : ws.slots[0].steps) v.push_back(s.indents);
    return v;
  }

  test::RecordingMessages messages;
  Workspace ws;
};

TEST_F(AutoIndentTest, IndentsBlocksAndReportsACleanScript) {
  for (const char* a : {"Start 'For' Loop", "IF Expression", "Type", "ELSE", "Type", "END IF", "NEXT LOOP", "Type"})
    Add(a);
  const BlockCheck check = AutoIndentAndValidate(ws, 1);
  EXPECT_TRUE(check.ok());
  EXPECT_EQ(Indents(), (std::vector<int>{0, 1, 2, 1, 2, 1, 0, 0}));
  EXPECT_EQ(BlockCheckText(check), "Validation of 8 step(s) complete - 0 errors found");
  EXPECT_TRUE(messages.All().empty());
}

TEST_F(AutoIndentTest, OneIfWithoutEndIfIsReportedWithIs) {
  Add("IF Expression");
  Add("Type");
  const BlockCheck check = AutoIndentAndValidate(ws, 1);
  ASSERT_EQ(messages.All().size(), 1u);
  EXPECT_EQ(messages.All()[0].text, "There is 1 'IF' without a matching 'END IF'");
  EXPECT_EQ(messages.All()[0].caption, "Zelomat Error");
  EXPECT_EQ(check.if_depth, 1);
}

TEST_F(AutoIndentTest, ReportsEndsWithoutStartsAndLoopsAfterIfs) {
  BlockCheck c;
  c.if_depth = -2;
  EXPECT_EQ(BlockCheckText(c), "There are 2 'END IF' without a matching 'IF'");
  c.if_depth = 0;
  c.loop_depth = 3;
  EXPECT_EQ(BlockCheckText(c), "There are 3 'START LOOP' without a matching 'NEXT LOOP'");
  c.loop_depth = -1;
  EXPECT_EQ(BlockCheckText(c), "There is 1 'NEXT LOOP' without a matching 'START LOOP'");
  c.if_depth = 1;
  EXPECT_EQ(BlockCheckText(c), "There is 1 'IF' without a matching 'END IF'") << "IFs are reported first";
}

TEST_F(AutoIndentTest, SkippedStepsAreIndentedButOpenNoBlock) {
  Add("IF Expression");
  Add("END IF", STEP_SKIP);
  Add("END IF");
  const BlockCheck check = AutoIndentAndValidate(ws, 1);
  EXPECT_TRUE(check.ok());
  EXPECT_EQ(Indents(), (std::vector<int>{0, 1, 0}));
}

TEST_F(AutoIndentTest, IndentsStayWithinZeroAndSixteen) {
  Add("END IF");
  for (int i = 0; i < 20; ++i) Add("IF Expression");
  Add("ELSE");
  IndentBlocks(ws.slots[0]);
  EXPECT_EQ(ws.slots[0].steps[0].indents, 0);
  EXPECT_EQ(ws.slots[0].steps.back().indents, 16);
}

TEST_F(AutoIndentTest, OneUndoPutsEveryIndentBack) {
  Add("IF Expression");
  Add("Type");
  Add("END IF");
  AutoIndentAndValidate(ws, 7);
  EXPECT_EQ(UndoLastGroup(ws), 3);
  EXPECT_EQ(Indents(), (std::vector<int>{9, 9, 9}));
}

}  // namespace
}  // namespace zelo
