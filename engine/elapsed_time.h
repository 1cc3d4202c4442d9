// The elapsed-time text of the "Run Completed" line.
#pragma once

#include <cstdint>
#include <string>

namespace zelo {

// From the milliseconds a run took: "less than 1 second", "%d second%s",
// "%d:%02d" (minutes) and "%d:%02d:%02d" (hours). Runs of 60 hours and more
// keep counting hours in the last form.
std::string ElapsedTimeText(uint32_t milliseconds);

}  // namespace zelo
