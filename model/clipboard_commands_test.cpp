#include "model/clipboard_commands.h"

#include <gtest/gtest.h>

#include "model/catalogue.h"
#include "model/script_file.h"
#include "model/testing/editing_fixture.h"
#include "model/undo.h"

namespace zelo {

class ClipboardTest : public EditingTest {
 protected:
  std::string WholeScriptXml() {
    std::string xml;
    WriteStepsXml(ws, nullptr, false, 0, xml);
    return xml;
  }
};

TEST_F(ClipboardTest, CopyReportsHowManyStepsWentToTheClipboard) {
  LoadComments(3);
  EXPECT_EQ(CopySteps(ws, {1}), 1);
  EXPECT_EQ(seam.status, "Copied 1 XML record to the clipboard");
  EXPECT_NE(seam.clipboard.find("step 1"), std::string::npos);
  EXPECT_EQ(seam.clipboard.find("step 0"), std::string::npos);
  EXPECT_EQ(CopySteps(ws, {2, 0}), 2);
  EXPECT_EQ(seam.status, "Copied 2 XML records to the clipboard");
  EXPECT_FALSE(slot().modified());
}

TEST_F(ClipboardTest, CutDeletesOnlyWhatReachedTheClipboard) {
  LoadComments(3);
  seam.clipboard_fails = true;
  EXPECT_FALSE(CutSteps(ws, NextGroup(), {1}));
  EXPECT_EQ(slot().step_count, 3);
  seam.clipboard_fails = false;
  EXPECT_TRUE(CutSteps(ws, NextGroup(), {1}));
  EXPECT_EQ(Texts(), (std::vector<std::string>{"step 0", "step 2"}));
  EXPECT_EQ(UndoLastGroup(ws), 1);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"step 0", "step 1", "step 2"}));
}

TEST_F(ClipboardTest, PasteGoesBeforeTheFirstSelectedRowOrAtTheEnd) {
  LoadComments(3);
  CopySteps(ws, {0, 1});
  EXPECT_EQ(PasteSteps(ws, NextGroup(), {2}), 2);
  EXPECT_EQ(seam.status, "Pasted 2 XML records from the clipboard");
  EXPECT_EQ(Texts(), (std::vector<std::string>{"step 0", "step 1", "step 0", "step 1", "step 2"}));
  EXPECT_EQ(seam.selection, (std::vector<int>{2, 3}));
  CopySteps(ws, {4});
  EXPECT_EQ(PasteSteps(ws, NextGroup(), {}), 1);
  EXPECT_EQ(seam.status, "Pasted 1 XML record from the clipboard");
  EXPECT_EQ(Texts().back(), "step 2");
  EXPECT_EQ(seam.selection, std::vector<int>{5});
  EXPECT_GE(seam.CountCalls("status: Pasting records from XML format..."), 2);
}

TEST_F(ClipboardTest, StepsKeepTheirFieldsThroughTheClipboard) {
  AddSteps({"Wait for Window to Appear"});
  step(0).status = STEP_SKIP | STEP_BOOKMARK;
  step(0).indents = 3;
  step(0).text.Assign("Untitled - Notepad");
  step(0).comment.Assign("wait <for> \"it\" & go");
  step(0).value(2) = "v2";
  step(0).onfail = "Jump to Label";
  step(0).onfail_value = "retry";
  CopySteps(ws, {0});
  PasteSteps(ws, NextGroup(), {});
  ASSERT_EQ(slot().step_count, 2);
  const StepRecord& a = step(0);
  const StepRecord& b = step(1);
  EXPECT_EQ(b.action, a.action);
  EXPECT_EQ(b.category, CAT_WAIT);
  EXPECT_EQ(b.status, a.status);
  EXPECT_EQ(b.indents, 3);
  EXPECT_EQ(b.text, a.text.view());
  EXPECT_EQ(b.comment, a.comment.view());
  EXPECT_EQ(b.options, a.options);
  EXPECT_EQ(b.timeout, a.timeout);
  EXPECT_EQ(b.value(2), "v2");
  EXPECT_EQ(b.onfail, "Jump to Label");
  EXPECT_EQ(b.onfail_value, "retry");
}

TEST_F(ClipboardTest, UndoAfterPasteRestoresTheScriptExactly) {
  LoadComments(4);
  step(3).status = STEP_BREAKPOINT;
  step(2).indents = 2;
  const std::string before = WholeScriptXml();
  CopySteps(ws, {1, 3});
  const uint32_t g = NextGroup();
  ASSERT_EQ(PasteSteps(ws, g, {1}), 2);
  EXPECT_EQ(slot().step_count, 6);
  EXPECT_EQ(seam.undo_text, "Undo\tCtrl+Z");
  EXPECT_EQ(UndoCommand(ws), 4);  // one snapshot record per step that was there
  EXPECT_EQ(WholeScriptXml(), before);
  EXPECT_EQ(slot().step_count, 4);
  EXPECT_FALSE(slot().modified());
}

TEST_F(ClipboardTest, PasteIntoAnEmptyScriptCanBeUndone) {
  LoadComments(2);
  CopySteps(ws, {0, 1});
  NewScript(ws);  // replaces nothing: the first script has steps
  ASSERT_EQ(ws.current, 1);
  ASSERT_EQ(PasteSteps(ws, NextGroup(), {}), 2);
  EXPECT_TRUE(slot().modified());
  EXPECT_EQ(UndoCommand(ws), 2);
  EXPECT_EQ(slot().step_count, 0);
  EXPECT_FALSE(slot().modified());
}

TEST_F(ClipboardTest, PasteWithoutStepsBeepsAndLeavesTheScriptUnchanged) {
  LoadComments(2);
  seam.clipboard = "just some text";
  EXPECT_EQ(PasteSteps(ws, NextGroup(), {0}), 0);
  EXPECT_EQ(seam.beeps, 1);
  EXPECT_EQ(seam.status, "No compatible XML record are in the clipboard");
  EXPECT_EQ(slot().step_count, 2);
  EXPECT_TRUE(slot().undo.empty());
  EXPECT_FALSE(slot().modified());
  EXPECT_EQ(seam.title, "(Untitled) - Zelomat");
}

}  // namespace zelo
