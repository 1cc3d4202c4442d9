// CloseWindowHard: asks a window to close, and insists only as far as is
// safe for the user's work. A program that shows a question (such as "Save
// changes?") while closing is busy, not hung: it is never ended, and no
// further close requests pile up behind the question.
#pragma once

#include <cstdint>

#include "actions/windows/window_tree.h"

namespace zelo {

enum class CloseAnswer {
  Answered,  // the window handled the close request in time
  Busy,      // it did not answer in time but the system does not call it hung
  Hung,      // the system reports it not responding
};

// What closing does to a window; the Win32 side sends and posts messages.
class CloseTarget {
 public:
  virtual ~CloseTarget() = default;
  virtual bool Exists(WindowHandle window) = 0;
  // A modal question of the window's program is open over it.
  virtual bool AsksQuestion(WindowHandle window) = 0;
  // Sends the close request and waits for the answer at most timeout_ms.
  virtual CloseAnswer SendClose(WindowHandle window, uint32_t timeout_ms) = 0;
  virtual void EndOwningProcess(WindowHandle window) = 0;
  virtual void PostClose(WindowHandle window) = 0;
  virtual void Destroy(WindowHandle window) = 0;
  // Activates the window and types Alt+F4.
  virtual void PressAltF4(WindowHandle window) = 0;
  virtual void Sleep(uint32_t ms) = 0;
};

// The shortest wait for the close request's answer.
inline constexpr uint32_t kCloseMinimumMs = 250;

// True when the window is gone afterwards. An answered request that left
// the window open is followed by a posted request, destruction and Alt+F4,
// 250 ms apart; a hung window's process is ended; a busy window is only
// given a few seconds to go away by itself, and none while it asks a question.
bool CloseWindowHard(CloseTarget& target, WindowHandle window, uint32_t timeout_ms);

// The wait of "Close Window": the step's time-out in whole seconds (the
// fraction cut), as milliseconds.
uint32_t CloseTimeoutMs(double timeout_seconds);

}  // namespace zelo
