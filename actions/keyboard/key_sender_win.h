// The Win32 side of the key sender: one INPUT record per key event.
#pragma once

#include <windows.h>

#include "actions/keyboard/key_events.h"

namespace zelo {

// A key event as SendInput takes it: a virtual key with the system's scan
// code (0 for Alt), or a character as Unicode input, converted from the ANSI
// code page.
INPUT KeyEventInput(const KeyEvent& event);

}  // namespace zelo
