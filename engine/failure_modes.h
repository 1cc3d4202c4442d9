// The failure modes a step can have, as offered to the user, and how a
// step's `onfail` text is recognised: a case-insensitive keyword test in a
// fixed order (any text may be stored).
#pragma once

#include <string_view>

namespace zelo {

enum class FailureMode {
  Ignore,                    // "IGNORE"
  Retry,                     // "RETRY": `onfail value` retries
  DisplayErrorAndStop,       // "ERROR", or an empty `onfail`
  DisplayErrorAndContinue,   // "ERROR AND CONTINUE"
  StopSilently,              // "SILENT"
  AskToContinue,             // "ASK"
  JumpToLabel,               // "JUMP": `onfail value` names a "Label" step
  IncrementVariable,         // "VARIABLE": `onfail value` names a variable
  RestartRun,                // "RESTART"
  Unrecognised,              // any other text: stops without a dialog
};

// The names in the order the property sheet lists them, ";" between them.
inline constexpr const char* kFailureModeList =
    "Display Error and Stop;Display Error and Continue;Ignore/Continue;Retry the Step x Times;Stop Silently;"
    "Ask to Continue;Jump to Label;Increment Variable;Restart Run";

FailureMode FailureModeOf(std::string_view onfail);

}  // namespace zelo
