// Calendar arithmetic without a time zone: seconds since 1970 and the
// proleptic Gregorian calendar, in both directions.
#pragma once

#include <cstdint>

#include "expr/substitution_context.h"

namespace zelo {

// The calendar form of seconds since 1970-01-01 00:00:00 (no time zone).
CivilTime CivilTimeFromSeconds(int64_t seconds);
// Seconds since 1970-01-01 00:00:00 of a calendar moment (no time zone).
int64_t SecondsFromCivilTime(const CivilTime& t);

}  // namespace zelo
