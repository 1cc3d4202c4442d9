// SendKey and the playing of a key sequence, over one seam: the sender that
// puts key events into the system's input stream. The Win32 side sends them
// with SendInput; tests use a recording double.
#pragma once

#include <cstddef>
#include <cstdint>

#include "actions/keyboard/key_events.h"
#include "engine/run_texts.h"

namespace zelo {

class KeySender {
 public:
  virtual ~KeySender() = default;
  // Puts the events into the input stream in order. False when the system
  // took fewer than it was given: it refused them.
  virtual bool Send(const KeyEvent* events, std::size_t count) = 0;
  virtual void Pause(int32_t ms) = 0;
};

// The step error text when the system refuses keystrokes.
inline constexpr const char* kKeystrokesBlockedMessage = run_texts::kInputRefused;

// Presses (phase 1) or releases (phase 2) one virtual key, with Shift around
// it when shifted. Code 0 sends nothing and succeeds.
bool SendKey(KeySender& sender, uint8_t vk, bool shifted, int phase);

// Plays a sequence: each run of events between two pauses goes to the system
// in one piece, so other input cannot slip in between a key's Shift and the
// key. Stops at the first refusal and returns false.
bool PlayKeySequence(KeySender& sender, const KeySequence& sequence);

// The program's sender (SendInput on Windows; none in the native build).
KeySender* SystemKeySender();

}  // namespace zelo
