#include "actions/keyboard/key_sender.h"

#include <vector>

namespace zelo {

bool SendKey(KeySender& sender, uint8_t vk, bool shifted, int phase) {
  std::vector<KeyEvent> events;
  if (KeyStrokeEvents(vk, shifted, phase, &events) == 0) return true;
  return sender.Send(events.data(), events.size());
}

bool PlayKeySequence(KeySender& sender, const KeySequence& sequence) {
  const std::vector<KeyEvent>& events = sequence.events;
  std::size_t run = 0;
  for (std::size_t i = 0; i <= events.size(); ++i) {
    if (i < events.size() && events[i].kind != KeyEvent::kPause) continue;
    if (i > run && !sender.Send(events.data() + run, i - run)) return false;
    if (i < events.size()) sender.Pause(events[i].delay_ms);
    run = i + 1;
  }
  return true;
}

}  // namespace zelo
