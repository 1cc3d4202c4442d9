#include "ui/palettes/variable_rows.h"

#include <gtest/gtest.h>

#include "expr/variable_store.h"
#include "model/test_support.h"

namespace zelo {

TEST(VariableRows, ListsEveryStoredVariableSortedWithLongValuesCut) {
  ScopedTestSettings settings;
  const std::string key = kUserVariablesKey;
  WriteVariable(key, "zeta", std::string(kMaxShownVariableValue, 'a'));
  WriteVariable(key, "Alpha", std::string(kMaxShownVariableValue + 1, 'b'));
  WriteSettingNumber(key + "\\hwnd_loop", 4242);  // loops store handles as numbers
  WriteVariable(key, "empty", "");

  const std::vector<VariableRow> rows = StoredVariableRows();
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].name, "Alpha");
  EXPECT_EQ(rows[0].value, std::string(kMaxShownVariableValue, 'b') + "...");
  EXPECT_EQ(rows[1].name, "empty");
  EXPECT_EQ(rows[1].value, "");
  EXPECT_EQ(rows[2].name, "hwnd_loop");
  EXPECT_EQ(rows[2].value, "4242");
  EXPECT_EQ(rows[3].value, std::string(kMaxShownVariableValue, 'a'));  // exactly the limit stays whole
}

}  // namespace zelo
