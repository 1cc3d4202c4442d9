#include "settings/settings.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "settings/memory_settings.h"

namespace zelo {

namespace {
MemorySettings& BuiltInStore() {
  static MemorySettings store;
  return store;
}
SettingsBackend* g_store = nullptr;

constexpr std::size_t kMaxPath = 259;

void Split(std::string_view path, std::string_view* key, std::string_view* name) {
  if (path.size() > kMaxPath) path = path.substr(0, kMaxPath);
  std::size_t slash = path.rfind('\\');
  if (slash == std::string_view::npos) {
    *key = std::string_view();
    *name = path;
  } else {
    *key = path.substr(0, slash);
    *name = path.substr(slash + 1);
  }
}

// Digits beyond what 32 bits hold wrap around, as a stored DWORD would.
int32_t LeadingNumber(std::string_view s) {
  uint32_t v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') break;
    v = v * 10u + static_cast<uint32_t>(c - '0');
  }
  return static_cast<int32_t>(v);
}
}  // namespace

SettingsBackend& Settings() { return g_store ? *g_store : BuiltInStore(); }
void UseSettings(SettingsBackend* store) { g_store = store; }

std::string SettingPath(const char* pattern, ...) {
  if (!pattern) return std::string();
  if (std::strlen(pattern) >= 1023) return std::string(pattern).substr(0, kMaxPath);
  char buf[kMaxPath + 1];
  va_list ap;
  va_start(ap, pattern);
  std::vsnprintf(buf, sizeof buf, pattern, ap);
  va_end(ap);
  return buf;
}

std::size_t SettingSize(std::string_view path, SettingsRoot root) {
  std::string_view key, name;
  Split(path, &key, &name);
  StoredValue v;
  if (!Settings().Get(root, key, name, &v)) return 0;
  switch (v.kind) {
    case ValueKind::Dword:
      return 4;
    case ValueKind::Binary:
      return v.data.size();
    case ValueKind::MultiString:
      return v.data.size() + 2;  // inner terminators plus the closing pair
    default:
      return v.data.size() + 1;  // with the terminator, as the registry counts it
  }
}

int32_t ReadSetting(std::string_view path, std::string* text, std::size_t max_len, SettingsRoot root) {
  if (text) text->clear();
  std::string_view key, name;
  Split(path, &key, &name);
  StoredValue v;
  if (!Settings().Get(root, key, name, &v)) return 0;
  switch (v.kind) {
    case ValueKind::Dword:
      // Signed, as every reader of a stored number (variables included) shows it.
      if (text) *text = std::to_string(static_cast<int32_t>(v.number)).substr(0, max_len);
      return static_cast<int32_t>(v.number);
    case ValueKind::Binary:
      return static_cast<int32_t>(v.data.size() < max_len ? v.data.size() : max_len);
    case ValueKind::MultiString: {
      std::string s;
      for (char c : v.data) {
        if (c == '\0')
          s += "\r\n";
        else
          s += c;
      }
      if (text) *text = s.substr(0, max_len);
      return LeadingNumber(s);
    }
    default: {
      std::string_view s = v.data;
      std::size_t nul = s.find('\0');
      if (nul != std::string_view::npos) s = s.substr(0, nul);
      if (text) *text = std::string(s.substr(0, max_len));
      return LeadingNumber(s);
    }
  }
}

std::size_t ReadSettingBinary(std::string_view path, std::string* bytes, std::size_t max_len, SettingsRoot root) {
  if (bytes) bytes->clear();
  std::string_view key, name;
  Split(path, &key, &name);
  StoredValue v;
  if (!Settings().Get(root, key, name, &v)) return 0;
  std::string data = v.kind == ValueKind::Dword ? std::string(reinterpret_cast<const char*>(&v.number), 4) : v.data;
  if (data.size() > max_len) data.resize(max_len);
  if (bytes) *bytes = data;
  return data.size();
}

bool WriteSetting(std::string_view path, std::string_view text, SettingsRoot root) {
  std::string_view key, name;
  Split(path, &key, &name);
  StoredValue v;
  v.kind = text.find('%') != std::string_view::npos ? ValueKind::ExpandString : ValueKind::String;
  v.data = std::string(text);
  return Settings().Set(root, key, name, v);
}

bool WriteSettingNumber(std::string_view path, uint32_t number, SettingsRoot root) {
  std::string_view key, name;
  Split(path, &key, &name);
  StoredValue v;
  v.kind = ValueKind::Dword;
  v.number = number;
  return Settings().Set(root, key, name, v);
}

bool WriteSettingBinary(std::string_view path, std::string_view bytes, SettingsRoot root) {
  std::string_view key, name;
  Split(path, &key, &name);
  StoredValue v;
  v.kind = ValueKind::Binary;
  v.data = std::string(bytes);
  return Settings().Set(root, key, name, v);
}

bool DeleteSetting(std::string_view path, SettingsRoot root) {
  std::string_view key, name;
  Split(path, &key, &name);
  // An empty name would be the key's unnamed value; the caller means the key.
  if (!name.empty() && Settings().DeleteValue(root, key, name)) return true;
  if (path.size() > kMaxPath) path = path.substr(0, kMaxPath);
  return Settings().DeleteKey(root, path);
}

}  // namespace zelo
