// A settings store that keeps what it read: values read under one watched
// key (the program's own, where its settings and the user variables live)
// are served from memory until the store's change count moves. Writes go
// through at once and are announced to the other programs that keep values.
// Everything outside the watched key goes straight to the store.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>

#include "settings/settings_backend.h"
#include "settings/store_changes.h"

namespace zelo {

class CachedSettings : public SettingsBackend {
 public:
  // Keeps values of CurrentUser keys at or below watched_key.
  CachedSettings(SettingsBackend& store, StoreChanges& changes, std::string watched_key);

  bool Get(SettingsRoot root, std::string_view key, std::string_view name, StoredValue* out) override;
  bool Set(SettingsRoot root, std::string_view key, std::string_view name, const StoredValue& value) override;
  bool DeleteValue(SettingsRoot root, std::string_view key, std::string_view name) override;
  bool DeleteKey(SettingsRoot root, std::string_view key) override;
  bool KeyExists(SettingsRoot root, std::string_view key) override;
  std::vector<std::string> ValueNames(SettingsRoot root, std::string_view key) override;
  std::vector<std::string> SubKeys(SettingsRoot root, std::string_view key) override;
  bool CopyKey(SettingsRoot root, std::string_view from, std::string_view to) override;
  // Moves with every forgotten cache and every own write: no store call.
  uint64_t ChangeStamp(SettingsRoot root, std::string_view key) override;

 private:
  struct Entry {
    bool found = false;
    StoredValue value;
  };
  // Bounds the memory a script that reads ever new names can take.
  static constexpr std::size_t kMaxEntries = 4096;

  bool Kept(SettingsRoot root, std::string_view key) const;
  // Forgets everything when the change count moved. Called with mutex_ held.
  void Refresh();
  void AfterOwnWrite();

  SettingsBackend& store_;
  StoreChanges& changes_;
  const std::string watched_key_;
  std::mutex mutex_;
  uint64_t seen_count_ = 0;
  uint64_t stamp_ = 0;
  std::unordered_map<std::string, Entry> entries_;  // folded key, NUL, folded name
};

}  // namespace zelo
