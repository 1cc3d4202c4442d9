#include "actions/keyboard/key_sender_win.h"

#include <gtest/gtest.h>

#include <string>

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
TEST(SystemKeyboardLayout, TheUsLayoutAgreesWithTheTablesOnEveryPrintableCharacter) {
  const HKL us = LoadKeyboardLayoutW(L"00000409", 0);
  ASSERT_NE(us, nullptr);
  SystemKeyboardLayout layout(us);
  std::string text;
  for (int c = 32; c <= 126; ++c) text += static_cast<char>(c);
  KeySequence seq;
  ParseKeySequence(text, false, &seq);
  std::vector<KeyEvent> typed;
  AdaptToLayout(seq.events.data(), seq.events.size(), layout, &typed);
  ASSERT_EQ(typed.size(), seq.events.size());
  for (std::size_t i = 0; i < typed.size(); ++i) {
    EXPECT_EQ(typed[i].kind, seq.events[i].kind) << i;
    EXPECT_EQ(typed[i].code, seq.events[i].code) << "character " << seq.events[i].text_byte;
  }
}

}  // namespace
}  // namespace zelo
