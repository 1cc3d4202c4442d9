// The screen rectangle a pixel or image search looks in, and the step fields
// that give it.
#pragma once

#include <cstdint>
#include <string_view>

namespace zelo {

// Screen pixels, every edge inclusive.
struct ScreenRegion {
  int32_t left = 0, top = 0, right = 0, bottom = 0;

  bool operator==(const ScreenRegion& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
  bool Empty() const { return right < left || bottom < top; }
};

// Puts the corners in order; an edge equal to its opposite edge stretches to
// the screen's last column or row (so (0, 0)-(0, 0) is the whole screen).
// The result never reaches outside the screen; a region wholly off the
// screen comes out Empty().
ScreenRegion NormalizeRegion(ScreenRegion region, int32_t screen_width, int32_t screen_height);

// What a search step's fields ask for.
struct SearchFields {
  ScreenRegion region;  // normalised
  int32_t tolerance = 0;
};

// tolerance: the "Pixel Color Variation" field; start and stop: the
// "Start Search At (X, Y)" and "Stop Search At (X, Y)" fields, each
// "number, number" (negative numbers read as 0). An empty stop with a start
// other than (0, 0) searches to the screen's bottom-right corner.
SearchFields ReadSearchFields(std::string_view tolerance, std::string_view start, std::string_view stop,
                              int32_t screen_width, int32_t screen_height);

}  // namespace zelo
