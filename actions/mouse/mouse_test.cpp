// The mouse: the glide's path, absolute positions that land on the intended
// pixel on every monitor, and the steps over a recording mouse.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "actions/action_handlers.h"
#include "actions/mouse/glide.h"
#include "actions/mouse/mouse_actions.h"
#include "actions/screen/screen_test_support.h"
#include "actions/shared/file_routines.h"
#include "actions/shared/held_input.h"
#include "actions/windows/testing/fake_desktop.h"
#include "actions/windows/window_lookup.h"
#include "engine/run_test_fixture.h"

namespace zelo {
namespace {

std::string Text(ScreenPoint p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

// Records events as text; "refuse" makes every event fail from then on.
class RecordingMouse : public MouseDevice {
 public:
  ScreenPoint Position() override { return at; }
  bool MoveTo(ScreenPoint p) override {
    events.push_back("move " + Text(p));
    at = p;
    return !refuse;
  }
  bool Place(ScreenPoint p) override {
    events.push_back("place " + Text(p));
    at = p;
    return !refuse;
  }
  bool Button(MouseButtonEvent e) override {
    static const char* const kNames[] = {"left down", "left up", "right down", "right up"};
    events.push_back(kNames[static_cast<int>(e)]);
    return !refuse;
  }
  bool Wheel(int32_t delta) override {
    events.push_back("wheel " + std::to_string(delta));
    return !refuse;
  }
  void ShowPointer() override { events.push_back("show"); }
  void Sleep(uint32_t ms) override { slept += ms; }
  uint32_t DoubleClickMs() override { return 500; }

  ScreenPoint at{300, 300};
  bool refuse = false;
  std::vector<std::string> events;
  uint32_t slept = 0;
};

TEST(GlidePath, TwentyEqualStepsOrEightForShortDistances) {
  const std::vector<ScreenPoint> far = GlidePath({0, 0}, {100, 205});
  ASSERT_EQ(far.size(), 20u);
  EXPECT_EQ(Text(far[0]), "5,10");
  EXPECT_EQ(Text(far[19]), "100,200") << "whole-pixel steps; the placement does the rest";
  const std::vector<ScreenPoint> near = GlidePath({50, 50}, {60, 45});
  ASSERT_EQ(near.size(), 8u) << "10 and -5 are both under 20";
  for (std::size_t i = 0; i < near.size(); ++i) EXPECT_EQ(Text(near[i]), std::to_string(51 + i) + ",50");
  EXPECT_EQ(GlidePath({-1900, -300}, {100, 100}).back().x, 100) << "from a monitor left of the primary one";
}

TEST(AbsoluteMoves, EveryPixelOfTheVirtualScreenIsReachedExactly) {
  // Screen spans: one monitor, two side by side with the second left of the
  // primary (negative origin), and an odd size.
  struct Span {
    int32_t origin, extent;
  } spans[] = {{0, 1280}, {-1920, 3200}, {-1080, 2103}, {0, 1}};
  for (const Span& s : spans) {
    for (int32_t pixel = s.origin; pixel < s.origin + s.extent; ++pixel) {
      const int64_t n = AbsoluteMoveCoordinate(pixel, s.origin, s.extent);
      ASSERT_GE(n, 0);
      ASSERT_LE(n, 65535);
      // How the system turns the position back into a pixel.
      ASSERT_EQ(s.origin + ((n * s.extent) >> 16), pixel) << s.origin << "+" << s.extent;
    }
  }
  EXPECT_EQ(AbsoluteMoveCoordinate(-5000, 0, 1280), 0) << "held to the screen";
  EXPECT_EQ(AbsoluteMoveCoordinate(5000, 0, 1280), AbsoluteMoveCoordinate(1279, 0, 1280));
}

class MouseStepTest : public test::HandlerRunTest {
 protected:
  MouseStepTest() : platform(desk) {
    UseMouse(&mouse);
    UseWindowTree(&desk);
    UseWindowPlatform(&platform);
    SetCurrentWindow(0);
    TakeHeldInput();
    services.expand = [](std::string_view field, int, int) { return std::string(field); };
    services.save = &Save;
    InstallActionHandlers(engine.handlers(), services);
  }
  ~MouseStepTest() override {
    UseMouse(nullptr);
    UseWindowTree(nullptr);
    UseWindowPlatform(nullptr);
  }
  StepRecord& Mouse(std::string_view action, std::string_view text, std::string_view options = "") {
    StepRecord& step = AddStep(action, CAT_MOUSE);
    step.text.Assign(text);
    step.options = options;
    step.value(1) = "Snap to Position";
    return step;
  }
  RecordingMouse mouse;
  test::FakeWindowTree desk;
  test::FakeWindowPlatform platform;
  ActionServices services;
};

TEST_F(MouseStepTest, ZeroZeroMeansWhereThePointerIs) {
  Mouse("Move", "0,0");
  Mouse("Left Button Click", "");
  RunAndWait();
  EXPECT_EQ(mouse.events, (std::vector<std::string>{"left down", "left up"}));
}

TEST_F(MouseStepTest, RelativeToThePointerGlidesEightOnePixelSteps) {
  Mouse("Move Relative", "10, -5", "Current Position").value(1) = "";
  RunAndWait();
  ASSERT_EQ(mouse.events.size(), 9u);
  EXPECT_EQ(mouse.events[0], "move 301,300");
  EXPECT_EQ(mouse.events[7], "move 308,300");
  EXPECT_EQ(mouse.events[8], "place 310,295") << "the exact placement ends it";
  EXPECT_EQ(mouse.slept, 8 * kGlideStepMs);
}

TEST_F(MouseStepTest, RelativeToAWindowFallsBackToTheForegroundWindow) {
  desk.Top(10, "Editor");
  platform.boxes[10] = {100, 50, 500, 450};
  platform.foreground = 10;
  Mouse("Left Button Click", "100, 200", "Window");
  RunAndWait();
  EXPECT_EQ(mouse.events, (std::vector<std::string>{"place 200,250", "left down", "left up"}));
  EXPECT_EQ(CurrentWindow(), 10u);
}

TEST_F(MouseStepTest, WindowsAndControlsAreFoundAndActivated) {
  desk.Top(10, "Editor");
  desk.Child(11, 10, "OK", "Button", 1);
  platform.boxes[10] = {100, 50, 500, 450};
  platform.boxes[11] = {120, 400, 200, 430};
  Mouse("Move to Window", "Editor", "Title");
  Mouse("Move to Control", "Button|1", "Class,ID");
  Mouse("Move to Control", "Button|2", "Class,ID");
  RunAndWait();
  EXPECT_EQ(mouse.events, (std::vector<std::string>{"place 100,50", "place 160,415"}));
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"activate 10", "activate 11"}));
  EXPECT_EQ(errors(), std::vector<std::string>{"Unable to find window 'Button|2'"});
  EXPECT_EQ(CurrentWindow(), 0u) << "moving to a window does not make it current";
}

TEST_F(MouseStepTest, TheHeldButtonIsNotedUntilReleased) {
  Mouse("Left Button Down + Hold", "");
  RunAndWait();
  EXPECT_EQ(HeldInput() & HELD_LEFT_BUTTON, HELD_LEFT_BUTTON);
  Mouse("Left Button Up", "");
  RunAndWait();
  EXPECT_EQ(HeldInput() & HELD_LEFT_BUTTON, 0u);
}

TEST_F(MouseStepTest, RefusedInputFailsTheStep) {
  mouse.refuse = true;
  Mouse("Left Button Click", "100, 200");
  Mouse("Mouse Wheel Down", "");
  RunAndWait();
  EXPECT_EQ(errors(), std::vector<std::string>(2, kMouseInputBlockedMessage));
}

TEST_F(MouseStepTest, ThePositionIsSavedAndReturnedTo) {
  mouse.at = {-200, 75};
  Mouse("Save Current Position", "");
  Mouse("Move", "400, 400");
  Mouse("Return to Saved Position", "");
  RunAndWait();
  EXPECT_EQ(mouse.events, (std::vector<std::string>{"place 400,400", "place -200,75"}));
}

TEST_F(MouseStepTest, ImagesAreFoundOnTheScreenAndTheirCentreClicked) {
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
  Mouse("Click on Image", shown);
  Mouse("Move to Masked Image", shown);
  Mouse("Click on Image", absent);
  Mouse("Move to Image", folder.File("gone.bmp"));
  RunAndWait();
  EXPECT_EQ(mouse.events, (std::vector<std::string>{"place 70,45", "left down", "left up", "place 70,45"}));
  EXPECT_EQ(saved(), (std::vector<std::string>{"0:60, 40", "1:60, 40"}));
  EXPECT_EQ(errors(), (std::vector<std::string>{"", "The file '" + folder.File("gone.bmp") + "' does not exist"}));
}

}  // namespace
}  // namespace zelo
