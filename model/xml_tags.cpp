#include "model/xml_tags.h"

#include <climits>
#include <cstring>

#include "base/text.h"
#include "model/xml_entities.h"

namespace zelo {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool NameAt(std::string_view block, std::size_t at, std::string_view name) {
  if (at > block.size() || block.size() - at < name.size()) return false;
  if (!name.empty() && AsciiLower(block[at]) != AsciiLower(name[0])) return false;  // most tags differ here
  return EqualsNoCase(block.substr(at, name.size()), name);
}

}  // namespace

TagIndex::TagIndex(std::string_view block) : block_(block) {
  for (std::size_t at = 0; at < block.size();) {
    const void* hit = std::memchr(block.data() + at, '<', block.size() - at);
    if (!hit) break;
    at = static_cast<std::size_t>(static_cast<const char*>(hit) - block.data());
    angles_.push_back(at);
    ++at;
  }
}

std::size_t TagIndex::FindOpening(std::string_view name) const {
  for (std::size_t at : angles_)
    if (NameAt(block_, at + 1, name)) return at;
  return std::string_view::npos;
}

std::size_t TagIndex::FindClosing(std::string_view name, std::size_t from) const {
  for (std::size_t at : angles_) {
    if (at < from || block_.size() - at < name.size() + 3) continue;
    if (block_[at + 1] == '/' && NameAt(block_, at + 2, name) && block_[at + 2 + name.size()] == '>') return at;
  }
  return std::string_view::npos;
}

TagSpan TagIndex::Find(std::string_view name) const {
  TagSpan span;
  const std::size_t at = FindOpening(name);
  if (at == std::string_view::npos) return span;
  span.found = true;

  // A ">" inside a quoted attribute value (a label such as "a>b") does not end the tag.
  std::size_t end = at + 1 + name.size();
  bool quoted = false;
  while (end < block_.size() && (quoted || block_[end] != '>')) {
    if (block_[end] == '"') quoted = !quoted;
    ++end;
  }
  span.opening = block_.substr(at, end - at);
  if (end >= block_.size()) return span;  // no ">": no content

  const std::size_t start = end + 1;
  std::size_t close = FindClosing(name, 0);
  if (close != std::string_view::npos && close < start) close = FindClosing(name, start);
  if (close == std::string_view::npos) close = block_.size();
  span.content = block_.substr(start, close - start);
  return span;
}

TagSpan FindTag(std::string_view block, std::string_view name) { return TagIndex(block).Find(name); }

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
