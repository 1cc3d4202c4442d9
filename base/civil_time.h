// A moment on the calendar, and the calendar arithmetic without a time zone:
// seconds since 1970 and the proleptic Gregorian calendar, in both directions.
#pragma once

#include <cstdint>

namespace zelo {

// A moment on the local calendar (or, for the arithmetic below, on no
// particular zone's calendar).
struct CivilTime {
  int year = 1970;
  int month = 1;    // 1..12
  int day = 1;      // 1..31
  int hour = 0;     // 0..23
  int minute = 0;   // 0..59
  int second = 0;   // 0..59 (60 in a leap second)
  int weekday = 4;  // 0 = Sunday
};

// The calendar form of seconds since 1970-01-01 00:00:00 (no time zone).
CivilTime CivilTimeFromSeconds(int64_t seconds);
// Seconds since 1970-01-01 00:00:00 of a calendar moment (no time zone).
int64_t SecondsFromCivilTime(const CivilTime& t);

}  // namespace zelo
