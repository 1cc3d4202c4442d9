// The selected rows an editing command works on: ascending, without repeats,
// and only rows that are steps of the slot.
#pragma once

#include <algorithm>
#include <vector>

#include "model/script_slot.h"

namespace zelo {

inline std::vector<int> SelectedSteps(const ScriptSlot& slot, const std::vector<int>& rows) {
  std::vector<int> steps;
  steps.reserve(rows.size());
  for (int r : rows)
    if (r >= 0 && r < slot.step_count) steps.push_back(r);
  std::sort(steps.begin(), steps.end());
  steps.erase(std::unique(steps.begin(), steps.end()), steps.end());
  return steps;
}

}  // namespace zelo
