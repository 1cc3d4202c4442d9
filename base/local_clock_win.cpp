// Windows side of the wall clock: the system time and the system's time zone.
#include <windows.h>

#include "base/local_clock.h"

namespace zelo {

namespace {
// 100-ns intervals between 1601-01-01 (FILETIME's origin) and 1970-01-01.
constexpr int64_t kUnixEpochInFileTime = 116444736000000000LL;
constexpr int64_t kFileTimePerSecond = 10000000LL;
}  // namespace

int64_t UnixSecondsNow() {
  FILETIME ft;
  GetSystemTimeAsFileTime(&ft);
  const int64_t intervals = (static_cast<int64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
  return (intervals - kUnixEpochInFileTime) / kFileTimePerSecond;
}

CivilTime LocalCivilTime(int64_t unix_seconds, bool* ok) {
  // Asking the system for its zone costs tens of microseconds (more than a
  // whole step of a run); fields with date tokens ask thousands of times a
  // second for the same second.
  thread_local int64_t last_seconds = -1;
  thread_local CivilTime last;
  if (unix_seconds == last_seconds && unix_seconds >= 0) {
    if (ok) *ok = true;
    return last;
  }
  if (ok) *ok = false;
  CivilTime c;
  const int64_t intervals = unix_seconds * kFileTimePerSecond + kUnixEpochInFileTime;
  if (intervals < 0) return c;
  FILETIME ft;
  ft.dwLowDateTime = static_cast<DWORD>(intervals & 0xFFFFFFFF);
  ft.dwHighDateTime = static_cast<DWORD>(intervals >> 32);
  // Through the zone rules of that moment, not today's offset.
  SYSTEMTIME utc, local;
  if (!FileTimeToSystemTime(&ft, &utc) || !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) return c;
  c.year = local.wYear;
  c.month = local.wMonth;
  c.day = local.wDay;
  c.hour = local.wHour;
  c.minute = local.wMinute;
  c.second = local.wSecond;
  c.weekday = local.wDayOfWeek;
  if (ok) *ok = true;
  last_seconds = unix_seconds;
  last = c;
  return c;
}

}  // namespace zelo
