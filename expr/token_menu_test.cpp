#include "expr/token_menu.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "expr/testing/expansion_fixture.h"

namespace zelo {
namespace {

using ::testing::ElementsAre;

using TokenMenuTest = ExpansionTest;

TEST_F(TokenMenuTest, EveryTokenOfTheSubmenusExpandsToSomethingElse) {
  // A token the menu offers must be one that expansion knows.
  ASSERT_EQ(TokenSubmenus().size(), 3u);
  for (const TokenSubmenu& menu : TokenSubmenus()) {
    for (const TokenMenuEntry& e : TokenMenuEntries(menu.entries)) {
      if (e.separator) continue;
      ASSERT_FALSE(e.label.empty()) << e.token;
      if (e.token.find("_loop") != std::string::npos) continue;  // loop variables exist only in loops
      EXPECT_NE(Expand(e.token), e.token) << menu.title << ": " << e.token;
    }
  }
}

TEST(TokenMenu, EntriesSplitIntoTokenLabelAndSeparators) {
  const auto entries = TokenMenuEntries("%n\tNewline (LF)|-|%dddd, %mmmm %dd\tTypical");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].token, "%n");
  EXPECT_EQ(entries[0].label, "Newline (LF)");
  EXPECT_TRUE(entries[1].separator);
  EXPECT_EQ(entries[2].token, "%dddd, %mmmm %dd");
}

TEST(TokenMenu, TheTypicalDateEntryInsertsTheWholePattern) {
  bool found = false;
  for (const TokenMenuEntry& e : TokenMenuEntries(TokenSubmenus()[1].entries))
    if (e.label == "Typical Date/Time Entry") {
      EXPECT_EQ(e.token, "%dddd, %mmmm %dd, %yyyy at %hh:%ii %a");
      found = true;
    }
  EXPECT_TRUE(found);
}

TEST(TokenMenu, EnvironmentEntries) {
  EXPECT_THAT(EnvironmentMenuEntries({"PATH", "X", "TEMP"}), ElementsAre("%PATH%", "%TEMP%"));
  std::vector<std::string> many(60, "NAME");
  EXPECT_EQ(EnvironmentMenuEntries(many).size(), kMaxVariableMenuEntries);
}

TEST(TokenMenu, UserVariableEntriesComeFromOutputValuesWithPercent) {
  ScriptSlot slot;
  slot.steps.resize(5);
  slot.step_count = 5;
  slot.steps[0].output_value = "%total";
  slot.steps[1].output_value = "plain";  // no "%": not listed
  slot.steps[2].output_value = " %b %a\r\n";
  slot.steps[3].output_value = "%total";
  slot.steps[4].output_value = "%";
  EXPECT_THAT(UserVariableMenuEntries(slot), ElementsAre("%a", "%b", "%total"));
  ScriptSlot empty;
  EXPECT_TRUE(UserVariableMenuEntries(empty).empty());
}

}  // namespace
}  // namespace zelo
