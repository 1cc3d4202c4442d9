#include "model/edit_commands.h"

#include <gtest/gtest.h>

#include "model/catalogue.h"
#include "model/new_step.h"
#include "model/testing/editing_fixture.h"
#include "model/undo.h"

namespace zelo {

class NewStepTest : public EditingTest {};

TEST_F(NewStepTest, GoesBeforeTheFirstSelectedRowOrAtTheEnd) {
  LoadComments(3);
  EXPECT_EQ(NewStep(ws, NextGroup(), {2, 1}, "Delay", CAT_WAIT, 47, InsertPlace::BySelection), 1);
  EXPECT_EQ(NewStep(ws, NextGroup(), {}, "Beep", CAT_WAIT, 47, InsertPlace::BySelection), 4);
  EXPECT_EQ(NewStep(ws, NextGroup(), {0}, "Last", CAT_WAIT, 47, InsertPlace::AtEnd), 5);
  EXPECT_EQ(slot().step_count, 6);
  EXPECT_EQ(step(1).action, "Delay");
  EXPECT_EQ(step(1).category, CAT_WAIT);
  EXPECT_EQ(step(1).icon, 47);
  EXPECT_EQ(step(1).text.block(), 260u);
  EXPECT_EQ(step(1).comment.block(), 260u);
}

TEST_F(NewStepTest, GoesAfterTheSelectedRowWithInsertNewStep) {
  LoadComments(3);
  WriteSettingNumber("SOFTWARE\\Zelomat\\InsertNewStep", 1);
  EXPECT_EQ(NewStep(ws, NextGroup(), {1}, "Delay", CAT_WAIT, 0, InsertPlace::BySelection), 2);
  EXPECT_EQ(NewStep(ws, NextGroup(), {3}, "Delay", CAT_WAIT, 0, InsertPlace::BySelection), 4);
  // No selection counts as row -1, so "after" it is the top.
  EXPECT_EQ(NewStep(ws, NextGroup(), {}, "Delay", CAT_WAIT, 0, InsertPlace::BySelection), 0);
}

TEST_F(NewStepTest, RefusesFoldersEmptyNamesAndFreeSlots) {
  EXPECT_EQ(NewStep(ws, 1, {}, "", CAT_WAIT, 0, InsertPlace::AtEnd), -1);
  EXPECT_EQ(NewStep(ws, 1, {}, "Wait", 100007, 0, InsertPlace::AtEnd), -1);
  EXPECT_EQ(NewStep(ws, 1, {}, "x", 0, 0, InsertPlace::AtEnd), -1);
  ws.current = 3;  // a free slot
  EXPECT_EQ(NewStep(ws, 1, {}, "Delay", CAT_WAIT, 0, InsertPlace::AtEnd), -1);
  ws.current = 0;
  EXPECT_EQ(slot().step_count, 0);
  EXPECT_TRUE(slot().undo.empty());
}

TEST_F(NewStepTest, TakesTheFailureModeOfNewSteps) {
  int i = NewStep(ws, 1, {}, "Delay", CAT_WAIT, 0, InsertPlace::AtEnd);
  EXPECT_EQ(step(i).onfail, "Display Error and Stop");
  EXPECT_EQ(step(i).onfail_value, "");

  WriteSetting("SOFTWARE\\Zelomat\\DefaultFailureMode", "Jump to Label");
  WriteSetting("SOFTWARE\\Zelomat\\DefaultFailureMode_Jump", std::string(100, 'L'));
  i = NewStep(ws, 2, {}, "Delay", CAT_WAIT, 0, InsertPlace::AtEnd);
  EXPECT_EQ(step(i).onfail, "Jump to Label");
  EXPECT_EQ(step(i).onfail_value, std::string(63, 'L'));

  WriteSetting("SOFTWARE\\Zelomat\\DefaultFailureMode", "");
  i = NewStep(ws, 3, {}, "Delay", CAT_WAIT, 0, InsertPlace::AtEnd);
  EXPECT_EQ(step(i).onfail, "Display Error and Stop");
}

TEST_F(NewStepTest, IsUndoneAsOneAddedStep) {
  LoadComments(2);
  NewStep(ws, 5, {1}, "Delay", CAT_WAIT, 0, InsertPlace::BySelection);
  EXPECT_EQ(seam.undo_text, "Undo Add Step\tCtrl+Z");
  EXPECT_EQ(UndoLastGroup(ws), 1);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"step 0", "step 1"}));
}

class MoveTest : public EditingTest {};

TEST_F(MoveTest, RefusesMoreThanOneRow) {
  LoadComments(3);
  EXPECT_FALSE(MoveStepDown(ws, NextGroup(), {0, 1}));
  ASSERT_NE(seam.LastMessage(), nullptr);
  EXPECT_EQ(seam.LastMessage()->text,
            "Only single rows can be moved.\n\nTo move multiple rows, first \"Cut\" them and then \"Paste\" them in "
            "the new location.");
  EXPECT_EQ(Texts(), (std::vector<std::string>{"step 0", "step 1", "step 2"}));
}

TEST_F(MoveTest, EndsDoNotMove) {
  LoadComments(3);
  EXPECT_FALSE(MoveStepUp(ws, NextGroup(), {0}));
  EXPECT_FALSE(MoveStepDown(ws, NextGroup(), {2}));
  EXPECT_FALSE(MoveStepDown(ws, NextGroup(), {}));
  EXPECT_TRUE(slot().undo.empty());
}

TEST_F(MoveTest, SwapsWithTheNeighbourAndTheSelectionFollows) {
  LoadComments(3);
  step(0).comment.Assign("first");
  ASSERT_TRUE(MoveStepDown(ws, NextGroup(), {0}));
  EXPECT_EQ(Texts(), (std::vector<std::string>{"step 1", "step 0", "step 2"}));
  EXPECT_EQ(step(1).comment, "first");
  EXPECT_EQ(seam.selection, std::vector<int>{1});
  ASSERT_TRUE(MoveStepUp(ws, NextGroup(), {2}));
  EXPECT_EQ(Texts(), (std::vector<std::string>{"step 1", "step 2", "step 0"}));
  EXPECT_EQ(seam.selection, std::vector<int>{1});
}

TEST_F(MoveTest, OneUndoRestoresBothRows) {
  LoadComments(3);
  MoveStepDown(ws, NextGroup(), {1});
  EXPECT_EQ(slot().undo.size(), 2u);
  EXPECT_EQ(slot().undo[0].group, slot().undo[1].group);
  EXPECT_EQ(UndoLastGroup(ws), 2);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"step 0", "step 1", "step 2"}));
  EXPECT_FALSE(slot().modified());
}

class IndentTest : public EditingTest {
 protected:
  static std::vector<int> Rows(int n) {
    std::vector<int> rows;
    for (int i = 0; i < n; ++i) rows.push_back(i);
    return rows;
  }
};

TEST_F(IndentTest, StaysWithinZeroToSixteen) {
  LoadComments(2);
  step(0).indents = 16;
  IndentSteps(ws, NextGroup(), {0, 1}, +1);
  EXPECT_EQ(step(0).indents, 16);
  EXPECT_EQ(step(1).indents, 1);
  IndentSteps(ws, NextGroup(), {0, 1}, -1);
  IndentSteps(ws, NextGroup(), {0, 1}, -1);
  EXPECT_EQ(step(0).indents, 14);
  EXPECT_EQ(step(1).indents, 0);
}

TEST_F(IndentTest, KeepsUndoOnlyBelowMaxUndo) {
  LoadComments(3);
  WriteSettingNumber("SOFTWARE\\Zelomat\\MaxUndo", 3);
  IndentSteps(ws, NextGroup(), {0, 1}, +1);
  EXPECT_EQ(slot().undo.size(), 2u);
  IndentSteps(ws, NextGroup(), {0, 1, 2}, +1);
  EXPECT_EQ(slot().undo.size(), 2u);
  EXPECT_EQ(step(2).indents, 1);
  // Undo brings back the rows as the first indent found them; the second
  // indent, which kept no records, is lost for rows 0 and 1 only.
  EXPECT_EQ(UndoLastGroup(ws), 2);
  EXPECT_EQ(step(0).indents, 0);
  EXPECT_EQ(step(2).indents, 1);
}

TEST_F(IndentTest, MissingMaxUndoMeansFiveHundred) {
  LoadComments(500);
  IndentSteps(ws, NextGroup(), Rows(499), +1);
  EXPECT_EQ(slot().undo.size(), 499u);
  IndentSteps(ws, NextGroup(), Rows(500), +1);
  EXPECT_EQ(slot().undo.size(), 499u);
}

TEST_F(IndentTest, IgnoresRowsThatAreNotSteps) {
  LoadComments(2);
  IndentSteps(ws, NextGroup(), {-1, 1, 1, 7}, +1);
  EXPECT_EQ(step(1).indents, 1);
  EXPECT_EQ(slot().undo.size(), 1u);
}

class DeleteTest : public EditingTest {};

TEST_F(DeleteTest, DeletesTheSelectedRowsWithUndo) {
  LoadComments(4);
  ASSERT_TRUE(DeleteSteps(ws, NextGroup(), {3, 1}));
  EXPECT_EQ(Texts(), (std::vector<std::string>{"step 0", "step 2"}));
  ASSERT_EQ(slot().undo.size(), 2u);
  EXPECT_EQ(slot().undo[0].index, 3);  // last to first
  EXPECT_EQ(slot().undo[1].index, 1);
  EXPECT_EQ(seam.undo_text, "Undo Delete Step\tCtrl+Z");
  EXPECT_EQ(seam.selection, std::vector<int>{1});
}

TEST_F(DeleteTest, ClearsThePropertySheetWhenTheScriptBecomesEmpty) {
  LoadComments(2);
  int clears = seam.property_sheet_clears;
  DeleteSteps(ws, NextGroup(), {0, 1});
  EXPECT_EQ(slot().step_count, 0);
  EXPECT_TRUE(slot().steps.empty());
  EXPECT_EQ(seam.property_sheet_clears, clears + 1);
}

TEST_F(DeleteTest, AsksBeforeDeletingMoreThanUndoCanHold) {
  LoadComments(3);
  WriteSettingNumber("SOFTWARE\\Zelomat\\MaxUndo", 2);
  seam.Answer(MessageAnswer::No);
  EXPECT_FALSE(DeleteSteps(ws, NextGroup(), {0, 1}));
  ASSERT_EQ(seam.messages.size(), 1u);
  EXPECT_EQ(seam.messages[0].text,
            "Insufficient space in the Undo buffer to save this action.  This action cannot be undone.\n\nTo increase "
            "the buffer size, change the \"Maximum Undo Steps\" setting in Tools - Options.\n\nDo you want to "
            "continue?");
  EXPECT_EQ(seam.messages[0].caption, "Zelomat");
  EXPECT_EQ(seam.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(slot().step_count, 3);

  seam.Answer(MessageAnswer::Yes);
  EXPECT_TRUE(DeleteSteps(ws, NextGroup(), {0, 1}));
  EXPECT_EQ(Texts(), std::vector<std::string>{"step 2"});
  EXPECT_TRUE(slot().undo.empty());
  EXPECT_TRUE(slot().modified());
}

TEST_F(DeleteTest, NothingSelectedDoesNothing) {
  LoadComments(1);
  EXPECT_FALSE(DeleteSteps(ws, NextGroup(), {}));
  EXPECT_FALSE(DeleteSteps(ws, NextGroup(), {5}));
  EXPECT_EQ(slot().step_count, 1);
}

}  // namespace zelo
