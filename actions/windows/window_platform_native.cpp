// The native build has no desktop: its lookups find no window, so nothing
// here is ever asked to act on one.
#include "actions/windows/window_platform.h"

namespace zelo {

namespace {

class NoDesktop : public WindowPlatform {
 public:
  bool Box(WindowHandle, WindowBox*) override { return false; }
  bool IsVisible(WindowHandle) override { return false; }
  WindowHandle Foreground() override { return 0; }
  bool Exists(WindowHandle) override { return false; }
  bool AsksQuestion(WindowHandle) override { return false; }
  CloseAnswer SendClose(WindowHandle, uint32_t) override { return CloseAnswer::Busy; }
  void EndOwningProcess(WindowHandle) override {}
  void PostClose(WindowHandle) override {}
  void Destroy(WindowHandle) override {}
  void PressAltF4(WindowHandle) override {}
  void Sleep(uint32_t) override {}
  bool Activate(WindowHandle) override { return false; }
  void SetStyle(WindowHandle, std::string_view) override {}
  std::string FullText(WindowHandle) override { return {}; }
  WindowHandle Press(WindowHandle) override { return 0; }
  void Move(WindowHandle, int32_t, int32_t) override {}
  void Resize(WindowHandle, int32_t, int32_t) override {}
  void Maximize(WindowHandle) override {}
  void MinimizeOrRestore(WindowHandle) override {}
  void MinimizeAll() override {}
  std::vector<WindowHandle> WindowsToCloseAll() override { return {}; }
  bool IsChecked(WindowHandle) override { return false; }
  WindowHandle WindowAt(ScreenPoint) override { return 0; }
  std::vector<WindowHandle> LaterSiblings(WindowHandle) override { return {}; }
};

}  // namespace

WindowPlatform& SystemWindowPlatform() {
  static NoDesktop none;
  return none;
}

}  // namespace zelo
