#include "base/text.h"

#include <cstdlib>
#include <cstring>

namespace zelo {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

std::size_t FindNoCase(std::string_view hay, std::string_view needle, std::size_t from) {
  if (needle.empty()) return from <= hay.size() ? from : std::string_view::npos;
  if (hay.size() < needle.size()) return std::string_view::npos;
  const char first = AsciiLower(needle[0]);
  const std::size_t last = hay.size() - needle.size();  // last position a match can start at
  auto rest_matches = [&](std::size_t i) {
    std::size_t k = 1;
    while (k < needle.size() && AsciiLower(hay[i + k]) == AsciiLower(needle[k])) ++k;
    return k == needle.size();
  };
  if (first < 'a' || first > 'z') {
    // The first character has no case: let memchr skip to its occurrences.
    // The script reader searches tags ("<action", "</step>") this way.
    std::size_t i = from;
    while (i <= last) {
      const void* hit = std::memchr(hay.data() + i, first, last - i + 1);
      if (!hit) break;
      i = static_cast<std::size_t>(static_cast<const char*>(hit) - hay.data());
      if (rest_matches(i)) return i;
      ++i;
    }
    return std::string_view::npos;
  }
  for (std::size_t i = from; i <= last; ++i)
    if (AsciiLower(hay[i]) == first && rest_matches(i)) return i;
  return std::string_view::npos;
}

std::string_view TrimBlanks(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return s.substr(b, e - b);
}

namespace {
bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (AsciiLower(c) >= 'a' && AsciiLower(c) <= 'f'); }
}  // namespace

int32_t TextToInt(std::string_view text) {
  // Only the first 31 characters take part, as the field was copied into a
  // 32-byte buffer before conversion.
  if (text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') && text[2] >= '0' &&
      text[2] <= '9') {
    std::string_view head = text.substr(0, 31);
    uint32_t v = 0;
    for (char c : head.substr(2)) {
      if (c == ' ' || c == '\r' || c == '\n' || c == 'x' || c == 'X' || c == '\\') continue;
      if (!IsHexDigit(c)) break;
      int d = (c >= '0' && c <= '9') ? c - '0' : AsciiLower(c) - 'a' + 10;
      v = (v << 4) | static_cast<uint32_t>(d);
    }
    return static_cast<int32_t>(v);
  }
  char digits[32];
  std::size_t n = 0;
  for (char c : text) {
    if (n >= 31) break;
    if ((c >= '0' && c <= '9') || c == '-') digits[n++] = c;
  }
  digits[n] = '\0';
  // Standard decimal conversion: optional sign, then digits up to the first
  // character that does not continue the number. Out-of-range values wrap to
  // 32 bits as the C conversion into a 32-bit int did on the target.
  std::size_t i = 0;
  bool neg = false;
  if (i < n && digits[i] == '-') {
    neg = true;
    ++i;
  }
  uint32_t v = 0;
  for (; i < n && digits[i] >= '0' && digits[i] <= '9'; ++i) v = v * 10u + static_cast<uint32_t>(digits[i] - '0');
  return static_cast<int32_t>(neg ? (0u - v) : v);
}

}  // namespace zelo
