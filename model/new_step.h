// A new blank step in the current script, placed by the selection and the
// "InsertNewStep" option, with the failure mode of new steps.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "model/workspace.h"

namespace zelo {

enum class InsertPlace {
  BySelection,  // before the first selected row, or after it with "InsertNewStep"
  AtEnd,        // "Add to End"
};

// Inserts one step for the action with its category and icon, records its
// undo and returns its index; -1 when nothing was inserted (no open script,
// an empty name, a category outside 1..99999, or the array cannot grow).
int32_t NewStep(Workspace& ws, uint32_t group, const std::vector<int>& selection, std::string_view action,
                int category, int icon, InsertPlace place);

}  // namespace zelo
