#include "ui/dialogs/find_steps.h"

#include <gtest/gtest.h>

#include "model/testing/editing_fixture.h"

namespace zelo {

class FindStepsTest : public EditingTest {
 protected:
  // Every row found by repeated finds from `from`, as Find Next / Previous
  // pressed again and again would select them.
  std::vector<int> AllFinds(std::string_view text, SearchDirection direction, int from) {
    std::vector<int> rows;
    for (int row = from;;) {
      row = FindInScript(ws, text, direction, row < 0 ? std::vector<int>{} : std::vector<int>{row});
      if (row < 0) return rows;
      EXPECT_EQ(seam.selection, std::vector<int>{row});
      rows.push_back(row);
    }
  }
};

TEST_F(FindStepsTest, SearchesEachStepFieldButNotTheOthersAndStopsAtTheEnd) {
  LoadComments(9);
  step(1).action = "NeedleAction";
  step(2).text.Assign("a NEEDLE in the text");
  step(3).comment.Assign("line\r\nneedle");
  step(4).onfail = "Needle mode";
  step(5).onfail_value = "needle label";
  step(6).output_value = "needle_var";
  step(7).options = "needle";  // options and values are not searched
  step(7).value(1) = "needle";
  step(8).output = "needle";

  EXPECT_EQ(AllFinds("needle", SearchDirection::Down, -1), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  ASSERT_FALSE(seam.messages.empty());
  EXPECT_EQ(seam.messages.back().text, "Cannot find \"needle\" while searching down");
  // Upwards from the last step: the same rows in reverse, then the start.
  EXPECT_EQ(AllFinds("needle", SearchDirection::Up, 8), (std::vector<int>{6, 5, 4, 3, 2, 1}));
  EXPECT_EQ(seam.messages.back().text, "Cannot find \"needle\" while searching up");
}

TEST_F(FindStepsTest, TheSelectedRowsOwnMatchIsPassedAndNothingWraps) {
  LoadComments(5);  // texts "step 0" .. "step 4"
  EXPECT_EQ(FindInScript(ws, "STEP", SearchDirection::Down, {2}), 3);
  EXPECT_EQ(FindInScript(ws, "step 2", SearchDirection::Down, {2}), -1);  // only the selected row holds it
  EXPECT_EQ(FindInScript(ws, "step 4", SearchDirection::Up, {4}), -1);
  EXPECT_EQ(FindInScript(ws, "step 0", SearchDirection::Up, {3, 1}), 0);  // from the first selected row
  // A selection left past the end counts as none.
  EXPECT_EQ(FindInScript(ws, "step", SearchDirection::Up, {17}), 4);
  EXPECT_EQ(FindInScript(ws, "step", SearchDirection::Down, {17}), 0);
}

TEST_F(FindStepsTest, FindTextIsCutTo64Characters) {
  LoadComments(2);
  const std::string long_text(64, 'x');
  step(1).comment.Assign(long_text);
  EXPECT_EQ(FindInScript(ws, long_text + "yyyy", SearchDirection::Down, {}), 1);
  EXPECT_EQ(FindInScript(ws, "z" + long_text, SearchDirection::Down, {}), -1);
  EXPECT_EQ(seam.messages.back().text, "Cannot find \"z" + long_text.substr(0, 63) + "\" while searching down");

  StoreFindText(long_text + "yyyy");
  EXPECT_EQ(StoredFindText(), long_text);
  // The start-up default of the setting is a number, which is no find text.
  WriteSettingNumber(setting::kFind, 0);
  EXPECT_EQ(StoredFindText(), "");
}

TEST_F(FindStepsTest, AnEmptyScriptIsReportedAndNothingIsSelected) {
  seam.selection = {7};
  EXPECT_EQ(FindInScript(ws, "x", SearchDirection::Down, {0}), -1);
  EXPECT_EQ(GoToStep(ws, "1"), -1);
  ASSERT_EQ(seam.messages.size(), 2u);
  EXPECT_EQ(seam.messages[0].text, kEmptyScriptMessage);
  EXPECT_EQ(seam.messages[1].text, kEmptyScriptMessage);
  EXPECT_EQ(seam.selection, std::vector<int>{7});
}

TEST_F(FindStepsTest, GoToStepClampsToTheScriptAndIgnoresNonNumbers) {
  LoadComments(5);
  EXPECT_EQ(GoToStep(ws, "3"), 2);
  EXPECT_EQ(seam.selection, std::vector<int>{2});
  EXPECT_EQ(GoToStep(ws, " 0 "), 0);
  EXPECT_EQ(GoToStep(ws, "-4"), 0);
  EXPECT_EQ(GoToStep(ws, "6"), 4);
  EXPECT_EQ(GoToStep(ws, "99999999999999999999999"), 4);
  EXPECT_EQ(GoToStep(ws, "-99999999999999999999999"), 0);

  for (const char* junk : {"", "abc", "2x", "1.5", "-"}) {
    seam.selection = {1};
    EXPECT_EQ(GoToStep(ws, junk), -1) << junk;
    EXPECT_EQ(seam.selection, std::vector<int>{1}) << junk;
  }
  EXPECT_EQ(seam.beeps, 5);
}

}  // namespace zelo
