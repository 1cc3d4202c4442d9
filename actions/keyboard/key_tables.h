// The key-sequence language's tables, as data: the key names in braces, the
// characters of the US layout, and the display names of virtual keys. The
// watcher library compiles these same files, so they depend on base/ only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zelo {

// What a recognised key name asks of the key.
enum class KeyNameAction : uint8_t {
  kPressRelease,  // press, then release
  kPressOnly,     // "{shiftdown}" and its kind
  kReleaseOnly,   // "{shiftup}" and its kind
  kPause,         // "{Delay n}": no key, a pause of n milliseconds
};

// One name of the key-name table. A name ending in "}" must be followed by
// nothing else; a name without it matches any token that begins so, and the
// scan then skips to the next "}".
struct KeyNameRow {
  std::string_view name;
  uint8_t vk;
  KeyNameAction action;
};

// The names are tried in table order; the first that is a case-insensitive
// prefix of the text wins. These are the rows whose name starts with "{" and
// then the given byte (either case), in table order, so that a lookup does
// not try every name.
struct KeyNameBucket {
  const KeyNameRow* const* rows;
  std::size_t count;
};
KeyNameBucket KeyNamesStartingWith(unsigned char second);

// One byte of text as the US layout types it. A byte of 128 or more has no
// key here: it is typed as a character (Unicode input), never as the virtual
// key of the same number.
struct CharacterKey {
  uint8_t vk;  // 0 for bytes of 128 and more
  bool shifted;
};
CharacterKey CharacterKeyFor(unsigned char c);

// Display name of a virtual key that has a fixed one ("Escape", "Num 5",
// "F12"); empty for letters, digits and keys without a name.
std::string_view FixedKeyDisplayName(uint8_t vk, char scratch[8]);

// The US-layout character that Shift gives on a digit key ('1' -> '!').
char ShiftedDigit(uint8_t digit_vk);

// The keys that carry the extended-key flag when sent: the arrows and the
// Insert/Delete/Home/End/PgUp/PgDn block, both Windows keys and the
// Application key, numpad divide, Print Screen, NumLock, Ctrl, and the
// browser and media keys. Without the flag an arrow or the block arrives
// as the numpad key of the same scan code, which types a digit with NumLock on.
bool IsExtendedKey(uint8_t vk);

}  // namespace zelo
