#include "actions/keyboard/key_events.h"

#include "actions/keyboard/key_tables.h"
#include "actions/keyboard/key_token.h"

namespace zelo {

namespace {

constexpr uint8_t kShift = 16, kCtrl = 17, kAlt = 18;

KeyEvent Key(uint8_t vk, bool up, bool extended) {
  KeyEvent e;
  e.code = vk;
  e.up = up;
  e.extended = extended;
  return e;
}

KeyEvent Character(unsigned char byte, bool up) {
  KeyEvent e;
  e.kind = KeyEvent::kCharacter;
  e.code = byte;
  e.up = up;
  return e;
}

unsigned ModifierBit(uint8_t vk) {
  if (vk == kCtrl) return PRESSED_CTRL;
  if (vk == kShift) return PRESSED_SHIFT;
  return vk == kAlt ? PRESSED_ALT : 0u;
}

// The events of one byte of text typed as a character, press and release,
// made once for every byte so that plain text costs a table copy per byte.
struct CharacterStrokes {
  KeyEvent events[256][4];
  uint8_t count[256];
  CharacterStrokes();
};

}  // namespace

std::size_t KeyStrokeEvents(uint8_t vk, bool shifted, int phase, std::vector<KeyEvent>* out) {
  if (vk == 0 || (phase != 1 && phase != 2)) return 0;
  const bool up = phase == 2;
  if (vk == kAlt) {
    KeyEvent e = Key(vk, up, false);
    e.zero_scan = true;
    out->push_back(e);
    return 1;
  }
  // Shift is never pressed around a key that has a meaning of its own for
  // the system (toggles, Ctrl, the Windows and Application keys).
  const bool own_key = vk == 8 || vk == 20 || vk == 27 || vk == 144 || vk == 145 || vk == kCtrl ||
                       (vk >= 91 && vk <= 93);
  const KeyEvent key = Key(vk, up, IsExtendedKey(vk));
  if (!shifted || own_key) {
    out->push_back(key);
    return 1;
  }
  if (up) {
    out->push_back(key);
    out->push_back(Key(kShift, true, false));
  } else {
    out->push_back(Key(kShift, false, false));
    out->push_back(key);
  }
  return 2;
}

CharacterStrokes::CharacterStrokes() {
  std::vector<KeyEvent> events;
  for (int c = 0; c < 256; ++c) {
    events.clear();
    if (c >= 128) {
      // A byte of 128 or more is no key of the US table; typing it as the
      // virtual key of the same number would press some unrelated key.
      events.push_back(Character(static_cast<unsigned char>(c), false));
      events.push_back(Character(static_cast<unsigned char>(c), true));
    } else {
      const CharacterKey key = CharacterKeyFor(static_cast<unsigned char>(c));
      KeyStrokeEvents(key.vk, key.shifted, 1, &events);
      KeyStrokeEvents(key.vk, key.shifted, 2, &events);
    }
    count[c] = static_cast<uint8_t>(events.size());
    for (std::size_t i = 0; i < events.size(); ++i) {
      events[i].text_byte = static_cast<unsigned char>(c);
      events[i].starts_character = i == 0;
      this->events[c][i] = events[i];
    }
  }
}

void ParseKeySequence(std::string_view text, bool tokens, KeySequence* out) {
  static const CharacterStrokes strokes;
  std::vector<KeyEvent>& events = out->events;
  events.clear();
  out->keystrokes = 0;
  out->pressed_modifiers = 0;
  const std::size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  events.reserve(text.size() * 2);
  CloseBraceCache cache;
  for (std::size_t pos = 0; pos < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[pos]);
    // A plain character, or a brace that starts no name: typed as it is.
    auto type_character = [&] {
      events.insert(events.end(), strokes.events[c], strokes.events[c] + strokes.count[c]);
      ++out->keystrokes;
      ++pos;
    };
    if (c != '{' || !tokens) {
      type_character();
      continue;
    }
    const KeyToken key = ParseKeyToken(text, pos, tokens, &cache);
    if (!key.is_token) {
      type_character();
      continue;
    }
    pos += key.length;
    switch (key.kind) {
      case KeyTokenKind::kPause: {
        KeyEvent e;
        e.kind = KeyEvent::kPause;
        e.delay_ms = key.delay_ms;
        out->events.push_back(e);
        break;
      }
      case KeyTokenKind::kCharacter:  // only a plain byte is one
        break;
      case KeyTokenKind::kKey:
        if (key.action != KeyNameAction::kReleaseOnly) {
          KeyStrokeEvents(key.vk, key.shifted, 1, &out->events);
          out->pressed_modifiers |= ModifierBit(key.vk);
        }
        if (key.action != KeyNameAction::kPressOnly) {
          KeyStrokeEvents(key.vk, key.shifted, 2, &out->events);
          ++out->keystrokes;
        }
        break;
    }
  }
}

int32_t KeyboardBufferWaitMs(int keystrokes) {
  if (keystrokes < 20) return 0;
  const int64_t ms = static_cast<int64_t>(keystrokes / 120) * 1000;
  if (ms <= 96) return 100;
  if (ms > 2496) return 2500;
  return static_cast<int32_t>(ms);
}

}  // namespace zelo
