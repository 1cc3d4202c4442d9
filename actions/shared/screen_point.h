// A point on the screen, in screen coordinates (the virtual screen's, so it
// may be negative left of or above the primary monitor).
#pragma once

#include <cstdint>

namespace zelo {

struct ScreenPoint {
  int32_t x = 0, y = 0;
  bool operator==(const ScreenPoint& o) const { return x == o.x && y == o.y; }
};

}  // namespace zelo
