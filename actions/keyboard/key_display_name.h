// KeyDisplayName: the name a person knows a virtual key by, as shown for the
// stop key ("Escape", "Pg Dn", "F12", "A", "!").
#pragma once

#include <cstdint>
#include <string>

namespace zelo {

// The modifier keys that are down while the name is formed; a digit key is
// shown as its shifted character when Shift alone is down.
struct KeyNameModifiers {
  bool shift = false;
  bool ctrl_or_alt = false;
};

// Writes the name into *name (empty when the key has none) and returns the
// code, or 0 for Space and for keys without a name.
int KeyDisplayName(int vk, std::string* name, KeyNameModifiers modifiers = {});

}  // namespace zelo
