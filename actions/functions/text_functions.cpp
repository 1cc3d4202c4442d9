#include "actions/functions/text_functions.h"

#include <algorithm>

#include "base/text.h"

namespace zelo {

namespace {

std::size_t FindCase(std::string_view hay, std::string_view needle, std::size_t from, bool case_sensitive) {
  return case_sensitive ? hay.find(needle, from) : FindNoCase(hay, needle, from);
}

bool IsQuote(char c) { return c == '"' || c == '\''; }

}  // namespace

std::string TrimRepeats(std::string_view text, std::string_view what, bool from_front) {
  if (what.empty()) return std::string(text);
  if (from_front) {
    while (text.size() >= what.size() && EqualsNoCase(text.substr(0, what.size()), what)) text.remove_prefix(what.size());
  } else {
    while (text.size() >= what.size() && EqualsNoCase(text.substr(text.size() - what.size()), what))
      text.remove_suffix(what.size());
  }
  return std::string(text);
}

std::string ReplaceText(std::string_view text, std::string_view what, std::string_view with, bool case_sensitive,
                        bool first_only) {
  if (what.empty()) return std::string(text);
  std::string out;
  std::size_t from = 0;
  for (;;) {
    const std::size_t at = FindCase(text, what, from, case_sensitive);
    if (at == std::string_view::npos) break;
    out.append(text.substr(from, at - from)).append(with);
    from = at + what.size();
    if (first_only) break;
  }
  out.append(text.substr(from));
  return out;
}

std::string InsertText(std::string_view text, int32_t position, std::string_view insert) {
  const std::size_t before = static_cast<std::size_t>(std::max<int32_t>(position, 1) - 1);
  std::string out(text);
  if (out.size() < before) out.resize(before, ' ');
  out.insert(before, insert);
  return out;
}

std::string SubText(std::string_view text, std::string_view delimiter, int32_t item, bool case_sensitive,
                    bool allow_quotes) {
  const int32_t wanted = std::max<int32_t>(item, 1);
  std::size_t pos = 0;
  for (int32_t number = 1; pos <= text.size(); ++number) {
    std::string current;
    char open_quote = 0;
    std::size_t end = pos;
    bool cut = false;
    while (end < text.size()) {
      const char c = text[end];
      if (allow_quotes && IsQuote(c)) {
        if (end + 1 < text.size() && text[end + 1] == c) {
          current += c;  // a doubled quote is one quote character
          end += 2;
          continue;
        }
        if (open_quote == 0)
          open_quote = c;
        else if (open_quote == c)
          open_quote = 0;
        current += c;
        ++end;
        continue;
      }
      if (open_quote == 0 && !delimiter.empty() && text.size() - end >= delimiter.size() &&
          FindCase(text.substr(end, delimiter.size()), delimiter, 0, case_sensitive) == 0) {
        cut = true;
        break;
      }
      current += c;
      ++end;
    }
    if (number == wanted) return current;
    if (!cut) break;
    pos = end + delimiter.size();
  }
  return std::string();
}

std::size_t CountOccurrences(std::string_view text, std::string_view what) {
  if (what.empty()) return 0;
  std::size_t count = 0;
  for (std::size_t at = FindNoCase(text, what); at != std::string_view::npos; at = FindNoCase(text, what, at + what.size()))
    ++count;
  return count;
}

std::string FindFrom(std::string_view text, std::string_view what, bool case_sensitive) {
  if (what.empty()) return std::string(text);
  const std::size_t at = FindCase(text, what, 0, case_sensitive);
  return std::string(at == std::string_view::npos ? text : text.substr(at));
}

std::string PadText(std::string_view text, std::size_t length, std::string_view pad) {
  std::string out(text);
  if (pad.empty()) return out;
  while (out.size() < length) out.append(pad.substr(0, length - out.size()));
  return out;
}

std::string MidText(std::string_view text, int32_t length, int32_t start) {
  const std::size_t from = static_cast<std::size_t>(std::max<int32_t>(start, 1) - 1);
  if (length < 0 || from >= text.size()) return std::string();
  return std::string(text.substr(from, static_cast<std::size_t>(length)));
}

std::string LeftText(std::string_view text, int32_t length) {
  const std::size_t n = std::min(static_cast<std::size_t>(std::max<int32_t>(length, 0)), text.size());
  return std::string(text.substr(0, n));
}

std::string RightText(std::string_view text, int32_t length) {
  const std::size_t n = std::min(static_cast<std::size_t>(std::max<int32_t>(length, 0)), text.size());
  return std::string(text.substr(text.size() - n));
}

std::string XorCipher(std::string_view text, std::string_view key) {
  std::string out(text);
  if (key.empty()) return out;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const unsigned char k = static_cast<unsigned char>(key[i % key.size()]);
    const unsigned char c = static_cast<unsigned char>(out[i]);
    unsigned char result;
    if (k == c)
      result = 127;
    else if (c == 127)
      result = k;
    else if ((k ^ c) == 127)
      result = c;  // XOR would give 127, which already stands for the key byte
    else
      result = static_cast<unsigned char>(k ^ c);
    out[i] = static_cast<char>(result);
  }
  return out;
}

std::string AsciiUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string AsciiLowerText(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

}  // namespace zelo
