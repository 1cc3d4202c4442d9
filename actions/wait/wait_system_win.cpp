// The Windows build's answers to the waits' questions: the process priority
// class and the pointer from the system, the screen searched in a capture
// of the real screen, windows by the lookup the window steps use.
#include <windows.h>

#include "actions/screen/screen_search.h"
#include "actions/wait/screen_access_finder.h"
#include "actions/wait/wait_services.h"
#include "actions/wait/step_window_finder.h"

namespace zelo {

namespace {

class WinWaitSystem : public WaitSystem {
 public:
  uint32_t PriorityClass() override { return GetPriorityClass(GetCurrentProcess()); }
  void SetPriorityClass(uint32_t priority_class) override {
    if (priority_class != 0) ::SetPriorityClass(GetCurrentProcess(), priority_class);
  }
  bool PointerPosition(int32_t* x, int32_t* y) override {
    POINT p;
    if (!GetCursorPos(&p)) return false;
    *x = p.x;
    *y = p.y;
    return true;
  }
};

}  // namespace

const WaitServices& SystemWaitServices() {
  static WinWaitSystem system;
  static CapturingScreenFinder screen(SystemScreen());
  static StepWindowFinder windows;
  static const WaitServices services{&system, &screen, &windows};
  return services;
}

}  // namespace zelo
