#include <gtest/gtest.h>

#include <string>

#include "actions/keyboard/key_display_name.h"
#include "actions/keyboard/key_events.h"
#include "actions/keyboard/typed_text.h"

namespace zelo {
namespace {

// "16+ 72+ 72- 16-": key 16 down, 72 down, 72 up, 16 up; "e" marks the
// extended flag, "z" scan code 0, "c" a Unicode character, "p" a pause.
std::string Events(std::string_view text, bool tokens = true, KeySequence* keep = nullptr) {
  KeySequence seq;
  ParseKeySequence(text, tokens, &seq);
  std::string out;
  for (const KeyEvent& e : seq.events) {
    if (!out.empty()) out += ' ';
    if (e.kind == KeyEvent::kPause) {
      out += 'p' + std::to_string(e.delay_ms);
      continue;
    }
    if (e.kind == KeyEvent::kCharacter) out += 'c';
    out += std::to_string(e.code);
    if (e.extended) out += 'e';
    if (e.zero_scan) out += 'z';
    out += e.up ? '-' : '+';
  }
  if (keep) *keep = seq;
  return out;
}

// Each byte of text pressed and released as the US table types it.
std::string Typed(std::string_view text) { return Events(text, false); }

TEST(KeySequence, TextAndNamesInBracesBecomePressAndRelease) {
  KeySequence seq;
  EXPECT_EQ(Events("Hi {tab}yo{ENTER}", true, &seq),
            "16+ 72+ 72- 16- 73+ 73- 32+ 32- 9+ 9- 89+ 89- 79+ 79- 13+ 13-");
  EXPECT_EQ(seq.keystrokes, 7);
  EXPECT_EQ(seq.pressed_modifiers, 0u);
  // Shifted digits and punctuation pairs share their key with the plain one.
  EXPECT_EQ(Typed("1!;:"), "49+ 49- 16+ 49+ 49- 16- 186+ 186- 16+ 186+ 186- 16-");
  EXPECT_EQ(Typed("\r\n\t"), "13+ 13- 13+ 13- 9+ 9-");
}

TEST(KeySequence, DownAndUpTokensSendOneHalfAndCountOnlyReleases) {
  KeySequence seq;
  EXPECT_EQ(Events("{ctrldown}a{ctrlup}", true, &seq), "17e+ 65+ 65- 17e-");
  EXPECT_EQ(seq.keystrokes, 2);
  EXPECT_EQ(seq.pressed_modifiers, unsigned{PRESSED_CTRL});
  EXPECT_EQ(Events("{ShiftDown}{altdown}{controlDOWN}", true, &seq), "16+ 18z+ 17e+");
  EXPECT_EQ(seq.keystrokes, 0);
  EXPECT_EQ(seq.pressed_modifiers, unsigned{PRESSED_CTRL | PRESSED_SHIFT | PRESSED_ALT});
  // A key-up token presses nothing, so it holds nothing.
  EXPECT_EQ(Events("{shiftup}{altup}", true, &seq), "16- 18z-");
  EXPECT_EQ(seq.pressed_modifiers, 0u);
}

TEST(KeySequence, FunctionKeysNeedADigitOneToNineAndACloseBraceFourthOrFifth) {
  EXPECT_EQ(Events("{F5}{f12}{F24}"), "116+ 116- 123+ 123- 135+ 135-");
  EXPECT_EQ(Events("{F0}"), Typed("{F0}"));
  EXPECT_EQ(Events("{F123}"), Typed("{F123}"));
  EXPECT_EQ(Events("{F"), Typed("{F"));
  EXPECT_EQ(Events("{F1x}"), "112+ 112-");
}

TEST(KeySequence, NamesTakeNoArgumentUnlessListedWithoutTheirBrace) {
  // "{tab}" must close at once; "{space" skips whatever follows to the "}".
  EXPECT_EQ(Events("{tab 3}"), Typed("{tab 3}"));
  EXPECT_EQ(Events("{space 3}x"), "32+ 32- 88+ 88-");
  EXPECT_EQ(Events("{Delete}"), Typed("{Delete}"));
  EXPECT_EQ(Events("{Browser Back now}"), "166e+ 166e-");
  // With no "}" after it, a name moves the scan on by one byte only.
  EXPECT_EQ(Events("{shift"), "16+ 16- " + Typed("shift"));
  // Earlier names win: "{Left Winkey}" is the Windows key, not "{Left}".
  EXPECT_EQ(Events("{Left Winkey}{Left}"), "91e+ 91e- 37e+ 37e-");
}

TEST(KeySequence, BracesThatStartNoNameAndTextWithoutTokensAreTypedAsTheyStand) {
  EXPECT_EQ(Events("{hello}"), Typed("{hello}"));
  EXPECT_EQ(Events("{"), "16+ 219+ 219- 16-");
  EXPECT_EQ(Events("}{"), "16+ 221+ 221- 16- 16+ 219+ 219- 16-");
  EXPECT_EQ(Events("{enter}", false), Typed("{enter}"));
  EXPECT_EQ(Events("{Delay 500}", false), Typed("{Delay 500}"));
}

TEST(KeySequence, DelayReadsEveryDigitOfItsTokenAndNeverWaitsBackwards) {
  KeySequence seq;
  EXPECT_EQ(Events("a{Delay 500}b", true, &seq), "65+ 65- p500 66+ 66-");
  EXPECT_EQ(seq.keystrokes, 2);
  EXPECT_EQ(Events("{delay 1,5 s}"), "p15");
  EXPECT_EQ(Events("{Delay -40}"), "p0");
  // Only the first 31 bytes of the token count.
  EXPECT_EQ(Events("{Delay                     12345}"), "p1234");
  EXPECT_EQ(Events("{Delay" + std::string(200, '9') + "}x"), Events("{Delay" + std::string(25, '9') + "}x"));
}

TEST(KeySequence, NavigationWindowsAppAndNumpadDivideKeysAreExtended) {
  EXPECT_EQ(Events("{Up}{Down}{Left}{Right}{Ins}{Del}{Home}{End}{PgUp}{PgDn}"),
            "38e+ 38e- 40e+ 40e- 37e+ 37e- 39e+ 39e- 45e+ 45e- 46e+ 46e- 36e+ 36e- 35e+ 35e- 33e+ 33e- 34e+ 34e-");
  EXPECT_EQ(Events("{winkeyl}{winkeyr}{appkey}{divide}{NumLock}"),
            "91e+ 91e- 92e+ 92e- 93e+ 93e- 111e+ 111e- 144e+ 144e-");
  // The main keyboard's keys and the rest of the numpad are not.
  EXPECT_EQ(Events("{enter}{Num5}{Num*}{alt}"), "13+ 13- 101+ 101- 106+ 106- 18z+ 18z-");
}

TEST(KeySequence, BytesAbove127AreCharactersAndNulEndsTheText) {
  KeySequence seq;
  EXPECT_EQ(Events("\xE9\xFF", true, &seq), "c233+ c233- c255+ c255-");
  EXPECT_EQ(seq.keystrokes, 2);
  EXPECT_EQ(Events(std::string_view("a\0b", 3)), "65+ 65-");
  // Control bytes stay keys of their own number (8 is Backspace).
  EXPECT_EQ(Typed("\x08\x1B"), "8+ 8- 27+ 27-");
}

TEST(KeySequence, HostileTextParsesInLinearTime) {
  // Each "{shift" without a "}" after it once searched the rest of the text.
  std::string shifts;
  while (shifts.size() < (1u << 18)) shifts += "{shift";
  KeySequence seq;
  ParseKeySequence(shifts, true, &seq);
  EXPECT_EQ(seq.keystrokes, static_cast<int>(shifts.size() / 6 * 6));
  ParseKeySequence(std::string(1u << 18, '{'), true, &seq);
  EXPECT_EQ(seq.keystrokes, 1 << 18);
}

TEST(KeyboardBufferWait, GrowsBySecondsPer120KeystrokesBetween100And2500Ms) {
  EXPECT_EQ(KeyboardBufferWaitMs(19), 0);
  EXPECT_EQ(KeyboardBufferWaitMs(20), 100);
  EXPECT_EQ(KeyboardBufferWaitMs(119), 100);
  EXPECT_EQ(KeyboardBufferWaitMs(150), 1000);
  EXPECT_EQ(KeyboardBufferWaitMs(359), 2000);
  EXPECT_EQ(KeyboardBufferWaitMs(360), 2500);
  EXPECT_EQ(KeyboardBufferWaitMs(2147483647), 2500);
}

TEST(KeyDisplayName, NamesLettersDigitsAndFixedKeysButSpaceCountsAsNone) {
  std::string name;
  EXPECT_EQ(KeyDisplayName(34, &name), 34);
  EXPECT_EQ(name, "Pg Dn");
  EXPECT_EQ(KeyDisplayName(123, &name), 123);
  EXPECT_EQ(name, "F12");
  EXPECT_EQ(KeyDisplayName(101, &name), 101);
  EXPECT_EQ(name, "Num 5");
  EXPECT_EQ(KeyDisplayName(81, &name), 81);
  EXPECT_EQ(name, "Q");
  EXPECT_EQ(KeyDisplayName(32, &name), 0);
  EXPECT_EQ(name, "Space");
  EXPECT_EQ(KeyDisplayName(186, &name), 0);
  EXPECT_EQ(name, "");
  // A digit shows its shifted character only while Shift alone is down.
  KeyDisplayName(50, &name, {true, false});
  EXPECT_EQ(name, "@");
  KeyDisplayName(50, &name, {true, true});
  EXPECT_EQ(name, "2");
}

TEST(TypedText, LineBreaksOfTheFieldAreOneReturnAndExplicitCrLfTwo) {
  int calls = 0;
  auto expand = [&](std::string_view s) {
    ++calls;
    std::string out(s);
    const std::size_t at = out.find("%name");
    if (at != std::string::npos) out.replace(at, 5, "Ann\r\nB");
    return out;
  };
  EXPECT_EQ(PrepareTypedText("a\r\nb%R%Nc %name", false, expand), "a\nb\r\nc Ann\nB");
  EXPECT_EQ(calls, 1);
  // "No Formatting" leaves the text unexpanded, line breaks still prepared.
  EXPECT_EQ(PrepareTypedText("%name\r\n%r%n", true, expand), "%name\n\r\n");
  EXPECT_EQ(calls, 1);
  KeySequence seq;
  ParseKeySequence(PrepareTypedText("x\r\ny%r%n", true, expand), true, &seq);
  EXPECT_EQ(seq.keystrokes, 5);
}

}  // namespace
}  // namespace zelo
