// The names of one key's variables, for the longest-prefix lookup of
// references: a reference to counter2 with only counter stored finds
// counter. The names are read once and kept while the store's change stamp
// for the key stays the same, so a lookup costs no store call however many
// characters it drops or how many "%" signs a field holds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "settings/name_case.h"
#include "settings/settings_backend.h"

namespace zelo {

class VariableNameIndex {
 public:
  VariableNameIndex() = default;
  VariableNameIndex(const VariableNameIndex&) = delete;
  VariableNameIndex& operator=(const VariableNameIndex&) = delete;

  // Makes the index describe key of store: one change-stamp call, plus one
  // name listing when the key, the store or the stamp differ from last time.
  void Refresh(SettingsBackend& store, std::string_view key);

  // Offers the stored names that begin candidate (without regard to case),
  // longest first, to accept(id) until it returns true, and returns the
  // length of the accepted one (0 when none). Names longer than max_length
  // are not offered.
  template <class Accept>
  std::size_t LongestPrefix(std::string_view candidate, std::size_t max_length, Accept&& accept) const;

  // The stored spelling of a name found by LongestPrefix.
  const std::string& name(std::size_t id) const { return spelled_[id]; }
  std::size_t size() const { return spelled_.size(); }

 private:
  static constexpr std::size_t kLongestIndexed = 127;
  bool HasLength(std::size_t n) const { return n <= kLongestIndexed && ((lengths_[n / 64] >> (n % 64)) & 1u); }
  std::size_t Find(std::string_view folded) const;

  const SettingsBackend* store_ = nullptr;
  std::string key_;
  uint64_t stamp_ = 0;
  bool loaded_ = false;
  std::vector<std::string> folded_;
  std::vector<std::string> spelled_;
  std::unordered_map<std::string_view, std::size_t> ids_;  // views into folded_
  uint64_t lengths_[2] = {0, 0};                            // bit n: a name of n characters exists
};

template <class Accept>
std::size_t VariableNameIndex::LongestPrefix(std::string_view candidate, std::size_t max_length,
                                             Accept&& accept) const {
  if (candidate.size() > max_length) candidate = candidate.substr(0, max_length);
  if (candidate.size() > kLongestIndexed) candidate = candidate.substr(0, kLongestIndexed);
  char folded[kLongestIndexed];
  for (std::size_t i = 0; i < candidate.size(); ++i) folded[i] = FoldNameChar(candidate[i]);
  for (std::size_t n = candidate.size(); n > 0; --n) {
    if (!HasLength(n)) continue;
    const std::size_t id = Find(std::string_view(folded, n));
    if (id != SIZE_MAX && accept(id)) return n;
  }
  return 0;
}

}  // namespace zelo
