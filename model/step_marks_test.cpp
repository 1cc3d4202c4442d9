#include "model/step_marks.h"

#include <gtest/gtest.h>

#include "model/testing/editing_fixture.h"
#include "model/undo.h"

namespace zelo {

class StepMarksTest : public EditingTest {};

TEST_F(StepMarksTest, SkipAndBreakpointExcludeEachOther) {
  LoadComments(2);
  ToggleBreakpoint(ws, NextGroup(), {0});
  EXPECT_EQ(step(0).status, STEP_BREAKPOINT);
  ToggleSkip(ws, NextGroup(), {0});
  EXPECT_EQ(step(0).status, STEP_SKIP);
  ToggleBreakpoint(ws, NextGroup(), {0});
  EXPECT_EQ(step(0).status, STEP_BREAKPOINT);
  ToggleBreakpoint(ws, NextGroup(), {0});
  EXPECT_EQ(step(0).status, 0u);
}

TEST_F(StepMarksTest, TogglingKeepsTheBookmarkAndWorksPerStep) {
  LoadComments(2);
  step(0).status = STEP_BOOKMARK | STEP_SKIP;
  ToggleSkip(ws, NextGroup(), {0, 1});
  EXPECT_EQ(step(0).status, STEP_BOOKMARK);
  EXPECT_EQ(step(1).status, STEP_SKIP);
}

TEST_F(StepMarksTest, SkipIsUndoneAsOneCommand) {
  LoadComments(3);
  ToggleSkip(ws, NextGroup(), {0, 2});
  EXPECT_EQ(seam.undo_text, "Undo Modify Step\tCtrl+Z");
  EXPECT_EQ(UndoLastGroup(ws), 2);
  EXPECT_EQ(step(0).status, 0u);
  EXPECT_EQ(step(2).status, 0u);
}

TEST_F(StepMarksTest, BreakpointBeyondMaxUndoHasNoUndo) {
  LoadComments(2);
  WriteSettingNumber("SOFTWARE\\Zelomat\\MaxUndo", 1);
  ToggleBreakpoint(ws, NextGroup(), {0});
  EXPECT_TRUE(slot().undo.empty());
  EXPECT_EQ(step(0).status, STEP_BREAKPOINT);
}

TEST_F(StepMarksTest, RemoveAllRecordsOnlyTheChangedSteps) {
  LoadComments(4);
  step(1).status = STEP_SKIP;
  step(3).status = STEP_SKIP | STEP_BOOKMARK;
  step(2).status = STEP_BREAKPOINT;
  EXPECT_EQ(RemoveAllSkips(ws, NextGroup()), 2);
  EXPECT_EQ(slot().undo.size(), 2u);
  EXPECT_EQ(step(3).status, STEP_BOOKMARK);
  EXPECT_EQ(step(2).status, STEP_BREAKPOINT);
  EXPECT_EQ(RemoveAllBreakpoints(ws, NextGroup()), 1);
  EXPECT_EQ(RemoveAllBreakpoints(ws, NextGroup()), 0);
  EXPECT_EQ(UndoLastGroup(ws), 1);
  EXPECT_EQ(step(2).status, STEP_BREAKPOINT);
}

TEST_F(StepMarksTest, BookmarksHaveNoUndo) {
  LoadComments(3);
  ToggleBookmark(ws, {2, 1});
  EXPECT_EQ(step(1).status, STEP_BOOKMARK);
  EXPECT_EQ(step(2).status, 0u);
  ToggleBookmark(ws, {1});
  EXPECT_EQ(step(1).status, 0u);
  EXPECT_TRUE(slot().undo.empty());
}

TEST_F(StepMarksTest, GotoNextBookmarkWrapsAndBeepsWhenThereIsNone) {
  LoadComments(5);
  EXPECT_EQ(GotoNextBookmark(ws, {0}), -1);
  EXPECT_EQ(seam.beeps, 1);

  step(1).status = STEP_BOOKMARK;
  step(3).status = STEP_BOOKMARK;
  EXPECT_EQ(GotoNextBookmark(ws, {1}), 3);
  EXPECT_EQ(seam.selection, std::vector<int>{3});
  EXPECT_EQ(GotoNextBookmark(ws, {3}), 1);  // wraps to the top
  EXPECT_EQ(GotoNextBookmark(ws, {}), 1);   // nothing selected: from the first step
  step(3).status = 0;
  EXPECT_EQ(GotoNextBookmark(ws, {1}), 1);  // the only one is the selected step itself
  EXPECT_EQ(seam.beeps, 1);

  RemoveAllBookmarks(ws);
  EXPECT_EQ(step(1).status, 0u);
  EXPECT_EQ(GotoNextBookmark(ws, {1}), -1);
  EXPECT_EQ(seam.beeps, 2);
}

}  // namespace zelo
