// In-memory settings store for native tests and the command-line tools. It
// behaves as the registry does where callers can tell: names compare without
// regard to case (letters of the Windows Latin-1 code page included), writing
// creates every missing key on the path, deleting a key takes everything below
// it, and the root itself can be neither deleted nor copied.
#pragma once

#include <map>
#include <string>

#include "settings/settings_backend.h"

namespace zelo {

class MemorySettings : public SettingsBackend {
 public:
  MemorySettings();
  bool Get(SettingsRoot root, std::string_view key, std::string_view name, StoredValue* out) override;
  bool Set(SettingsRoot root, std::string_view key, std::string_view name, const StoredValue& value) override;
  bool DeleteValue(SettingsRoot root, std::string_view key, std::string_view name) override;
  bool DeleteKey(SettingsRoot root, std::string_view key) override;
  bool KeyExists(SettingsRoot root, std::string_view key) override;
  std::vector<std::string> ValueNames(SettingsRoot root, std::string_view key) override;
  std::vector<std::string> SubKeys(SettingsRoot root, std::string_view key) override;
  // Changes with every write anywhere in the store: exact, if coarse.
  uint64_t ChangeStamp(SettingsRoot root, std::string_view key) override;

  // For tests and benchmarks that count store round trips.
  int get_calls() const { return get_calls_; }
  int value_names_calls() const { return value_names_calls_; }
  int change_stamp_calls() const { return change_stamp_calls_; }

 private:
  struct Key {
    std::string name;                                                   // as first written
    std::map<std::string, std::pair<std::string, StoredValue>> values;  // folded name -> (name, value)
  };
  using Tree = std::map<std::string, Key>;  // folded full key path -> key; "" is the root
  Tree& tree(SettingsRoot root) { return root == SettingsRoot::CurrentUser ? hkcu_ : hklm_; }
  Tree hkcu_, hklm_;
  int get_calls_ = 0;
  int value_names_calls_ = 0;
  int change_stamp_calls_ = 0;
  uint64_t changes_ = 0;
};

}  // namespace zelo
