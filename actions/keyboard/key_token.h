// ParseKeyToken: what key the text at a position stands for — a key name in
// braces ("{enter}", "{F5}", "{ctrldown}", "{Delay 500}") or one character —
// and how far the scan moves on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "actions/keyboard/key_tables.h"

namespace zelo {

enum class KeyTokenKind : uint8_t {
  kKey,        // a virtual key: vk, shifted, and which halves to send
  kCharacter,  // a byte of 128 or more: typed as that character, not as a key
  kPause,      // "{Delay n}": no key, delay_ms milliseconds
};

struct KeyToken {
  KeyTokenKind kind = KeyTokenKind::kKey;
  KeyNameAction action = KeyNameAction::kPressRelease;
  uint8_t vk = 0;           // kKey; 0 sends nothing
  unsigned char byte = 0;   // the byte of text at the position
  bool shifted = false;     // the character needs Shift
  bool is_token = false;    // a key name in braces was recognised
  int32_t delay_ms = 0;     // kPause; never negative
  std::size_t length = 1;   // bytes consumed: a token runs to its "}" (one byte when none follows)
};

// The key for the character or token at text[pos] (pos < text.size()). With
// tokens off every byte, an opening brace too, is one character. An opening
// brace that starts no known name is typed as a brace.
//
// A scan of one text from left to right may pass one cache of where the next
// "}" lies, so that many names without "}" ("{shift{shift...") keep the scan
// linear instead of searching the rest of the text for each.
struct CloseBraceCache {
  std::size_t at = SIZE_MAX;  // SIZE_MAX: not searched yet; text size: none left
};
KeyToken ParseKeyToken(std::string_view text, std::size_t pos, bool tokens, CloseBraceCache* cache = nullptr);

}  // namespace zelo
