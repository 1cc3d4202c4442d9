#include "engine/auto_indent.h"

#include <algorithm>
#include <cstdlib>

#include "base/text.h"
#include "engine/block_steps.h"
#include "engine/flow_texts.h"
#include "engine/run_log.h"
#include "engine/run_texts.h"
#include "model/undo.h"

namespace zelo {

namespace {

constexpr int kMaxIndents = 16;

int32_t Indents(int depth) { return std::clamp(depth, 0, kMaxIndents); }

const char* IsOrAre(int count) { return count == 1 ? "is" : "are"; }

}  // namespace

BlockCheck IndentBlocks(ScriptSlot& s) {
  BlockCheck check;
  check.steps = StepsOf(s);
  for (int i = 0; i < check.steps; ++i) {
    StepRecord& step = s.steps[static_cast<std::size_t>(i)];
    const int sum = check.if_depth + check.loop_depth;
    step.indents = Indents(sum);
    if (step.status & STEP_SKIP) continue;
    const std::string_view action = step.action.view();
    if (IsEndIfAction(action)) {
      step.indents = Indents(sum - 1);
      --check.if_depth;
    } else if (IsLoopEndAction(action)) {
      step.indents = Indents(sum - 1);
      --check.loop_depth;
    } else {
      if (ContainsNoCase(action, "IF ")) ++check.if_depth;
      if (ContainsNoCase(action, "Start ") && ContainsNoCase(action, " Loop")) ++check.loop_depth;
      if (IsElseAction(action)) step.indents = Indents(sum - 1);
    }
  }
  return check;
}

std::string BlockCheckText(const BlockCheck& check) {
  const char* format = nullptr;
  int count = 0;
  if (check.if_depth != 0) {
    format = check.if_depth > 0 ? flow_texts::kIfWithoutEndIf : flow_texts::kEndIfWithoutIf;
    count = std::abs(check.if_depth);
  } else if (check.loop_depth != 0) {
    format = check.loop_depth > 0 ? flow_texts::kLoopWithoutNext : flow_texts::kNextWithoutLoop;
    count = std::abs(check.loop_depth);
  }
  if (!format) return FormatLogText(flow_texts::kValidationComplete, check.steps);
  return FormatLogText(format, IsOrAre(count), count);
}

BlockCheck AutoIndentAndValidate(Workspace& ws, uint32_t group) {
  ScriptSlot& s = ws.slots[static_cast<std::size_t>(ws.current)];
  const int count = StepsOf(s);
  for (int i = 0; i < count; ++i) PushUndo(ws, group, i, UNDO_MODIFY);
  const BlockCheck check = IndentBlocks(s);
  ws.seam().RefreshList();
  const std::string report = BlockCheckText(check);
  if (check.ok())
    ws.seam().SetStatusText(report);
  else
    ws.seam().ShowMessage(report, run_texts::kErrorCaption, MessageButtons::Ok, MessageIcon::Error);
  return check;
}

}  // namespace zelo
