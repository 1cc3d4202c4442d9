#include "engine/failure_modes.h"

#include "base/text.h"

namespace zelo {

namespace {

struct ModeKeyword {
  const char* keyword;
  FailureMode mode;
};

// Tested in this order; the first keyword found decides. "ERROR" comes
// before the words of later modes, so "Display Error and Continue" is told
// apart inside its branch.
constexpr ModeKeyword kModeKeywords[] = {
    {"IGNORE", FailureMode::Ignore},
    {"RETRY", FailureMode::Retry},
    {"ERROR", FailureMode::DisplayErrorAndStop},
    {"SILENT", FailureMode::StopSilently},
    {"ASK", FailureMode::AskToContinue},
    {"JUMP", FailureMode::JumpToLabel},
    {"VARIABLE", FailureMode::IncrementVariable},
    {"RESTART", FailureMode::RestartRun},
};

}  // namespace

FailureMode FailureModeOf(std::string_view onfail) {
  if (onfail.empty()) return FailureMode::DisplayErrorAndStop;
  for (const ModeKeyword& k : kModeKeywords) {
    if (!ContainsNoCase(onfail, k.keyword)) continue;
    if (k.mode == FailureMode::DisplayErrorAndStop && ContainsNoCase(onfail, "ERROR AND CONTINUE"))
      return FailureMode::DisplayErrorAndContinue;
    return k.mode;
  }
  return FailureMode::Unrecognised;
}

}  // namespace zelo
