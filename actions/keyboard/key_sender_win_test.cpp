#include "actions/keyboard/key_sender_win.h"

#include <gtest/gtest.h>

#include <string>

#include "actions/keyboard/key_tables.h"

namespace zelo {
namespace {

TEST(KeyEventInput, KeysCarryScanAndFlagsAndCharactersGoAsUnicode) {
  KeySequence seq;
  ParseKeySequence("{Left}{alt}\xE9", true, &seq);
  ASSERT_EQ(seq.events.size(), 6u);
  const HKL layout = GetKeyboardLayout(0);

  const INPUT left_up = KeyEventInput(seq.events[1], layout);
  EXPECT_EQ(left_up.ki.wVk, VK_LEFT);
  EXPECT_EQ(left_up.ki.wScan, MapVirtualKeyW(VK_LEFT, MAPVK_VK_TO_VSC));
  EXPECT_EQ(left_up.ki.dwFlags, DWORD{KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP});

  const INPUT alt_down = KeyEventInput(seq.events[2], layout);
  EXPECT_EQ(alt_down.ki.wVk, VK_MENU);
  EXPECT_EQ(alt_down.ki.wScan, 0);
  EXPECT_EQ(alt_down.ki.dwFlags, 0u);

  // The ANSI byte arrives as the character the code page gives it, never as
  // virtual key 0xE9.
  wchar_t expected = 0;
  const char byte = '\xE9';
  MultiByteToWideChar(CP_ACP, 0, &byte, 1, &expected, 1);
  const INPUT char_down = KeyEventInput(seq.events[4], layout);
  EXPECT_EQ(char_down.ki.wVk, 0);
  EXPECT_EQ(char_down.ki.wScan, expected);
  EXPECT_EQ(char_down.ki.dwFlags, DWORD{KEYEVENTF_UNICODE});
}

// The key tables describe the US layout; the system's US layout must put
// every printable character on the same key with the same Shift, or typing
// on a US keyboard would no longer send what the tables say.
// The key the layout names for a character gives that character back when
// pressed with its modifiers; on a US-style layout letters and digits sit
// where the tables put them. (Wine's layout comes from the X keyboard map,
// which has "<" on the 102nd key and no key code for "(" and ")".)
TEST(SystemKeyboardLayout, EveryKeyItNamesTypesItsCharacter) {
  const HKL layout = FocusedKeyboardLayout();
  SystemKeyboardLayout keys(layout);
  int on_keys = 0;
  for (int c = 32; c <= 126; ++c) {
    const LayoutKey key = keys.KeyFor(static_cast<unsigned char>(c));
    if (!key.found) continue;
    ++on_keys;
    BYTE state[256] = {};
    if (key.shift) state[VK_SHIFT] = 0x80;
    if (key.ctrl) state[VK_CONTROL] = 0x80;
    if (key.alt) state[VK_MENU] = 0x80;
    wchar_t typed[4] = {};
    const int n = ToUnicodeEx(key.vk, MapVirtualKeyExW(key.vk, MAPVK_VK_TO_VSC, layout), state, typed, 4, 0, layout);
    EXPECT_TRUE(n == 1 && typed[0] == static_cast<wchar_t>(c))
        << "'" << static_cast<char>(c) << "' on key " << int{key.vk} << (key.shift ? " with Shift" : "");
    const bool alphanumeric = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    const CharacterKey table = CharacterKeyFor(static_cast<unsigned char>(c));
    if (alphanumeric) EXPECT_TRUE(key.vk == table.vk && key.shift == table.shifted) << static_cast<char>(c);
  }
  EXPECT_GE(on_keys, 62) << "letters and digits at least";
}

}  // namespace
}  // namespace zelo
