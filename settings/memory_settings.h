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
    std::string name;                                                   // as first written
    std::map<std::string, std::pair<std::string, StoredValue>> values;  // folded name -> (name, value)
  };
  using Tree = std::map<std::string, Key>;  // folded full key path -> key; "" is the root
  Tree& tree(SettingsRoot root) { return root == SettingsRoot::CurrentUser ? hkcu_ : hklm_; }
  Tree hkcu_, hklm_;
  int get_calls_ = 0;
};

}  // namespace zelo
