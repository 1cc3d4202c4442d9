#include "actions/mouse/glide.h"

namespace zelo {

std::vector<ScreenPoint> GlidePath(ScreenPoint from, ScreenPoint to) {
  const int64_t dx = static_cast<int64_t>(to.x) - from.x;
  const int64_t dy = static_cast<int64_t>(to.y) - from.y;
  int64_t steps = 20;
  if (dx / steps == 0 && dy / steps == 0) steps = 8;
  const int64_t step_x = dx / steps, step_y = dy / steps;
  std::vector<ScreenPoint> path;
  path.reserve(static_cast<std::size_t>(steps));
  for (int64_t i = 1; i <= steps; ++i)
    path.push_back({static_cast<int32_t>(from.x + step_x * i), static_cast<int32_t>(from.y + step_y * i)});
  return path;
}

bool GlideTo(MouseDevice& mouse, ScreenPoint to, bool snap) {
  if (!snap) {
    for (const ScreenPoint& p : GlidePath(mouse.Position(), to)) {
      if (!mouse.MoveTo(p)) return false;
      mouse.Sleep(kGlideStepMs);
    }
  }
  return mouse.Place(to);
}

int32_t AbsoluteMoveCoordinate(int32_t pixel, int32_t origin, int32_t extent) {
  if (extent <= 0) return 0;
  int64_t offset = static_cast<int64_t>(pixel) - origin;
  if (offset < 0) offset = 0;
  if (offset > extent - 1) offset = extent - 1;
  // The smallest n whose image is the pixel: ceil(offset × 65536 ÷ extent).
  // Its image lies less than extent ÷ 65536 past the pixel's left edge, so a
  // system that rounds instead of cutting lands there too.
  const int64_t n = (offset * 65536 + extent - 1) / extent;
  return static_cast<int32_t>(n > 65535 ? 65535 : n);
}

}  // namespace zelo
