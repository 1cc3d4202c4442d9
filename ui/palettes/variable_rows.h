// The rows of the Variables palette: every stored user variable with the
// text it holds, as the palette lists them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zelo {

// Longer values are shown cut to this many characters and "...".
inline constexpr std::size_t kMaxShownVariableValue = 455;

struct VariableRow {
  std::string name;
  std::string value;
};

std::string ShownVariableValue(std::string_view value);

// The shared variables, and in local variable mode also each tab's own
// (named with the tab: "name (tab 2)"), sorted by name without regard to case.
std::vector<VariableRow> StoredVariableRows();

}  // namespace zelo
