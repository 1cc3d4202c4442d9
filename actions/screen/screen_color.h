// Colours of the pixel and image searches. Steps and callers speak COLORREF
// (0x00BBGGRR, red in the low byte); screen captures and decoded bitmaps hold
// 0x??RRGGBB (the byte order of a 32-bit DIB), whose top byte is never
// compared: screens of other depths leave anything there.
#pragma once

#include <cstdint>
#include <string_view>

namespace zelo {

inline constexpr uint32_t kRgbMask = 0x00FFFFFF;

// COLORREF <-> capture order: red and blue change places (either way).
inline constexpr uint32_t SwapRedBlue(uint32_t c) {
  return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
}
inline constexpr int RedOf(uint32_t rgb) { return static_cast<int>(rgb >> 16 & 0xFF); }
inline constexpr int GreenOf(uint32_t rgb) { return static_cast<int>(rgb >> 8 & 0xFF); }
inline constexpr int BlueOf(uint32_t rgb) { return static_cast<int>(rgb & 0xFF); }

// A colour name (any case: "RED", "lt gray"...) or six hexadecimal digits
// RRGGBB, with quotes, blanks, "0x" and one leading "#" allowed around them.
// Anything else is black.
uint32_t ParseColor(std::string_view text);

// Per channel, the values within a tolerance of a colour, cut to 0-255.
struct ColorRange {
  uint8_t low_red, high_red, low_green, high_green, low_blue, high_blue;

  bool Holds(uint32_t rgb) const {
    const int r = RedOf(rgb), g = GreenOf(rgb), b = BlueOf(rgb);
    // & rather than && keeps the test free of branches in scanning loops.
    return (r >= low_red) & (r <= high_red) & (g >= low_green) & (g <= high_green) & (b >= low_blue) &
           (b <= high_blue);
  }
};
// rgb in capture order.
ColorRange ColorRangeOf(uint32_t rgb, int tolerance);

// Whether two capture-order colours match: equal in red, green and blue for
// a tolerance of 0 or less, else each channel within the tolerance.
inline bool ColorsMatch(uint32_t a, uint32_t b, int tolerance) {
  if (tolerance <= 0) return ((a ^ b) & kRgbMask) == 0;
  const int dr = RedOf(a) - RedOf(b), dg = GreenOf(a) - GreenOf(b), db = BlueOf(a) - BlueOf(b);
  return dr <= tolerance && -dr <= tolerance && dg <= tolerance && -dg <= tolerance && db <= tolerance &&
         -db <= tolerance;
}

}  // namespace zelo
