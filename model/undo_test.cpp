#include "model/undo.h"

#include <gtest/gtest.h>

#include "model/edit_commands.h"
#include "model/testing/editing_fixture.h"

namespace zelo {

class UndoTest : public EditingTest {};

TEST_F(UndoTest, FirstRecordMarksTheScriptModified) {
  EXPECT_EQ(seam.title, "(Untitled) - Zelomat");
  ASSERT_TRUE(PushUndo(ws, 1, 0, UNDO_ADD));
  EXPECT_TRUE(slot().modified());
  EXPECT_EQ(seam.title, "* (Untitled) - Zelomat");
  EXPECT_EQ(seam.tabs, std::vector<std::string>{"* (Untitled)"});
  EXPECT_TRUE(seam.undo_enabled);
  EXPECT_EQ(seam.undo_text, "Undo Add Step\tCtrl+Z");
}

TEST_F(UndoTest, RecordsOtherThanAddNeedAnExistingStep) {
  LoadComments(2);
  EXPECT_FALSE(PushUndo(ws, 1, 2, UNDO_MODIFY));
  EXPECT_FALSE(PushUndo(ws, 1, -1, UNDO_DELETE));
  EXPECT_FALSE(PushUndo(ws, 1, 0, static_cast<UndoKind>(9)));
  EXPECT_TRUE(slot().undo.empty());
  EXPECT_TRUE(PushUndo(ws, 1, 1, UNDO_SNAPSHOT));
}

TEST_F(UndoTest, MenuTextFollowsTheKindOfTheLastRecord) {
  LoadComments(1);
  PushUndo(ws, 1, 0, UNDO_MODIFY);
  EXPECT_EQ(seam.undo_text, "Undo Modify Step\tCtrl+Z");
  PushUndo(ws, 2, 0, UNDO_DELETE);
  EXPECT_EQ(seam.undo_text, "Undo Delete Step\tCtrl+Z");
  PushUndo(ws, 3, 0, UNDO_SNAPSHOT);
  EXPECT_EQ(seam.undo_text, "Undo\tCtrl+Z");
  PushUndo(ws, 4, 0, UNDO_ADD);
  EXPECT_EQ(seam.undo_text, "Undo Add Step\tCtrl+Z");
  UndoCommand(ws);
  EXPECT_EQ(seam.undo_text, "Undo\tCtrl+Z");
}

TEST_F(UndoTest, EmptyBufferReportsUndoNotAvailable) {
  EXPECT_EQ(UndoCommand(ws), 0);
  EXPECT_EQ(seam.status, "Undo not available");
}

TEST_F(UndoTest, UndoOfAnAddedStepRemovesItAndTheModifiedMarker) {
  AddSteps({"Delay"});
  EXPECT_EQ(UndoCommand(ws), 1);
  EXPECT_EQ(seam.status, "Undo performed for 1 step(s)");
  EXPECT_EQ(slot().step_count, 0);
  EXPECT_TRUE(slot().steps.empty());
  EXPECT_FALSE(slot().modified());
  EXPECT_EQ(seam.title, "(Untitled) - Zelomat");
  EXPECT_EQ(seam.tabs[0], "(Untitled)");
  EXPECT_FALSE(seam.undo_enabled);
  EXPECT_GE(seam.property_sheet_clears, 1);
}

TEST_F(UndoTest, OnlyTheLastGroupIsUndone) {
  LoadComments(3);
  PushUndo(ws, 7, 0, UNDO_MODIFY);
  step(0).indents = 1;
  PushUndo(ws, 8, 1, UNDO_MODIFY);
  PushUndo(ws, 8, 2, UNDO_MODIFY);
  step(1).indents = 2;
  step(2).indents = 3;
  EXPECT_EQ(UndoLastGroup(ws), 2);
  EXPECT_EQ(step(0).indents, 1);
  EXPECT_EQ(step(1).indents, 0);
  EXPECT_EQ(step(2).indents, 0);
  EXPECT_TRUE(slot().modified());  // group 7 is still there
  EXPECT_EQ(seam.title, "* (Untitled) - Zelomat");
  EXPECT_EQ(UndoLastGroup(ws), 1);
  EXPECT_EQ(step(0).indents, 0);
  EXPECT_FALSE(slot().modified());
}

TEST_F(UndoTest, ModifyRestoresTextsSavedAtThePush) {
  LoadComments(1);
  step(0).comment.Assign("before");
  PushUndo(ws, 1, 0, UNDO_MODIFY);
  step(0).comment.Assign(std::string(600, 'x'));
  step(0).text.Assign("changed");
  step(0).action = "Delay";
  UndoLastGroup(ws);
  EXPECT_EQ(step(0).comment, "before");
  EXPECT_EQ(step(0).text, "step 0");
  EXPECT_EQ(step(0).action, "Comment");
}

TEST_F(UndoTest, SavedTextBlocksAreAtLeast256Bytes) {
  LoadComments(1);
  step(0).comment.Free();  // a record without a comment block
  PushUndo(ws, 1, 0, UNDO_MODIFY);
  EXPECT_EQ(slot().undo.back().step.comment.block(), 256u);
  EXPECT_EQ(slot().undo.back().step.text.block(), 260u);  // the step's own block is larger
}

TEST_F(UndoTest, UndoOfDeletesPutsEveryStepBackInPlace) {
  LoadComments(5);
  ASSERT_TRUE(DeleteSteps(ws, NextGroup(), {0, 2, 4}));
  EXPECT_EQ(Texts(), (std::vector<std::string>{"step 1", "step 3"}));
  EXPECT_EQ(UndoLastGroup(ws), 3);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"step 0", "step 1", "step 2", "step 3", "step 4"}));
  // Deleted last to first, so undone first to last: the last index is 4.
  EXPECT_EQ(seam.selection, std::vector<int>{4});
}

TEST_F(UndoTest, SelectionAfterUndoIsClampedToTheSteps) {
  LoadComments(3);
  AddSteps({"Delay"});  // index 3
  UndoLastGroup(ws);
  EXPECT_EQ(seam.selection, std::vector<int>{2});
}

TEST_F(UndoTest, SnapshotUndoRebuildsTheWholeScript) {
  LoadComments(4);
  step(1).status = STEP_SKIP;
  const uint32_t g = NextGroup();
  for (int i = slot().step_count - 1; i >= 0; --i) PushUndo(ws, g, i, UNDO_SNAPSHOT);
  // Whatever happens to the steps afterwards...
  DeleteStep(slot(), 0);
  InsertSteps(slot(), 1, 3, true);
  slot().step_count += 3;
  step(0).text.Assign("edited");
  EXPECT_EQ(UndoLastGroup(ws), 4);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"step 0", "step 1", "step 2", "step 3"}));
  EXPECT_EQ(slot().capacity(), 4);
  EXPECT_EQ(step(1).status, STEP_SKIP);
  EXPECT_FALSE(slot().modified());
}

TEST_F(UndoTest, ClearingTheBufferClearsTheMarkerUntilTheNextEdit) {
  AddSteps({"Delay"});
  ClearUndo(ws, ws.current);  // as after a save
  EXPECT_FALSE(slot().modified());
  EXPECT_EQ(seam.title, "(Untitled) - Zelomat");
  EXPECT_FALSE(seam.undo_enabled);
  IndentSteps(ws, NextGroup(), {0}, +1);
  EXPECT_EQ(seam.title, "* (Untitled) - Zelomat");
  EXPECT_EQ(seam.tabs[0], "* (Untitled)");
}

TEST_F(UndoTest, ChangesBeyondTheUndoLimitStillMarkTheScriptModified) {
  LoadComments(3);
  WriteSettingNumber("SOFTWARE\\Zelomat\\MaxUndo", 2);
  IndentSteps(ws, NextGroup(), {0, 1, 2}, +1);
  EXPECT_TRUE(slot().undo.empty());
  EXPECT_TRUE(slot().modified());
  EXPECT_EQ(seam.title, "* (Untitled) - Zelomat");
  EXPECT_FALSE(seam.undo_enabled);
  ClearUndo(ws, ws.current);
  EXPECT_FALSE(slot().modified());
}

}  // namespace zelo
