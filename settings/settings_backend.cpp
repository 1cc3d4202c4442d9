#include "settings/settings_backend.h"

#include <atomic>

#include "base/text.h"

namespace zelo {

std::string_view TrimKeyPath(std::string_view key) {
  while (!key.empty() && key.back() == '\\') key.remove_suffix(1);
  while (!key.empty() && key.front() == '\\') key.remove_prefix(1);
  return key;
}

bool IsSameOrBelowKey(std::string_view key, std::string_view inner) {
  key = TrimKeyPath(key);
  inner = TrimKeyPath(inner);
  if (inner.empty()) return true;
  if (key.size() < inner.size() || !EqualsNoCase(key.substr(0, inner.size()), inner)) return false;
  return key.size() == inner.size() || key[inner.size()] == '\\';
}

bool SettingsBackend::CopyKey(SettingsRoot root, std::string_view from, std::string_view to) {
  if (!KeyExists(root, from) || IsSameOrBelowKey(to, from)) return false;
  // Both lists are taken before anything is written, so the walk only sees
  // what was there when it started.
  std::vector<std::string> names = ValueNames(root, from);
  std::vector<std::string> subkeys = SubKeys(root, from);
  bool ok = true;
  for (const std::string& name : names) {
    StoredValue v;
    if (!Get(root, from, name, &v) || !Set(root, to, name, v)) ok = false;
  }
  const std::string from_key(TrimKeyPath(from)), to_key(TrimKeyPath(to));
  for (const std::string& sub : subkeys) {
    if (!CopyKey(root, from_key + "\\" + sub, to_key + "\\" + sub)) ok = false;
  }
  return ok;
}

uint64_t SettingsBackend::ChangeStamp(SettingsRoot, std::string_view) {
  static std::atomic<uint64_t> calls{0};
  return ++calls;
}

}  // namespace zelo
