// In-memory settings store for native tests and the command-line tools.
#pragma once

#include <map>
#include <string>

#include "settings/settings_backend.h"

namespace zelo {

class MemorySettings : public SettingsBackend {
 public:
  bool Get(SettingsRoot root, std::string_view key, std::string_view name, StoredValue* out) override;
  bool Set(SettingsRoot root, std::string_view key, std::string_view name, const StoredValue& value) override;
  bool DeleteValue(SettingsRoot root, std::string_view key, std::string_view name) override;
  bool DeleteKey(SettingsRoot root, std::string_view key) override;
  bool KeyExists(SettingsRoot root, std::string_view key) override;
  std::vector<std::string> ValueNames(SettingsRoot root, std::string_view key) override;
  std::vector<std::string> SubKeys(SettingsRoot root, std::string_view key) override;

  int get_calls() const { return get_calls_; }  // for tests that count store round trips

 private:
  struct Key {
    std::string name;                                  // as first written
    std::map<std::string, std::pair<std::string, StoredValue>> values;  // lower-case name -> (name, value)
  };
  using Tree = std::map<std::string, Key>;  // lower-case full key path -> key
  Tree& tree(SettingsRoot root) { return root == SettingsRoot::CurrentUser ? hkcu_ : hklm_; }
  Tree hkcu_, hklm_;
  int get_calls_ = 0;
};

}  // namespace zelo
