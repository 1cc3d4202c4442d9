#include "actions/keyboard/key_sender_win.h"

#include <gtest/gtest.h>

namespace zelo {
namespace {

TEST(KeyEventInput, KeysCarryScanAndFlagsAndCharactersGoAsUnicode) {
  KeySequence seq;
  ParseKeySequence("{Left}{alt}\xE9", true, &seq);
  ASSERT_EQ(seq.events.size(), 6u);

  const INPUT left_up = KeyEventInput(seq.events[1]);
  EXPECT_EQ(left_up.ki.wVk, VK_LEFT);
  EXPECT_EQ(left_up.ki.wScan, MapVirtualKeyW(VK_LEFT, MAPVK_VK_TO_VSC));
  EXPECT_EQ(left_up.ki.dwFlags, DWORD{KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP});

  const INPUT alt_down = KeyEventInput(seq.events[2]);
  EXPECT_EQ(alt_down.ki.wVk, VK_MENU);
  EXPECT_EQ(alt_down.ki.wScan, 0);
  EXPECT_EQ(alt_down.ki.dwFlags, 0u);

  // The ANSI byte arrives as the character the code page gives it, never as
  // virtual key 0xE9.
  wchar_t expected = 0;
  const char byte = '\xE9';
  MultiByteToWideChar(CP_ACP, 0, &byte, 1, &expected, 1);
  const INPUT char_down = KeyEventInput(seq.events[4]);
  EXPECT_EQ(char_down.ki.wVk, 0);
  EXPECT_EQ(char_down.ki.wScan, expected);
  EXPECT_EQ(char_down.ki.dwFlags, DWORD{KEYEVENTF_UNICODE});
}

}  // namespace
}  // namespace zelo
