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

namespace {

// How rare a character is in script text, to pick the character a search
// scans for: letters by their frequency in English (z rarest), anything else
// in the middle. Scanning for a rare character with memchr skips most of the
// text in one go, which keeps whole-file searches fast. It is a table because
// field expansion tries dozens of short tokens per field, and ranking the
// needle must not cost more than the search.
struct RarityTable {
  unsigned char rank[256];
  constexpr RarityTable() : rank() {
    const char by_frequency[] = "etaoinshrdlcumwfgypbvkjxqz";
    for (int c = 0; c < 256; ++c) rank[c] = 12;
    for (int i = 0; i < 26; ++i) {
      rank[static_cast<unsigned char>(by_frequency[i])] = static_cast<unsigned char>(i + 1);
      rank[static_cast<unsigned char>(by_frequency[i] - 'a' + 'A')] = static_cast<unsigned char>(i + 1);
    }
  }
};
constexpr RarityTable kRarity;

int Rarity(char c) { return kRarity.rank[static_cast<unsigned char>(c)]; }

}  // namespace

std::size_t FindNoCase(std::string_view hay, std::string_view needle, std::size_t from) {
  if (needle.empty()) return from <= hay.size() ? from : std::string_view::npos;
  if (hay.size() < needle.size()) return std::string_view::npos;
  const std::size_t last = hay.size() - needle.size();  // last position a match can start at
  if (from > last) return std::string_view::npos;

  std::size_t anchor = 0;
  for (std::size_t k = 1; k < needle.size(); ++k)
    if (Rarity(needle[k]) > Rarity(needle[anchor])) anchor = k;
  const char lower = AsciiLower(needle[anchor]);
  const char upper = (lower >= 'a' && lower <= 'z') ? static_cast<char>(lower - 'a' + 'A') : lower;

  auto matches_at = [&](std::size_t i) {
    for (std::size_t k = 0; k < needle.size(); ++k)
      if (AsciiLower(hay[i + k]) != AsciiLower(needle[k])) return false;
    return true;
  };
  // Candidates are the occurrences of the anchor character (in either case)
  // between from + anchor and last + anchor. They are taken window by window
  // so that a case that does not occur never costs a scan to the far end.
  constexpr std::size_t kWindow = 4096;
  const char* const base = hay.data();
  const std::size_t end = last + anchor + 1;
  for (std::size_t window = from + anchor; window < end; window += kWindow) {
    const std::size_t window_end = end - window > kWindow ? window + kWindow : end;
    auto next = [&](char c, std::size_t at) -> std::size_t {
      if (at >= window_end) return window_end;
      const void* hit = std::memchr(base + at, c, window_end - at);
      return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - base) : window_end;
    };
    std::size_t at_lower = next(lower, window);
    std::size_t at_upper = upper == lower ? window_end : next(upper, window);
    while (true) {
      const std::size_t at = at_lower < at_upper ? at_lower : at_upper;
      if (at >= window_end) break;
      if (matches_at(at - anchor)) return at - anchor;
      if (at == at_lower) at_lower = next(lower, at + 1);
      if (at == at_upper) at_upper = next(upper, at + 1);
    }
  }
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
