// LoadScriptFile and SaveScriptFile: a script file on disk to a slot and back.
#include <cstring>

#include "base/printf_text.h"
#include "base/text.h"
#include "model/file_access.h"
#include "model/file_text.h"
#include "model/script_file.h"
#include "model/slot_names.h"

namespace zelo {

namespace {

constexpr const char* kErrorCaption = "Zelomat Error";

void Warn(EditorSeam& seam, const std::string& text, std::string_view caption) {
  seam.ShowMessage(text, caption, MessageButtons::Ok, MessageIcon::Warning);
}

// Names arrive from command lines and drops with quotes and blanks around them.
std::string CleanFileName(std::string_view name) {
  std::string unquoted;
  for (char c : name)
    if (c != '"') unquoted += c;
  return std::string(TrimBlanks(unquoted));
}

}  // namespace

int LoadScriptFile(Workspace& ws, std::string_view file_name, int slot_index, long* file_bytes) {
  EditorSeam& seam = ws.seam();
  if (file_bytes) *file_bytes = 0;
  if (file_name.empty() || slot_index < 0 || slot_index >= kMaxSlots) {
    Warn(seam, "Invalid File", " ");
    return 0;
  }
  const std::string name = CleanFileName(file_name);

  std::string data;
  const ReadResult read = ReadWholeFile(name, &data);
  if (read == ReadResult::Missing || (read == ReadResult::Ok && data.empty())) {
    const long size = read == ReadResult::Missing ? -1L : 0L;
    Warn(seam, PrintfText("Unable to open file '%s'!\n\nPlease verify that the file exists (%li).", name.c_str(), size),
         kErrorCaption);
    seam.RemoveRecentFile(name);
    return 0;
  }
  if (read == ReadResult::CannotOpen) {
    Warn(seam, PrintfText("Unable to open file '%s'!\n\nPlease verify that the file is not already open.", name.c_str()),
         kErrorCaption);
    seam.RemoveRecentFile(name);
    return 0;
  }
  if (read == ReadResult::ReadFailed) {
    Warn(seam, "Unable to read file", name);
    return 0;
  }
  if (read == ReadResult::OutOfMemory) {
    Warn(seam, "Out of memory", kErrorCaption);
    return 0;
  }
  if (file_bytes) *file_bytes = static_cast<long>(data.size());

  const std::size_t root = FindScriptRoot(data);
  if (root == std::string::npos) {
    Warn(seam, PrintfText("\"%s\" does not appear to contain Zelomat actions", name.c_str()), name);
    return 0;
  }

  ScriptSlot& slot = ws.slots[static_cast<std::size_t>(slot_index)];
  slot.custom_xml_tags = CollectCustomXmlTags(data);
  // The script is a C string from its root on: a NUL byte ends it.
  std::string_view text = std::string_view(data).substr(root);
  const std::size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  slot.file_name = name;
  std::string without_comments;
  if (HasXmlComment(text)) {
    without_comments = RemoveXmlComments(text);
    text = without_comments;
  }

  CloseScriptSteps(slot);
  ws.current = slot_index;
  const int count = ReadStepsXml(ws, text, -1);
  slot.step_count = count;

  seam.AddTab(slot_index, SlotTabText(slot));
  seam.SelectTab(slot_index);
  seam.SetWindowTitle(SlotWindowTitle(slot));
  seam.RefreshList();
  if (count > 0) seam.SelectRows({0});
  if (count == 0) Warn(seam, "No valid XML actions were found", name);
  return count;
}

bool SaveScriptFile(Workspace& ws, int slot_index, std::string* error, long* bytes) {
  if (bytes) *bytes = 0;
  if (slot_index < 0 || slot_index >= kMaxSlots) {
    if (error) *error = "Invalid File";
    return false;
  }
  const ScriptSlot& slot = ws.slots[static_cast<std::size_t>(slot_index)];
  const std::string text = ScriptFileText(ws, slot_index);
  SaveFailure failure;
  if (!WriteFileReplacing(slot.file_name.str(), text, &failure)) {
    ws.seam().SetStatusText(PrintfText("(%d) Unable to create file '%s': %s", static_cast<int>(failure.stage),
                                       slot.file_name.c_str(), failure.message.c_str()));
    if (error) *error = failure.message;
    return false;
  }
  if (bytes) *bytes = static_cast<long>(text.size());
  return true;
}

}  // namespace zelo
