// The system's mouse: every event goes through SendInput, which reports how
// many events it took; fewer than given means the system refused them (a
// target with higher rights, a locked desktop).
#include <windows.h>

#include "actions/mouse/glide.h"
#include "actions/mouse/mouse_device.h"

namespace zelo {

namespace {

bool SendMouse(DWORD flags, LONG dx = 0, LONG dy = 0, DWORD data = 0) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  input.mi.dx = dx;
  input.mi.dy = dy;
  input.mi.mouseData = data;
  return SendInput(1, &input, sizeof input) == 1;
}

class WinMouse : public MouseDevice {
 public:
  ScreenPoint Position() override {
    POINT p = {};
    GetCursorPos(&p);
    return {p.x, p.y};
  }
  bool MoveTo(ScreenPoint point) override {
    // Over the whole virtual screen, so monitors left of or above the
    // primary one (negative coordinates) are reached too.
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN), height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    return SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK,
                     AbsoluteMoveCoordinate(point.x, left, width), AbsoluteMoveCoordinate(point.y, top, height));
  }
  bool Place(ScreenPoint point) override { return SetCursorPos(point.x, point.y) != 0; }
  bool Button(MouseButtonEvent event) override {
    switch (event) {
      case MouseButtonEvent::LeftDown: return SendMouse(MOUSEEVENTF_LEFTDOWN);
      case MouseButtonEvent::LeftUp: return SendMouse(MOUSEEVENTF_LEFTUP);
      case MouseButtonEvent::RightDown: return SendMouse(MOUSEEVENTF_RIGHTDOWN);
      case MouseButtonEvent::RightUp: return SendMouse(MOUSEEVENTF_RIGHTUP);
    }
    return false;
  }
  bool Wheel(int32_t delta) override { return SendMouse(MOUSEEVENTF_WHEEL, 0, 0, static_cast<DWORD>(delta)); }
  void ShowPointer() override { ShowCursor(TRUE); }
  void Sleep(uint32_t ms) override { ::Sleep(ms); }
  uint32_t DoubleClickMs() override { return GetDoubleClickTime(); }
};

}  // namespace

MouseDevice& SystemMouse() {
  static WinMouse mouse;
  return mouse;
}

}  // namespace zelo
