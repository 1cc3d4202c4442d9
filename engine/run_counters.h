// The per-tab counters that "%l" and "%e" references show: the iteration
// counter of the tab's current loop and its run-repeat counter.
#pragma once

#include <cstdint>

namespace zelo {

class RunEngine;

// The top of the slot's loop stack (0 outside loops).
int32_t CurrentLoopCounter(int slot);
// The slot's run-repeat counter, 0 when negative.
int32_t ShownRunRepeats(const RunEngine& run, int slot);

}  // namespace zelo
