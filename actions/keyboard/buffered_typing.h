// "Buffered Virtual Keys": a text typed character by character from the
// program's own player, each character's events handed to the system in one
// piece, until the text ends or two seconds have passed since typing began.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "actions/keyboard/key_events.h"

namespace zelo {

class KeySender;

// How long buffered typing may take from its start; the character under
// way when it runs out is the last.
inline constexpr uint32_t kBufferedTypingLimitMs = 2000;

struct BufferedTypingResult {
  std::size_t characters = 0;  // characters sent
  bool refused = false;        // the system refused a character's events
};

// Plays the events of a text parsed without key names (ParseKeySequence with
// tokens off). ticks gives the time; started is its value when the step
// began typing. Stops after the character under way when stop turns true.
BufferedTypingResult PlayBufferedTyping(const KeySequence& text, KeySender& sender,
                                        const std::function<uint32_t()>& ticks, uint32_t started,
                                        const std::atomic<bool>& stop);

}  // namespace zelo
