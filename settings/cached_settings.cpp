#include "settings/cached_settings.h"

#include <utility>

#include "settings/name_case.h"

namespace zelo {

namespace {

std::string EntryName(std::string_view key, std::string_view name) {
  std::string id = FoldName(TrimKeyPath(key));
  id += '\0';
  id += FoldName(name);
  return id;
}

}  // namespace

CachedSettings::CachedSettings(SettingsBackend& store, StoreChanges& changes, std::string watched_key)
    : store_(store), changes_(changes), watched_key_(std::move(watched_key)), seen_count_(changes.Count()) {}

bool CachedSettings::Kept(SettingsRoot root, std::string_view key) const {
  return root == SettingsRoot::CurrentUser && IsSameOrBelowKey(key, watched_key_);
}

void CachedSettings::Refresh() {
  const uint64_t count = changes_.Count();
  if (count == seen_count_) return;
  seen_count_ = count;
  entries_.clear();
  ++stamp_;
}

void CachedSettings::AfterOwnWrite() {
  // Everything is forgotten rather than patched: a write to a key may change
  // values under it (a deleted tree, a copy), and the write's own
  // notification would clear the cache soon after anyway.
  changes_.NoteOwnWrite();
  entries_.clear();
  seen_count_ = changes_.Count();
  ++stamp_;
}

bool CachedSettings::Get(SettingsRoot root, std::string_view key, std::string_view name, StoredValue* out) {
  if (!Kept(root, key)) return store_.Get(root, key, name, out);
  std::lock_guard<std::mutex> lock(mutex_);
  Refresh();
  std::string id = EntryName(key, name);
  auto it = entries_.find(id);
  if (it == entries_.end()) {
    // Read under the lock: a write of this program's other thread cannot
    // slip between the read and its keeping.
    Entry entry;
    entry.found = store_.Get(root, key, name, &entry.value);
    if (entries_.size() >= kMaxEntries) entries_.clear();
    it = entries_.emplace(std::move(id), std::move(entry)).first;
  }
  if (it->second.found && out) *out = it->second.value;
  return it->second.found;
}

bool CachedSettings::Set(SettingsRoot root, std::string_view key, std::string_view name, const StoredValue& value) {
  if (!Kept(root, key)) return store_.Set(root, key, name, value);
  std::lock_guard<std::mutex> lock(mutex_);
  const bool ok = store_.Set(root, key, name, value);
  AfterOwnWrite();
  return ok;
}

bool CachedSettings::DeleteValue(SettingsRoot root, std::string_view key, std::string_view name) {
  if (!Kept(root, key)) return store_.DeleteValue(root, key, name);
  std::lock_guard<std::mutex> lock(mutex_);
  const bool ok = store_.DeleteValue(root, key, name);
  AfterOwnWrite();
  return ok;
}

bool CachedSettings::DeleteKey(SettingsRoot root, std::string_view key) {
  // A key above the watched one takes the watched one with it.
  if (!Kept(root, key) && !(root == SettingsRoot::CurrentUser && IsSameOrBelowKey(watched_key_, key)))
    return store_.DeleteKey(root, key);
  std::lock_guard<std::mutex> lock(mutex_);
  const bool ok = store_.DeleteKey(root, key);
  AfterOwnWrite();
  return ok;
}

bool CachedSettings::KeyExists(SettingsRoot root, std::string_view key) { return store_.KeyExists(root, key); }

std::vector<std::string> CachedSettings::ValueNames(SettingsRoot root, std::string_view key) {
  return store_.ValueNames(root, key);
}

std::vector<std::string> CachedSettings::SubKeys(SettingsRoot root, std::string_view key) {
  return store_.SubKeys(root, key);
}

bool CachedSettings::CopyKey(SettingsRoot root, std::string_view from, std::string_view to) {
  if (!Kept(root, to)) return store_.CopyKey(root, from, to);
  std::lock_guard<std::mutex> lock(mutex_);
  const bool ok = store_.CopyKey(root, from, to);
  AfterOwnWrite();
  return ok;
}

uint64_t CachedSettings::ChangeStamp(SettingsRoot root, std::string_view key) {
  if (!Kept(root, key)) return store_.ChangeStamp(root, key);
  std::lock_guard<std::mutex> lock(mutex_);
  Refresh();
  // Apart from any stamp the store itself gives out.
  return stamp_ | (uint64_t{1} << 63);
}

}  // namespace zelo
