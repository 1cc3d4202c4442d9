// The settings store seam: where settings and user variables are kept. The
// Windows build stores them in the registry; tests and the native tools keep
// them in memory. Key and value names compare without regard to case. Key
// paths are relative to the root; an empty path is the root itself.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelo {

enum class SettingsRoot { CurrentUser, LocalMachine };

enum class ValueKind { Dword, String, ExpandString, MultiString, Binary };

struct StoredValue {
  ValueKind kind = ValueKind::String;
  uint32_t number = 0;  // Dword
  // String kinds: the text without terminator (a multi-string keeps its inner
  // NUL separators, no final double NUL). Binary: the bytes.
  std::string data;
};

class SettingsBackend {
 public:
  virtual ~SettingsBackend() = default;
  virtual bool Get(SettingsRoot root, std::string_view key, std::string_view name, StoredValue* out) = 0;
  // Creates missing keys.
  virtual bool Set(SettingsRoot root, std::string_view key, std::string_view name, const StoredValue& value) = 0;
  virtual bool DeleteValue(SettingsRoot root, std::string_view key, std::string_view name) = 0;
  // Removes the key with everything below it.
  virtual bool DeleteKey(SettingsRoot root, std::string_view key) = 0;
  virtual bool KeyExists(SettingsRoot root, std::string_view key) = 0;
  virtual std::vector<std::string> ValueNames(SettingsRoot root, std::string_view key) = 0;
  virtual std::vector<std::string> SubKeys(SettingsRoot root, std::string_view key) = 0;
  // Copies every value and sub-key of from into to, creating to when missing
  // and overwriting values of the same name; from stays as it is. Copying a
  // key into itself or below itself is refused. This generic walk copies the
  // kinds above; a backend that holds other kinds overrides it to keep them.
  virtual bool CopyKey(SettingsRoot root, std::string_view from, std::string_view to);
  // A number that changes whenever the names of key's values may have changed
  // (a value added or removed, the key deleted or copied into), so that a
  // reader may keep what it derived from the names until it changes. A
  // backend may change it more often than needed, never less; this default
  // gives a new number on every call, so nothing is kept.
  virtual uint64_t ChangeStamp(SettingsRoot root, std::string_view key);
};

// Key paths compare like registry paths: without regard to case, and
// ignoring leading and trailing backslashes.
std::string_view TrimKeyPath(std::string_view key);
// Whether key is inner or lies below it.
bool IsSameOrBelowKey(std::string_view key, std::string_view inner);

}  // namespace zelo
