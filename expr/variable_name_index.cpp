#include "expr/variable_name_index.h"

namespace zelo {

void VariableNameIndex::Refresh(SettingsBackend& store, std::string_view key) {
  const uint64_t stamp = store.ChangeStamp(SettingsRoot::CurrentUser, key);
  if (loaded_ && store_ == &store && stamp == stamp_ && key == key_) return;
  store_ = &store;
  key_ = std::string(key);
  stamp_ = stamp;
  loaded_ = true;
  ids_.clear();
  folded_.clear();
  spelled_.clear();
  lengths_[0] = lengths_[1] = 0;
  for (std::string& name : store.ValueNames(SettingsRoot::CurrentUser, key)) {
    // The key's unnamed value is no variable, and a reference reads too few
    // characters to reach a longer name.
    if (name.empty() || name.size() > kLongestIndexed) continue;
    folded_.push_back(FoldName(name));
    spelled_.push_back(std::move(name));
  }
  ids_.reserve(folded_.size());
  for (std::size_t id = 0; id < folded_.size(); ++id) {
    const std::size_t n = folded_[id].size();
    lengths_[n / 64] |= uint64_t{1} << (n % 64);
    ids_.emplace(folded_[id], id);
  }
}

std::size_t VariableNameIndex::Find(std::string_view folded) const {
  auto it = ids_.find(folded);
  return it == ids_.end() ? SIZE_MAX : it->second;
}

}  // namespace zelo
