#include "actions/keyboard/keyboard_layout.h"

#include <gtest/gtest.h>

#include <string>

#include "actions/keyboard/key_tables.h"

namespace zelo {
namespace {

// A German-style layout: "y" and "z" swapped, "@" on AltGr+Q, no "~";
// everything else where the US layout has it.
class GermanStyleLayout : public KeyboardLayout {
 public:
  LayoutKey KeyFor(unsigned char c) override {
    ++asked;
    LayoutKey key;
    if (c == '~') return key;
    key.found = true;
    if (c == 'y' || c == 'z') {
      key.vk = c == 'y' ? 'Z' : 'Y';
    } else if (c == '@') {
      key.vk = 'Q';
      key.ctrl = key.alt = true;
    } else {
      const CharacterKey us = CharacterKeyFor(c);
      key.vk = us.vk;
      key.shift = us.shifted;
    }
    return key;
  }
  int asked = 0;
};

std::string LayoutCodes(const std::vector<KeyEvent>& events) {
  std::string out;
  for (const KeyEvent& e : events) {
    if (!out.empty()) out += ' ';
    out += (e.kind == KeyEvent::kCharacter ? "c" : "") + std::to_string(e.code) + (e.up ? "-" : "+");
  }
  return out;
}

TEST(AdaptToLayout, CharactersMoveToTheLayoutsKeysWhileKeyNamesStay) {
  KeySequence seq;
  ParseKeySequence("{ctrldown}zy{ctrlup}@~A{enter}{Delay 5}y\xE9", true, &seq);
  GermanStyleLayout layout;
  std::vector<KeyEvent> typed;
  AdaptToLayout(seq.events.data(), seq.events.size(), layout, &typed);
  EXPECT_EQ(LayoutCodes(typed),
            "17+ 89+ 89- 90+ 90- 17- "      // Ctrl+z is Ctrl and the key that gives "z"
            "17+ 18+ 81+ 81- 18- 17- "      // "@" on AltGr
            "c126+ c126- "                  // no key gives "~"
            "16+ 65+ 65- 16- 13+ 13- "      // the same key as in the tables
            "0+ 90+ 90- c233+ c233-");      // the pause stays between the characters
  EXPECT_EQ(typed[typed.size() - 5].kind, KeyEvent::kPause);
  EXPECT_EQ(layout.asked, 5) << "each character asked once per batch";
  // A sender that splits the events again finds each character's first event.
  int characters = 0;
  for (const KeyEvent& e : typed) characters += e.starts_character;
  EXPECT_EQ(characters, 7);
}

TEST(AdaptToLayout, TheUsLayoutLeavesEveryEventAsTheTablesMadeIt) {
  class UsLayout : public KeyboardLayout {
    LayoutKey KeyFor(unsigned char c) override {
      const CharacterKey us = CharacterKeyFor(c);
      LayoutKey key;
      key.found = true;
      key.vk = us.vk;
      key.shift = us.shifted;
      return key;
    }
  } us;
  std::string text;
  for (int c = 1; c < 256; ++c) text += static_cast<char>(c);
  for (bool tokens : {false, true}) {
    KeySequence seq;
    ParseKeySequence(text + "{Left}{shiftdown}", tokens, &seq);
    std::vector<KeyEvent> typed;
    AdaptToLayout(seq.events.data(), seq.events.size(), us, &typed);
    ASSERT_EQ(typed.size(), seq.events.size());
    for (std::size_t i = 0; i < typed.size(); ++i) {
      EXPECT_EQ(typed[i].code, seq.events[i].code) << i;
      EXPECT_EQ(typed[i].up, seq.events[i].up) << i;
      EXPECT_EQ(typed[i].extended, seq.events[i].extended) << i;
      EXPECT_EQ(typed[i].kind, seq.events[i].kind) << i;
    }
  }
}

}  // namespace
}  // namespace zelo
