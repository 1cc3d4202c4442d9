// The menu steps: which item a path names, the keys of the keyboard method,
// the popup menu's lines, and the handler over a made-up menu and keyboard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "actions/action_handlers.h"
#include "actions/menu/menu_actions.h"
#include "actions/menu/menu_path.h"
#include "actions/menu/menu_platform.h"
#include "actions/windows/testing/fake_desktop.h"
#include "actions/windows/window_lookup.h"
#include "engine/run_test_fixture.h"

namespace zelo {
namespace {

MenuNode Item(std::string text, uint32_t command) {
  MenuNode n;
  n.text = std::move(text);
  n.command = command;
  return n;
}
MenuNode Sub(std::string text, std::vector<MenuNode> items) {
  MenuNode n;
  n.text = std::move(text);
  n.submenu = true;
  n.items = std::move(items);
  return n;
}

MenuNode EditorBar() {
  MenuNode bar;
  bar.items = {Sub("&File", {Item("&New\tCtrl+N", 100), Item("&Open...\tCtrl+O", 101),
                             Sub("&Recent", {Item("&1 notes.txt", 110)}), Item("E&xit", 102)}),
               Sub("&Edit", {Item("&Undo\tCtrl+Z", 200), Item("Select &All", 201)})};
  return bar;
}

uint32_t Command(const MenuNode& bar, std::string_view text) {
  uint32_t command = 0;
  return FindMenuCommand(bar, MenuPathWanted(text), &command) ? command : 0;
}

// The keys pressed, as "Alt+F O " text: "+" after a modifier.
std::string Keys(const KeySequence& keys) {
  std::string out;
  for (const KeyEvent& e : keys.events) {
    if (e.up) continue;
    if (e.code == 0x12) {
      out += "Alt+";
    } else if (e.code == 0x10) {
      out += "Shift+";
    } else if (e.code == 0x20) {
      out += "Space ";
    } else {
      out += static_cast<char>(e.code);
      out += ' ';
    }
  }
  return out;
}

TEST(MenuPaths, ItemsAndPathsMatchByPrefixWithOrWithoutAmpersands) {
  const MenuNode bar = EditorBar();
  EXPECT_EQ(Command(bar, "&File;&Open"), 101u) << "\"...\" and the accelerator are not compared";
  EXPECT_EQ(Command(bar, "file, open"), 101u) << "\", \" separates parts too";
  EXPECT_EQ(Command(bar, "Open\tCtrl+O"), 101u) << "the item's text alone; the step's tab ends it";
  EXPECT_EQ(Command(bar, "File;Recent;1"), 110u) << "nested";
  EXPECT_EQ(Command(bar, "Select All"), 201u);
  EXPECT_EQ(Command(bar, "&File; &Open"), 0u) << "the blank after \";\" is compared";
  EXPECT_EQ(Command(bar, "E"), 102u) << "the first command depth first: E&xit before &Edit's items";
  EXPECT_EQ(Command(bar, ""), 0u);
}

TEST(MenuPaths, TwentyLevelsDeepAreReadNoFurtherThanSixteen) {
  MenuNode bar;
  MenuNode* at = &bar;
  for (int level = 0; level < 20; ++level) {
    at->items.push_back(Sub("L" + std::to_string(level), {}));
    at = &at->items.back();
  }
  at->items.push_back(Item("Deep", 7));
  EXPECT_EQ(Command(bar, "Deep"), 0u);
}

TEST(MenuKeys, EachPartGivesItsAccessKeyTheFirstWithAlt) {
  KeySequence keys;
  EXPECT_TRUE(MenuKeySequence(MenuPathWanted("&File; &Open"), &keys));
  EXPECT_EQ(Keys(keys), "Alt+F O ");
  EXPECT_TRUE(MenuKeySequence(MenuPathWanted("edit, select &all"), &keys));
  EXPECT_EQ(Keys(keys), "Alt+E A ") << "no \"&\": the first character, upper-cased";
  EXPECT_FALSE(MenuKeySequence(MenuPathWanted("File;"), &keys)) << "the last part gives no key";
}

TEST(PopupLines, SeparatorsCountAsLines) {
  const std::vector<PopupLine> lines = PopupMenuLines("A\r\n---\r\n  B\r\n\r\n_x");
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[2].text, "B");
  EXPECT_TRUE(lines[1].separator && lines[3].separator && lines[4].separator);
}

TEST(SystemMenuWords, TestedInOrder) {
  EXPECT_EQ(SystemMenuWord("Ma&ximize"), SystemMenuCommand::Maximize);
  EXPECT_EQ(SystemMenuWord("Minimize and maximize"), SystemMenuCommand::Maximize);
  EXPECT_EQ(SystemMenuWord("&Restore"), SystemMenuCommand::Restore);
  EXPECT_EQ(SystemMenuWord("&Help"), SystemMenuCommand::None);
}

class MenuKeySender : public KeySender {
 public:
  bool Send(const KeyEvent* events, std::size_t count) override {
    for (std::size_t i = 0; i < count; ++i) sequence.events.push_back(events[i]);
    return true;
  }
  void Pause(int32_t) override {}
  KeySequence sequence;
};

class FakeMenus : public MenuPlatform {
 public:
  bool ReadMenuBar(WindowHandle, MenuNode* out) override {
    *out = bar;
    return true;
  }
  void PostCommand(WindowHandle window, uint32_t command) override {
    calls.push_back("command " + std::to_string(window) + " " + std::to_string(command));
  }
  bool HasSystemMenu(WindowHandle) override { return true; }
  void SystemCommand(WindowHandle window, SystemMenuCommand c) override {
    calls.push_back("system " + std::to_string(window) + " " + std::to_string(static_cast<int>(c)));
  }
  int ChoosePopupLine(const std::vector<PopupLine>& lines) override { return choice; }
  KeySender* Keys() override { return &keys; }
  void Sleep(uint32_t) override {}

  MenuNode bar = EditorBar();
  int choice = 0;
  MenuKeySender keys;
  std::vector<std::string> calls;
};

class MenuStepTest : public test::HandlerRunTest {
 protected:
  MenuStepTest() : platform(desk) {
    UseWindowTree(&desk);
    UseWindowPlatform(&platform);
    UseMenuPlatform(&menus);
    SetCurrentWindow(0);
    platform.foreground = 10;
    desk.Top(10, "Editor");
    services.expand = [](std::string_view field, int, int) { return std::string(field); };
    services.save = &Save;
    InstallActionHandlers(engine.handlers(), services);
  }
  ~MenuStepTest() override {
    UseWindowTree(nullptr);
    UseWindowPlatform(nullptr);
    UseMenuPlatform(nullptr);
  }
  StepRecord& Menu(std::string_view action, std::string_view text) {
    StepRecord& step = AddStep(action, CAT_MENU);
    step.text.Assign(text);
    return step;
  }
  test::FakeWindowTree desk;
  test::FakeWindowPlatform platform;
  FakeMenus menus;
  ActionServices services;
};

TEST_F(MenuStepTest, TheBarIsSearchedFirstThenTheKeyboard) {
  Menu("Select Menu Item", "File, Open");
  Menu("Select Menu Item", "&File; &Open");
  RunAndWait();
  EXPECT_TRUE(errors().empty());
  EXPECT_EQ(menus.calls, std::vector<std::string>{"command 10 101"}) << "the foreground window became current";
  EXPECT_EQ(CurrentWindow(), 10u);
  EXPECT_EQ(Keys(menus.keys.sequence), "Alt+F O ");
}

TEST_F(MenuStepTest, AKeyboardMethodWithoutKeysFails) {
  Menu("Select Menu Item", "Nothing;");
  RunAndWait();
  EXPECT_EQ(errors(), std::vector<std::string>{"Unable to find menu 'Nothing;'"});
}

TEST_F(MenuStepTest, ThePopupReturnsTheChosenLine) {
  menus.choice = 3;
  Menu("Show Popup Menu", "A\r\n---\r\nB");
  RunAndWait();
  EXPECT_EQ(saved(), std::vector<std::string>{"0:B"});
  menus.choice = 0;
  RunAndWait();
  EXPECT_EQ(errors(), std::vector<std::string>{""}) << "nothing chosen fails without a text";
}

TEST_F(MenuStepTest, TheSystemMenuTakesWordsOrItsAccessKey) {
  Menu("Select System Menu", "Ma&ximize");
  Menu("Select System Menu", "&Help");
  RunAndWait();
  EXPECT_TRUE(errors().empty());
  EXPECT_EQ(menus.calls, std::vector<std::string>{"system 10 0"});
  EXPECT_EQ(Keys(menus.keys.sequence), "Alt+Space Shift+H ") << "Alt+Space, then the character after \"&\"";
}

}  // namespace
}  // namespace zelo
