#include "ui/commands/file_commands.h"

#include "base/printf_text.h"
#include "base/text.h"
#include "model/script_commands.h"
#include "model/script_file.h"
#include "model/slot_captions.h"
#include "model/slots.h"

namespace zelo {

namespace {

int SlotOfFile(const Workspace& ws, std::string_view path) {
  for (int i = 0; i < kMaxSlots; ++i) {
    const ScriptSlot& s = ws.slots[static_cast<std::size_t>(i)];
    if (!s.is_free() && EqualsNoCase(s.file_name.view(), path)) return i;
  }
  return -1;
}

}  // namespace

bool OpenScriptPath(Workspace& ws, std::string_view path) {
  EditorSeam& seam = ws.seam();
  const std::string name(path);
  const int open = SlotOfFile(ws, path);
  if (open >= 0) {
    SwitchToSlot(ws, open);
    const MessageAnswer a = seam.ShowMessage(
        PrintfText("\"%s\" is already open.\n\nDo you want to revert to the saved copy from disk and lose your changes?",
                   name.c_str()),
        "Save", MessageButtons::YesNo, MessageIcon::Question);
    if (a != MessageAnswer::Yes) return true;
    // Reverting: the changes go without a save question.
    ScriptSlot& slot = ws.slots[static_cast<std::size_t>(open)];
    slot.undo.clear();
    slot.changed_without_undo = false;
    if (!CloseScript(ws, [](Workspace&, int) { return false; })) return false;
  }
  const int slot = FindFreeSlot(ws);
  if (slot < 0) return false;
  long bytes = 0;
  const int steps = LoadScriptFile(ws, path, slot, &bytes);
  const ScriptSlot& loaded = ws.slots[static_cast<std::size_t>(slot)];
  if (loaded.is_free()) {
    // The loader has said why; the editor keeps a script to work in.
    seam.SetStatusText(PrintfText("Error while opening \"%s\"", name.c_str()));
    EnsureOpenScript(ws);
    return false;
  }
  seam.AddRecentFile(loaded.file_name.view());
  seam.SetStatusText(OpenedStatusText(loaded.file_name.view(), bytes, steps));
  return true;
}

bool SaveSlotAs(Workspace& ws, int slot_index, const AskSaveName& ask, const FileThere& exists) {
  if (slot_index < 0 || slot_index >= kMaxSlots) return false;
  ScriptSlot& slot = ws.slots[static_cast<std::size_t>(slot_index)];
  if (slot.is_free()) return false;
  const std::string answer = ask(NeedsSaveAs(slot) ? std::string_view() : slot.file_name.view());
  if (answer.empty()) return false;
  const std::string path = WithScriptExtension(answer);
  if (!EqualsNoCase(path, slot.file_name.view()) && exists(path)) {
    const MessageAnswer a = ws.seam().ShowMessage(
        PrintfText("The file '%s' already exists.\n\nDo you want to replace the existing file?", path.c_str()), "Save",
        MessageButtons::YesNo, MessageIcon::Question);
    if (a != MessageAnswer::Yes) return false;
  }
  const std::string before = slot.file_name.str();
  slot.file_name = path;
  if (!SaveCommand(ws, slot_index)) {
    slot.file_name = before;  // the script still belongs to the file it came from
    ShowSlotState(ws, slot_index);
    return false;
  }
  ShowSlotState(ws, slot_index);
  return true;
}

bool SaveSlot(Workspace& ws, int slot_index, const AskSaveName& ask, const FileThere& exists) {
  if (slot_index < 0 || slot_index >= kMaxSlots) return false;
  const ScriptSlot& slot = ws.slots[static_cast<std::size_t>(slot_index)];
  if (slot.is_free()) return false;
  if (NeedsSaveAs(slot)) return SaveSlotAs(ws, slot_index, ask, exists);
  return SaveCommand(ws, slot_index);
}

bool SaveAllSlots(Workspace& ws, const AskSaveName& ask, const FileThere& exists) {
  for (int i = 0; i < kMaxSlots; ++i) {
    const ScriptSlot& s = ws.slots[static_cast<std::size_t>(i)];
    if (s.is_free() || !s.modified()) continue;
    if (!SaveSlot(ws, i, ask, exists)) return false;
  }
  return true;
}

}  // namespace zelo
