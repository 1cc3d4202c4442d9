#include "actions/keyboard/typed_text.h"

#include "base/text.h"

namespace zelo {

namespace {

// "%" and three bytes no variable name or token uses, so that an explicit
// "%r%n" passes expansion untouched and is told apart from the field's own
// line breaks afterwards.
constexpr std::string_view kPlaceholder = "%\xA6\xA6\xA6";

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to, bool ignore_case) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  for (;;) {
    const std::size_t hit = ignore_case ? FindNoCase(text, from, pos) : text.find(from, pos);
    if (hit == std::string_view::npos) break;
    out.append(text.substr(pos, hit - pos));
    out.append(to);
    pos = hit + from.size();
  }
  out.append(text.substr(pos));
  return out;
}

}  // namespace

std::string PrepareTypedText(std::string_view text, bool no_formatting,
                             const std::function<std::string(std::string_view)>& expand) {
  const std::string protected_text = ReplaceAll(text, "%r%n", kPlaceholder, true);
  std::string typed = no_formatting ? protected_text : expand(protected_text);
  typed = ReplaceAll(typed, "\r\n", "\n", false);
  return ReplaceAll(typed, kPlaceholder, "\r\n", false);
}

}  // namespace zelo
