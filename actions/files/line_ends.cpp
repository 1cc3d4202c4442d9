#include "actions/files/line_ends.h"

#include <cstring>

namespace zelo {

void LineEndCounter::Feed(std::string_view piece) {
  if (piece.empty()) return;
  fed_ = true;
  const char* p = piece.data();
  const char* const end = p + piece.size();
  if (after_cr_ && *p == '\n') ++p;  // the second half of a CR LF split between pieces
  after_cr_ = false;
  while (p < end) {
    const char c = *p++;
    if (c == '\r') {
      ++line_ends_;
      if (p == end) {
        after_cr_ = true;
      } else if (*p == '\n') {
        ++p;
      }
    } else if (c == '\n') {
      ++line_ends_;
    }
  }
}

uint64_t CountLines(std::string_view text) {
  LineEndCounter counter;
  counter.Feed(text);
  return counter.lines();
}

}  // namespace zelo
