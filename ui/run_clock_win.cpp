#include "ui/run_clock_win.h"

#include <windows.h>

#include "base/local_clock.h"

namespace zelo {

uint32_t WinRunClock::Ticks() { return GetTickCount(); }

void WinRunClock::Sleep(uint32_t milliseconds) { ::Sleep(milliseconds); }

CivilTime WinRunClock::Now() { return LocalCivilTimeNow(); }

}  // namespace zelo
