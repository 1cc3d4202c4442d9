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

}  // namespace zelo
