#include "actions/keyboard/keyboard_actions.h"

#include <memory>
#include <string>

#include "actions/keyboard/buffered_typing.h"
#include "actions/keyboard/key_sender.h"
#include "actions/keyboard/keyboard_platform.h"
#include "actions/keyboard/typed_text.h"
#include "actions/shared/action_services.h"
#include "actions/shared/current_window.h"
#include "actions/shared/held_input.h"
#include "actions/shared/input_player.h"
#include "engine/run_engine.h"
#include "engine/run_texts.h"

namespace zelo {

namespace {

constexpr char kBufferWaitLine[] = "\t'Simulate Keypress' extra duration for keyboard buffer: %d second(s)\r\n";
constexpr char kBufferedTypeError[] = "An internal error ocurred in Buffered Type\r\n";
constexpr char kBlockedLine[] = "\t%s\r\n";
constexpr char kBufferHookBusy[] = "Unable to start buffer hook";
constexpr char kPlayerNotStarted[] = "Unable to start Windows hook procedure";
constexpr char kNoUser32[] = "Unable to load USER32.DLL";
constexpr char kClipboardRefused[] = "Unable to put the text on the clipboard";

constexpr uint8_t kShift = 16, kCtrl = 17, kAlt = 18;

constexpr ActionWord<KeyboardAction> kKeyboardWords[] = {
    {"Block Input", KeyboardAction::BlockInput},  // "Unblock Input" contains it too
    {"Type", KeyboardAction::Type, WordMatch::Whole},
    {"Simulate Keypress", KeyboardAction::Type},
    {"Text + System Keys", KeyboardAction::Type},
    {"Buffered Virtual Keys", KeyboardAction::Buffered},
    {"Text via Clipboard", KeyboardAction::Clipboard},
    {"Direct Window Entry", KeyboardAction::DirectEntry},
};

unsigned HeldBits(unsigned pressed) {
  return ((pressed & PRESSED_CTRL) ? HELD_CTRL : 0u) | ((pressed & PRESSED_SHIFT) ? HELD_SHIFT : 0u) |
         ((pressed & PRESSED_ALT) ? HELD_ALT : 0u);
}

// After a refusal part of a sequence may have gone in: a Shift or a
// "{ctrldown}" without its release. Release every modifier the sequence
// pressed, so the user's keyboard is not left with one held.
void ReleaseModifiersOf(const KeySequence& seq, KeySender& keys) {
  bool down[3] = {};
  for (const KeyEvent& e : seq.events)
    if (e.kind == KeyEvent::kKey && !e.up && e.code >= kShift && e.code <= kAlt) down[e.code - kShift] = true;
  const unsigned bits[3] = {HELD_SHIFT, HELD_CTRL, HELD_ALT};
  for (int i = 0; i < 3; ++i)
    if (down[i] && SendKey(keys, static_cast<uint8_t>(kShift + i), false, 2)) NoteReleased(bits[i]);
}

int Refused(RunEngine& run) {
  run.SetStepError("%s", kKeystrokesBlockedMessage);
  return 0;
}

int TypeText(RunEngine& run, KeySender& keys, const StepRecord& step, const std::string& typed, bool tokens) {
  if (typed.empty()) return 1;
  KeySequence seq;
  ParseKeySequence(typed, tokens, &seq);
  // Noted before sending: a run stopped half-way must still release them.
  NoteHeld(HeldBits(seq.pressed_modifiers));
  if (!PlayKeySequence(keys, seq)) {
    ReleaseModifiersOf(seq, keys);
    return Refused(run);
  }
  const int32_t wait_ms = KeyboardBufferWaitMs(seq.keystrokes);
  if (wait_ms > 100 && step.run_count == 1) WriteLog(kBufferWaitLine, static_cast<int>(wait_ms / 1000));
  if (wait_ms > 0) run.clock().Sleep(static_cast<uint32_t>(wait_ms));
  return 1;
}

int TypeBuffered(RunEngine& run, KeyboardPlatform& platform, const std::string& typed) {
  InputPlayer& player = ProgramInputPlayer();
  if (player.Busy()) {
    run.SetStepError("%s", kBufferHookBusy);
    return 0;
  }
  if (typed.empty()) {
    WriteLog("%s", kBufferedTypeError);
    return 1;
  }
  auto seq = std::make_shared<KeySequence>();
  ParseKeySequence(typed, false, seq.get());
  KeyboardPlatform* p = &platform;
  const uint32_t started = p->Ticks();
  std::atomic<bool>& active = run.state().journal_active;
  // Set before the player starts, so that a playback which ends at once
  // cannot clear it before it was set.
  active.store(true);
  std::atomic<bool>& refused = run.state().playback_refused;
  const bool playing = player.Start([seq, p, started, &active, &refused](const std::atomic<bool>& stop) {
    const BufferedTypingResult r = PlayBufferedTyping(*seq, p->Keys(), [p] { return p->Ticks(); }, started, stop);
    if (r.refused) {
      WriteLog(kBlockedLine, kKeystrokesBlockedMessage);
      refused.store(true);  // the step fails once the typing has ended
    }
    // The step ends a moment after the last character, so that the
    // next step does not act before the target has taken it in.
    if (!stop.load()) p->Keys().Pause(300);
    active.store(false);
  });
  if (!playing) {
    active.store(false);
    run.SetStepError("%s", kPlayerNotStarted);
    return 0;
  }
  return 1;
}

int PasteText(RunEngine& run, KeyboardPlatform& platform, const std::string& typed) {
  std::string saved;
  platform.ClipboardText(&saved);
  if (!platform.SetClipboardText(typed)) {
    run.SetStepError("%s", kClipboardRefused);
    return 0;
  }
  KeySender& keys = platform.Keys();
  bool sent = SendKey(keys, kCtrl, false, 1) && SendKey(keys, 'V', false, 1) && SendKey(keys, 'V', false, 2);
  sent = SendKey(keys, kCtrl, false, 2) && sent;  // Ctrl goes up whatever happened to V
  // The target reads the clipboard when it handles the keys; give it time
  // before the user's text goes back.
  run.clock().Sleep(500);
  platform.SetClipboardText(saved);
  return sent ? 1 : Refused(run);
}

int EnterIntoWindow(RunEngine& run, KeyboardPlatform& platform, const std::string& typed) {
  uint64_t window = CurrentWindow();
  if (window == 0) {
    // Lets a window that was just started or activated take the foreground.
    run.clock().Sleep(250);
    window = platform.ForegroundWindow();
    SetCurrentWindow(window);
  }
  platform.PutWindowText(window, typed);
  return 1;
}

}  // namespace

const ActionWords<KeyboardAction> kKeyboardActions{kKeyboardWords};

KeyboardAction ClassifyKeyboardAction(std::string_view action) {
  return kKeyboardActions.KindOf(action, KeyboardAction::Other);
}

int RunKeyboardStep(RunEngine& run, const ActionServices* services, int slot, int index) {
  const StepRecord& step = run.workspace().slots[static_cast<std::size_t>(slot)].steps[static_cast<std::size_t>(index)];
  const KeyboardAction action = ClassifyKeyboardAction(step.action.view());
  if (action == KeyboardAction::Other) return 1;
  if (services == nullptr || services->keyboard == nullptr || services->expand == nullptr) {
    run.SetStepError(run_texts::kActionNotAvailable, step.action.c_str());
    return 0;
  }
  KeyboardPlatform& platform = *services->keyboard;
  if (action == KeyboardAction::BlockInput) {
    if (platform.BlockInput(!ContainsNoCase(step.action.view(), "Unblock"))) return 1;
    run.SetStepError("%s", kNoUser32);
    return 0;
  }

  // "No Formatting" stores the word "Format".
  const bool no_formatting = ContainsNoCase(step.options.view(), "Format");
  const std::string typed = PrepareTypedText(step.text.view(), no_formatting, [&](std::string_view field) {
    return services->expand(field, slot, index);
  });
  switch (action) {
    case KeyboardAction::Type:
      return TypeText(run, platform.Keys(), step, typed, !no_formatting);
    case KeyboardAction::Buffered:
      return TypeBuffered(run, platform, typed);
    case KeyboardAction::Clipboard:
      return PasteText(run, platform, typed);
    case KeyboardAction::DirectEntry:
      return EnterIntoWindow(run, platform, typed);
    default:
      return 1;
  }
}

}  // namespace zelo
