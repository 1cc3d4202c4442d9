// The insert menu of a step's text box: the tables of its token submenus
// ("Run-time Text", "Date/Time", "System Text"), and the entries of its
// "Environment Variables" and "User Variables" submenus. Choosing an entry
// inserts its token, the part before the tab.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/script_slot.h"

namespace zelo {

struct TokenSubmenu {
  const char* title;
  // Entries "token\tlabel" separated by "|"; an entry "-" is a separator.
  const char* entries;
};

// The token submenus in menu order. The "Keyboard" submenu that follows them
// is built from the key-name table of the typing actions.
const std::vector<TokenSubmenu>& TokenSubmenus();

struct TokenMenuEntry {
  std::string token;  // what is inserted; empty for a separator
  std::string label;
  bool separator = false;
};
std::vector<TokenMenuEntry> TokenMenuEntries(std::string_view entries);

inline constexpr std::size_t kMaxVariableMenuEntries = 48;
inline constexpr char kNoVariablesDeclared[] = "No Variables Declared";

// "%NAME%" for every environment variable name of at least two characters,
// in the order given, at most 48.
std::vector<std::string> EnvironmentMenuEntries(const std::vector<std::string>& names);

// The variables the script's steps save to: each "%"-separated piece of every
// `output value` that holds a "%", trimmed of blanks, CR and LF, written with
// a leading "%"; distinct, sorted, at most 48. Empty when there are none (the
// menu then shows kNoVariablesDeclared, disabled).
std::vector<std::string> UserVariableMenuEntries(const ScriptSlot& slot);

}  // namespace zelo
