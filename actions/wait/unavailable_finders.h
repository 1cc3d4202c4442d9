// The screen searches and window lookups of a build that has none: their
// waits fail saying that the action is not available in this version.
#pragma once

#include "actions/wait/wait_services.h"

namespace zelo {

class UnavailableScreenFinder : public ScreenFinder {
 public:
  ScreenFind FindPixel(uint32_t, const WaitSearchFields&, const WaitStop&) override { return Unavailable(); }
  ScreenFind FindImage(const std::string&, uint32_t, const WaitSearchFields&, const WaitStop&) override {
    return Unavailable();
  }

 private:
  static ScreenFind Unavailable() {
    ScreenFind none;
    none.outcome = FindOutcome::Unavailable;
    return none;
  }
};

class UnavailableWindowFinder : public WindowFinder {
 public:
  WindowLookup FindByTitle(std::string_view) override {
    WindowLookup none;
    none.outcome = FindOutcome::Unavailable;
    return none;
  }
};

}  // namespace zelo
