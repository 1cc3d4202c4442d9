// The one lookup by which handlers tell their action names apart. A
// category's table lists words, each with the kind of action it marks; the
// rows are tried in order against the name without regard to case, and the
// first that matches decides. A row matches when the name contains its word,
// or, for a row marked Whole, when the name is the word itself ("Read File",
// which other file actions contain). The same rule reads words out of a
// step field, such as a service's startup type.
#pragma once

#include <cstddef>
#include <string_view>

#include "base/text.h"

namespace zelo {

enum class WordMatch { Within, Whole };

template <typename Kind>
struct ActionWord {
  const char* word;
  Kind kind;
  WordMatch match = WordMatch::Within;
};

// A view of a constant table of rows.
template <typename Kind>
class ActionWords {
 public:
  template <std::size_t N>
  constexpr ActionWords(const ActionWord<Kind> (&rows)[N]) : rows_(rows), count_(N) {}

  // The first row the name matches; nullptr when none does.
  const ActionWord<Kind>* Find(std::string_view name) const {
    for (std::size_t i = 0; i < count_; ++i) {
      const ActionWord<Kind>& row = rows_[i];
      if (row.match == WordMatch::Whole ? EqualsNoCase(name, row.word) : ContainsNoCase(name, row.word)) return &row;
    }
    return nullptr;
  }
  // The kind of the first row the name matches; otherwise when none does.
  Kind KindOf(std::string_view name, Kind otherwise) const {
    const ActionWord<Kind>* row = Find(name);
    return row != nullptr ? row->kind : otherwise;
  }

 private:
  const ActionWord<Kind>* rows_;
  std::size_t count_;
};

// Whether the name is one of the actions of the table, as a plain function
// the registration table can keep beside the category's handler.
template <const auto& Table>
bool KnowsAction(std::string_view action) {
  return Table.Find(action) != nullptr;
}

}  // namespace zelo
