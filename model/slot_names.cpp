#include "model/slot_names.h"

#include "base/printf_text.h"
#include "settings/defaults.h"
#include "settings/setting_names.h"

namespace zelo {

std::string SlotDisplayName(const ScriptSlot& slot) {
  std::string_view name = slot.file_name.view();
  if (ReadOptionOrDefault(setting::kShowFullFilesInTabsName) != 0) return std::string(name);
  const std::size_t slash = name.find_last_of("\\/");
  return std::string(slash == std::string_view::npos ? name : name.substr(slash + 1));
}

std::string SlotWindowTitle(const ScriptSlot& slot) {
  return PrintfText("%s%s - Zelomat", slot.modified() ? "* " : "", SlotDisplayName(slot).c_str());
}

std::string SlotTabText(const ScriptSlot& slot) { return (slot.modified() ? "* " : "") + SlotDisplayName(slot); }

}  // namespace zelo
