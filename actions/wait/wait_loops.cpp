// The waits that loop inside the handler: a time, a key or mouse button, a
// movement of the mouse. Each looks at the stop key at least every 250 ms
// and at its condition at least once, however short its time-out.
#include <string>

#include "actions/wait/wait_actions.h"
#include "actions/wait/wait_step.h"
#include "engine/run_log.h"

namespace zelo {

namespace {

constexpr const char* kDuration = "\tDuration: %s second(s)\r\n";
constexpr const char* kWaitingForKey = "\tWaiting for keypress %s (%d)\r\n";

constexpr int kLeftButton = 1, kRightButton = 2, kMiddleButton = 4;
// Key codes below 8 are mouse buttons, which "any key" leaves out.
constexpr int kFirstKey = 8, kLastKey = 159, kLastKeyCode = 254;

bool InputSeen(RunInput& input, const AwaitedInput& awaited) {
  switch (awaited.kind) {
    case AwaitedInput::MouseButton:
      return input.KeyPressed(kLeftButton) || input.KeyPressed(kRightButton) || input.KeyPressed(kMiddleButton);
    case AwaitedInput::AnyKey:
      for (int vk = kFirstKey; vk <= kLastKey; ++vk)
        if (input.KeyPressed(vk)) return true;
      return false;
    case AwaitedInput::OneKey:
      return input.KeyPressed(awaited.vk);
  }
  return false;
}

}  // namespace

int DelayStep(const WaitStep& w, bool idle) {
  WriteLog(kDuration, w.timeout_text.c_str());
  const IdlePriority priority(idle ? w.waits.system : nullptr);
  while (!w.TimePassed()) {
    w.Pause();
    if (w.StopAsked()) return -1;
  }
  return 1;
}

int AwaitInputStep(const WaitStep& w, bool mouse) {
  // The key as stored: a variable name in it is not substituted.
  const std::string text = w.step.text.str();
  AwaitedInput awaited;
  if (mouse) {
    awaited.kind = AwaitedInput::MouseButton;
    awaited.vk = kLeftButton;
  } else {
    std::string error;
    if (!ReadAwaitedKey(text, &awaited, &error)) {
      w.run.SetStepError("%s", error.c_str());
      w.run.state().failure_is_final = true;
      return 0;
    }
  }
  if (w.FirstExecution()) WriteLog(kWaitingForKey, text.c_str(), awaited.vk);

  RunInput& input = w.run.input();
  // Presses from before the step (the key that started the run) must not
  // count: a look at every key clears what the system kept of them.
  w.run.clock().Sleep(kWaitPollMs);
  for (int vk = 0; vk <= kLastKeyCode; ++vk) input.KeyPressed(vk);
  for (;;) {
    w.Pause();
    // The awaited key counts even when it is the stop key; any other input
    // waits behind the stop key.
    if (awaited.kind == AwaitedInput::OneKey && input.KeyPressed(awaited.vk)) return 1;
    if (w.StopAsked()) return -1;
    if (awaited.kind != AwaitedInput::OneKey && InputSeen(input, awaited)) return 1;
    if (w.TimePassed()) return 0;
  }
}

int AwaitMovementStep(const WaitStep& w) {
  int32_t x0 = 0, y0 = 0;
  if (!w.waits.system->PointerPosition(&x0, &y0)) return w.Unavailable();
  for (;;) {
    int32_t x = x0, y = y0;
    if (w.waits.system->PointerPosition(&x, &y) && (x != x0 || y != y0)) return 1;
    if (w.TimePassed()) return 0;
    w.Pause();
    if (w.StopAsked()) return -1;
  }
}

}  // namespace zelo
