#include "expr/token_text.h"

#include <cstring>

namespace zelo {

void TokenText::Changed() {
  followers_[0] = followers_[1] = followers_[2] = followers_[3] = 0;
  const char* const begin = text_.data();
  const char* const end = begin + text_.size();
  for (const char* p = begin; p < end;) {
    const char* percent = static_cast<const char*>(std::memchr(p, '%', static_cast<std::size_t>(end - p)));
    if (!percent || percent + 1 >= end) break;
    const unsigned char c = static_cast<unsigned char>(AsciiLower(percent[1]));
    followers_[c / 64] |= uint64_t{1} << (c % 64);
    p = percent + 1;
  }
}

}  // namespace zelo
