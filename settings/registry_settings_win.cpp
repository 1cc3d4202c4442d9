#include "settings/registry_settings_win.h"

#include <windows.h>

#include <cstring>
#include <utility>

#include "base/ansi_text_win.h"
#include "base/win32_owners_win.h"

namespace zelo {

namespace {

struct Location {
  HKEY root;
  std::wstring path;  // below root; empty for the root itself
};

std::wstring WideName(std::string_view name) { return AnsiToWide(name); }

// Reads one value into a buffer of its own size. Most values fit the first
// 1024 bytes; a larger one is read again through a buffer of the size the
// registry reports, and once more if it grew in between.
bool QueryValue(HKEY key, const std::wstring& name, DWORD* type, std::string* bytes) {
  bytes->assign(1024, '\0');
  for (int attempt = 0; attempt < 8; ++attempt) {
    DWORD size = static_cast<DWORD>(bytes->size());
    LONG r = RegQueryValueExW(key, name.c_str(), nullptr, type, reinterpret_cast<BYTE*>(bytes->data()), &size);
    if (r == ERROR_SUCCESS) {
      bytes->resize(size);
      return true;
    }
    if (r != ERROR_MORE_DATA) return false;
    bytes->assign(static_cast<std::size_t>(size) + sizeof(wchar_t), '\0');
  }
  return false;
}

// UTF-16 registry text to ANSI, without the terminators at its end.
std::string TextFromRegistry(const std::string& bytes) {
  std::wstring wide(bytes.size() / sizeof(wchar_t), L'\0');
  if (!wide.empty()) std::memcpy(wide.data(), bytes.data(), wide.size() * sizeof(wchar_t));
  while (!wide.empty() && wide.back() == L'\0') wide.pop_back();
  return WideToAnsi(wide);
}

StoredValue ValueFromRegistry(DWORD type, std::string bytes) {
  StoredValue v;
  switch (type) {
    case REG_DWORD:
    case REG_DWORD_BIG_ENDIAN:
      if (bytes.size() == sizeof(uint32_t)) {
        v.kind = ValueKind::Dword;
        std::memcpy(&v.number, bytes.data(), sizeof v.number);
        if (type == REG_DWORD_BIG_ENDIAN)
          v.number = (v.number >> 24) | ((v.number >> 8) & 0xFF00u) | ((v.number << 8) & 0xFF0000u) | (v.number << 24);
        return v;
      }
      break;
    case REG_SZ:
      v.kind = ValueKind::String;
      v.data = TextFromRegistry(bytes);
      return v;
    case REG_EXPAND_SZ:
      v.kind = ValueKind::ExpandString;
      v.data = TextFromRegistry(bytes);
      return v;
    case REG_MULTI_SZ:
      v.kind = ValueKind::MultiString;
      v.data = TextFromRegistry(bytes);
      return v;
    default:
      break;
  }
  // Every other kind (and a malformed number) is handed over as its bytes.
  v.kind = ValueKind::Binary;
  v.data = std::move(bytes);
  return v;
}

bool StoreValue(HKEY key, const std::wstring& name, const StoredValue& value) {
  DWORD type = REG_BINARY;
  std::wstring wide;
  const BYTE* data = nullptr;
  std::size_t size = 0;
  switch (value.kind) {
    case ValueKind::Dword:
      type = REG_DWORD;
      data = reinterpret_cast<const BYTE*>(&value.number);
      size = sizeof value.number;
      break;
    case ValueKind::String:
    case ValueKind::ExpandString:
    case ValueKind::MultiString:
      type = value.kind == ValueKind::String         ? REG_SZ
             : value.kind == ValueKind::ExpandString ? REG_EXPAND_SZ
                                                     : REG_MULTI_SZ;
      wide = AnsiToWide(value.data);
      wide.push_back(L'\0');
      // A multi-string closes with an empty string after its last one.
      if (value.kind == ValueKind::MultiString) wide.push_back(L'\0');
      data = reinterpret_cast<const BYTE*>(wide.data());
      size = wide.size() * sizeof(wchar_t);
      break;
    case ValueKind::Binary:
      data = reinterpret_cast<const BYTE*>(value.data.data());
      size = value.data.size();
      break;
  }
  if (size > MAXDWORD) return false;
  return RegSetValueExW(key, name.c_str(), 0, type, data, static_cast<DWORD>(size)) == ERROR_SUCCESS;
}

}  // namespace

namespace {
// Each store counts its writes from its own base, so that stamps of two
// stores never meet.
uint64_t NextStoreBase() {
  static std::atomic<uint64_t> stores{0};
  return ++stores << 40;
}
}  // namespace

RegistrySettings::RegistrySettings() : writes_(NextStoreBase()) {}
RegistrySettings::RegistrySettings(std::string sandbox) : sandbox_(TrimKeyPath(sandbox)), writes_(NextStoreBase()) {}

namespace {

Location Locate(const std::string& sandbox, SettingsRoot root, std::string_view key) {
  key = TrimKeyPath(key);
  if (sandbox.empty())
    return {root == SettingsRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE, AnsiToWide(key)};
  std::string path = sandbox + (root == SettingsRoot::CurrentUser ? "\\CurrentUser" : "\\LocalMachine");
  if (!key.empty()) {
    path += '\\';
    path += key;
  }
  return {HKEY_CURRENT_USER, AnsiToWide(path)};
}

RegistryKey Open(const Location& where, REGSAM access) {
  return OpenRegistryKey(where.root, where.path.c_str(), access);
}

// Opens the key with full access, creating it and every key above it when missing.
RegistryKey Create(const Location& where) {
  return CreateRegistryKey(where.root, where.path.c_str(), KEY_ALL_ACCESS);
}

}  // namespace

bool RegistrySettings::Get(SettingsRoot root, std::string_view key, std::string_view name, StoredValue* out) {
  RegistryKey k = Open(Locate(sandbox_, root, key), KEY_QUERY_VALUE);
  if (!k) return false;
  DWORD type = REG_NONE;
  std::string bytes;
  if (!QueryValue(k.get(), WideName(name), &type, &bytes)) return false;
  if (out) *out = ValueFromRegistry(type, std::move(bytes));
  return true;
}

bool RegistrySettings::Set(SettingsRoot root, std::string_view key, std::string_view name, const StoredValue& value) {
  ++writes_;
  RegistryKey k = Create(Locate(sandbox_, root, key));
  return k && StoreValue(k.get(), WideName(name), value);
}

bool RegistrySettings::DeleteValue(SettingsRoot root, std::string_view key, std::string_view name) {
  ++writes_;
  RegistryKey k = Open(Locate(sandbox_, root, key), KEY_SET_VALUE);
  return k && RegDeleteValueW(k.get(), WideName(name).c_str()) == ERROR_SUCCESS;
}

bool RegistrySettings::DeleteKey(SettingsRoot root, std::string_view key) {
  // An empty path would name the root: never wipe a whole hive (or the sandbox).
  if (TrimKeyPath(key).empty()) return false;
  ++writes_;
  Location where = Locate(sandbox_, root, key);
  return RegDeleteTreeW(where.root, where.path.c_str()) == ERROR_SUCCESS;
}

bool RegistrySettings::KeyExists(SettingsRoot root, std::string_view key) {
  return static_cast<bool>(Open(Locate(sandbox_, root, key), KEY_READ));
}

std::vector<std::string> RegistrySettings::ValueNames(SettingsRoot root, std::string_view key) {
  std::vector<std::string> names;
  RegistryKey k = Open(Locate(sandbox_, root, key), KEY_QUERY_VALUE);
  if (!k) return names;
  DWORD longest = 0;
  if (RegQueryInfoKeyW(k.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longest, nullptr,
                       nullptr, nullptr) != ERROR_SUCCESS)
    return names;
  std::wstring name(static_cast<std::size_t>(longest) + 1, L'\0');
  for (DWORD i = 0;; ++i) {
    DWORD length = static_cast<DWORD>(name.size());
    LONG r = RegEnumValueW(k.get(), i, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (r == ERROR_MORE_DATA) {  // a longer name arrived since the count: grow and read it again
      name.assign(name.size() * 2, L'\0');
      --i;
      continue;
    }
    if (r != ERROR_SUCCESS) break;
    names.push_back(WideToAnsi(std::wstring_view(name.data(), length)));
  }
  return names;
}

std::vector<std::string> RegistrySettings::SubKeys(SettingsRoot root, std::string_view key) {
  std::vector<std::string> names;
  RegistryKey k = Open(Locate(sandbox_, root, key), KEY_ENUMERATE_SUB_KEYS);
  if (!k) return names;
  wchar_t name[256];  // the registry's limit for a key name, with its terminator
  for (DWORD i = 0;; ++i) {
    DWORD length = 256;
    if (RegEnumKeyExW(k.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.push_back(WideToAnsi(std::wstring_view(name, length)));
  }
  return names;
}

bool RegistrySettings::CopyKey(SettingsRoot root, std::string_view from, std::string_view to) {
  if (IsSameOrBelowKey(to, from)) return false;
  ++writes_;
  RegistryKey source = Open(Locate(sandbox_, root, from), KEY_READ);
  if (!source) return false;
  RegistryKey target = Create(Locate(sandbox_, root, to));
  return target && RegCopyTreeW(source.get(), nullptr, target.get()) == ERROR_SUCCESS;
}

uint64_t RegistrySettings::ChangeStamp(SettingsRoot root, std::string_view key) {
  // The last write time moves with the system clock's tick, so a change by
  // another process in the same tick that keeps the value count can go
  // unseen until the next one; this process's own writes always count.
  uint64_t parts[3] = {writes_.load(), ~0ull, 0};
  RegistryKey k = Open(Locate(sandbox_, root, key), KEY_QUERY_VALUE);
  DWORD values = 0;
  FILETIME written{};
  if (k && RegQueryInfoKeyW(k.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                            nullptr, &written) == ERROR_SUCCESS) {
    parts[1] = values;
    parts[2] = (static_cast<uint64_t>(written.dwHighDateTime) << 32) | written.dwLowDateTime;
  }
  uint64_t stamp = 14695981039346656037ull;  // FNV-1a over the three words
  for (uint64_t part : parts) {
    for (int b = 0; b < 8; ++b) {
      stamp ^= (part >> (8 * b)) & 0xFF;
      stamp *= 1099511628211ull;
    }
  }
  return stamp;
}

}  // namespace zelo
