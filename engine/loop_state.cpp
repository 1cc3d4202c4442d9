#include "engine/loop_state.h"

#include <algorithm>

namespace zelo {

void LoopStack::Push(int32_t start, int32_t counter) {
  std::copy_backward(starts_.begin(), starts_.end() - 1, starts_.end());
  std::copy_backward(counters_.begin(), counters_.end() - 1, counters_.end());
  starts_[0] = start;
  counters_[0] = counter;
}

LoopStack::Entry LoopStack::Pop() {
  const Entry top{starts_[0], counters_[0]};
  std::copy(starts_.begin() + 1, starts_.end(), starts_.begin());
  std::copy(counters_.begin() + 1, counters_.end(), counters_.begin());
  starts_.back() = 0;
  counters_.back() = 0;
  return top;
}

LoopState& ProgramLoopState() {
  static LoopState state;
  return state;
}

LoopStack& LoopStackOf(int slot) {
  return ProgramLoopState().stacks[static_cast<std::size_t>(std::clamp(slot, 0, kMaxSlots - 1))];
}

void ResetLoopStateForFullRun(int slot) {
  LoopState& state = ProgramLoopState();
  if (slot >= 0 && slot < kMaxSlots) state.stacks[static_cast<std::size_t>(slot)].ClearStarts();
  state.window_position = 0;
}

}  // namespace zelo
