#include "settings/memory_settings.h"

#include "base/text.h"

namespace zelo {

namespace {
std::string Lower(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = AsciiLower(c);
  return r;
}
std::string_view StripSlashes(std::string_view k) {
  while (!k.empty() && k.back() == '\\') k.remove_suffix(1);
  while (!k.empty() && k.front() == '\\') k.remove_prefix(1);
  return k;
}
}  // namespace

bool MemorySettings::Get(SettingsRoot root, std::string_view key, std::string_view name, StoredValue* out) {
  ++get_calls_;
  auto& t = tree(root);
  auto k = t.find(Lower(StripSlashes(key)));
  if (k == t.end()) return false;
  auto v = k->second.values.find(Lower(name));
  if (v == k->second.values.end()) return false;
  if (out) *out = v->second.second;
  return true;
}

bool MemorySettings::Set(SettingsRoot root, std::string_view key, std::string_view name, const StoredValue& value) {
  key = StripSlashes(key);
  auto& t = tree(root);
  // Create every missing key on the path, as the registry does.
  for (std::size_t p = 0;; ++p) {
    p = key.find('\\', p);
    std::string_view part = p == std::string_view::npos ? key : key.substr(0, p);
    auto& k = t[Lower(part)];
    if (k.name.empty()) k.name = std::string(part);
    if (p == std::string_view::npos) break;
  }
  auto& values = t[Lower(key)].values;
  values[Lower(name)] = {std::string(name), value};
  return true;
}

bool MemorySettings::DeleteValue(SettingsRoot root, std::string_view key, std::string_view name) {
  auto& t = tree(root);
  auto k = t.find(Lower(StripSlashes(key)));
  if (k == t.end()) return false;
  return k->second.values.erase(Lower(name)) > 0;
}

bool MemorySettings::DeleteKey(SettingsRoot root, std::string_view key) {
  auto& t = tree(root);
  std::string lk = Lower(StripSlashes(key));
  if (t.find(lk) == t.end()) return false;
  std::string prefix = lk + "\\";
  for (auto it = t.begin(); it != t.end();) {
    if (it->first == lk || it->first.compare(0, prefix.size(), prefix) == 0)
      it = t.erase(it);
    else
      ++it;
  }
  return true;
}

bool MemorySettings::KeyExists(SettingsRoot root, std::string_view key) {
  auto& t = tree(root);
  return t.find(Lower(StripSlashes(key))) != t.end();
}

std::vector<std::string> MemorySettings::ValueNames(SettingsRoot root, std::string_view key) {
  std::vector<std::string> names;
  auto& t = tree(root);
  auto k = t.find(Lower(StripSlashes(key)));
  if (k == t.end()) return names;
  for (auto& v : k->second.values) names.push_back(v.second.first);
  return names;
}

std::vector<std::string> MemorySettings::SubKeys(SettingsRoot root, std::string_view key) {
  std::vector<std::string> names;
  auto& t = tree(root);
  std::string prefix = Lower(StripSlashes(key)) + "\\";
  for (auto& [lk, k] : t) {
    if (lk.compare(0, prefix.size(), prefix) != 0) continue;
    std::string_view rest = std::string_view(k.name).substr(prefix.size());
    if (rest.find('\\') == std::string_view::npos) names.emplace_back(rest);
  }
  return names;
}

}  // namespace zelo
