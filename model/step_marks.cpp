#include "model/step_marks.h"

#include "model/edit_commands.h"
#include "model/selection.h"
#include "model/undo.h"

namespace zelo {

namespace {

void ToggleExclusive(Workspace& ws, uint32_t group, const std::vector<int>& selection, uint32_t bit,
                     uint32_t other) {
  ScriptSlot& slot = ws.current_slot();
  std::vector<int> rows = SelectedSteps(slot, selection);
  if (rows.empty()) return;
  const bool undo = SelectionFitsUndo(rows.size());
  for (int row : rows) {
    if (undo) PushUndo(ws, group, row, UNDO_MODIFY);
    uint32_t& status = slot.steps[static_cast<std::size_t>(row)].status;
    if (status & bit)
      status &= ~bit;
    else
      status = (status & ~other) | bit;
  }
  if (!undo) MarkChangedWithoutUndo(ws);
  ws.seam().RefreshList();
}

int RemoveBitEverywhere(Workspace& ws, uint32_t group, uint32_t bit) {
  ScriptSlot& slot = ws.current_slot();
  int changed = 0;
  for (int i = 0; i < slot.step_count; ++i) {
    uint32_t& status = slot.steps[static_cast<std::size_t>(i)].status;
    if (!(status & bit)) continue;
    PushUndo(ws, group, i, UNDO_MODIFY);
    status &= ~bit;
    ++changed;
  }
  if (changed) ws.seam().RefreshList();
  return changed;
}

}  // namespace

void ToggleSkip(Workspace& ws, uint32_t group, const std::vector<int>& selection) {
  ToggleExclusive(ws, group, selection, STEP_SKIP, STEP_BREAKPOINT);
}

void ToggleBreakpoint(Workspace& ws, uint32_t group, const std::vector<int>& selection) {
  ToggleExclusive(ws, group, selection, STEP_BREAKPOINT, STEP_SKIP);
}

int RemoveAllSkips(Workspace& ws, uint32_t group) { return RemoveBitEverywhere(ws, group, STEP_SKIP); }

int RemoveAllBreakpoints(Workspace& ws, uint32_t group) { return RemoveBitEverywhere(ws, group, STEP_BREAKPOINT); }

void ToggleBookmark(Workspace& ws, const std::vector<int>& selection) {
  ScriptSlot& slot = ws.current_slot();
  std::vector<int> rows = SelectedSteps(slot, selection);
  if (rows.empty()) return;
  slot.steps[static_cast<std::size_t>(rows.front())].status ^= STEP_BOOKMARK;
  ws.seam().RefreshList();
}

int GotoNextBookmark(Workspace& ws, const std::vector<int>& selection) {
  ScriptSlot& slot = ws.current_slot();
  std::vector<int> rows = SelectedSteps(slot, selection);
  const int start = rows.empty() ? -1 : rows.front();
  // From the step after the selected one to the end, then from the top round
  // to the selected step itself.
  for (int n = 0; n < slot.step_count; ++n) {
    const int i = (start + 1 + n) % slot.step_count;
    if (slot.steps[static_cast<std::size_t>(i)].status & STEP_BOOKMARK) {
      ws.seam().SelectRows({i});
      return i;
    }
  }
  ws.seam().Beep();
  return -1;
}

void RemoveAllBookmarks(Workspace& ws) {
  ScriptSlot& slot = ws.current_slot();
  for (int i = 0; i < slot.step_count; ++i) slot.steps[static_cast<std::size_t>(i)].status &= ~STEP_BOOKMARK;
  ws.seam().RefreshList();
}

}  // namespace zelo
