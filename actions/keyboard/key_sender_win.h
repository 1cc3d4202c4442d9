// The Win32 side of the key sender: one INPUT record per key event, typed
// on the keyboard layout of the window that has the focus.
#pragma once

#include <windows.h>

#include "actions/keyboard/key_events.h"
#include "actions/keyboard/keyboard_layout.h"

namespace zelo {

// A key event as SendInput takes it: a virtual key with the layout's scan
// code (0 for Alt), or a character as Unicode input, converted from the ANSI
// code page.
INPUT KeyEventInput(const KeyEvent& event, HKL layout);

// The layout of the thread that owns the foreground window: the one that
// turns the keys into characters. The program's own when no window has the
// foreground.
HKL FocusedKeyboardLayout();

// A keyboard layout as the system describes it (VkKeyScanEx).
class SystemKeyboardLayout : public KeyboardLayout {
 public:
  explicit SystemKeyboardLayout(HKL layout) : layout_(layout) {}
  LayoutKey KeyFor(unsigned char character) override;

 private:
  HKL layout_;
};

}  // namespace zelo
