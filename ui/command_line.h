// The program's command line: which script to open, whether to run it (in the
// editor or hidden, ending the program afterwards), the logging switch and
// user-variable assignments. Parsing is pure; applying the result is separate
// so that the help option can stop everything from being applied.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/fixed_text.h"

namespace zelo {

// Start-up bits filled from the command line.
enum StartBit : uint32_t {
  START_OPEN = 1,       // open the named script
  START_RUN = 2,        // run it at once (no splash screen)
  START_HIDDEN = 4,     // keep the main window hidden; the program ends with the run
  START_VARIABLES = 8,  // variables came from the command line; runs keep them
};

enum class LogSwitch { Unchanged, On, Off };

struct CommandLineVariable {
  std::string name;  // without its first "%"
  std::string value;  // without surrounding quotes
};

struct CommandLine {
  bool help = false;  // a help option was given; nothing else is set
  uint32_t start_bits = 0;
  LogSwitch log = LogSwitch::Unchanged;
  std::vector<CommandLineVariable> variables;  // in command-line order
  FixedText<260> file_name;
};

// The usage text of the help options (string 1022 of the string table) and
// the caption of its message box.
inline constexpr int kUsageStringId = 1022;
extern const char kUsageText[];
extern const char kUsageCaption[];

// The text after the program's own path in a full process command line (the
// path may be quoted), without the blanks that follow the path.
std::string_view ArgumentsAfterProgramPath(std::string_view full_command_line);

// Parses the arguments (the text after the program's path).
//
// Options and help options count only as whole blank-separated words outside
// double quotes, compared without regard to case, so that a path such as
// C:\my-reports\x.zxm or a quoted "C:\a /r b\x.zxm" is never taken apart. An
// assignment also ends a word ("x=1/v" is x=1 followed by /v).
//
// Assignments: every "=" outside double quotes whose name (the text of its
// word before the "=") is not empty and holds no double quote. The first "%"
// of the name is dropped. A value that starts with a double quote or an
// apostrophe runs to the matching quote (or the end of the line) and loses its
// quotes; an unquoted value ends before the first blank, "%" or "/".
//
// What remains, trimmed of blanks and surrounding double quotes, is the file
// name (at most 259 characters); a lone "%" is no file name.
CommandLine ParseCommandLine(std::string_view arguments);

// Writes the logging switch to "SOFTWARE\Zelomat\Log" (1 on, 0 off).
void ApplyLogSwitch(const CommandLine& command_line);

}  // namespace zelo
