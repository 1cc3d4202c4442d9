#include "expr/text_replace.h"

namespace zelo {

std::size_t ReplaceAllNoCase(std::string& text, std::string_view find, std::string_view with) {
  if (find.empty()) return 0;
  std::size_t hit = FindNoCase(text, find);
  if (hit == std::string_view::npos) return 0;
  std::string out;
  out.reserve(text.size() + (with.size() > find.size() ? with.size() - find.size() : 0) * 4);
  std::size_t done = 0, count = 0;
  while (hit != std::string_view::npos) {
    out.append(text, done, hit - done);
    out.append(with);
    done = hit + find.size();
    ++count;
    hit = FindNoCase(text, find, done);
  }
  out.append(text, done, std::string::npos);
  text.swap(out);
  return count;
}

}  // namespace zelo
