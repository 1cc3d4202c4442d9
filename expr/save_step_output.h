// SaveStepOutput: hands an action's result to the place its step's `output`
// names — a variable, the clipboard or a file — and reports what it did in
// the run log. The step's own outcome never depends on it.
#pragma once

#include <optional>
#include <string_view>

#include "model/step_record.h"

namespace zelo {

// Log texts cut the data to this many characters; the variables palette
// shows at most kMaxPaletteValue.
inline constexpr std::size_t kMaxLoggedData = 129;
inline constexpr std::size_t kMaxPaletteValue = 193;

// Saves data (size bytes, possibly 0) from step index of the script in slot.
// With variable given (the failure mode that counts in a variable), the data
// goes to that variable whatever `output` says.
void SaveStepOutput(const StepRecord& step, int slot, int step_index, std::string_view data,
                    std::optional<std::string_view> variable = std::nullopt);

}  // namespace zelo
