// The mouse as the steps drive it: the pointer position, moves, buttons and
// the wheel. The Win32 side puts events into the system's input stream with
// SendInput; tests record them.
#pragma once

#include <cstdint>

#include "actions/shared/screen_point.h"

namespace zelo {

enum class MouseButtonEvent { LeftDown, LeftUp, RightDown, RightUp };

class MouseDevice {
 public:
  virtual ~MouseDevice() = default;
  virtual ScreenPoint Position() = 0;
  // One move to an absolute screen position (any monitor); false when the
  // system refused the event.
  virtual bool MoveTo(ScreenPoint point) = 0;
  // Puts the pointer exactly on the point.
  virtual bool Place(ScreenPoint point) = 0;
  virtual bool Button(MouseButtonEvent event) = 0;
  // +120 is one notch up.
  virtual bool Wheel(int32_t delta) = 0;
  // Shows the pointer (a program may have hidden it).
  virtual void ShowPointer() = 0;
  virtual void Sleep(uint32_t ms) = 0;
  virtual uint32_t DoubleClickMs() = 0;
};

// The step error text when the system refuses mouse input.
inline constexpr char kMouseInputBlockedMessage[] =
    "Mouse input was blocked by the system (the program under the pointer may run with higher rights, or the "
    "desktop is locked)";

// The program's mouse (SendInput on Windows; none natively); tests may
// install their own (nullptr puts it back).
MouseDevice& ProgramMouse();
void UseMouse(MouseDevice* mouse);
MouseDevice& SystemMouse();

}  // namespace zelo
