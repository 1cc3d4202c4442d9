#include "actions/keyboard/key_tables.h"

#include <array>
#include <vector>

#include "base/text.h"

namespace zelo {

namespace {

using A = KeyNameAction;

// The key-down and key-up tokens stand just before the name they begin with,
// so they give the same key as that name would and also say which half of
// the stroke to send.
constexpr KeyNameRow kKeyNames[] = {
    {"{NumLock}", 144, A::kPressRelease},
    {"{ScrollLock}", 145, A::kPressRelease},
    {"{Right Winkey}", 92, A::kPressRelease},
    {"{Right Windows Key}", 92, A::kPressRelease},
    {"{winkeyr}", 92, A::kPressRelease},
    {"{Left Winkey}", 91, A::kPressRelease},
    {"{Left Windows Key}", 91, A::kPressRelease},
    {"{Windows Key}", 91, A::kPressRelease},
    {"{winkeyl}", 91, A::kPressRelease},
    {"{winkey}", 91, A::kPressRelease},
    {"{help}", 47, A::kPressRelease},
    {"{backspace}", 8, A::kPressRelease},
    {"{return}", 13, A::kPressRelease},
    {"{enter}", 13, A::kPressRelease},
    {"{tab}", 9, A::kPressRelease},
    {"{Pause}", 19, A::kPressRelease},
    {"{escape}", 27, A::kPressRelease},
    {"{esc}", 27, A::kPressRelease},
    {"{Page Up}", 33, A::kPressRelease},
    {"{PgUp}", 33, A::kPressRelease},
    {"{Pg Up}", 33, A::kPressRelease},
    {"{pageup}", 33, A::kPressRelease},
    {"{Page Down}", 34, A::kPressRelease},
    {"{PgDn}", 34, A::kPressRelease},
    {"{Pg Dn}", 34, A::kPressRelease},
    {"{pagedown}", 34, A::kPressRelease},
    {"{End}", 35, A::kPressRelease},
    {"{Home}", 36, A::kPressRelease},
    {"{Left}", 37, A::kPressRelease},
    {"{Up}", 38, A::kPressRelease},
    {"{Right}", 39, A::kPressRelease},
    {"{Down}", 40, A::kPressRelease},
    {"{Insert}", 45, A::kPressRelease},
    {"{Ins}", 45, A::kPressRelease},
    {"{Del}", 46, A::kPressRelease},
    {"{Prt}", 44, A::kPressRelease},
    {"{Print}", 44, A::kPressRelease},
    {"{Print Screen}", 44, A::kPressRelease},
    {"{CapsLock}", 20, A::kPressRelease},
    {"{caps}", 20, A::kPressRelease},
    {"{Cap}", 20, A::kPressRelease},
    {"{Num0}", 96, A::kPressRelease},
    {"{Num1}", 97, A::kPressRelease},
    {"{Num2}", 98, A::kPressRelease},
    {"{Num3}", 99, A::kPressRelease},
    {"{Num4}", 100, A::kPressRelease},
    {"{Num5}", 101, A::kPressRelease},
    {"{Num6}", 102, A::kPressRelease},
    {"{Num7}", 103, A::kPressRelease},
    {"{Num8}", 104, A::kPressRelease},
    {"{Num9}", 105, A::kPressRelease},
    {"{Num*}", 106, A::kPressRelease},
    {"{Num+}", 107, A::kPressRelease},
    {"{add}", 107, A::kPressRelease},
    {"{NumSep}", 108, A::kPressRelease},
    {"{Num-}", 109, A::kPressRelease},
    {"{subtract}", 109, A::kPressRelease},
    {"{Num.}", 110, A::kPressRelease},
    {"{decimal}", 110, A::kPressRelease},
    {"{Num/}", 111, A::kPressRelease},
    {"{divide}", 111, A::kPressRelease},
    {"{appkey}", 93, A::kPressRelease},
    {"{Application Key}", 93, A::kPressRelease},
    {"{space", 32, A::kPressRelease},
    {"{shiftdown}", 16, A::kPressOnly},
    {"{shiftup}", 16, A::kReleaseOnly},
    {"{shift", 16, A::kPressRelease},
    {"{controldown}", 17, A::kPressOnly},
    {"{controlup}", 17, A::kReleaseOnly},
    {"{control", 17, A::kPressRelease},
    {"{ctrldown}", 17, A::kPressOnly},
    {"{ctrlup}", 17, A::kReleaseOnly},
    {"{ctrl", 17, A::kPressRelease},
    {"{altdown}", 18, A::kPressOnly},
    {"{altup}", 18, A::kReleaseOnly},
    {"{Alt", 18, A::kPressRelease},
    {"{Delay", 0, A::kPause},
    {"{Volume U", 175, A::kPressRelease},
    {"{Volume_U", 175, A::kPressRelease},
    {"{Volume D", 174, A::kPressRelease},
    {"{Volume_D", 174, A::kPressRelease},
    {"{Volume M", 173, A::kPressRelease},
    {"{Volume_M", 173, A::kPressRelease},
    {"{Next T", 176, A::kPressRelease},
    {"{Previous T", 177, A::kPressRelease},
    {"{Media Stop", 178, A::kPressRelease},
    {"{Stop Player", 178, A::kPressRelease},
    {"{Media Play/Pause", 179, A::kPressRelease},
    {"{Browser Back", 166, A::kPressRelease},
    {"{Browser Forward", 167, A::kPressRelease},
    {"{Browser Refresh", 168, A::kPressRelease},
    {"{Browser Stop", 169, A::kPressRelease},
    {"{Browser Search", 170, A::kPressRelease},
    {"{Browser Favorites", 171, A::kPressRelease},
    {"{Browser Home", 172, A::kPressRelease},
    {"{Launch Email", 180, A::kPressRelease},
    {"{Sleep", 95, A::kPressRelease},
    {"{App1", 182, A::kPressRelease},
    {"{App2", 183, A::kPressRelease},
    {"{xbutton1", 5, A::kPressRelease},
    {"{xbutton2", 6, A::kPressRelease},
};

// US layout: the characters Shift gives on the digits 0..9, and the
// punctuation keys with their unshifted and shifted characters.
constexpr char kShiftedDigits[] = ")!@#$%^&*(";
struct PunctuationKey {
  char plain;
  char shifted;
  uint8_t vk;
};
constexpr PunctuationKey kPunctuation[] = {
    {';', ':', 186}, {'=', '+', 187}, {',', '<', 188}, {'-', '_', 189}, {'.', '>', 190}, {'/', '?', 191},
    {'`', '~', 192}, {'[', '{', 219}, {'\\', '|', 220}, {']', '}', 221}, {'\'', '"', 222},
};

struct NamedKey {
  uint8_t vk;
  std::string_view name;
};
constexpr NamedKey kDisplayNames[] = {
    {27, "Escape"}, {13, "Return"},  {17, "Control"}, {32, "Space"},     {9, "Tab"},
    {16, "Shift"},  {20, "Caps Lock"}, {33, "Pg Up"}, {34, "Pg Dn"},     {35, "End"},
    {36, "Home"},   {37, "Left"},    {38, "Up"},      {39, "Right"},     {40, "Down"},
    {45, "Insert"}, {8, "Backspace"}, {46, "Delete"}, {106, "Num *"},    {107, "Num +"},
    {109, "Num -"}, {110, "Num ."},  {111, "Num /"},  {144, "NumLock"},  {145, "Scroll"},
    {19, "Pause"},  {18, "Menu"},    {44, "Print Screen"}, {91, "Left WinKey"}, {92, "Right WinKey"},
    {93, "AppKey"},
};

std::array<CharacterKey, 256> BuildCharacterKeys() {
  std::array<CharacterKey, 256> keys{};
  // Control bytes and the rest of ASCII are sent as the key of their own
  // number (byte 8 is Backspace, 27 Escape).
  for (int c = 0; c < 128; ++c) keys[c] = {static_cast<uint8_t>(c), false};
  for (int c = 'A'; c <= 'Z'; ++c) keys[c] = {static_cast<uint8_t>(c), true};
  for (int c = 'a'; c <= 'z'; ++c) keys[c] = {static_cast<uint8_t>(c - 'a' + 'A'), false};
  for (int d = 0; d < 10; ++d) keys[static_cast<unsigned char>(kShiftedDigits[d])] = {static_cast<uint8_t>('0' + d), true};
  for (const PunctuationKey& p : kPunctuation) {
    keys[static_cast<unsigned char>(p.plain)] = {p.vk, false};
    keys[static_cast<unsigned char>(p.shifted)] = {p.vk, true};
  }
  keys['\r'] = keys['\n'] = {13, false};
  return keys;
}

struct NameIndex {
  std::vector<const KeyNameRow*> rows[256];
  NameIndex() {
    for (const KeyNameRow& row : kKeyNames) {
      const unsigned char second = static_cast<unsigned char>(row.name[1]);
      rows[static_cast<unsigned char>(AsciiLower(static_cast<char>(second)))].push_back(&row);
    }
    // Both cases of a letter look in the same list.
    for (int c = 'A'; c <= 'Z'; ++c) rows[c] = rows[c - 'A' + 'a'];
  }
};

}  // namespace

KeyNameBucket KeyNamesStartingWith(unsigned char second) {
  static const NameIndex index;
  const std::vector<const KeyNameRow*>& rows = index.rows[second];
  return {rows.data(), rows.size()};
}

CharacterKey CharacterKeyFor(unsigned char c) {
  static const std::array<CharacterKey, 256> keys = BuildCharacterKeys();
  return keys[c];
}

char ShiftedDigit(uint8_t digit_vk) {
  return digit_vk >= '0' && digit_vk <= '9' ? kShiftedDigits[digit_vk - '0'] : '\0';
}

std::string_view FixedKeyDisplayName(uint8_t vk, char scratch[8]) {
  for (const NamedKey& k : kDisplayNames)
    if (k.vk == vk) return k.name;
  if (vk >= 96 && vk <= 105) {
    scratch[0] = 'N', scratch[1] = 'u', scratch[2] = 'm', scratch[3] = ' ';
    scratch[4] = static_cast<char>('0' + vk - 96);
    return std::string_view(scratch, 5);
  }
  if (vk >= 112 && vk <= 135) {
    const int n = vk - 111;
    std::size_t len = 0;
    scratch[len++] = 'F';
    if (n >= 10) scratch[len++] = static_cast<char>('0' + n / 10);
    scratch[len++] = static_cast<char>('0' + n % 10);
    return std::string_view(scratch, len);
  }
  return {};
}

bool IsExtendedKey(uint8_t vk) {
  return vk == 17 || (vk >= 33 && vk <= 40) || (vk >= 44 && vk <= 46) || (vk >= 91 && vk <= 93) || vk == 111 ||
         vk == 144 || (vk >= 166 && vk <= 183);
}

}  // namespace zelo
