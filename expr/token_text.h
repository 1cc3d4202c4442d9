// TokenText: a text whose "%" tokens are replaced one after another. It
// keeps the set of characters that follow a "%" in the text, so that a
// token whose second character follows no "%" is passed over without a
// search; the set is taken again after every change. Field expansion tries
// some sixty tokens on every field, most of which are not there.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "expr/text_replace.h"

namespace zelo {

class TokenText {
 public:
  explicit TokenText(std::string& text) : text_(text) { Changed(); }

  std::string& text() { return text_; }
  // Whether the text holds token (any letter case).
  bool Holds(std::string_view token) const {
    return MayHold(token) && FindNoCase(text_, token) != std::string_view::npos;
  }
  // Replaces every occurrence of token by make(), called only when it occurs.
  template <class Make>
  std::size_t Replace(std::string_view token, Make&& make) {
    if (!MayHold(token)) return 0;
    const std::size_t n = ReplaceTokenNoCase(text_, token, make);
    if (n) Changed();
    return n;
  }
  std::size_t ReplaceWith(std::string_view token, std::string_view value) {
    return Replace(token, [&] { return std::string(value); });
  }
  // To be called after the text was changed from outside.
  void Changed();

 private:
  bool MayHold(std::string_view token) const {
    if (token.size() < 2 || token[0] != '%') return true;
    const unsigned char c = static_cast<unsigned char>(AsciiLower(token[1]));
    return (followers_[c / 64] >> (c % 64)) & 1u;
  }
  std::string& text_;
  uint64_t followers_[4] = {0, 0, 0, 0};  // lower-cased characters that follow a "%"
};

}  // namespace zelo
