// Files of the older "<Zeloplan" family kept option flags as a number and
// several parameters in other fields; this turns such a step into its current
// form after the reader has filled it from its block.
#pragma once

#include <string_view>

#include "model/step_record.h"

namespace zelo {

// Adds an option word to a comma-separated list unless the list already holds
// it as a word (any case).
void AddOptionWord(Field& list, std::string_view word);

// Converts one step read from a legacy file. block is the step's XML block
// (for <options>, <variable>, <qty>, <loops> and <bytes>); the step's
// category must already be set from its action.
void ConvertLegacyStep(std::string_view block, StepRecord& step);

}  // namespace zelo
