#include "model/undo.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <utility>

#include "model/slot_captions.h"

namespace zelo {

namespace {

// Saved texts live in blocks of at least 256 bytes, or the step's own block
// size when larger, so restoring a step never shrinks its blocks.
constexpr std::size_t kMinSavedBlock = 256;

void CopyTextForUndo(const HeapText& from, HeapText& to) {
  to.AssignInBlock(from.view(), std::max(kMinSavedBlock, from.block()));
}

StepRecord SavedCopy(const StepRecord& step) {
  StepRecord copy = step;
  CopyTextForUndo(step.text, copy.text);
  CopyTextForUndo(step.comment, copy.comment);
  return copy;
}

// Puts a saved step back as a new record at index (at the end when the index
// lies beyond the array).
void ReinsertStep(ScriptSlot& slot, int32_t index, StepRecord&& step) {
  int32_t at = InsertSteps(slot, index, 1, false);
  if (at < 0) return;
  slot.steps[static_cast<std::size_t>(at)] = std::move(step);
  ++slot.step_count;
}

}  // namespace

bool PushUndo(Workspace& ws, uint32_t group, int32_t index, UndoKind kind) {
  if (kind < UNDO_ADD || kind > UNDO_SNAPSHOT) return false;
  ScriptSlot& slot = ws.current_slot();
  UndoRecord rec;
  rec.group = group;
  rec.kind = kind;
  rec.index = index;
  if (kind != UNDO_ADD) {
    if (index < 0 || index >= slot.step_count) return false;
    rec.step = SavedCopy(slot.steps[static_cast<std::size_t>(index)]);
  }
  // The captions change only with the first record or a new kind of record;
  // a paste of thousands of steps should not retitle the window each time.
  const bool display_changes = slot.undo.empty() || slot.undo.back().kind != kind;
  try {
    slot.undo.push_back(std::move(rec));
  } catch (const std::bad_alloc&) {
    return false;
  }
  if (display_changes) ShowSlotState(ws, ws.current);
  return true;
}

int UndoLastGroup(Workspace& ws) {
  ScriptSlot& slot = ws.current_slot();
  if (slot.undo.empty()) return 0;
  const uint32_t group = slot.undo.back().group;
  int undone = 0;
  int32_t last_index = -1;
  bool steps_cleared = false;
  while (!slot.undo.empty() && slot.undo.back().group == group) {
    UndoRecord rec = std::move(slot.undo.back());
    slot.undo.pop_back();
    switch (rec.kind) {
      case UNDO_ADD:
        DeleteStep(slot, rec.index);
        break;
      case UNDO_MODIFY:
        if (rec.index >= 0 && rec.index < slot.step_count)
          slot.steps[static_cast<std::size_t>(rec.index)] = std::move(rec.step);
        break;
      case UNDO_DELETE:
        ReinsertStep(slot, rec.index, std::move(rec.step));
        break;
      case UNDO_SNAPSHOT:
        // The snapshot holds every step as it was: start from nothing, then
        // the records (pushed last step first) come back first step first.
        if (!steps_cleared) {
          CloseScriptSteps(slot);
          steps_cleared = true;
        }
        ReinsertStep(slot, rec.index, std::move(rec.step));
        break;
      default:
        break;
    }
    last_index = rec.index;
    ++undone;
  }
  if (slot.undo.empty()) std::vector<UndoRecord>().swap(slot.undo);

  EditorSeam& seam = ws.seam();
  seam.RefreshList();
  if (slot.step_count > 0) {
    seam.SelectRows({std::clamp(last_index, 0, slot.step_count - 1)});
  } else {
    seam.SelectRows({});
    seam.ClearPropertySheet();
  }
  ShowSlotState(ws, ws.current);
  return undone;
}

int UndoCommand(Workspace& ws) {
  int undone = UndoLastGroup(ws);
  if (undone < 1) {
    ws.seam().SetStatusText("Undo not available");
  } else {
    char text[64];
    std::snprintf(text, sizeof text, "Undo performed for %d step(s)", undone);
    ws.seam().SetStatusText(text);
  }
  return undone;
}

void MarkChangedWithoutUndo(Workspace& ws) {
  ScriptSlot& slot = ws.current_slot();
  if (slot.changed_without_undo) return;
  slot.changed_without_undo = true;
  ShowSlotState(ws, ws.current);
}

void ClearUndo(Workspace& ws, int slot) {
  if (slot < 0 || slot >= kMaxSlots) return;
  ScriptSlot& s = ws.slots[static_cast<std::size_t>(slot)];
  std::vector<UndoRecord>().swap(s.undo);
  s.changed_without_undo = false;
  ShowSlotState(ws, slot);
}

}  // namespace zelo
