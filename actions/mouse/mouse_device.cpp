#include "actions/mouse/mouse_device.h"

#include <atomic>

namespace zelo {

namespace {
std::atomic<MouseDevice*> g_mouse{nullptr};
}  // namespace

MouseDevice& ProgramMouse() {
  MouseDevice* mouse = g_mouse.load();
  return mouse != nullptr ? *mouse : SystemMouse();
}
void UseMouse(MouseDevice* mouse) { g_mouse.store(mouse); }

}  // namespace zelo
