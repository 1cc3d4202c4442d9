// The native build runs the portable core's tests and tools, not scripts:
// it has no mouse pointer, screen or windows to wait for, and its priority
// is only remembered.
#include "actions/wait/unavailable_finders.h"
#include "actions/wait/wait_services.h"

namespace zelo {

namespace {

class NativeWaitSystem : public WaitSystem {
 public:
  uint32_t PriorityClass() override { return priority_; }
  void SetPriorityClass(uint32_t priority_class) override { priority_ = priority_class; }
  bool PointerPosition(int32_t*, int32_t*) override { return false; }

 private:
  uint32_t priority_ = 32;
};

}  // namespace

const WaitServices& SystemWaitServices() {
  static NativeWaitSystem system;
  static UnavailableScreenFinder screen;
  static UnavailableWindowFinder windows;
  static const WaitServices services{&system, &screen, &windows};
  return services;
}

}  // namespace zelo
