#include "ui/commands/command_table.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace zelo {
namespace {

TEST(CommandTable, EveryMenuAndKeyCommandHasAHandlerAndAnIdOfItsOwn) {
  std::size_t n = 0;
  const CommandSpec* table = CommandTable(&n);
  std::set<int> ids;
  for (std::size_t i = 0; i < n; ++i) {
    EXPECT_TRUE(ids.insert(table[i].id).second) << "id used twice: " << table[i].id;
    if (table[i].text || table[i].key.key || table[i].tooltip) {
      EXPECT_NE(table[i].handler, nullptr) << (table[i].text ? table[i].text : "?");
    }
    if (table[i].text) {
      EXPECT_NE(table[i].menu, MenuId::None) << table[i].text;
    }
  }
  EXPECT_EQ(FindCommandSpec(-5), nullptr);
}

// A key bound twice would run whichever row the system meets first, and a
// menu that shows another key than the one bound lies to the user.
TEST(CommandTable, AcceleratorsDoNotClashAndMatchTheKeysTheMenusShow) {
  std::size_t n = 0;
  const CommandSpec* table = CommandTable(&n);
  std::set<std::pair<int, int>> keys;
  for (std::size_t i = 0; i < n; ++i) {
    const CommandSpec& c = table[i];
    if (c.key.key) {
      EXPECT_TRUE(keys.insert({c.key.key, c.key.modifiers}).second) << AcceleratorText(c.key);
    }
    if (!c.text || c.dynamic) continue;
    EXPECT_EQ(MenuKeyText(c.text), AcceleratorText(c.key)) << c.text;
  }
}

TEST(CommandTable, ToolbarPlacesRunFromOneWithoutGapsAndEachHasItsTooltip) {
  std::size_t n = 0;
  const CommandSpec* table = CommandTable(&n);
  std::set<int> places;
  for (std::size_t i = 0; i < n; ++i) {
    if (!table[i].toolbar_order) continue;
    EXPECT_NE(table[i].tooltip, nullptr);
    EXPECT_TRUE(places.insert(table[i].toolbar_order).second);
  }
  ASSERT_FALSE(places.empty());
  EXPECT_EQ(*places.begin(), 1);
  EXPECT_EQ(*places.rbegin(), static_cast<int>(places.size()));
}

TEST(CommandTable, NamesAndShortcutTextReadAsProse) {
  EXPECT_EQ(PlainCommandName("Display All &Windows && Controls"), "Display All Windows & Controls");
  EXPECT_EQ(PlainCommandName("Save &As..."), "Save As");
  const std::string text = KeyboardShortcutsText();
  EXPECT_NE(text.find("Shift+F3\tFind Previous\r\n"), std::string::npos);
  EXPECT_NE(text.find("Alt+Left\tUn-Indent\r\n"), std::string::npos);
  EXPECT_EQ(text.find("Pause"), std::string::npos) << "the hidden second stage of Pause is no user shortcut";
  EXPECT_EQ(WindowMenuText(3, "a&b.zxm"), "&3 a&&b.zxm\tCtrl+3");
  EXPECT_EQ(RecentFileMenuText(1, "C:\\x&y.zxm"), "&1 C:\\x&&y.zxm");
}

TEST(CommandTable, TextEditingKeysStayWithTextBoxes) {
  EXPECT_TRUE(IsTextEditingKey({VKEY_DELETE, 0}));
  EXPECT_TRUE(IsTextEditingKey({'Z', KEY_CTRL}));
  EXPECT_TRUE(IsTextEditingKey({VKEY_LEFT, KEY_ALT}));
  EXPECT_FALSE(IsTextEditingKey({'S', KEY_CTRL}));
  EXPECT_FALSE(IsTextEditingKey({VKEY_F1 + 4, 0}));
  EXPECT_FALSE(IsTextEditingKey({VKEY_DELETE, KEY_SHIFT}));
}

}  // namespace
}  // namespace zelo
