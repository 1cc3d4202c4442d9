#include "engine/flow_jumps.h"

#include "base/text.h"
#include "engine/block_steps.h"
#include "engine/flow_texts.h"
#include "engine/run_engine.h"

namespace zelo {

int FindLabel(const ScriptSlot& s, std::string_view name) {
  if (name.empty()) return -1;
  const int count = StepsOf(s);
  for (int i = 0; i < count; ++i) {
    const StepRecord& step = s.steps[static_cast<std::size_t>(i)];
    if (EqualsNoCase(step.action.view(), "Label") && !step.text.view().empty() &&
        EqualsNoCase(step.text.view(), name))
      return i;
  }
  return -1;
}

int SkipIfBlock(RunEngine& run, int slot, int index) {
  if (slot < 0 || slot >= kMaxSlots) return -1;
  const ScriptSlot& s = run.workspace().slots[static_cast<std::size_t>(slot)];
  const int end = FindBranchEnd(s, index);
  if (end < 0) {
    const int count = StepsOf(s);
    WriteLog(flow_texts::kNoMatchingElse, count);
    // The last step runs. When that is this step itself, running it again
    // would skip to it again for ever: the block cannot be run as written,
    // and the run fails.
    return count - 1 > index ? count - 1 : -1;
  }
  WriteLog(flow_texts::kJumpingToElse, end + 1);
  // An ELSE opens the other branch; an END IF runs and passes.
  return IsElseAction(s.steps[static_cast<std::size_t>(end)].action.view()) ? end + 1 : end;
}

}  // namespace zelo
