// A captured piece of the screen, as the searches read it: the rows of a
// 32-bit top-down DIB, placed at its position on the screen.
#pragma once

#include <cstdint>

#include "actions/screen/search_region.h"

namespace zelo {

// A view; the capture that owns the pixels outlives it.
struct ScreenFrame {
  const uint32_t* pixels = nullptr;  // 0x??RRGGBB, top row first; the top byte is ignored
  int32_t width = 0;
  int32_t height = 0;
  int32_t stride = 0;  // pixels from the start of one row to the next
  int32_t left = 0;    // screen position of the first pixel
  int32_t top = 0;

  // Screen coordinates; only for positions inside the frame.
  uint32_t At(int32_t x, int32_t y) const {
    return pixels[static_cast<int64_t>(y - top) * stride + (x - left)];
  }
  const uint32_t* Row(int32_t y) const { return pixels + static_cast<int64_t>(y - top) * stride - left; }

  // The part of region that the frame holds.
  ScreenRegion Clip(ScreenRegion r) const {
    if (r.left < left) r.left = left;
    if (r.top < top) r.top = top;
    if (r.right > left + width - 1) r.right = left + width - 1;
    if (r.bottom > top + height - 1) r.bottom = top + height - 1;
    return r;
  }
};

}  // namespace zelo
