// The system's wall clock and its local time zone. The native build reads the
// C library's clock and zone rules (local_clock_native.cpp), the Windows build
// the system's (local_clock_win.cpp).
#pragma once

#include <cstdint>

#include "base/civil_time.h"

namespace zelo {

// Seconds since 1970-01-01 00:00:00 UTC.
int64_t UnixSecondsNow();
// The local calendar time of a moment, through the zone rules of that very
// moment (a date moved across a daylight-saving change shows the clock time
// of that day). *ok (when given) is false for a moment the system cannot
// convert; the result is then the default CivilTime.
CivilTime LocalCivilTime(int64_t unix_seconds, bool* ok = nullptr);
// The local calendar time now.
inline CivilTime LocalCivilTimeNow() { return LocalCivilTime(UnixSecondsNow()); }

}  // namespace zelo
