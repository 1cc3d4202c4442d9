#include "model/file_text.h"

#include <cstring>

#include "base/text.h"

namespace zelo {

namespace {
constexpr std::size_t kRootMinPosition = 3;
constexpr std::size_t kTagLookahead = 259;  // characters of an instruction looked at
constexpr std::size_t kCustomTagsRoom = 258;

// Position of the next `literal` at or after from. The scan is for the
// literal's character at `anchor`, which is rare in script text, so that
// whole files (compiled programs, tens of megabytes of steps) are searched
// at memchr speed instead of stopping at every "<".
std::size_t FindLiteral(std::string_view text, std::string_view literal, std::size_t anchor, std::size_t from) {
  const char key = literal[anchor];
  std::size_t at = from + anchor;
  while (at < text.size()) {
    const void* hit = std::memchr(text.data() + at, key, text.size() - at);
    if (!hit) break;
    at = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
    const std::size_t start = at - anchor;
    if (text.compare(start, literal.size(), literal) == 0) return start;
    ++at;
  }
  return std::string_view::npos;
}

}  // namespace

std::size_t FindScriptRoot(std::string_view data) {
  std::size_t last = std::string_view::npos;
  for (std::size_t at = FindLiteral(data, "<Zelo", 1, 0); at != std::string_view::npos;
       at = FindLiteral(data, "<Zelo", 1, at + 1))
    last = at;
  return last != std::string_view::npos && last >= kRootMinPosition ? last : std::string_view::npos;
}

std::string CollectCustomXmlTags(std::string_view data) {
  std::string tags;
  for (std::size_t at = FindLiteral(data, "<?xml", 1, 0); at != std::string_view::npos;
       at = FindLiteral(data, "<?xml", 1, at + 5)) {
    std::string_view tag = data.substr(at, kTagLookahead);
    const std::size_t nul = tag.find('\0');
    if (nul != std::string_view::npos) tag = tag.substr(0, nul);
    const std::size_t end = tag.find('>');
    if (end != std::string_view::npos) tag = tag.substr(0, end + 1);
    // The declaration is written anew on save. The test looks at the
    // instruction itself, not at the text that follows it, so a step
    // mentioning "version" near a style sheet does not lose the style sheet.
    if (ContainsNoCase(tag, "version")) continue;
    if (tags.size() + tag.size() + 2 > kCustomTagsRoom) break;
    tags += tag;
    tags += "\r\n";
  }
  return tags;
}

bool HasXmlComment(std::string_view text) { return FindLiteral(text, "<!--", 1, 0) != std::string_view::npos; }

std::string RemoveXmlComments(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (true) {
    const std::size_t open = FindLiteral(text, "<!--", 1, pos);
    if (open == std::string_view::npos) {
      out.append(text.substr(pos));
      break;
    }
    out.append(text.substr(pos, open - pos));
    const std::size_t close = FindLiteral(text, "-->", 2, open + 4);
    if (close == std::string_view::npos) break;
    pos = close + 3;
  }
  return out;
}

}  // namespace zelo
