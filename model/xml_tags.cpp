#include "model/xml_tags.h"

#include <climits>

#include "base/text.h"
#include "model/xml_entities.h"

namespace zelo {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Short tag names stay in the small-string buffer: no allocation per search.
std::string Opening(std::string_view name) {
  std::string s;
  s.reserve(name.size() + 1);
  s += '<';
  s += name;
  return s;
}

std::string Closing(std::string_view name) {
  std::string s;
  s.reserve(name.size() + 3);
  s += "</";
  s += name;
  s += '>';
  return s;
}

}  // namespace

TagSpan FindTag(std::string_view block, std::string_view name) {
  TagSpan span;
  const std::size_t at = FindNoCase(block, Opening(name));
  if (at == std::string_view::npos) return span;
  span.found = true;

  // A ">" inside a quoted attribute value (a label such as "a>b") does not end the tag.
  std::size_t end = at + 1 + name.size();
  bool quoted = false;
  while (end < block.size() && (quoted || block[end] != '>')) {
    if (block[end] == '"') quoted = !quoted;
    ++end;
  }
  span.opening = block.substr(at, end - at);
  if (end >= block.size()) return span;  // no ">": no content

  const std::size_t start = end + 1;
  const std::string closing = Closing(name);
  std::size_t close = FindNoCase(block, closing);
  if (close != std::string_view::npos && close < start) close = FindNoCase(block, closing, start);
  if (close == std::string_view::npos) close = block.size();
  span.content = block.substr(start, close - start);
  return span;
}

bool FindAttribute(std::string_view opening, std::string_view name, std::string_view* raw) {
  if (name.empty()) return false;
  bool quoted = false;
  for (std::size_t i = 1; i < opening.size(); ++i) {
    const char c = opening[i];
    if (c == '"') {
      quoted = !quoted;
      continue;
    }
    if (quoted || !IsBlank(opening[i - 1])) continue;
    if (opening.size() - i < name.size() + 2) break;
    if (!EqualsNoCase(opening.substr(i, name.size()), name)) continue;
    if (opening[i + name.size()] != '=' || opening[i + name.size() + 1] != '"') continue;
    std::string_view value = opening.substr(i + name.size() + 2, kMaxAttributeValue);
    std::size_t quote = value.find('"');
    if (quote != std::string_view::npos) value = value.substr(0, quote);
    *raw = value;
    return true;
  }
  return false;
}

int32_t ReadTag(std::string_view block, std::string_view name, std::string* content, long max_length,
                std::initializer_list<TagAttribute> attributes) {
  if (content) content->clear();
  for (const TagAttribute& a : attributes)
    if (a.value) a.value->clear();

  const TagSpan span = FindTag(block, name);
  if (!span.found) return 0;

  for (const TagAttribute& a : attributes) {
    std::string_view raw;
    if (a.value && FindAttribute(span.opening, a.name, &raw)) DecodeXmlInto(raw, *a.value);
  }

  if (max_length < 0) {
    const std::size_t n = span.content.size() + 1;
    return n > static_cast<std::size_t>(INT32_MAX) ? INT32_MAX : static_cast<int32_t>(n);
  }
  std::string_view raw = span.content.substr(0, static_cast<std::size_t>(max_length));
  std::string decoded;
  DecodeXmlInto(raw, decoded);
  const int32_t value = TextToInt(decoded);
  if (content) *content = std::move(decoded);
  return value;
}

}  // namespace zelo
