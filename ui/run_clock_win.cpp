#include "ui/run_clock_win.h"

#include <windows.h>

namespace zelo {

uint32_t WinRunClock::Ticks() { return GetTickCount(); }

void WinRunClock::Sleep(uint32_t milliseconds) { ::Sleep(milliseconds); }

LocalTime WinRunClock::Now() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  LocalTime now;
  now.year = t.wYear;
  now.month = t.wMonth;
  now.day = t.wDay;
  now.hour = t.wHour;
  now.minute = t.wMinute;
  now.second = t.wSecond;
  return now;
}

}  // namespace zelo
