#include "engine/steady_run_clock.h"

#include <chrono>
#include <thread>

#include "base/local_clock.h"

namespace zelo {

uint32_t SteadyRunClock::Ticks() {
  using namespace std::chrono;
  // Truncated to 32 bits: wraps like the system's tick count.
  return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void SteadyRunClock::Sleep(uint32_t milliseconds) {
  if (milliseconds == 0)
    std::this_thread::yield();
  else
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

CivilTime SteadyRunClock::Now() { return LocalCivilTimeNow(); }

}  // namespace zelo
