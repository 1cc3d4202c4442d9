#include "engine/run_counters.h"

#include <algorithm>

#include "engine/loop_state.h"
#include "engine/run_engine.h"

namespace zelo {

int32_t CurrentLoopCounter(int slot) {
  if (slot < 0 || slot >= kMaxSlots) return 0;
  return LoopStackOf(slot).top_counter();
}

int32_t ShownRunRepeats(const RunEngine& run, int slot) { return std::max(run.run_repeats(slot), 0); }

}  // namespace zelo
