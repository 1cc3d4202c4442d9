// The user variables: one value per variable under
// "SOFTWARE\Zelomat\UserVariables" of the settings store (names compare
// without regard to case), or, in local variable mode, under a subkey per
// main window and tab. A value the store refuses goes to a variable file in
// the program's folder, and the stored value then holds that file's path
// followed by "*".
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "settings/settings_backend.h"
#include "settings/setting_names.h"

namespace zelo {

inline constexpr const char* kUserVariablesKey = setting::kUserVariables;
inline constexpr const char* kLocalVariablesSetting = setting::kLocalVariables;
inline constexpr const char* kResetUserVariablesSetting = setting::kResetUserVariables;
inline constexpr char kVariableFileExtension[] = ".ZELO_var";

// A name written by a step is cut to this many characters; a reference in a
// field is read with at most kMaxReferenceName characters after its "%".
inline constexpr std::size_t kMaxVariableName = 63;
inline constexpr std::size_t kMaxReferenceName = 65;

// The variables the loops write, in the order substitution replaces them.
// They always live directly under UserVariables, also in local variable mode.
inline constexpr std::array<const char*, 5> kLoopVariables = {"file_loop", "file_line_loop", "window_loop",
                                                               "hwnd_loop", "data_loop"};
bool IsLoopVariable(std::string_view name);

// Setting "LocalVariables" non-zero: every tab of every program instance has
// its own variables.
bool LocalVariableMode();
// The subkey prefix of slot's variables: "" when shared, else the main
// window's handle in decimal, "_", the tab number (slot + 1) and "\".
std::string LocalVariablePrefix(int slot);
// The key that holds the variables of the script in slot.
std::string VariableKey(int slot);
// The key that holds the variable name of the script in slot: VariableKey,
// except for the loop variables.
std::string VariableKeyFor(std::string_view name, int slot);

// The text of a stored value as a variable: a number in signed decimal, a
// string up to its first NUL, a multi-string with CR LF between its strings,
// other data up to its first NUL.
std::string VariableTextOf(const StoredValue& value);
// Reads the stored text of a variable; false (and an empty text) when missing.
bool ReadStoredVariable(std::string_view key, std::string_view name, std::string* text);

// The variable file for name: program folder, name and ".ZELO_var", with
// every "%" of the whole path removed.
std::string VariableFilePath(std::string_view name);
// A value that ends in "*" and whose text before the "*" names a readable
// file stands for that file's content (up to its first NUL): *value is
// replaced by it and true returned. Any other value stays as it is.
bool ResolveVariableFile(std::string* value);

enum class VariableWrite { Stored, StoredInFile, Failed };
// Stores value (up to its first NUL) as variable name in key; when the store
// refuses it, in the variable file, with the file's reference as the value.
VariableWrite WriteVariable(std::string_view key, std::string_view name, std::string_view value);
bool DeleteVariable(std::string_view key, std::string_view name);

// Deletes every variable file in the program's folder.
void DeleteVariableFiles();
// Deletes the whole UserVariables key (local subkeys included) and every variable file.
void ResetUserVariables();
// At the start of a full run: with "ResetUserVariables" set, resets the
// variables when this is the only running instance and no variable came from
// the command line. Returns whether it did (the variables palette is then emptied).
bool ResetUserVariablesAtRunStart(bool only_instance, bool variables_from_command_line);

}  // namespace zelo
