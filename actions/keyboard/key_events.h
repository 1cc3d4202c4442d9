// What a key sequence sends, as a list of single key events the sender plays
// one by one: the portable side decides every key, flag and pause, so the
// Win32 side only turns each event into one input record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zelo {

struct KeyEvent {
  enum Kind : uint8_t {
    kKey,        // a virtual key goes down or up
    kCharacter,  // a character goes down or up by Unicode input
    kPause,      // the sender waits delay_ms milliseconds
  };
  Kind kind = kKey;
  // kKey: the virtual key. kCharacter: the ANSI byte; the sender converts it
  // to its Unicode code point with the system's ANSI code page, the one
  // place that knows the code page.
  uint8_t code = 0;
  bool up = false;
  bool extended = false;   // the extended-key flag
  bool zero_scan = false;  // Alt is sent with scan code 0, not the system's mapping
  // The byte of text this event types, 0 for a key name or a pause. The
  // first event of each character of text is marked, so that a sender can
  // tell the characters apart and type one on the key the focused window's
  // keyboard layout has for it.
  unsigned char text_byte = 0;
  bool starts_character = false;
  int32_t delay_ms = 0;    // kPause
};

// SendKey's rules: the events for pressing (phase 1) or releasing (phase 2)
// one virtual key, Shift around it when shifted. Code 0 gives none. Appends
// to *out and returns how many were appended.
std::size_t KeyStrokeEvents(uint8_t vk, bool shifted, int phase, std::vector<KeyEvent>* out);

// Modifier keys a sequence pressed, for the run's held-modifier record.
enum PressedModifierBits : unsigned {
  PRESSED_CTRL = 0x1,
  PRESSED_SHIFT = 0x2,
  PRESSED_ALT = 0x4,
};

struct KeySequence {
  std::vector<KeyEvent> events;
  int keystrokes = 0;          // releases sent: what the keyboard buffer has to take in
  unsigned pressed_modifiers = 0;  // PressedModifierBits of "{ctrldown}", "{shift}" and the like
};

// The events of a whole text as the "Type" action sends it: each key pressed
// and released (a key-down token only pressed, a key-up token only released),
// pauses for "{Delay n}". With tokens off every byte is typed as it stands.
// The text ends at its first NUL byte. Replaces *out.
void ParseKeySequence(std::string_view text, bool tokens, KeySequence* out);

// How long to wait after typing so that the keyboard buffer has taken in the
// keystrokes: nothing below 20, else 100 ms to 2500 ms in steps of a second
// per 120 keystrokes.
int32_t KeyboardBufferWaitMs(int keystrokes);

}  // namespace zelo
