// zxm check FILE: the checks of "Auto-Indent and Validate" without the
// editor — blocks without an end, ends without a block — and jumps to labels
// that the script does not have. Exit code 1 when a block is unmatched.
#include <cstdio>
#include <string>

#include "base/text.h"
#include "engine/auto_indent.h"
#include "engine/failure_modes.h"
#include "engine/flow_jumps.h"
#include "model/script_file.h"
#include "tools/zxm/zxm_commands.h"

namespace zelo::zxm {

namespace {

// Jumps whose label is written out (no "%" reference) and is missing.
int ReportMissingLabels(const ScriptSlot& s) {
  int found = 0;
  for (int i = 0; i < s.step_count && i < s.capacity(); ++i) {
    const StepRecord& step = s.steps[static_cast<std::size_t>(i)];
    std::string label;
    const char* what = nullptr;
    if (ContainsNoCase(step.action.view(), "Goto Label")) {
      label = std::string(step.text.view());
      what = "Goto Label";
    } else if (FailureModeOf(step.onfail.view()) == FailureMode::JumpToLabel) {
      label = std::string(step.onfail_value.view());
      what = "failure mode Jump to Label";
    }
    if (!what || label.empty() || label.find('%') != std::string::npos || FindLabel(s, label) >= 0) continue;
    std::printf("warning: [Step %d] %s: label \"%s\" not found\n", i + 1, what, label.c_str());
    ++found;
  }
  return found;
}

}  // namespace

int RunCheck(const Arguments& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: zxm check FILE\n");
    return kExitUsage;
  }
  ConsoleSeam seam;
  Workspace ws(&seam);
  LoadScriptFile(ws, args[0], 0);
  if (seam.messages() > 0 && ws.slots[0].step_count == 0) return kExitMessages;

  ScriptSlot& s = ws.slots[0];
  const BlockCheck check = IndentBlocks(s);
  std::printf("%s\n", BlockCheckText(check).c_str());
  ReportMissingLabels(s);
  return check.ok() ? kExitOk : kExitMessages;
}

}  // namespace zelo::zxm
