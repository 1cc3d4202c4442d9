// Line ends of text files as the file actions count them: a CR LF pair is one
// line end, a lone CR and a lone LF are one each. Text is fed in pieces; a CR
// LF pair split between two pieces still counts once.
#pragma once

#include <cstdint>
#include <string_view>

namespace zelo {

class LineEndCounter {
 public:
  void Feed(std::string_view piece);
  uint64_t line_ends() const { return line_ends_; }
  // Lines of everything fed so far: line ends plus 1 (the text after the last
  // end is a line, even when empty), 0 when nothing was fed.
  uint64_t lines() const { return fed_ ? line_ends_ + 1 : 0; }

 private:
  uint64_t line_ends_ = 0;
  bool after_cr_ = false;
  bool fed_ = false;
};

// LineEndCounter over one text.
uint64_t CountLines(std::string_view text);

}  // namespace zelo
