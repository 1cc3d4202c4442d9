// Native side of the wall clock: the C library's clock and zone rules.
#include <ctime>

#include "base/local_clock.h"

namespace zelo {

int64_t UnixSecondsNow() { return static_cast<int64_t>(std::time(nullptr)); }

CivilTime LocalCivilTime(int64_t unix_seconds, bool* ok) {
  const std::time_t t = static_cast<std::time_t>(unix_seconds);
  std::tm tm{};
  const bool converted = localtime_r(&t, &tm) != nullptr;
  if (ok) *ok = converted;
  CivilTime c;
  if (!converted) return c;
  c.year = tm.tm_year + 1900;
  c.month = tm.tm_mon + 1;
  c.day = tm.tm_mday;
  c.hour = tm.tm_hour;
  c.minute = tm.tm_min;
  c.second = tm.tm_sec;
  c.weekday = tm.tm_wday;
  return c;
}

}  // namespace zelo
