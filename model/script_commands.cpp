#include "model/script_commands.h"

#include "base/printf_text.h"
#include "model/script_file.h"
#include "model/slot_names.h"
#include "model/undo.h"

namespace zelo {

bool NeedsSaveAs(const ScriptSlot& slot) { return slot.file_name.empty() || slot.file_name == kUntitled; }

std::string WithScriptExtension(std::string_view name) {
  std::string out(name);
  if (out.find('.') == std::string::npos) out += ".zxm";
  return out;
}

bool SaveCommand(Workspace& ws, int slot_index) {
  if (slot_index < 0 || slot_index >= kMaxSlots) return false;
  ScriptSlot& slot = ws.slots[static_cast<std::size_t>(slot_index)];
  EditorSeam& seam = ws.seam();
  std::string error;
  long bytes = 0;
  if (!SaveScriptFile(ws, slot_index, &error, &bytes)) {
    seam.ShowMessage(PrintfText("Unable to save the file \"%s\"\n\n%s", slot.file_name.c_str(), error.c_str()),
                     "Zelomat Error", MessageButtons::Ok, MessageIcon::Warning);
    return false;
  }
  ClearUndo(ws, slot_index);  // title, tab and Undo command follow
  seam.AddRecentFile(slot.file_name.view());
  seam.SetStatusText(PrintfText("\"%s\" has been saved  (%li bytes)", slot.file_name.c_str(), bytes));
  return true;
}

std::string OpenedStatusText(std::string_view file_name, long bytes, int steps) {
  const std::string name(file_name);
  const char* plural = steps == 1 ? "" : "s";
  if (bytes <= 1024) return PrintfText("\"%s\" successfully opened  (%li bytes, %d step%s)", name.c_str(), bytes, steps, plural);
  if (bytes <= 1048576)
    return PrintfText("\"%s\" successfully opened  (%li K, %d step%s)", name.c_str(), bytes / 1024, steps, plural);
  return PrintfText("\"%s\" successfully opened  (%li MB, %d step%s)", name.c_str(), bytes / 1048576, steps, plural);
}

}  // namespace zelo
