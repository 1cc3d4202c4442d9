#include "actions/keyboard/key_token.h"

#include <cstring>

#include "base/text.h"

namespace zelo {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithNoCase(std::string_view text, std::size_t pos, std::string_view name) {
  if (text.size() - pos < name.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i)
    if (Lower(text[pos + i]) != Lower(name[i])) return false;
  return true;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t NextClose(std::string_view text, std::size_t pos, CloseBraceCache* cache) {
  if (cache && cache->at != SIZE_MAX && cache->at >= pos) return cache->at;
  const void* hit = std::memchr(text.data() + pos, '}', text.size() - pos);
  const std::size_t at = hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) : text.size();
  if (cache) cache->at = at;
  return at;
}

// "{F" and a digit 1-9, with "}" fourth or fifth: F1 (112) to F99. "{F0}"
// is no key name.
bool FunctionKey(std::string_view text, std::size_t pos, KeyToken* key) {
  const std::size_t left = text.size() - pos;
  if (left < 4 || (text[pos + 1] != 'F' && text[pos + 1] != 'f')) return false;
  const char first = text[pos + 2];
  if (first < '1' || first > '9') return false;
  int n = first - '0';
  std::size_t close;
  if (text[pos + 3] == '}') {
    close = pos + 3;
  } else if (left >= 5 && text[pos + 4] == '}') {
    close = pos + 4;
    // A second byte that is no digit ("{F1x}") leaves the number at one digit.
    if (IsDigit(text[pos + 3])) n = n * 10 + (text[pos + 3] - '0');
  } else {
    return false;
  }
  key->vk = static_cast<uint8_t>(111 + n);
  key->is_token = true;
  key->length = close - pos + 1;
  return true;
}

}  // namespace

KeyToken ParseKeyToken(std::string_view text, std::size_t pos, bool tokens, CloseBraceCache* cache) {
  KeyToken key;
  const unsigned char c = static_cast<unsigned char>(text[pos]);
  key.byte = c;
  if (tokens && c == '{' && pos + 1 < text.size()) {
    if (FunctionKey(text, pos, &key)) return key;
    const KeyNameBucket bucket = KeyNamesStartingWith(static_cast<unsigned char>(text[pos + 1]));
    for (std::size_t i = 0; i < bucket.count; ++i) {
      const KeyNameRow& row = *bucket.rows[i];
      if (!StartsWithNoCase(text, pos, row.name)) continue;
      key.is_token = true;
      key.action = row.action;
      key.vk = row.vk;
      const std::size_t close = NextClose(text, pos, cache);
      key.length = close < text.size() ? close - pos + 1 : 1;
      if (row.action == KeyNameAction::kPause) {
        key.kind = KeyTokenKind::kPause;
        // The token's text up to its "}", at most 31 bytes, read leniently:
        // every digit and minus sign of it, taken together.
        std::size_t span = close - pos;
        if (span > 31) span = 31;
        const int32_t ms = TextToInt(text.substr(pos, span));
        key.delay_ms = ms > 0 ? ms : 0;
      }
      return key;
    }
  }
  if (c >= 128) {
    key.kind = KeyTokenKind::kCharacter;
    return key;
  }
  const CharacterKey k = CharacterKeyFor(c);
  key.vk = k.vk;
  key.shifted = k.shifted;
  return key;
}

}  // namespace zelo
