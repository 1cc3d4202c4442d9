#include "actions/windows/window_platform.h"

#include <atomic>

namespace zelo {

namespace {
std::atomic<WindowPlatform*> g_platform{nullptr};
}  // namespace

WindowPlatform& ProgramWindowPlatform() {
  WindowPlatform* platform = g_platform.load();
  return platform != nullptr ? *platform : SystemWindowPlatform();
}
void UseWindowPlatform(WindowPlatform* platform) { g_platform.store(platform); }

WindowHandle WindowUnderPoint(WindowPlatform& platform, ScreenPoint point) {
  auto area = [](const WindowBox& b) { return static_cast<int64_t>(b.right - b.left) * (b.bottom - b.top); };
  WindowHandle best = platform.WindowAt(point);
  WindowBox box;
  if (best == 0 || !platform.Box(best, &box)) return best;
  int64_t best_area = area(box);
  for (WindowHandle sibling : platform.LaterSiblings(best)) {
    if (!platform.IsVisible(sibling) || !platform.Box(sibling, &box)) continue;
    const bool holds = point.x >= box.left && point.x < box.right && point.y >= box.top && point.y < box.bottom;
    if (holds && area(box) < best_area) {
      best = sibling;
      best_area = area(box);
    }
  }
  return best;
}

}  // namespace zelo
