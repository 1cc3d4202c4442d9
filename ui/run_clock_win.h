// The run engine's clock on the system's tick count, Sleep and local time.
#pragma once

#include "engine/run_seams.h"

namespace zelo {

class WinRunClock : public RunClock {
 public:
  uint32_t Ticks() override;
  void Sleep(uint32_t milliseconds) override;
  CivilTime Now() override;
};

}  // namespace zelo
