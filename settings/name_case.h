// Case folding of key and value names as the registry applies it to names
// written in the Windows Latin-1 code page: ASCII, the accented letters
// 0xC0-0xDE and the few letter pairs of 0x8A-0x9F.
#pragma once

#include <string>
#include <string_view>

namespace zelo {

inline char FoldNameChar(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
  if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 32);
  if (u == 0x8A || u == 0x8C || u == 0x8E) return static_cast<char>(u + 16);
  if (u == 0x9F) return static_cast<char>(0xFF);
  return c;
}

inline std::string FoldName(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = FoldNameChar(c);
  return r;
}

}  // namespace zelo
