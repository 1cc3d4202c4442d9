// The picture bitmap_window.exe shows and the screen-search tests look for:
// 40 x 30 pixels of colours that nothing else on the test screen has.
#pragma once

#include <cstdint>

namespace zelo::test {

inline constexpr int kPatternWidth = 40;
inline constexpr int kPatternHeight = 30;

// 0x00RRGGBB of the pixel at column x, row y.
inline uint32_t PatternPixel(int x, int y) {
  const uint32_t r = static_cast<uint32_t>(37 * x + 11) & 0xFF, g = static_cast<uint32_t>(53 * y + 7) & 0xFF,
                 b = static_cast<uint32_t>(x * y * 13 + 101) & 0xFF;
  return r << 16 | g << 8 | b;
}

}  // namespace zelo::test
