#include "engine/elapsed_time.h"

#include "engine/run_log.h"
#include "engine/run_texts.h"

namespace zelo {

std::string ElapsedTimeText(uint32_t milliseconds) {
  const int s = static_cast<int>(milliseconds / 1000u);
  if (s == 0) return run_texts::kLessThanASecond;
  if (s < 60) return FormatLogText(run_texts::kSeconds, s, s == 1 ? "" : "s");
  if (s < 3600) return FormatLogText(run_texts::kMinutesSeconds, s / 60, s % 60);
  return FormatLogText(run_texts::kHoursMinutesSeconds, s / 3600, s / 60 % 60, s % 60);
}

}  // namespace zelo
