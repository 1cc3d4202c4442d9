// The native build has no pointer: every event is refused.
#include "actions/mouse/mouse_device.h"

namespace zelo {

namespace {

class NoMouse : public MouseDevice {
 public:
  ScreenPoint Position() override { return {}; }
  bool MoveTo(ScreenPoint) override { return false; }
  bool Place(ScreenPoint) override { return false; }
  bool Button(MouseButtonEvent) override { return false; }
  bool Wheel(int32_t) override { return false; }
  void ShowPointer() override {}
  void Sleep(uint32_t) override {}
  uint32_t DoubleClickMs() override { return 500; }
};

}  // namespace

MouseDevice& SystemMouse() {
  static NoMouse none;
  return none;
}

}  // namespace zelo
