#include "model/slot_captions.h"

#include "model/editor_options.h"

namespace zelo {

std::string ShownFileName(std::string_view file_name) {
  if (ShowFullFilesInTabs()) return std::string(file_name);
  std::size_t cut = file_name.find_last_of("\\/");
  return std::string(cut == std::string_view::npos ? file_name : file_name.substr(cut + 1));
}

std::string TabCaption(const ScriptSlot& slot) {
  return (slot.modified() ? "* " : "") + ShownFileName(slot.file_name.view());
}

std::string WindowTitle(const ScriptSlot& slot) { return TabCaption(slot) + " - Zelomat"; }

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
  ws.seam().SetTabText(slot, TabCaption(s));
  if (slot != ws.current) return;
  ws.seam().SetWindowTitle(WindowTitle(s));
  ws.seam().SetUndoState(!s.undo.empty(), UndoMenuText(s));
}

}  // namespace zelo
