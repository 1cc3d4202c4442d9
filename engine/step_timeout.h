// How long a step may take: its time-out field in milliseconds, read one way
// by the failure handling (how long a failing step is tried again) and by
// the actions that wait inside their handler.
#pragma once

#include <cstdint>
#include <string_view>

namespace zelo {

// The longest wait any time-out asks for: 24 hours. A longer one ("99999999",
// or a number too large for a real) is cut to it, so that no wait outlives
// the tick count's wrap-around or seems to go on for ever.
inline constexpr uint32_t kMaxStepTimeoutMs = 24u * 60u * 60u * 1000u;

// The pause before a failing step is tried again within its time-out: short
// enough that a window or image is seen as soon as before, long enough that
// a search of a few milliseconds leaves the processor to the program it
// waits for.
inline constexpr uint32_t kRetryPauseMs = 50;

// An expanded time-out: seconds, fractions allowed, as whole milliseconds.
// A negative, empty or unreadable one is 0 (no waiting beyond one check);
// a huge one is kMaxStepTimeoutMs.
uint32_t StepTimeoutMs(std::string_view expanded_timeout);

}  // namespace zelo
