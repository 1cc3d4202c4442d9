#include "settings/memory_settings.h"

#include <atomic>

#include "settings/name_case.h"

namespace zelo {

namespace {
std::string Fold(std::string_view s) { return FoldName(s); }
}  // namespace

// Each store counts its changes from its own base, so that two stores never
// show the same stamp (a reader that kept names from one store must not take
// them for another's, even one made at the same address).
MemorySettings::MemorySettings() {
  static std::atomic<uint64_t> stores{0};
  changes_ = ++stores << 40;
}

bool MemorySettings::Get(SettingsRoot root, std::string_view key, std::string_view name, StoredValue* out) {
  ++get_calls_;
  auto& t = tree(root);
  auto k = t.find(Fold(TrimKeyPath(key)));
  if (k == t.end()) return false;
  auto v = k->second.values.find(Fold(name));
  if (v == k->second.values.end()) return false;
  if (out) *out = v->second.second;
  return true;
}

bool MemorySettings::Set(SettingsRoot root, std::string_view key, std::string_view name, const StoredValue& value) {
  key = TrimKeyPath(key);
  auto& t = tree(root);
  // Create every missing key on the path, as the registry does.
  t[std::string()];
  for (std::size_t p = 0; !key.empty(); ++p) {
    p = key.find('\\', p);
    std::string_view part = p == std::string_view::npos ? key : key.substr(0, p);
    auto& k = t[Fold(part)];
    if (k.name.empty()) k.name = std::string(part);
    if (p == std::string_view::npos) break;
  }
  ++changes_;
  auto& slot = t[Fold(key)].values[Fold(name)];
  if (slot.first.empty()) slot.first = std::string(name);  // a rewrite keeps the name's first spelling
  slot.second = value;
  return true;
}

bool MemorySettings::DeleteValue(SettingsRoot root, std::string_view key, std::string_view name) {
  auto& t = tree(root);
  auto k = t.find(Fold(TrimKeyPath(key)));
  if (k == t.end()) return false;
  if (k->second.values.erase(Fold(name)) == 0) return false;
  ++changes_;
  return true;
}

bool MemorySettings::DeleteKey(SettingsRoot root, std::string_view key) {
  auto& t = tree(root);
  std::string fk = Fold(TrimKeyPath(key));
  if (fk.empty() || t.find(fk) == t.end()) return false;
  ++changes_;
  std::string prefix = fk + "\\";
  for (auto it = t.lower_bound(fk); it != t.end();) {
    if (it->first == fk || it->first.compare(0, prefix.size(), prefix) == 0)
      it = t.erase(it);
    else if (it->first.compare(0, fk.size(), fk) == 0)
      ++it;  // a sibling such as "key2" sorts between "key" and "key\..."
    else
      break;
  }
  return true;
}

bool MemorySettings::KeyExists(SettingsRoot root, std::string_view key) {
  auto& t = tree(root);
  std::string fk = Fold(TrimKeyPath(key));
  return fk.empty() || t.find(fk) != t.end();
}

std::vector<std::string> MemorySettings::ValueNames(SettingsRoot root, std::string_view key) {
  ++value_names_calls_;
  std::vector<std::string> names;
  auto& t = tree(root);
  auto k = t.find(Fold(TrimKeyPath(key)));
  if (k == t.end()) return names;
  for (auto& v : k->second.values) names.push_back(v.second.first);
  return names;
}

uint64_t MemorySettings::ChangeStamp(SettingsRoot, std::string_view) {
  ++change_stamp_calls_;
  return changes_;
}

std::vector<std::string> MemorySettings::SubKeys(SettingsRoot root, std::string_view key) {
  std::vector<std::string> names;
  auto& t = tree(root);
  std::string fk = Fold(TrimKeyPath(key));
  std::string prefix = fk.empty() ? std::string() : fk + "\\";
  for (auto& [path, k] : t) {
    if (path.empty() || path.compare(0, prefix.size(), prefix) != 0) continue;
    std::string_view rest = std::string_view(k.name).substr(prefix.size());
    if (rest.find('\\') == std::string_view::npos) names.emplace_back(rest);
  }
  return names;
}

}  // namespace zelo
