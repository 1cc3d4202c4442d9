// The settings store in the Windows registry: CurrentUser is
// HKEY_CURRENT_USER, LocalMachine is HKEY_LOCAL_MACHINE. Text is converted
// between the ANSI code page and the registry's UTF-16 at this boundary.
#pragma once

#include <atomic>
#include <string>

#include "settings/settings_backend.h"

namespace zelo {

class RegistrySettings : public SettingsBackend {
 public:
  RegistrySettings();
  // Keeps both roots inside HKEY_CURRENT_USER\<sandbox>, in the sub-keys
  // "CurrentUser" and "LocalMachine", so that a trial run (or a test) works on
  // the real registry without touching the user's options or needing the
  // rights the machine-wide tree asks for.
  explicit RegistrySettings(std::string sandbox);

  bool Get(SettingsRoot root, std::string_view key, std::string_view name, StoredValue* out) override;
  bool Set(SettingsRoot root, std::string_view key, std::string_view name, const StoredValue& value) override;
  bool DeleteValue(SettingsRoot root, std::string_view key, std::string_view name) override;
  bool DeleteKey(SettingsRoot root, std::string_view key) override;
  bool KeyExists(SettingsRoot root, std::string_view key) override;
  std::vector<std::string> ValueNames(SettingsRoot root, std::string_view key) override;
  std::vector<std::string> SubKeys(SettingsRoot root, std::string_view key) override;
  // Copies with the registry's own tree copy, which keeps value kinds this
  // store does not model (64-bit numbers, for one).
  bool CopyKey(SettingsRoot root, std::string_view from, std::string_view to) override;
  // This process's own writes, and the key's value count and last write time
  // for the writes of other processes (another instance, the scheduler).
  uint64_t ChangeStamp(SettingsRoot root, std::string_view key) override;

 private:
  std::string sandbox_;
  std::atomic<uint64_t> writes_;  // starts at a base of its own per store
};

}  // namespace zelo
