#include "model/slot_captions.h"

#include "model/slot_names.h"

namespace zelo {

std::string UndoMenuText(const ScriptSlot& slot) {
  if (!slot.undo.empty()) {
    switch (slot.undo.back().kind) {
      case UNDO_ADD:
        return "Undo Add Step\tCtrl+Z";
      case UNDO_MODIFY:
        return "Undo Modify Step\tCtrl+Z";
      case UNDO_DELETE:
        return "Undo Delete Step\tCtrl+Z";
      default:
        break;
    }
  }
  return "Undo\tCtrl+Z";
}

void ShowSlotState(Workspace& ws, int slot) {
  if (slot < 0 || slot >= kMaxSlots) return;
  const ScriptSlot& s = ws.slots[static_cast<std::size_t>(slot)];
  if (s.is_free()) return;
  ws.seam().SetTabText(slot, SlotTabText(s));
  if (slot != ws.current) return;
  ws.seam().SetWindowTitle(SlotWindowTitle(s));
  ws.seam().SetUndoState(!s.undo.empty(), UndoMenuText(s));
}

}  // namespace zelo
