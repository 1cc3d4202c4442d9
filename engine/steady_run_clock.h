// A RunClock on the standard library's clocks. Portable; the Windows build
// may use it as well as the tick count of the system.
#pragma once

#include "engine/run_seams.h"

namespace zelo {

class SteadyRunClock : public RunClock {
 public:
  uint32_t Ticks() override;
  void Sleep(uint32_t milliseconds) override;
  CivilTime Now() override;
};

}  // namespace zelo
