#include "ui/main/clock_text.h"

#include <cstdio>

namespace zelo {

std::string ClockText(int hour24, int minute) {
  const int hour = hour24 % 12 == 0 ? 12 : hour24 % 12;
  char text[32];
  std::snprintf(text, sizeof text, " %d:%02d %s", hour, minute, hour24 < 12 ? "AM" : "PM");
  return text;
}

}  // namespace zelo
