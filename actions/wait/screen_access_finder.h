// The waits' screen searches over a screen that can be captured: each try
// captures the region once and searches the copy, as the IF conditions and
// the mouse's image actions do.
#pragma once

#include "actions/screen/screen_search.h"
#include "actions/wait/wait_services.h"

namespace zelo {

class CapturingScreenFinder : public ScreenFinder {
 public:
  explicit CapturingScreenFinder(ScreenAccess& screen) : screen_(screen) {}
  ScreenFind FindPixel(uint32_t colorref, const WaitSearchFields& fields, const WaitStop& stop) override;
  // An image file that cannot be read, or a screen that cannot be captured,
  // is not found and gives the reason as the find's error.
  ScreenFind FindImage(const std::string& path, uint32_t mask, const WaitSearchFields& fields,
                       const WaitStop& stop) override;

 private:
  ScreenAccess& screen_;
};

}  // namespace zelo
