#include "model/clipboard_commands.h"

#include <cstdio>
#include <string>

#include "model/edit_commands.h"
#include "model/script_file.h"
#include "model/selection.h"
#include "model/slot_captions.h"
#include "model/undo.h"

namespace zelo {

int CopySteps(Workspace& ws, const std::vector<int>& selection) {
  std::vector<int> rows = SelectedSteps(ws.current_slot(), selection);
  if (rows.empty()) return 0;
  std::string xml;
  const long copied = WriteStepsXml(ws, &rows, false, 0, xml);
  if (copied < 1) return 0;
  if (!ws.seam().SetClipboardText(xml)) {
    ws.seam().SetStatusText("Unable to copy to the clipboard");
    return 0;
  }
  char text[80];
  std::snprintf(text, sizeof text, "Copied %li XML record%s to the clipboard", copied, copied == 1 ? "" : "s");
  ws.seam().SetStatusText(text);
  return static_cast<int>(copied);
}

bool CutSteps(Workspace& ws, uint32_t group, const std::vector<int>& selection) {
  // Deleting steps that never reached the clipboard would lose them.
  if (CopySteps(ws, selection) < 1) return false;
  return DeleteSteps(ws, group, selection);
}

int PasteSteps(Workspace& ws, uint32_t group, const std::vector<int>& selection) {
  ScriptSlot& slot = ws.current_slot();
  EditorSeam& seam = ws.seam();
  const std::vector<int> rows = SelectedSteps(slot, selection);
  const std::size_t undo_before = slot.undo.size();
  const int32_t steps_before = slot.step_count;

  // The whole script as it is, last step first, so that undo can rebuild it
  // in order whatever the paste does to it.
  for (int32_t i = slot.step_count - 1; i >= 0; --i) PushUndo(ws, group, i, UNDO_SNAPSHOT);

  seam.SetStatusText("Pasting records from XML format...");
  const std::string text = seam.GetClipboardText();
  const int insert_at = rows.empty() ? -1 : rows.front();
  const int pasted = ReadStepsXml(ws, text, insert_at);
  if (pasted < 1) {
    // Nothing changed: the snapshot would only mark the script modified.
    slot.undo.resize(undo_before);
    ShowSlotState(ws, ws.current);
    seam.Beep();
    seam.SetStatusText("No compatible XML record are in the clipboard");
    return 0;
  }
  // A snapshot of an empty script holds no record to undo the paste with;
  // record the added steps instead.
  if (steps_before == 0)
    for (int i = 0; i < pasted; ++i) PushUndo(ws, group, i, UNDO_ADD);

  char status[80];
  std::snprintf(status, sizeof status, "Pasted %d XML record%s from the clipboard", pasted, pasted == 1 ? "" : "s");
  seam.SetStatusText(status);
  seam.RefreshList();
  const int first = insert_at < 0 ? steps_before : insert_at;
  std::vector<int> pasted_rows;
  for (int i = 0; i < pasted; ++i) pasted_rows.push_back(first + i);
  seam.SelectRows(pasted_rows);
  return pasted;
}

}  // namespace zelo
