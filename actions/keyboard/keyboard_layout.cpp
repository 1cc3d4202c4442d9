#include "actions/keyboard/keyboard_layout.h"

#include "actions/keyboard/key_tables.h"

namespace zelo {

namespace {

constexpr uint8_t kCtrl = 17, kAlt = 18;

// The events of one character as the layout types it.
void LayoutStrokes(unsigned char c, const LayoutKey& key, std::vector<KeyEvent>* out) {
  const std::size_t first = out->size();
  if (!key.found) {
    KeyEvent e;
    e.kind = KeyEvent::kCharacter;
    e.code = c;
    out->push_back(e);
    e.up = true;
    out->push_back(e);
  } else {
    // AltGr is sent as Ctrl and Alt, the way the system itself reports it.
    if (key.ctrl) KeyStrokeEvents(kCtrl, false, 1, out);
    if (key.alt) KeyStrokeEvents(kAlt, false, 1, out);
    KeyStrokeEvents(key.vk, key.shift, 1, out);
    KeyStrokeEvents(key.vk, key.shift, 2, out);
    if (key.alt) KeyStrokeEvents(kAlt, false, 2, out);
    if (key.ctrl) KeyStrokeEvents(kCtrl, false, 2, out);
  }
  for (std::size_t i = first; i < out->size(); ++i) {
    (*out)[i].text_byte = c;
    (*out)[i].starts_character = i == first;
  }
}

bool SameAsTable(unsigned char c, const LayoutKey& key) {
  const CharacterKey table = CharacterKeyFor(c);
  return key.found && !key.ctrl && !key.alt && key.vk == table.vk && key.shift == table.shifted;
}

}  // namespace

void AdaptToLayout(const KeyEvent* events, std::size_t count, KeyboardLayout& layout, std::vector<KeyEvent>* out) {
  out->reserve(out->size() + count);
  // Each printable character is asked for once per batch.
  LayoutKey keys[128];
  bool asked[128] = {};
  for (std::size_t i = 0; i < count;) {
    const KeyEvent& e = events[i];
    std::size_t end = i + 1;
    if (e.starts_character)
      while (end < count && events[end].text_byte == e.text_byte && !events[end].starts_character &&
             events[end].kind != KeyEvent::kPause)
        ++end;
    const unsigned char c = e.text_byte;
    if (!e.starts_character || c < 32 || c > 126 || e.kind != KeyEvent::kKey) {
      out->insert(out->end(), events + i, events + end);
      i = end;
      continue;
    }
    if (!asked[c]) {
      keys[c] = layout.KeyFor(c);
      asked[c] = true;
    }
    if (SameAsTable(c, keys[c]))
      out->insert(out->end(), events + i, events + end);
    else
      LayoutStrokes(c, keys[c], out);
    i = end;
  }
}

}  // namespace zelo
