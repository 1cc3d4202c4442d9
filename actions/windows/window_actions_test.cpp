// The "Windows/Controls" steps and the window conditions in a run over a
// made-up desktop: lookup failures and their texts, the several-matches
// setting, CurrentWindow, and what each action does to the window found.
#include "actions/windows/window_actions.h"

#include <gtest/gtest.h>

#include <fstream>

#include "actions/action_handlers.h"
#include "actions/conditions/if_actions.h"
#include "actions/screen/screen_test_support.h"
#include "actions/shared/file_routines.h"
#include "actions/windows/testing/fake_desktop.h"
#include "actions/windows/window_lookup.h"
#include "engine/run_test_fixture.h"
#include "settings/setting_names.h"

namespace zelo {
namespace {

using test::FakeWindowPlatform;
using test::FakeWindowTree;

class WindowStepTest : public test::HandlerRunTest {
 protected:
  WindowStepTest() : platform(desk) {
    UseWindowTree(&desk);
    UseWindowPlatform(&platform);
    SetProgramMainWindow(1);
    SetCurrentWindow(0);
    desk.Top(1, "Zelomat").class_name = "Zelomat";
    desk.Top(10, "Untitled - Notepad");
    desk.Child(11, 10, "&Save", "Button", 1001);
    desk.Child(12, 10, "Remember", "Button", 1002);
    services.expand = [](std::string_view field, int, int) { return std::string(field); };
    services.save = &Save;
    InstallActionHandlers(engine.handlers(), services);
    WriteSettingNumber(setting::kMultipleWindowError, 1);
  }
  ~WindowStepTest() override {
    UseWindowTree(nullptr);
    UseWindowPlatform(nullptr);
    SetProgramMainWindow(0);
  }
  StepRecord& Window(std::string_view action, std::string_view text, std::string_view options = "Title") {
    StepRecord& step = AddStep(action, CAT_WINDOWS);
    step.text.Assign(text);
    step.options = options;
    return step;
  }
  StepRecord& If(std::string_view action, std::string_view text) {
    StepRecord& step = AddStep(action, CAT_IF);
    step.text.Assign(text);
    return step;
  }

  FakeWindowTree desk;
  FakeWindowPlatform platform;
  ActionServices services;
};

TEST_F(WindowStepTest, LookupFailuresSayWhatWasMissing) {
  Window("Activate", "");
  Window("Activate", "WordPad");
  Window("Frobnicate", "Notepad");
  RunAndWait();
  EXPECT_EQ(errors(), (std::vector<std::string>{"Missing window information", "Unable to find window 'WordPad'",
                                                "Window 'Notepad'found, but invalid action specified"}));
}

TEST_F(WindowStepTest, SeveralTopLevelMatchesFailOnlyWhileTheSettingIsOn) {
  desk.Top(20, "Notepad - second");
  Window("Activate", "Notepad");
  RunAndWait();
  EXPECT_EQ(errors(), std::vector<std::string>{"There are 2 top-level windows that match the search criteria"});
  EXPECT_EQ(CurrentWindow(), 0u) << "a failed step leaves no current window";
  errors().clear();
  WriteSettingNumber(setting::kMultipleWindowError, 0);
  RunAndWait();
  EXPECT_TRUE(errors().empty());
  EXPECT_EQ(platform.calls, std::vector<std::string>{"activate 20"}) << "the later window";
  EXPECT_EQ(CurrentWindow(), 20u);
}

TEST_F(WindowStepTest, ActionsGetTheirFieldsAndTheWindowFound) {
  Window("Move Window", "Notepad").value(1) = "1";
  Step(0).value(2) = "1";
  Window("Resize", "Notepad").value(1) = "640";
  Step(1).value(2) = "480";
  Window("Set Window Style", "Notepad").value(1) = "Always on Top";
  Window("Get Text", "Button|1001", "Class, ID, Userdata");  // user data stays: the field is empty
  Window("Get Text", "Button|1001", "Class,ID");
  Window("Press Button/Control", "Save");
  RunAndWait();
  EXPECT_EQ(errors(), std::vector<std::string>{"Unable to find window 'Button|1001'"});
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"move 10 0,0", "resize 10 639,479",
                                                      "style 10 Always on Top", "press 11"}));
  EXPECT_EQ(saved(), std::vector<std::string>{"4:full:&Save"});
  EXPECT_EQ(CurrentWindow(), 1011u) << "the control that took the press";
}

// The system names a group box at the image's corner; later siblings that
// hold the corner and are smaller than the best so far replace it.
TEST_F(WindowStepTest, AnImageNamesTheSmallestVisibleWindowUnderItsCorner) {
  test::FakeScreen screen(200, 100, 0x101010);
  for (int32_t x = 60; x < 80; ++x)
    for (int32_t y = 40; y < 50; ++y) screen.at(x, y) = static_cast<uint32_t>(x * 3 + y);
  test::TempFolder folder;
  const std::string shown = folder.File("shown.bmp"), absent = folder.File("absent.bmp");
  std::ofstream(shown, std::ios::binary) << test::BmpFile(test::CutImage(screen, 60, 40, 20, 10));
  std::ofstream(absent, std::ios::binary) << test::BmpFile(BitmapPixels{1, 1, {0xABCDEF}});
  services.screen = &screen;
  services.resolve_path = [](std::string_view name, std::string* out, std::string_view) {
    *out = std::string(name);
    return FileExists(*out);
  };
  InstallActionHandlers(engine.handlers(), services);
  const std::pair<WindowHandle, WindowBox> windows[] = {
      {40, {50, 30, 150, 90}},  // the group box the system names
      {41, {0, 0, 200, 100}},   // larger
      {42, {58, 38, 70, 50}},   // smaller, hidden
      {43, {55, 35, 100, 60}},  // smaller: replaces the group box
      {44, {0, 0, 10, 10}},     // smaller, elsewhere
      {45, {59, 39, 90, 55}},   // smaller than 43: replaces it
      {46, {56, 36, 95, 58}},   // smaller than the group box, not than 45
  };
  for (const auto& [handle, box] : windows) {
    desk.Child(handle, 10, "control " + std::to_string(handle)).framed = handle != 42;
    platform.boxes[handle] = box;
  }
  platform.window_at = 40;
  Window("Move Window", absent, "Image");
  Window("Activate", folder.File("gone.bmp"), "Image");
  Window("Get Text", shown, "Image");
  RunAndWait();
  EXPECT_EQ(errors(), (std::vector<std::string>{"Unable to find image '" + absent + "' on the screen",
                                                "The file '" + folder.File("gone.bmp") + "' does not exist"}));
  EXPECT_EQ(saved(), std::vector<std::string>{"2:full:control 45"});
  EXPECT_EQ(CurrentWindow(), 45u);
  EXPECT_TRUE(platform.calls.empty()) << "nothing was moved or activated";
}

TEST_F(WindowStepTest, CloseFailsWhileTheWindowAsksItsQuestion) {
  platform.on_close[10] = FakeWindowPlatform::OnClose::AskQuestion;
  Window("Close Window", "Notepad").timeout = "2.5";
  RunAndWait();
  EXPECT_EQ(errors(), std::vector<std::string>{"Window 'Notepad' is still open"});
  EXPECT_EQ(platform.calls, std::vector<std::string>{"send close 10 2000"});
  EXPECT_TRUE(desk.Exists(10)) << "the program was not ended";
}

TEST_F(WindowStepTest, AllWindowsActionsNeedNoSpec) {
  Window("Minimize all Windows", "");
  Window("Close all Windows", "");
  RunAndWait();
  EXPECT_TRUE(errors().empty());
  EXPECT_EQ(platform.calls.front(), "minimize all");
  EXPECT_FALSE(desk.Exists(10));
}

TEST_F(WindowStepTest, WindowConditionsLookByTitle) {
  desk.Top(30, "Tool palette").framed = false;
  desk.Child(31, 30, "Tool option", "Button", 1);
  platform.checked[12] = true;
  If("IF Window Exists", "Notepad");
  If("IF Window Exists", "Tool");             // not framed
  If("IF Control Exists", "Tool option");
  If("IF Control Is Checked", "Remember");
  If("IF Control Is Checked", "Save");
  If("IF Control Is Checked", "Nothing");
  RunAndWait();
  // A false condition fails with no text of its own.
  EXPECT_EQ(errors(), (std::vector<std::string>{"", "", ""}));
  EXPECT_EQ(Step(0).last_run, LAST_RUN_PASS);
  EXPECT_NE(Step(1).last_run, LAST_RUN_PASS);
  EXPECT_EQ(Step(2).last_run, LAST_RUN_PASS);
  EXPECT_EQ(Step(3).last_run, LAST_RUN_PASS);
  EXPECT_NE(Step(4).last_run, LAST_RUN_PASS);
  EXPECT_NE(Step(5).last_run, LAST_RUN_PASS);
}

}  // namespace
}  // namespace zelo
