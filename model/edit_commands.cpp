#include "model/edit_commands.h"

#include <algorithm>
#include <utility>

#include "model/editor_options.h"
#include "model/selection.h"
#include "model/undo.h"

namespace zelo {

namespace {

constexpr int kMaxIndent = 16;

bool MoveStep(Workspace& ws, uint32_t group, const std::vector<int>& selection, int direction) {
  ScriptSlot& slot = ws.current_slot();
  std::vector<int> rows = SelectedSteps(slot, selection);
  if (rows.size() > 1) {
    ws.seam().ShowMessage(
        "Only single rows can be moved.\n\nTo move multiple rows, first \"Cut\" them and then \"Paste\" them in "
        "the new location.",
        "Zelomat Warning", MessageButtons::Ok, MessageIcon::Warning);
    return false;
  }
  if (rows.empty()) return false;
  const int from = rows.front();
  const int to = from + direction;
  if (to < 0 || to >= slot.step_count) return false;
  PushUndo(ws, group, from, UNDO_MODIFY);
  PushUndo(ws, group, to, UNDO_MODIFY);
  std::swap(slot.steps[static_cast<std::size_t>(from)], slot.steps[static_cast<std::size_t>(to)]);
  ws.seam().RefreshList();
  ws.seam().SelectRows({to});
  return true;
}

}  // namespace

bool SelectionFitsUndo(std::size_t rows) {
  const int32_t max_undo = MaxUndoSteps();
  return max_undo > 0 && rows < static_cast<std::size_t>(max_undo);
}

bool MoveStepUp(Workspace& ws, uint32_t group, const std::vector<int>& selection) {
  return MoveStep(ws, group, selection, -1);
}

bool MoveStepDown(Workspace& ws, uint32_t group, const std::vector<int>& selection) {
  return MoveStep(ws, group, selection, +1);
}

void IndentSteps(Workspace& ws, uint32_t group, const std::vector<int>& selection, int delta) {
  ScriptSlot& slot = ws.current_slot();
  std::vector<int> rows = SelectedSteps(slot, selection);
  if (rows.empty()) return;
  const bool undo = SelectionFitsUndo(rows.size());
  for (int row : rows) {
    if (undo) PushUndo(ws, group, row, UNDO_MODIFY);
    StepRecord& step = slot.steps[static_cast<std::size_t>(row)];
    step.indents = std::clamp(step.indents + delta, 0, kMaxIndent);
  }
  if (!undo) MarkChangedWithoutUndo(ws);
  ws.seam().RefreshList();
}

bool DeleteSteps(Workspace& ws, uint32_t group, const std::vector<int>& selection) {
  ScriptSlot& slot = ws.current_slot();
  std::vector<int> rows = SelectedSteps(slot, selection);
  if (rows.empty()) return false;
  const bool undo = SelectionFitsUndo(rows.size());
  if (!undo &&
      ws.seam().ShowMessage("Insufficient space in the Undo buffer to save this action.  This action cannot be "
                            "undone.\n\nTo increase the buffer size, change the \"Maximum Undo Steps\" setting in "
                            "Tools - Options.\n\nDo you want to continue?",
                            "Zelomat", MessageButtons::YesNo, MessageIcon::Question) != MessageAnswer::Yes)
    return false;
  // Last to first, so the indexes of the rows still to delete stay valid.
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
    if (undo) PushUndo(ws, group, *it, UNDO_DELETE);
    DeleteStep(slot, *it);
  }
  if (!undo) MarkChangedWithoutUndo(ws);
  ws.seam().RefreshList();
  if (slot.step_count == 0) {
    ws.seam().SelectRows({});
    ws.seam().ClearPropertySheet();
  } else {
    ws.seam().SelectRows({std::min(rows.front(), slot.step_count - 1)});
  }
  return true;
}

}  // namespace zelo
