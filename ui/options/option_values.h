// What the "Zelomat Options" pages show and the rules by which a page's
// values go back into the settings. The Windows pages only move these values
// in and out of their controls.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelo {

// A check box bound to one number setting (and, for the tips box, a second
// one written with it). An inverted box shows the setting's opposite.
struct CheckOption {
  const char* label;
  const char* setting;       // below the program's key
  const char* also = nullptr;  // written with the same value
  bool inverted = false;
};
bool ReadCheckOption(const CheckOption& option);
void WriteCheckOption(const CheckOption& option, bool checked);

// The tips box: a change needs a restart before it shows.
extern const CheckOption kTipsOption;

// Number boxes of the General page and their floors: a properties field
// narrower than three characters cannot be edited, an undo depth of 0 would
// edit every selection without undo.
int32_t MaxFieldSizeToStore(int32_t shown);
int32_t MaxUndoToStore(int32_t shown);
// The indent of nested steps in blanks, as the grid can show it.
int32_t IndentSizeToStore(int32_t shown);

// The failure modes a new step can get, and whether the chosen one takes a
// value (a label to jump to, a variable to count in, a number of retries):
// only then is the value box shown.
std::vector<std::string> FailureModeChoices();
bool FailureModeTakesValue(std::string_view mode);
// The label of the value box for mode ("Label:", "Variable:", "Times:").
const char* FailureValueLabel(std::string_view mode);

// "DefaultReturnCode" as its box shows it: empty when the setting is missing.
std::string ReadDefaultReturnCode();
// An empty box deletes the setting (command-line runs then return 0).
void WriteDefaultReturnCode(std::string_view text);

// The stop key list: the keys a run can be stopped with, by name. A stored
// key outside the list is kept as one more choice, so that confirming the
// page does not change it behind the user's back.
struct StopKeyChoice {
  int code;
  std::string name;
};
std::vector<StopKeyChoice> StopKeyChoices(int stored_key);
// The key the list selects for a stored value: 0 (no key) shows as Pause.
int StopKeyShown(int stored_key);

// The colour settings of the grid's rows, one row per kind of step row; a
// row without a fill or a text colour has nullptr there.
struct RowColorOption {
  const char* label;
  const char* fill;
  const char* text;
};
const std::vector<RowColorOption>& RowColorOptions();
uint32_t ReadColorOption(const char* setting);

// The Output palette's font.
struct OutputFont {
  std::string face;
  int32_t points = 0;
  bool italic = false;
  int32_t weight = 0;
  uint32_t color = 0;
};
OutputFont ReadOutputFont();
void WriteOutputFont(const OutputFont& font);

// "InterfaceStyle": the stored name, or the first style when none is stored.
extern const char* const kInterfaceStyles[3];
std::string ReadInterfaceStyle();
// True when the style changed (a restart shows it).
bool WriteInterfaceStyle(std::string_view style);
// The grid styles by their stored number (0, 1, 2).
extern const char* const kGridStyles[3];

// "LogLevel": 0 basic, anything else detailed.
extern const char* const kLogLevels[2];

// What double-clicking a script file does: the verb of the file association
// that Windows runs by default ("DefaultLoadAction", 0 = Open).
extern const char* const kLoadActions[4];

// Writes a number setting and says whether it changed (a restart notice
// follows a change of the grid style).
bool WriteNumberOption(const char* setting, int32_t value);

// The text the restart notices show.
inline constexpr char kRestartNotice[] = "You will need to restart Zelomat for the changes to take effect";

}  // namespace zelo
