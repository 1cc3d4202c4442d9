#include "actions/windows/window_spec.h"

#include "base/text.h"

namespace zelo {

namespace {

constexpr std::size_t kTitleMax = 258;
constexpr std::size_t kClassMax = 62;
constexpr std::size_t kNumberFieldMax = 30;

std::string Cut(std::string_view field, std::size_t max) { return std::string(field.substr(0, max)); }

}  // namespace

uint32_t SearchFlagsFromOptions(std::string_view options) {
  uint32_t flags = 0;
  if (ContainsNoCase(options, "Title")) flags |= SEARCH_TITLE;
  if (ContainsNoCase(options, "Class")) flags |= SEARCH_CLASS;
  if (ContainsNoCase(options, "ID")) flags |= SEARCH_ID;
  if (ContainsNoCase(options, "User")) flags |= SEARCH_USER_DATA;
  if (ContainsNoCase(options, "Handle") || ContainsNoCase(options, "HWND")) flags |= SEARCH_HANDLE;
  return flags;
}

bool ImageModeOptions(std::string_view options) { return ContainsNoCase(options, "image"); }

std::string WithoutAmpersands(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != '&') out += c;
  return out;
}

WindowSpec ParseWindowSpec(uint32_t flags, std::string_view text) {
  WindowSpec spec;
  spec.flags = flags;
  // Each selected criterion takes the next field; the rest is never split.
  auto next_field = [&text]() {
    const std::size_t bar = text.find('|');
    std::string_view field = text.substr(0, bar);
    text = bar == std::string_view::npos ? std::string_view() : text.substr(bar + 1);
    return field;
  };
  if (flags & SEARCH_TITLE) spec.title = Cut(WithoutAmpersands(next_field()), kTitleMax);
  if (flags & SEARCH_CLASS) spec.class_name = Cut(next_field(), kClassMax);
  if (flags & SEARCH_ID) spec.id = Cut(next_field(), kNumberFieldMax);
  if (flags & SEARCH_USER_DATA) spec.user_data = Cut(next_field(), kNumberFieldMax);
  if (flags & SEARCH_HANDLE) spec.handle = Cut(next_field(), kNumberFieldMax);
  return spec;
}

WindowHandle ReadWindowHandle(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return 0;
  uint64_t value = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return 0;
    if (value > (UINT64_MAX - static_cast<uint64_t>(digit)) / static_cast<uint64_t>(base)) return 0;
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
  }
  return value;
}

}  // namespace zelo
