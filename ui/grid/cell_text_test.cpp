#include "ui/grid/cell_text.h"

#include <gtest/gtest.h>

#include "model/catalogue.h"

namespace zelo {
namespace {

StepRecord Step(const char* action, int category, const char* text = "") {
  StepRecord s;
  s.action = action;
  s.category = category;
  s.text.Assign(text);
  return s;
}

TEST(GridCells, IndentGoesToTheActionAlwaysAndToOtherColumnsOnlyWhenAsked) {
  StepRecord s = Step("Type", 3, "hi");
  s.indents = 2;
  s.timeout = "5";
  GridLook look{3, false};
  EXPECT_EQ(CellText(s, 9, COL_STEP, look), "  10");
  EXPECT_EQ(CellText(s, 9, COL_ACTION, look), "      Type");
  EXPECT_EQ(CellText(s, 9, COL_TIMEOUT, look), "5");
  look.indent_all_columns = true;
  EXPECT_EQ(CellText(s, 9, COL_STEP, look), "        10");
  EXPECT_EQ(CellText(s, 9, COL_TEXT, look), "      hi");
  EXPECT_EQ(CellText(s, 9, COL_COMMENT, look), "") << "an empty comment stays empty";
  // Out-of-range indents and sizes are held to 16 and 31.
  s.indents = 99;
  look.indent_size = 500;
  EXPECT_EQ(CellText(s, 0, COL_ACTION, look), std::string(kCellMax, ' '));
}

TEST(GridCells, CommandTextOfVariablesMouseAndControlCharacters) {
  StepRecord set = Step("Set Variable", CAT_SYSTEM, "1+2");
  set.output_value = "%x%";
  EXPECT_EQ(CellText(set, 0, COL_TEXT, {}), "%x% = 1+2");
  StepRecord inc = Step("Increment Variable", CAT_SYSTEM, "ignored");
  inc.output_value = "n";
  EXPECT_EQ(CellText(inc, 0, COL_TEXT, {}), "n++");
  inc.action = "Decrement Variable";
  EXPECT_EQ(CellText(inc, 0, COL_TEXT, {}), "n--");
  inc.output_value = "";
  EXPECT_EQ(CellText(inc, 0, COL_TEXT, {}), "ignored") << "without an output value the text shows";

  StepRecord file = Step("Copy File", CAT_FILES);
  file.value(1) = "C:\\a.txt";
  EXPECT_EQ(CellText(file, 0, COL_TEXT, {}), "C:\\a.txt");
  StepRecord other = Step("Type", 3);
  other.value(1) = "x";
  EXPECT_EQ(CellText(other, 0, COL_TEXT, {}), "");

  StepRecord lines = Step("Type", 3, "a\r\nb\tc");
  lines.comment.Assign("one\r\ntwo\tthree");
  EXPECT_EQ(CellText(lines, 0, COL_TEXT, {}), "a  b c");
  EXPECT_EQ(CellText(lines, 0, COL_COMMENT, {}), "one  two\tthree");
}

TEST(GridCells, AHundredThousandCharacterFieldIsCut) {
  StepRecord s = Step("Type", 3, "");
  s.text.Assign(std::string(100000, 'x'));
  s.comment.Assign(std::string(100000, '\n'));
  EXPECT_EQ(CellText(s, 0, COL_TEXT, {}), std::string(kCellMax, 'x'));
  EXPECT_EQ(CellText(s, 0, COL_COMMENT, {}), std::string(kCellMax, ' '));
}

TEST(GridRows, MarksAndColoursFollowTheirPrecedence) {
  StepRecord s = Step("Comment", 1);
  GridColourSettings c;
  EXPECT_EQ(RowMarkOf(s), RowMark::None);
  EXPECT_EQ(RowColoursOf(s, 0, c).fill, c.comment_fill);
  EXPECT_TRUE(RowColoursOf(s, 0, c).italic);
  s.status = STEP_BOOKMARK | STEP_BREAKPOINT;
  EXPECT_EQ(RowMarkOf(s), RowMark::Breakpoint);
  EXPECT_EQ(RowColoursOf(s, 0, c).fill, c.break_fill);
  s.status |= STEP_SKIP;
  EXPECT_EQ(RowMarkOf(s), RowMark::Skip);
  EXPECT_EQ(RowColoursOf(s, 0, c).text, c.skip_text);

  StepRecord label = Step("Label", 13, "retry");
  c.grid_style = 1;
  EXPECT_EQ(RowColoursOf(label, 3, c).text, c.label_text);
  EXPECT_EQ(RowColoursOf(label, 3, c).fill, c.alt_fill);
  EXPECT_EQ(RowColoursOf(label, 2, c).fill, kDefaultColour);
}

}  // namespace
}  // namespace zelo
