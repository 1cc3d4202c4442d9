// The native build runs the portable core's tools and tests, not scripts:
// it has no screen to read. Searches there fail saying the screen cannot
// be read; the tools and tests give frames of their own.
#include "actions/screen/screen_search.h"

namespace zelo {

namespace {

class NoScreen : public ScreenAccess {
 public:
  void ScreenSize(int32_t* width, int32_t* height) override { *width = *height = 0; }
  bool Capture(const ScreenRegion&, ScreenFrame*) override { return false; }
  void EnterIdlePriority() override {}
  void LeaveIdlePriority() override {}
  void KeepScreen() override {}
  void PutScreenBack() override {}
  void DrawPixels(int32_t, int32_t, int32_t, int32_t, const uint32_t*) override {}
  void DrawRegionFrame(const ScreenRegion&) override {}
  void DrawCandidateMarker(int32_t, int32_t) override {}
  void DrawArrow(int32_t, int32_t, uint32_t) override {}
  void Pause(uint32_t) override {}
};

}  // namespace

ScreenAccess& SystemScreen() {
  static NoScreen screen;
  return screen;
}

}  // namespace zelo
