#include "ui/palettes/variable_rows.h"

#include <algorithm>

#include "base/text.h"
#include "expr/variable_store.h"
#include "model/script_slot.h"
#include "settings/settings.h"

namespace zelo {

namespace {

void AddKeyRows(std::string_view key, std::string_view suffix, std::vector<VariableRow>* rows) {
  SettingsBackend& store = Settings();
  for (const std::string& name : store.ValueNames(SettingsRoot::CurrentUser, key)) {
    StoredValue value;
    if (!store.Get(SettingsRoot::CurrentUser, key, name, &value)) continue;
    rows->push_back({name + std::string(suffix), ShownVariableValue(VariableTextOf(value))});
  }
}

bool LessNoCase(const VariableRow& a, const VariableRow& b) {
  return std::lexicographical_compare(a.name.begin(), a.name.end(), b.name.begin(), b.name.end(),
                                      [](char x, char y) { return AsciiLower(x) < AsciiLower(y); });
}

}  // namespace

std::string ShownVariableValue(std::string_view value) {
  if (value.size() <= kMaxShownVariableValue) return std::string(value);
  return std::string(value.substr(0, kMaxShownVariableValue)) + "...";
}

std::vector<VariableRow> StoredVariableRows() {
  std::vector<VariableRow> rows;
  AddKeyRows(kUserVariablesKey, "", &rows);
  if (LocalVariableMode()) {
    for (int slot = 0; slot < kMaxSlots; ++slot)
      AddKeyRows(VariableKey(slot), " (tab " + std::to_string(slot + 1) + ")", &rows);
  }
  std::stable_sort(rows.begin(), rows.end(), LessNoCase);
  return rows;
}

}  // namespace zelo
