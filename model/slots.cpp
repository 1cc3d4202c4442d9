#include "model/slots.h"

#include <cstdio>
#include <string>
#include <utility>

#include "model/editor_options.h"
#include "model/slot_captions.h"
#include "model/slot_names.h"
#include "model/undo.h"

namespace zelo {

namespace {

bool IsEmptyUntitled(const ScriptSlot& s) {
  return s.file_name == kUntitled && s.step_count == 0 && s.steps.empty() && s.undo.empty();
}

void ShowMaximumFilesWarning(Workspace& ws) {
  char text[160];
  std::snprintf(text, sizeof text,
                "A maximum of %d files may be opened in Zelomat.\n\nPlease close a file before opening another one.",
                kMaxSlots);
  ws.seam().ShowMessage(text, "Zelomat Warning", MessageButtons::Ok, MessageIcon::Warning);
}

// Asks whether to save a modified script; false when the close must stop.
bool ConfirmClose(Workspace& ws, int slot, const SaveSlotFn& save) {
  const ScriptSlot& s = ws.slots[static_cast<std::size_t>(slot)];
  if (!s.modified() || !PromptSaveChanges()) return true;
  std::string question = "Save changes to " + s.file_name.str() + "?";
  switch (ws.seam().ShowMessage(question, "Confirm Action", MessageButtons::YesNoCancel, MessageIcon::Question)) {
    case MessageAnswer::Cancel:
      return false;
    case MessageAnswer::Yes:
      // Closing after a failed save would throw the changes away.
      return save && save(ws, slot);
    default:
      return true;
  }
}

}  // namespace

int FindFreeSlot(Workspace& ws) {
  for (int i = 0; i < kMaxSlots; ++i) {
    ScriptSlot& s = ws.slots[static_cast<std::size_t>(i)];
    if (!IsEmptyUntitled(s)) continue;
    ws.seam().RemoveTab(i);
    s = ScriptSlot();
    return i;
  }
  for (int i = 0; i < kMaxSlots; ++i)
    if (ws.slots[static_cast<std::size_t>(i)].is_free()) return i;
  ShowMaximumFilesWarning(ws);
  return -1;
}

void ShowOpenedSlot(Workspace& ws, int slot, std::string_view file_name) {
  if (slot < 0 || slot >= kMaxSlots) return;
  ScriptSlot& s = ws.slots[static_cast<std::size_t>(slot)];
  s.file_name = file_name;
  ws.current = slot;
  ws.seam().AddTab(slot, SlotTabText(s));
  ws.seam().SelectTab(slot);
  ShowSlotState(ws, slot);
}

int NewScript(Workspace& ws) {
  int slot = FindFreeSlot(ws);
  if (slot < 0) return -1;
  ShowOpenedSlot(ws, slot, kUntitled);
  ws.seam().ClearPropertySheet();
  ws.seam().RefreshList();
  return slot;
}

void EnsureOpenScript(Workspace& ws) {
  if (OpenSlotCount(ws) == 0) NewScript(ws);
}

void SwitchToSlot(Workspace& ws, int slot) {
  if (slot < 0 || slot >= kMaxSlots || ws.slots[static_cast<std::size_t>(slot)].is_free()) return;
  ws.current = slot;
  ws.seam().SelectTab(slot);
  ShowSlotState(ws, slot);
  ws.seam().ClearPropertySheet();
  ws.seam().RefreshList();
}

int OpenSlotCount(const Workspace& ws) {
  int n = 0;
  for (const ScriptSlot& s : ws.slots)
    if (!s.is_free()) ++n;
  return n;
}

bool CloseScript(Workspace& ws, const SaveSlotFn& save) {
  const int closed = ws.current;
  if (closed < 0 || closed >= kMaxSlots || ws.slots[static_cast<std::size_t>(closed)].is_free()) return true;
  if (!ConfirmClose(ws, closed, save)) return false;

  ws.seam().ClearPropertySheet();
  CloseScriptSteps(ws.slots[static_cast<std::size_t>(closed)]);
  ClearUndo(ws, closed);
  for (int i = closed; i + 1 < kMaxSlots; ++i)
    ws.slots[static_cast<std::size_t>(i)] = std::move(ws.slots[static_cast<std::size_t>(i + 1)]);
  ws.slots[kMaxSlots - 1] = ScriptSlot();
  ws.seam().RemoveTab(closed);

  const int left = OpenSlotCount(ws);
  if (left == 0) {
    ws.current = 0;
    NewScript(ws);
    return true;
  }
  ws.current = closed < left ? closed : left - 1;
  ws.seam().SelectTab(ws.current);
  ShowSlotState(ws, ws.current);
  ws.seam().RefreshList();
  return true;
}

bool CloseAllScripts(Workspace& ws, const SaveSlotFn& save) {
  for (int n = OpenSlotCount(ws); n > 0; --n) {
    // Show each script while its question is asked.
    if (ws.current != 0) {
      ws.current = 0;
      ws.seam().SelectTab(0);
      ShowSlotState(ws, 0);
    }
    if (!CloseScript(ws, save)) return false;
  }
  return true;
}

}  // namespace zelo
