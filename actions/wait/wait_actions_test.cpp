// The "Wait" category over a made-up clock, keyboard, pointer, screen and
// desktop: which input counts, when the time has passed, the stop key, and
// the single checks tried again by the failure handling.
#include "actions/wait/wait_actions.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "actions/action_handlers.h"
#include "actions/shared/current_window.h"
#include "actions/wait/wait_services.h"
#include "engine/handle_failure.h"
#include "engine/run_test_fixture.h"
#include "expr/substitution_context.h"
#include "expr/testing/fake_substitution_context.h"
#include "settings/settings.h"

namespace zelo {
namespace {

constexpr int kStopKey = 19, kF1 = 0x70, kLeftButton = 1, kMiddleButton = 4;

TEST(WaitActionWords, NamesThatHoldOthersAreToldApart) {
  EXPECT_EQ(kWaitActions.KindOf("Wait for Masked Image", WaitAction::Other), WaitAction::MaskedImage);
  EXPECT_EQ(kWaitActions.KindOf("wait for window to DISAPPEAR", WaitAction::Other), WaitAction::WindowToDisappear);
  EXPECT_EQ(kWaitActions.KindOf("Freeze", WaitAction::Other), WaitAction::Freeze);
  EXPECT_EQ(kWaitActions.KindOf("Wait for Mouse Movement", WaitAction::Other), WaitAction::MouseMovement);
  EXPECT_EQ(kWaitActions.KindOf("Wait a while", WaitAction::Other), WaitAction::Other);
}

TEST(AwaitedKey, OneKeyAnyKeyOrNoKeyName) {
  AwaitedInput key;
  std::string error;
  ASSERT_TRUE(ReadAwaitedKey("{F1}", &key, &error));
  EXPECT_EQ(key.kind, AwaitedInput::OneKey);
  EXPECT_EQ(key.vk, kF1);
  ASSERT_TRUE(ReadAwaitedKey("a", &key, &error));
  EXPECT_EQ(key.vk, 'A');
  ASSERT_TRUE(ReadAwaitedKey("", &key, &error));
  EXPECT_EQ(key.kind, AwaitedInput::AnyKey);
  ASSERT_TRUE(ReadAwaitedKey("{", &key, &error)) << "a lone brace is the brace key";
  EXPECT_FALSE(ReadAwaitedKey("{Nonsense}", &key, &error));
  EXPECT_EQ(error, "'{Nonsense}' is not a key name");
  EXPECT_FALSE(ReadAwaitedKey("{Delay 5}", &key, &error)) << "a pause is no key";
}

class FakeWaits : public WaitSystem, public ScreenFinder, public WindowFinder {
 public:
  // WaitSystem
  uint32_t PriorityClass() override { return priority; }
  void SetPriorityClass(uint32_t p) override {
    priority = p;
    priorities.push_back(p);
  }
  bool PointerPosition(int32_t* x, int32_t* y) override {
    if (!has_pointer) return false;
    *x = pointer_x;
    *y = 7;
    return true;
  }
  // ScreenFinder: found on the nth search (0: never).
  ScreenFind FindPixel(uint32_t colorref, const WaitSearchFields& fields, const WaitStop& stop) override {
    calls.push_back("pixel " + std::to_string(colorref) + " " + fields.tolerance + "|" + fields.start + "|" +
                    fields.stop + (fields.scan_display ? " shown" : ""));
    return Search(stop);
  }
  ScreenFind FindImage(const std::string& path, uint32_t mask, const WaitSearchFields&, const WaitStop& stop) override {
    calls.push_back("image " + path + " mask " + std::to_string(mask) + " at priority " + std::to_string(priority));
    return Search(stop);
  }
  // WindowFinder
  WindowLookup FindByTitle(std::string_view title) override {
    calls.push_back("window " + std::string(title));
    return window;
  }

  uint32_t priority = 32;
  std::vector<uint32_t> priorities;
  bool has_pointer = true;
  int32_t pointer_x = 5;
  int found_on = 0;
  FindOutcome outcome_otherwise = FindOutcome::NotFound;
  WindowLookup window;
  std::vector<std::string> calls;

 private:
  ScreenFind Search(const WaitStop&) {
    ScreenFind f;
    f.log = "\t*search\r\n";
    f.outcome = static_cast<int>(calls.size()) == found_on ? FindOutcome::Found : outcome_otherwise;
    f.x = 12;
    f.y = 34;
    return f;
  }
};

class WaitStepTest : public test::HandlerRunTest {
 protected:
  WaitStepTest() {
    UseSubstitutionContext(&context);
    WriteSettingNumber("SOFTWARE\\Zelomat\\StopKey", kStopKey);
    services.expand = [](std::string_view field, int, int) { return std::string(field); };
    services.save = &Save;
    services.resolve_path = [](std::string_view name, std::string* out, std::string_view) {
      *out = std::string(name);
      return true;
    };
    wait_services = {&fake, &fake, &fake};
    services.waits = &wait_services;
    InstallActionHandlers(engine.handlers(), services);
    // Presses a key once the clock reaches a time.
    clock.on_sleep = [this](uint32_t) {
      if (press_at != 0 && clock.ticks >= press_at) {
        input.Press(press_key);
        pressed_tick = clock.ticks;
        press_at = 0;
      }
      if (move_at != 0 && clock.ticks >= move_at) fake.pointer_x = 6;
    };
  }
  ~WaitStepTest() override { UseSubstitutionContext(nullptr); }

  StepRecord& AddWait(std::string_view action, std::string_view text, std::string_view timeout) {
    StepRecord& step = AddStep(action, CAT_WAIT);
    step.text.Assign(text);
    step.timeout = timeout;
    return step;
  }
  // Runs one step; the milliseconds it took.
  uint32_t Elapsed() {
    const uint32_t start = clock.ticks;
    RunAndWait();
    return clock.ticks - start;
  }

  FakeSubstitutionContext context;
  FakeWaits fake;
  WaitServices wait_services;
  ActionServices services;
  uint32_t press_at = 0, move_at = 0, pressed_tick = 0;
  int press_key = 0;
};

TEST_F(WaitStepTest, DelayWaitsItsTimeAtIdlePriorityInQuarterSeconds) {
  AddWait("Delay", "", "0.5");
  AddWait("Delay", "", "0.1");
  AddWait("Delay", "", "-5");
  AddWait("Delay", "", "abc");
  EXPECT_EQ(Elapsed(), 600u);
  EXPECT_EQ(clock.Sleeps(), (std::vector<uint32_t>{250, 250, 100}));
  EXPECT_NE(Log().find("[STEP 1]: Delay \r\n\tDuration: 0.5 second(s)\r\n"), std::string::npos) << Log();
  EXPECT_NE(Log().find("\tDuration: -5 second(s)\r\n"), std::string::npos);
  EXPECT_EQ(fake.priorities, (std::vector<uint32_t>{64, 32, 64, 32, 64, 32, 64, 32}));
  EXPECT_TRUE(errors().empty());
}

// Every wait ends within a quarter second of the stop key, however long its
// time-out, and the run stops; a delay leaves the priority as it found it.
TEST_F(WaitStepTest, TheStopKeyEndsEveryWaitWithinAQuarterSecond) {
  for (const char* action :
       {"Delay", "Freeze", "Wait for Keypress", "Wait for Mouse Click", "Wait for Mouse Movement"}) {
    SCOPED_TRACE(action);
    ws.slots[0].steps.clear();
    ws.slots[0].step_count = 0;
    input.ReleaseAll();
    AddWait(action, "{F1}", "99999999999");
    AddWait("Delay", "", "1");
    press_key = kStopKey;
    press_at = clock.ticks + 10000;
    Elapsed();
    EXPECT_LE(clock.ticks - pressed_tick, 250u);
    EXPECT_EQ(Step(0).last_run, LAST_RUN_INCOMPLETE);
    EXPECT_EQ(Step(1).run_count, 0) << "the run stopped";
    EXPECT_EQ(fake.priority, 32u);
  }
}

TEST_F(WaitStepTest, AKeyWaitCountsOnlyItsKey) {
  AddWait("Wait for Keypress", "{F1}", "3");
  press_key = 'A';
  press_at = clock.ticks + 500;
  EXPECT_GE(Elapsed(), 3000u);
  EXPECT_LT(clock.ticks - 1000, 3000u + 250u) << "over within a poll of its time-out";
  EXPECT_EQ(Step(0).last_run, LAST_RUN_FAIL_CONTINUE);
  EXPECT_NE(Log().find("\tWaiting for keypress {F1} (112)\r\n"), std::string::npos) << Log();

  input.ReleaseAll();
  press_key = kF1;
  press_at = clock.ticks + 1000;
  const uint32_t start = clock.ticks;
  RunAndWait();
  EXPECT_EQ(Step(0).last_run, LAST_RUN_PASS);
  EXPECT_LE(clock.ticks - start, 1000u + 250u + 250u);
  for (uint32_t ms : clock.Sleeps()) EXPECT_LE(ms, 250u);
}

TEST_F(WaitStepTest, AnyKeyIsAKeyboardKeyAndAClickIsAMouseButton) {
  struct Case {
    const char* action;
    int key;
    int last_run;
  } cases[] = {
      {"Wait for Keypress", kLeftButton, LAST_RUN_FAIL_CONTINUE},
      {"Wait for Keypress", 'Z', LAST_RUN_PASS},
      {"Wait for Mouse Click", 'Z', LAST_RUN_FAIL_CONTINUE},
      {"Wait for Mouse Click", kMiddleButton, LAST_RUN_PASS},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.action) + " " + std::to_string(c.key));
    ws.slots[0].steps.clear();
    ws.slots[0].step_count = 0;
    input.ReleaseAll();
    AddWait(c.action, "", "1");
    press_key = c.key;
    press_at = clock.ticks + 300;
    RunAndWait();
    EXPECT_EQ(Step(0).last_run, c.last_run);
  }
}

TEST_F(WaitStepTest, MouseMovementIsAnyChangeOfThePointer) {
  AddWait("Wait for Mouse Movement", "", "2");
  move_at = clock.ticks + 700;
  EXPECT_LE(Elapsed(), 700u + 250u);
  EXPECT_EQ(Step(0).last_run, LAST_RUN_PASS);
  Elapsed();
  EXPECT_EQ(Step(0).last_run, LAST_RUN_FAIL_CONTINUE) << "no movement";
  fake.has_pointer = false;
  Elapsed();
  EXPECT_EQ(errors().back(), "The \"Wait for Mouse Movement\" action is not available in this version");
}

TEST_F(WaitStepTest, PixelAndWindowWaitsLookOnceAndTellWhatTheyCouldNotDo) {
  AddWait("Wait for Pixel", "RED", "").value(1) = "10";
  fake.found_on = 1;
  RunAndWait();
  EXPECT_EQ(fake.calls, std::vector<std::string>{"pixel 255 10||"});
  EXPECT_NE(Log().find("\tSearching for pixel color RED\r\n\t*search\r\n"), std::string::npos) << Log();

  fake.found_on = 0;
  fake.outcome_otherwise = FindOutcome::Unavailable;
  RunAndWait();
  EXPECT_EQ(errors(), std::vector<std::string>{"The \"Wait for Pixel\" action is not available in this version"});

  ws.slots[0].steps.clear();
  ws.slots[0].step_count = 0;
  AddWait("Wait for Window to Appear", "Notepad", "");
  AddWait("Wait for Window to Disappear", "Notepad", "");
  const struct {
    WindowLookup lookup;
    int appear, disappear;
  } cases[] = {
      {{FindOutcome::Found, 5, false}, LAST_RUN_PASS, LAST_RUN_FAIL_CONTINUE},
      {{FindOutcome::Found, 5, true}, LAST_RUN_FAIL_CONTINUE, LAST_RUN_PASS},  // the program's own window
      {{FindOutcome::NotFound, 0, false}, LAST_RUN_FAIL_CONTINUE, LAST_RUN_PASS},
  };
  for (const auto& c : cases) {
    fake.window = c.lookup;
    RunAndWait();
    EXPECT_EQ(Step(0).last_run, c.appear);
    EXPECT_EQ(Step(1).last_run, c.disappear);
    EXPECT_EQ(CurrentWindow(), c.lookup.window) << "the window found, or none, is current";
  }
}

// The single checks with the program's failure handling: tried again every
// 50 ms until found or until the time-out, at idle priority for bitmaps.
class RetriedWaitTest : public WaitStepTest {
 protected:
  RetriedWaitTest() { engine.set_failure_handler(&HandleFailure); }
  int Searches() const { return static_cast<int>(fake.calls.size()); }
};

TEST_F(RetriedWaitTest, AnImageIsSearchedForEveryFiftyMillisecondsAndItsCornerSaved) {
  test::TempFolder folder;
  const std::string bmp = folder.File("b.bmp");
  std::ofstream(bmp) << "BM";
  AddWait("Wait for Masked Image", bmp, "3");
  fake.found_on = 20;
  EXPECT_EQ(Elapsed(), 19u * 50u);
  EXPECT_EQ(saved(), std::vector<std::string>{"0:12, 34"});
  EXPECT_EQ(fake.calls[0], "image " + bmp + " mask 16711935 at priority 64");
  EXPECT_EQ(fake.priority, 32u);
  EXPECT_EQ(test::Occurrences(Log(), "\t*search\r\n"), 1) << "detail lines once";

  fake.calls.clear();
  fake.found_on = 0;
  Step(0).onfail = "Ignore/Continue";
  EXPECT_EQ(Elapsed(), 3000u);
  EXPECT_EQ(Searches(), 61);

  Step(0).text.Assign(folder.File("none.bmp"));
  RunAndWait();
  EXPECT_NE(Log().find("The file '" + folder.File("none.bmp") + "' does not exist"), std::string::npos);
}

TEST_F(RetriedWaitTest, WhatNoRetryCanMendFailsAtOnce) {
  AddWait("Wait for Keypress", "{Nonsense}", "3").onfail = "Ignore/Continue";
  AddWait("Wait for Pixel", "RED", "3").onfail = "Ignore/Continue";
  fake.outcome_otherwise = FindOutcome::Unavailable;
  EXPECT_EQ(Elapsed(), 0u);
  EXPECT_EQ(Searches(), 1);
  EXPECT_NE(Log().find("\tERROR while running [STEP 1] Wait for Keypress: '{Nonsense}' is not a key name\r\n"),
            std::string::npos)
      << Log();
  EXPECT_NE(Log().find("Wait for Pixel: The \"Wait for Pixel\" action is not available in this version"),
            std::string::npos);
}

TEST_F(RetriedWaitTest, AFileWrittenLaterIsNoticedWithinAPause) {
  test::TempFolder folder;
  const std::string file = folder.File("later.txt");
  AddWait("Wait for File to Exist", file, "3");
  clock.on_sleep = [&](uint32_t) {
    if (clock.ticks >= 1000 + 1234) std::ofstream(file) << "x";
  };
  EXPECT_EQ(Elapsed(), 1250u);
  EXPECT_EQ(Step(0).last_run, LAST_RUN_PASS);
}

}  // namespace
}  // namespace zelo
