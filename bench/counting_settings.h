// A settings store that forwards every call to another one and counts the
// calls by kind, so that a benchmark can show how many store round trips
// (registry calls, on Windows) one operation costs.
#pragma once

#include <cstdint>

#include "settings/settings_backend.h"

namespace zelo::bench {

struct StoreCalls {
  int64_t get = 0, set = 0, delete_value = 0, delete_key = 0, key_exists = 0;
  int64_t value_names = 0, sub_keys = 0, copy_key = 0, change_stamp = 0;
  int64_t total() const {
    return get + set + delete_value + delete_key + key_exists + value_names + sub_keys + copy_key + change_stamp;
  }
};

class CountingSettings : public SettingsBackend {
 public:
  explicit CountingSettings(SettingsBackend& inner) : inner_(inner) {}
  const StoreCalls& calls() const { return calls_; }

  bool Get(SettingsRoot root, std::string_view key, std::string_view name, StoredValue* out) override {
    ++calls_.get;
    return inner_.Get(root, key, name, out);
  }
  bool Set(SettingsRoot root, std::string_view key, std::string_view name, const StoredValue& value) override {
    ++calls_.set;
    return inner_.Set(root, key, name, value);
  }
  bool DeleteValue(SettingsRoot root, std::string_view key, std::string_view name) override {
    ++calls_.delete_value;
    return inner_.DeleteValue(root, key, name);
  }
  bool DeleteKey(SettingsRoot root, std::string_view key) override {
    ++calls_.delete_key;
    return inner_.DeleteKey(root, key);
  }
  bool KeyExists(SettingsRoot root, std::string_view key) override {
    ++calls_.key_exists;
    return inner_.KeyExists(root, key);
  }
  std::vector<std::string> ValueNames(SettingsRoot root, std::string_view key) override {
    ++calls_.value_names;
    return inner_.ValueNames(root, key);
  }
  std::vector<std::string> SubKeys(SettingsRoot root, std::string_view key) override {
    ++calls_.sub_keys;
    return inner_.SubKeys(root, key);
  }
  bool CopyKey(SettingsRoot root, std::string_view from, std::string_view to) override {
    ++calls_.copy_key;
    return inner_.CopyKey(root, from, to);
  }
  uint64_t ChangeStamp(SettingsRoot root, std::string_view key) override {
    ++calls_.change_stamp;
    return inner_.ChangeStamp(root, key);
  }

 private:
  SettingsBackend& inner_;
  StoreCalls calls_;
};

}  // namespace zelo::bench
