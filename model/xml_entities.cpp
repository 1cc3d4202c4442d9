#include "model/xml_entities.h"

#include <cstring>

#include "base/text.h"

namespace zelo {

namespace {

struct Entity {
  std::string_view name;  // with "&" and ";"
  char character;
};

const Entity kEntities[] = {
    {"&amp;", '&'},  {"&#038;", '&'}, {"&lt;", '<'},    {"&#060;", '<'},  {"&gt;", '>'},
    {"&#062;", '>'}, {"&apos;", '\''}, {"&#039;", '\''}, {"&quot;", '"'}, {"&#034;", '"'},
};

}  // namespace

std::string EncodeXml(std::string_view text) {
  std::size_t length = text.size();
  for (char c : text) length += c == '&' ? 4 : (c == '<' || c == '>') ? 3 : 0;
  std::string out(length, '\0');
  char* o = &out[0];
  for (char c : text) {
    switch (c) {
      case '&':
        std::memcpy(o, "&amp;", 5);
        o += 5;
        break;
      case '<':
        std::memcpy(o, "&lt;", 4);
        o += 4;
        break;
      case '>':
        std::memcpy(o, "&gt;", 4);
        o += 4;
        break;
      default:
        *o++ = c;
    }
  }
  return out;
}

void DecodeXmlInto(std::string_view text, std::string& out) {
  std::size_t i = 0;
  while (i < text.size()) {
    const void* amp = std::memchr(text.data() + i, '&', text.size() - i);
    std::size_t at = amp ? static_cast<std::size_t>(static_cast<const char*>(amp) - text.data()) : text.size();
    out.append(text.data() + i, at - i);
    if (at == text.size()) break;
    // Only entities that start with the character after "&" can match.
    const Entity* hit = nullptr;
    if (at + 1 < text.size()) {
      const char second = AsciiLower(text[at + 1]);
      for (const Entity& e : kEntities) {
        if (e.name[1] != second || text.size() - at < e.name.size()) continue;
        if (EqualsNoCase(text.substr(at, e.name.size()), e.name)) {
          hit = &e;
          break;
        }
      }
    }
    if (hit) {
      out += hit->character;
      i = at + hit->name.size();
    } else {
      out += '&';
      i = at + 1;
    }
  }
}

std::string DecodeXml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  DecodeXmlInto(text, out);
  return out;
}

}  // namespace zelo
