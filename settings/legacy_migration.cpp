#include "settings/legacy_migration.h"

#include <string>
#include <string_view>

#include "settings/defaults.h"
#include "settings/settings.h"

namespace zelo {

namespace {

std::string Below(std::string_view key, std::string_view name) {
  std::string path(key);
  path += '\\';
  path += name;
  return path;
}

// Moves one value, keeping its kind, and removes the old one.
void MoveValue(const std::string& from, const std::string& to) {
  std::string_view from_key(from), to_key(to);
  std::string_view from_name = from_key.substr(from_key.rfind('\\') + 1);
  std::string_view to_name = to_key.substr(to_key.rfind('\\') + 1);
  from_key = from_key.substr(0, from_key.rfind('\\'));
  to_key = to_key.substr(0, to_key.rfind('\\'));
  StoredValue v;
  if (!Settings().Get(SettingsRoot::CurrentUser, from_key, from_name, &v)) return;
  // The old value stays when it could not be carried over, so the next start tries again.
  if (Settings().Set(SettingsRoot::CurrentUser, to_key, to_name, v)) DeleteSetting(from);
}

void MoveZeloplusTree() {
  if (!SettingExists(Below(kZeloplusKey, "Right")) && !SettingExists(Below(kZeloplusKey, "RunAtLeastOnce"))) return;
  for (SettingsRoot root : {SettingsRoot::CurrentUser, SettingsRoot::LocalMachine}) {
    if (!Settings().KeyExists(root, kZeloplusKey)) continue;
    // Only a complete copy may replace the old tree; a machine-wide tree the
    // user may not write stays where it is.
    if (Settings().CopyKey(root, kZeloplusKey, kZeloplanKey)) Settings().DeleteKey(root, kZeloplusKey);
  }
}

}  // namespace

void MigrateLegacySettings() {
  MoveZeloplusTree();

  const std::string suppress_logo = Below(kZeloplanKey, "SuppressLogo");
  if (ReadSetting(suppress_logo) != 0 && WriteSettingNumber(Below(kSettingsKey, "ShowSplash"), 0))
    DeleteSetting(suppress_logo);

  const std::string global_variables = Below(kZeloplanKey, "GlobalVariables");
  if (SettingExists(global_variables)) MoveValue(global_variables, Below(kSettingsKey, "LocalVariables"));

  for (const MovedOption& option : kMovedDisplayOptions) {
    const std::string old_path = Below(kZeloplanKey, option.old_name);
    if (SettingExists(old_path)) MoveValue(old_path, Below(kSettingsKey, option.new_name));
  }
}

}  // namespace zelo
