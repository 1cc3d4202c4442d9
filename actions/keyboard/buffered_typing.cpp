#include "actions/keyboard/buffered_typing.h"

#include "actions/keyboard/key_sender.h"

namespace zelo {

BufferedTypingResult PlayBufferedTyping(const KeySequence& text, KeySender& sender,
                                        const std::function<uint32_t()>& ticks, uint32_t started,
                                        const std::atomic<bool>& stop) {
  BufferedTypingResult result;
  const std::vector<KeyEvent>& events = text.events;
  for (std::size_t i = 0; i < events.size();) {
    std::size_t end = i + 1;
    while (end < events.size() && !events[end].starts_character) ++end;
    if (!sender.Send(events.data() + i, end - i)) {
      result.refused = true;
      break;
    }
    ++result.characters;
    i = end;
    if (stop.load() || static_cast<uint32_t>(ticks() - started) > kBufferedTypingLimitMs) break;
  }
  return result;
}

}  // namespace zelo
