// The native build runs the portable core's tools and tests, not scripts:
// it has no screen to read. Searches there fail saying the screen cannot
// be read; the tools and tests give frames of their own.
#include "actions/screen/screen_search.h"

namespace zelo {

namespace {

class NoScreen : public UnwatchedScreen {
 public:
  void ScreenSize(int32_t* width, int32_t* height) override { *width = *height = 0; }
  bool Capture(const ScreenRegion&, ScreenFrame*) override { return false; }
};

}  // namespace

ScreenAccess& SystemScreen() {
  static NoScreen screen;
  return screen;
}

}  // namespace zelo
