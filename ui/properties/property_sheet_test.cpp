#include <gtest/gtest.h>

#include <string>

#include "actions/screen/screen_color.h"
#include "actions/windows/find_window.h"
#include "actions/windows/testing/fake_desktop.h"
#include "model/catalogue.h"
#include "model/testing/editing_fixture.h"
#include "ui/properties/picked_values.h"
#include "ui/properties/property_edit.h"
#include "ui/properties/property_rows.h"

namespace zelo {
namespace {

StepRecord StepOf(const char* action) {
  StepRecord s;
  s.action = action;
  s.category = FindCatalogueEntry(action)->category;
  return s;
}

const PropertyRow* RowFor(const PropertySheet& sheet, int field, std::string_view word = {}) {
  for (const PropertyRow& r : sheet.rows)
    if (r.field == field && (word.empty() || r.word == word)) return &r;
  return nullptr;
}

bool HasOptionBoxes(const PropertySheet& sheet) {
  for (const PropertyRow& r : sheet.rows)
    if (r.kind == KIND_CHECK && r.field == FIELD_OPTIONS) return true;
  return false;
}

// Every action of the catalogue gets a sheet a palette can draw and edit:
// within the row limit, closed by the end row, linked to its category's
// help, and every row bound to a field its editor can store.
TEST(PropertyRows, EveryActionGetsAWellFormedSheet) {
  std::size_t count = 0;
  const CatalogueEntry* entries = CatalogueEntries(&count);
  for (std::size_t i = 0; i < count; ++i) {
    const StepRecord step = StepOf(entries[i].name);
    const PropertySheet sheet = BuildPropertyRows(step, "C:\\ZelomatLog.txt");
    SCOPED_TRACE(entries[i].name);
    ASSERT_FALSE(sheet.rows.empty());
    EXPECT_LE(sheet.rows.size(), static_cast<std::size_t>(kMaxPropertyRows));
    EXPECT_EQ(sheet.rows.back().kind, KIND_END);
    EXPECT_STREQ(sheet.help_topic, FindCategory(step.category)->help_topic);
    for (std::size_t r = 0; r + 1 < sheet.rows.size(); ++r) {
      const PropertyRow& row = sheet.rows[r];
      EXPECT_NE(row.kind, KIND_END);
      EXPECT_TRUE(row.field >= FIELD_TEXT && row.field <= FIELD_ONFAIL_LOG && row.field != 18) << row.label.c_str();
      if (row.field == FIELD_OPTIONS) {
        EXPECT_TRUE(row.kind == KIND_CHECK && !row.word.empty()) << row.label.c_str();
      }
      if (row.kind == KIND_LIST) {
        EXPECT_TRUE(!row.word.empty() || (row.tools & (TOOL_DATA_SOURCES | TOOL_SERVICES))) << row.label.c_str();
      }
      EXPECT_TRUE(!row.label.empty() || r > 0);  // an unlabelled row continues the one before it
    }
  }
  EXPECT_TRUE(BuildPropertyRows(StepRecord{}, "").rows.empty());  // no category: nothing to show
}

TEST(PropertyRows, RowsFollowWhatEachActionReads) {
  // Ending a process has no start options.
  const PropertySheet kill = BuildPropertyRows(StepOf("Kill Process"), "");
  EXPECT_TRUE(RowFor(kill, FIELD_TEXT));
  EXPECT_FALSE(HasOptionBoxes(kill));
  EXPECT_FALSE(RowFor(kill, FIELD_OUTPUT));
  // A started program can save its result and offers "Wait Forever" on its time-out.
  const PropertySheet start = BuildPropertyRows(StepOf("Start"), "");
  ASSERT_TRUE(RowFor(start, FIELD_OPTIONS, "Hidden"));
  EXPECT_EQ(RowFor(start, FIELD_TIMEOUT)->word, "Wait Forever");
  const PropertyRow* save = RowFor(start, FIELD_OUTPUT);
  ASSERT_TRUE(save);
  EXPECT_EQ(&save[1], RowFor(start, FIELD_OUTPUT_VALUE));  // its unlabelled second line
  // Moving a window reads its position from value1 and value2.
  const PropertySheet move = BuildPropertyRows(StepOf("Move Window"), "");
  EXPECT_EQ(RowFor(move, ValueField(1))->label, "Move To X (Left)");
  EXPECT_EQ(RowFor(move, ValueField(2))->label, "Move To Y (Top)");
  EXPECT_FALSE(RowFor(move, FIELD_OUTPUT));
  EXPECT_TRUE(RowFor(BuildPropertyRows(StepOf("Get Text"), ""), FIELD_OUTPUT));
  // Mail passwords are masked; database lists come from the computer.
  EXPECT_EQ(RowFor(BuildPropertyRows(StepOf("Check Email: POP3"), ""), ValueField(2))->kind, KIND_PASSWORD);
  EXPECT_TRUE(RowFor(BuildPropertyRows(StepOf("Execute SQL Query"), ""), ValueField(1))->tools & TOOL_DATA_SOURCES);
  // Image searches offer capture and preview; pixel searches the dropper.
  EXPECT_EQ(RowFor(BuildPropertyRows(StepOf("Click on Image"), ""), FIELD_TEXT)->tools & TOOL_IMAGE_FILE,
            static_cast<uint32_t>(TOOL_IMAGE_FILE));
  EXPECT_TRUE(RowFor(BuildPropertyRows(StepOf("Wait for Pixel"), ""), FIELD_TEXT)->tools & TOOL_DROPPER);
  // The variable actions name their variable in the output value, without a
  // second "Save Output To".
  const PropertySheet set_var = BuildPropertyRows(StepOf("Create/Set Variable"), "");
  EXPECT_EQ(RowFor(set_var, FIELD_OUTPUT_VALUE)->label, "Variable Name");
  EXPECT_FALSE(RowFor(set_var, FIELD_OUTPUT));
}

TEST(PropertyRows, IfAndCommentStepsHaveNoFailureHandling) {
  for (const char* action : {"IF Window Exists", "END IF", "Comment"}) {
    SCOPED_TRACE(action);
    StepRecord step = StepOf(action);
    const PropertySheet sheet = BuildPropertyRows(step, "");
    EXPECT_FALSE(RowFor(sheet, FIELD_ONFAIL) || RowFor(sheet, FIELD_ONFAIL_VALUE) || RowFor(sheet, FIELD_ONFAIL_LOG));
    EXPECT_TRUE(RowFor(sheet, FIELD_COMMENT));
    step.onfail = "Jump to Label";
    step.onfail_value = "end";
    step.onfail_log = 1;
    EXPECT_TRUE(ClearFailureFields(step));
    EXPECT_TRUE(step.onfail.empty() && step.onfail_value.empty() && !step.onfail_log && !step.onfail_image);
    EXPECT_FALSE(ClearFailureFields(step));  // already clear: nothing to report
  }
  // A comment shows its text and its comment, nothing else.
  const PropertySheet comment = BuildPropertyRows(StepOf("Comment"), "");
  ASSERT_EQ(comment.rows.size(), 3u);
  EXPECT_EQ(comment.rows[0].field, FIELD_TEXT);
  // Other steps name the log file in the help of their failure rows.
  const PropertySheet type = BuildPropertyRows(StepOf("Type"), "D:\\run.log");
  EXPECT_NE(std::string(RowFor(type, FIELD_ONFAIL_LOG)->help.view()).find("D:\\run.log"), std::string::npos);
}

TEST(OptionWords, SwitchingOnAppendsAndOffRemovesOnlyThatWord) {
  EXPECT_EQ(WithOptionWord("Single", "Hidden", true), "Single,Hidden");
  EXPECT_EQ(WithOptionWord("", "Hidden", true), "Hidden");
  EXPECT_EQ(WithOptionWord("single,HIDDEN", "Hidden", true), "single,HIDDEN");  // already on
  EXPECT_EQ(WithOptionWord("Single,Hidden", "Hidden", false), "Single");
  EXPECT_EQ(WithOptionWord("hidden,Wait For Exit", "Hidden", false), "Wait For Exit");
  EXPECT_EQ(WithOptionWord("Class, ID, Userdata", "ID", false), "Class, Userdata");
  EXPECT_EQ(WithOptionWord("Class, ID, Userdata", "Class", false), "ID, Userdata");
  EXPECT_EQ(WithOptionWord("Hidden", "Hidden", false), "");
  // A word inside another item still switches the box on; off takes it out
  // of that item and leaves the rest.
  EXPECT_EQ(WithOptionWord("Title,Run Hidden Now", "Hidden", false), "Title,Run  Now");
  EXPECT_FALSE(OptionWordOn(WithOptionWord("Hidden,x,hidden", "hidden", false), "Hidden"));
}

class PropertyEditing : public EditingTest {
 protected:
  PropertySheet Sheet(int i) { return BuildPropertyRows(step(i), ""); }
  StepPropertyEditor editor{ws};
};

TEST_F(PropertyEditing, AnEditIsOneUndoGroupAndMarksTheScript) {
  AddSteps({"Type"});
  ClearUndo(ws, ws.current);
  const int refreshes = seam.refreshes;
  const PropertyRow text = *RowFor(Sheet(0), FIELD_TEXT);
  EXPECT_EQ(editor.ApplyText(0, text, "hello{enter}", NextGroup()), EditOutcome::Changed);
  EXPECT_EQ(step(0).text, "hello{enter}");
  EXPECT_TRUE(slot().modified());
  EXPECT_GT(seam.refreshes, refreshes);
  // The same value again is no edit and leaves nothing to undo.
  EXPECT_EQ(editor.ApplyText(0, text, "hello{enter}", NextGroup()), EditOutcome::Unchanged);
  EXPECT_EQ(UndoLastGroup(ws), 1);
  EXPECT_EQ(step(0).text, "");
  EXPECT_FALSE(slot().modified());
}

TEST_F(PropertyEditing, CheckBoxesStoreTheirWordOrANumber) {
  AddSteps({"Start"});
  const PropertySheet sheet = Sheet(0);
  const PropertyRow hidden = *RowFor(sheet, FIELD_OPTIONS, "Hidden");
  ASSERT_EQ(step(0).options, "Single");
  editor.ApplyCheck(0, hidden, true, NextGroup());
  EXPECT_EQ(step(0).options, "Single,Hidden");
  EXPECT_TRUE(RowChecked(step(0), hidden));
  editor.ApplyCheck(0, hidden, false, NextGroup());
  EXPECT_EQ(step(0).options, "Single");
  EXPECT_EQ(UndoLastGroup(ws), 1);  // one group per switch
  EXPECT_EQ(step(0).options, "Single,Hidden");

  const PropertyRow shot = *RowFor(sheet, FIELD_ONFAIL_IMAGE);
  editor.ApplyCheck(0, shot, true, NextGroup());
  EXPECT_EQ(step(0).onfail_image, 1);
  editor.ApplyCheck(0, shot, false, NextGroup());
  EXPECT_EQ(step(0).onfail_image, 0);

  // A word that no longer fits the options is refused, not stored cut.
  step(0).options = std::string(255, 'x');
  EXPECT_EQ(editor.ApplyCheck(0, hidden, true, NextGroup()), EditOutcome::Refused);
  EXPECT_EQ(step(0).options.size(), 255u);
}

TEST_F(PropertyEditing, AlternativesStoreWhatTheActionReadsForThem) {
  AddSteps({"Start", "Write/Create File", "Wait for Keypress"});
  const PropertyRow forever = *RowFor(Sheet(0), FIELD_TIMEOUT);
  step(0).timeout = "30";
  // Without "Wait For Exit" the program is not waited for: no "Wait Forever".
  EXPECT_EQ(editor.ApplyAlternative(0, forever, true, NextGroup()), EditOutcome::Refused);
  step(0).options = "Single,Wait For Exit";
  EXPECT_FALSE(AlternativeChecked(step(0), forever));
  editor.ApplyAlternative(0, forever, true, NextGroup());
  EXPECT_EQ(step(0).timeout, "0");  // no time limit
  EXPECT_TRUE(AlternativeChecked(step(0), forever));
  step(0).timeout.clear();
  EXPECT_TRUE(AlternativeChecked(step(0), forever));  // empty is no limit too

  const PropertyRow append = *RowFor(Sheet(1), ValueField(2));
  editor.ApplyAlternative(1, append, true, NextGroup());
  EXPECT_EQ(step(1).value(2), "-1");
  EXPECT_TRUE(AlternativeChecked(step(1), append));
  step(1).value(2) = "0";
  EXPECT_FALSE(AlternativeChecked(step(1), append));

  const PropertyRow any_key = *RowFor(Sheet(2), FIELD_TEXT);
  ASSERT_EQ(step(2).text, "{Esc}");
  editor.ApplyAlternative(2, any_key, true, NextGroup());
  EXPECT_EQ(step(2).text, "");
  // Switching an alternative off leaves the field for the user to type.
  EXPECT_EQ(editor.ApplyAlternative(2, any_key, false, NextGroup()), EditOutcome::Unchanged);
}

TEST_F(PropertyEditing, LongValuesAreCutToTheirFieldAndListsSetTheirField) {
  AddSteps({"Start"});
  const PropertySheet sheet = Sheet(0);
  const std::string paste(100000, 'p');
  editor.ApplyText(0, *RowFor(sheet, FIELD_TEXT), paste, NextGroup());
  EXPECT_EQ(step(0).text.size(), paste.size());  // the program line is unbounded
  editor.ApplyText(0, *RowFor(sheet, FIELD_TIMEOUT), paste, NextGroup());
  EXPECT_EQ(step(0).timeout.size(), 259u);
  editor.ApplyText(0, *RowFor(sheet, FIELD_ONFAIL), paste, NextGroup());
  EXPECT_EQ(step(0).onfail.size(), 63u);
  editor.ApplyText(0, *RowFor(sheet, FIELD_ONFAIL), "Jump to Label", NextGroup());
  editor.ApplyText(0, *RowFor(sheet, FIELD_ONFAIL_VALUE), "retry", NextGroup());
  editor.ApplyText(0, *RowFor(sheet, FIELD_OUTPUT), "Variable", NextGroup());
  EXPECT_EQ(step(0).onfail, "Jump to Label");
  EXPECT_EQ(step(0).onfail_value, "retry");
  EXPECT_EQ(step(0).output, "Variable");
  // A check-box row cannot be given a text.
  EXPECT_EQ(editor.ApplyText(0, *RowFor(sheet, FIELD_OPTIONS, "Hidden"), "Hidden", NextGroup()), EditOutcome::Refused);
}

TEST_F(PropertyEditing, PasswordsAreEditedInTheClearAndKeptScrambled) {
  AddSteps({"FTP Download"});
  const PropertyRow password = *RowFor(Sheet(0), ValueField(2));
  ASSERT_EQ(password.kind, KIND_PASSWORD);
  editor.ApplyText(0, password, "xyz-ABC9", NextGroup());
  EXPECT_EQ(step(0).value(2), "abc-DEF9");
  EXPECT_EQ(EditorText(step(0), password), "xyz-ABC9");
}

TEST_F(PropertyEditing, NothingChangesWhileARunIsActiveOrPastTheSteps) {
  AddSteps({"Type"});
  ClearUndo(ws, ws.current);
  const PropertySheet sheet = Sheet(0);
  editor.SetRunning(true);
  EXPECT_EQ(editor.ApplyText(0, *RowFor(sheet, FIELD_TEXT), "x", NextGroup()), EditOutcome::Refused);
  EXPECT_EQ(editor.ApplyCheck(0, *RowFor(sheet, FIELD_ONFAIL_LOG), true, NextGroup()), EditOutcome::Refused);
  EXPECT_EQ(step(0).text, "");
  EXPECT_FALSE(slot().modified());
  editor.SetRunning(false);
  EXPECT_EQ(editor.ApplyText(1, *RowFor(sheet, FIELD_TEXT), "x", NextGroup()), EditOutcome::Refused);
  EXPECT_EQ(editor.ApplyText(-1, *RowFor(sheet, FIELD_TEXT), "x", NextGroup()), EditOutcome::Refused);
}

// What the picking tools write is read back by the actions to the same
// window and the same colour.
TEST(PickedValues, TheActionsFindWhatWasPicked) {
  test::FakeWindowTree tree;
  tree.Top(1, "Other");
  tree.Top(2, "Report | Draft");
  tree.Child(3, 2, "OK", "Button", 1001).user_data = 77;
  tree.Child(4, 2, "Cancel", "Button", 1002);
  for (const char* options : {"Title", "Class, ID", "Class, ID, Userdata", "Handle", ""}) {
    SCOPED_TRACE(options);
    const WindowHandle picked = std::string_view(options) == "Title" || !*options ? 2 : 3;
    const std::string spec = DescribeWindowForSpec(tree, picked, options);
    uint32_t flags = SearchFlagsFromOptions(options);
    if (!flags) flags = SEARCH_TITLE;
    EXPECT_EQ(FindWindowBySpec(tree, 0, flags, spec, WindowQualifier::Any).window, picked) << spec;
  }
  EXPECT_EQ(DescribeWindowForSpec(tree, 3, "Class, ID"), "Button|1001");
  for (uint32_t colorref : {0x000000u, 0x0000FFu, 0x123456u, 0xFFFFFFu}) EXPECT_EQ(ParseColor(PickedColorText(colorref)), colorref);
  EXPECT_EQ(PickedPointText(-5, 1024), "-5, 1024");
}

}  // namespace
}  // namespace zelo
