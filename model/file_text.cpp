#include "model/file_text.h"

#include "base/text.h"

namespace zelo {

namespace {
constexpr std::size_t kRootMinPosition = 3;
constexpr std::size_t kTagLookahead = 259;  // characters of an instruction looked at
constexpr std::size_t kCustomTagsRoom = 258;
}  // namespace

std::size_t FindScriptRoot(std::string_view data) {
  const std::size_t at = data.rfind("<Zelo");
  return at != std::string_view::npos && at >= kRootMinPosition ? at : std::string_view::npos;
}

std::string CollectCustomXmlTags(std::string_view data) {
  std::string tags;
  for (std::size_t at = data.find("<?xml"); at != std::string_view::npos; at = data.find("<?xml", at + 5)) {
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

std::string RemoveXmlComments(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (true) {
    const std::size_t open = text.find("<!--", pos);
    if (open == std::string_view::npos) {
      out.append(text.substr(pos));
      break;
    }
    out.append(text.substr(pos, open - pos));
    const std::size_t close = text.find("-->", open + 4);
    if (close == std::string_view::npos) break;
    pos = close + 3;
  }
  return out;
}

}  // namespace zelo
