// The "Keyboard" handler inside a run, over a recording key sender and a
// made-up clipboard, foreground window and BlockInput.
#include "actions/keyboard/keyboard_actions.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include "actions/action_handlers.h"
#include "actions/keyboard/key_sender.h"
#include "actions/keyboard/keyboard_platform.h"
#include "actions/shared/current_window.h"
#include "actions/shared/held_input.h"
#include "actions/shared/input_player.h"
#include "engine/run_test_fixture.h"

namespace zelo {
namespace {

// Logs every key event as "code+" or "code-" (characters as "c233+"), each
// batch in brackets and pauses as "pN"; refuses events beyond its capacity.
class RecordingKeys : public KeySender {
 public:
  bool Send(const KeyEvent* events, std::size_t count) override {
    std::lock_guard<std::mutex> lock(m_);
    log_ += "[";
    std::size_t i = 0;
    for (; i < count && taken_ < capacity; ++i, ++taken_) {
      const KeyEvent& e = events[i];
      log_ += (i ? " " : "") + std::string(e.kind == KeyEvent::kCharacter ? "c" : "") + std::to_string(e.code) +
              (e.up ? "-" : "+");
    }
    log_ += "]";
    return i == count;
  }
  void Pause(int32_t ms) override {
    std::lock_guard<std::mutex> lock(m_);
    log_ += "p" + std::to_string(ms);
  }
  std::string log() {
    std::lock_guard<std::mutex> lock(m_);
    return log_;
  }
  std::size_t capacity = SIZE_MAX;

 private:
  std::mutex m_;
  std::string log_;
  std::size_t taken_ = 0;
};

class MadeUpKeyboard : public KeyboardPlatform {
 public:
  KeySender& Keys() override { return keys; }
  bool ClipboardText(std::string* text) override {
    *text = clipboard;
    return true;
  }
  bool SetClipboardText(std::string_view text) override {
    clipboard_history.push_back(std::string(text));
    clipboard = std::string(text);
    return clipboard_works;
  }
  uint64_t ForegroundWindow() override { return 77; }
  void PutWindowText(uint64_t window, std::string_view text) override {
    window_texts += std::to_string(window) + "=" + std::string(text) + ";";
  }
  bool BlockInput(bool block) override {
    block_calls += block ? "B" : "U";
    return user32_loads;
  }
  // Each reading is 50 ms after the one before.
  uint32_t Ticks() override { return ticks += 50; }

  RecordingKeys keys;
  std::string clipboard;
  std::vector<std::string> clipboard_history;
  bool clipboard_works = true;
  std::string window_texts;
  std::string block_calls;
  bool user32_loads = true;
  std::atomic<uint32_t> ticks{0};
};

class KeyboardStepsTest : public test::HandlerRunTest {
 protected:
  KeyboardStepsTest() {
    services.expand = [](std::string_view field, int, int) {
      std::string out(field);
      const std::size_t at = out.find("%name%");
      if (at != std::string::npos) out.replace(at, 6, "Zed");
      return out;
    };
    services.keyboard = &keyboard;
    InstallActionHandlers(engine.handlers(), services);
    TakeHeldInput();
    SetCurrentWindow(0);
  }
  ~KeyboardStepsTest() override { TakeHeldInput(); }

  StepRecord& AddKeys(std::string_view action, std::string_view text, std::string_view options = "") {
    StepRecord& step = AddStep(action, CAT_KEYBOARD);
    step.text.Assign(text);
    step.options = options;
    return step;
  }

  MadeUpKeyboard keyboard;
  ActionServices services;
};

TEST(KeyboardActionWords, OlderNamesTypeAndBlockInputIsTestedFirst) {
  EXPECT_EQ(ClassifyKeyboardAction("type"), KeyboardAction::Type);
  EXPECT_EQ(ClassifyKeyboardAction("Simulate Keypress"), KeyboardAction::Type);
  EXPECT_EQ(ClassifyKeyboardAction("Text + System Keys"), KeyboardAction::Type);
  EXPECT_EQ(ClassifyKeyboardAction("Typewriter"), KeyboardAction::Other) << "\"Type\" is compared whole";
  EXPECT_EQ(ClassifyKeyboardAction("Unblock Input"), KeyboardAction::BlockInput);
  EXPECT_EQ(ClassifyKeyboardAction("Block Input via Clipboard"), KeyboardAction::BlockInput);
  EXPECT_EQ(ClassifyKeyboardAction("Buffered Virtual Keys"), KeyboardAction::Buffered);
  EXPECT_EQ(ClassifyKeyboardAction("Text via Clipboard"), KeyboardAction::Clipboard);
  EXPECT_EQ(ClassifyKeyboardAction("Direct Window Entry"), KeyboardAction::DirectEntry);
}

TEST_F(KeyboardStepsTest, TypeSendsTheExpandedTextAndNoFormattingTypesItAsItStands) {
  AddKeys("Type", "Hi %name%{tab}{Delay 40}!");
  AddKeys("Type", "{tab}", "No Format");
  AddKeys("Type", "");
  RunAndWait();
  EXPECT_TRUE(errors().empty());
  EXPECT_EQ(keyboard.keys.log(),
            "[16+ 72+ 72- 16- 73+ 73- 32+ 32- 16+ 90+ 90- 16- 69+ 69- 68+ 68- 9+ 9-]p40[16+ 49+ 49- 16-]"
            "[16+ 219+ 219- 16- 84+ 84- 65+ 65- 66+ 66- 16+ 221+ 221- 16-]");
}

TEST_F(KeyboardStepsTest, KeyDownTokensAreHeldUntilTheRunEndsAndTheBufferWaitFollowsTheKeystrokes) {
  AddKeys("Type", "{ctrldown}a{ctrlup}{shiftdown}");
  AddKeys("Type", std::string(19, 'x'));
  AddKeys("Type", std::string(150, 'x'));
  RunAndWait();
  EXPECT_EQ(HeldInput() & kHeldModifiers, unsigned{HELD_CTRL | HELD_SHIFT}) << "a key-up never clears the slot";
  EXPECT_EQ(clock.Sleeps(), (std::vector<uint32_t>{1000})) << "19 keystrokes wait nothing, 150 a second";
  EXPECT_NE(Log().find("\t'Simulate Keypress' extra duration for keyboard buffer: 1 second(s)\r\n"),
            std::string::npos)
      << Log();
}

TEST_F(KeyboardStepsTest, RefusedKeystrokesFailTheStepAndLetGoOfItsModifiers) {
  keyboard.keys.capacity = 2;  // Ctrl and A go in, the rest is refused
  AddKeys("Type", "{ctrldown}ab");
  RunAndWait();
  ASSERT_EQ(errors().size(), 1u);
  EXPECT_EQ(errors()[0], kKeystrokesBlockedMessage);
  EXPECT_EQ(keyboard.keys.log(), "[17+ 65+][]") << "Ctrl's release is tried even after the refusal";
  EXPECT_EQ(HeldInput() & HELD_CTRL, unsigned{HELD_CTRL}) << "still held: the run's end tries again";
}

TEST_F(KeyboardStepsTest, TextViaClipboardPastesWithCtrlVAndPutsTheUsersTextBack) {
  keyboard.clipboard = "mine";
  AddKeys("Text via Clipboard", "line 1\r\nline 2%r%n");
  RunAndWait();
  EXPECT_TRUE(errors().empty());
  EXPECT_EQ(keyboard.clipboard_history, (std::vector<std::string>{"line 1\nline 2\r\n", "mine"}));
  EXPECT_EQ(keyboard.keys.log(), "[17+][86+][86-][17-]");
  EXPECT_EQ(clock.Sleeps(), (std::vector<uint32_t>{500}));

  keyboard.clipboard_works = false;
  RunAndWait();
  ASSERT_EQ(errors().size(), 1u) << "a text that never reached the clipboard is not pasted";
}

TEST_F(KeyboardStepsTest, DirectWindowEntryTakesTheForegroundWindowWhenNoneWasFound) {
  AddKeys("Direct Window Entry", "first");
  AddKeys("Direct Window Entry", "second");
  RunAndWait();
  EXPECT_EQ(keyboard.window_texts, "77=first;77=second;");
  EXPECT_EQ(CurrentWindow(), 77u);
  EXPECT_EQ(clock.Sleeps(), (std::vector<uint32_t>{250})) << "only while there was no current window";
  EXPECT_EQ(keyboard.keys.log(), "");
}

TEST_F(KeyboardStepsTest, BlockAndUnblockInputAndAMissingUser32) {
  AddKeys("Block Input", "{enter}");
  AddKeys("Unblock Input", "");
  RunAndWait();
  EXPECT_EQ(keyboard.block_calls, "BU");
  EXPECT_TRUE(errors().empty());
  EXPECT_EQ(keyboard.keys.log(), "") << "no text is typed";
  keyboard.user32_loads = false;
  RunAndWait();
  EXPECT_EQ(errors(), (std::vector<std::string>{"Unable to load USER32.DLL", "Unable to load USER32.DLL"}));
}

TEST_F(KeyboardStepsTest, BufferedTypingPlaysCharacterByCharacterForTwoSecondsWhileTheRunWaits) {
  AddKeys("Buffered Virtual Keys", "A{tab}\xE9" + std::string(100, 'b'));
  AddKeys("Type", "z");
  RunAndWait();
  EXPECT_TRUE(errors().empty());
  const std::string log = keyboard.keys.log();
  // Characters as they stand, no key names; a byte above 127 as a character.
  EXPECT_EQ(log.rfind("[16+ 65+ 65- 16-][16+ 219+ 219- 16-][84+ 84-][65+ 65-][66+ 66-][16+ 221+ 221- 16-]"
                      "[c233+ c233-][66+ 66-]",
                      0),
            0u)
      << log;
  // Every reading of the time is 50 ms later: the character that passes
  // 2000 ms is the last, then a short pause, and only then the next step.
  EXPECT_EQ(test::Occurrences(log, "["), 41 + 1) << log;
  EXPECT_NE(log.find("p300[90+ 90-]"), std::string::npos) << log;
  ProgramInputPlayer().Stop();  // collects the player's thread before the platform goes
}

TEST_F(KeyboardStepsTest, BufferedTypingFailsWhileAnotherPlayerPlays) {
  InputPlayer& player = ProgramInputPlayer();
  ASSERT_TRUE(player.Start([](const std::atomic<bool>& stop) {
    while (!stop.load()) std::this_thread::yield();
  }));
  AddKeys("Buffered Virtual Keys", "abc");
  RunAndWait();
  player.Stop();
  EXPECT_FALSE(player.Busy());
  EXPECT_EQ(errors(), (std::vector<std::string>{"Unable to start buffer hook"}));
  EXPECT_EQ(keyboard.keys.log(), "");
}

}  // namespace
}  // namespace zelo
