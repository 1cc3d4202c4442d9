#include "actions/screen/screen_color.h"

#include <string>

#include "base/text.h"

namespace zelo {

namespace {

struct NamedColor {
  const char* name;
  uint32_t colorref;
};

constexpr NamedColor kNamedColors[] = {
    {"BLACK", 0x000000},     {"GRAY", 0x808080},    {"LIGHT GRAY", 0xC0C0C0}, {"LT GRAY", 0xC0C0C0},
    {"DARK GRAY", 0x404040}, {"DK GRAY", 0x404040}, {"WHITE", 0xFFFFFF},      {"RED", 0x0000FF},
    {"GREEN", 0x00FF00},     {"BLUE", 0xFF0000},    {"YELLOW", 0x00FFFF},     {"BROWN", 0x008080},
    {"CYAN", 0xFFFF00},      {"TEAL", 0x808000},    {"PINK", 0xFF00FF},       {"PURPLE", 0x800080},
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  const char l = AsciiLower(c);
  if (l >= 'a' && l <= 'f') return l - 'a' + 10;
  return -1;
}

}  // namespace

uint32_t ParseColor(std::string_view text) {
  for (const NamedColor& c : kNamedColors)
    if (EqualsNoCase(text, c.name)) return c.colorref;

  std::string kept;
  for (char c : text.substr(0, 63))
    if (c != '"' && c != ' ') kept += c;
  std::string digits;
  for (std::size_t i = 0; i < kept.size(); ++i) {
    if (kept[i] == '0' && i + 1 < kept.size() && AsciiLower(kept[i + 1]) == 'x') {
      ++i;
      continue;
    }
    digits += kept[i];
  }
  std::string_view rest = digits;
  if (!rest.empty() && rest[0] == '#') rest.remove_prefix(1);
  if (rest.size() != 6) return 0;
  uint32_t rgb = 0;
  for (char c : rest) {
    const int d = HexDigit(c);
    if (d < 0) return 0;
    rgb = rgb << 4 | static_cast<uint32_t>(d);
  }
  return SwapRedBlue(rgb);
}

ColorRange ColorRangeOf(uint32_t rgb, int tolerance) {
  if (tolerance < 0) tolerance = 0;
  if (tolerance > 255) tolerance = 255;
  auto low = [&](int c) { return static_cast<uint8_t>(c - tolerance < 0 ? 0 : c - tolerance); };
  auto high = [&](int c) { return static_cast<uint8_t>(c + tolerance > 255 ? 255 : c + tolerance); };
  const int r = RedOf(rgb), g = GreenOf(rgb), b = BlueOf(rgb);
  return {low(r), high(r), low(g), high(g), low(b), high(b)};
}

}  // namespace zelo
