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
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out += c;
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
    const Entity* hit = nullptr;
    for (const Entity& e : kEntities) {
      if (text.size() - at >= e.name.size() && EqualsNoCase(text.substr(at, e.name.size()), e.name)) {
        hit = &e;
        break;
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
