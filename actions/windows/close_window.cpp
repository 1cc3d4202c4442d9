#include "actions/windows/close_window.h"

#include <algorithm>

namespace zelo {

namespace {
constexpr uint32_t kPauseMs = 250;
// A program still busy with the request may be closing slowly (a loaded
// machine, much to tear down): it gets this long to go, checked often.
constexpr uint32_t kBusyWaitMs = 3000;
constexpr uint32_t kBusyPollMs = 50;
}  // namespace

bool CloseWindowHard(CloseTarget& target, WindowHandle window, uint32_t timeout_ms) {
  if (!target.Exists(window)) return true;
  // A question already open over the window would only be asked again (the
  // close request re-enters the program's handler from inside the question).
  const CloseAnswer answer = target.AsksQuestion(window)
                                 ? CloseAnswer::Busy
                                 : target.SendClose(window, std::max(timeout_ms, kCloseMinimumMs));
  if (answer == CloseAnswer::Busy) {
    // A question keeps it open until the user answers: no use waiting.
    for (uint32_t waited = 0; waited < kBusyWaitMs && target.Exists(window) && !target.AsksQuestion(window);
         waited += kBusyPollMs)
      target.Sleep(kBusyPollMs);
    return !target.Exists(window);
  }
  if (answer == CloseAnswer::Hung) target.EndOwningProcess(window);

  target.Sleep(kPauseMs);
  if (!target.Exists(window)) return true;
  target.PostClose(window);
  target.Sleep(kPauseMs);
  if (!target.Exists(window)) return true;
  // A window that just asked a question on the posted request keeps it.
  if (target.AsksQuestion(window)) return false;
  target.Destroy(window);
  target.Sleep(kPauseMs);
  if (!target.Exists(window)) return true;
  if (target.AsksQuestion(window)) return false;
  target.PressAltF4(window);
  target.Sleep(kPauseMs);
  return !target.Exists(window);
}

uint32_t CloseTimeoutMs(double timeout_seconds) {
  if (!(timeout_seconds > 0)) return 0;
  if (timeout_seconds > 4000000) return 4000000000u;
  return static_cast<uint32_t>(timeout_seconds) * 1000u;
}

}  // namespace zelo
