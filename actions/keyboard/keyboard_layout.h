// Characters typed on the focused window's keyboard layout. The key tables
// describe the US layout; on any other layout a character of text may sit on
// another key ("z" and "y" swap on a German keyboard), need AltGr ("@" is
// AltGr+Q there), or have no key at all. The sender asks the layout for each
// character and types it there, or as Unicode input when no key makes it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "actions/keyboard/key_events.h"

namespace zelo {

// Where a layout has a character: its virtual key and the modifiers to hold.
// AltGr is Ctrl and Alt together.
struct LayoutKey {
  bool found = false;  // false: no key of the layout gives the character
  uint8_t vk = 0;
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

class KeyboardLayout {
 public:
  virtual ~KeyboardLayout() = default;
  // The key for a printable ASCII character (32 to 126).
  virtual LayoutKey KeyFor(unsigned char character) = 0;
};

// The events typed for the layout, appended to *out: every character of
// text that the layout makes on the table's key with the table's Shift keeps
// its events unchanged (so on a US layout nothing changes); one the layout
// makes elsewhere is pressed there with its modifiers; one it cannot make
// goes as a character (Unicode input). Control characters (Tab, Return) and
// key names always keep their events.
void AdaptToLayout(const KeyEvent* events, std::size_t count, KeyboardLayout& layout, std::vector<KeyEvent>* out);

}  // namespace zelo
