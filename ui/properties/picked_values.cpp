#include "ui/properties/picked_values.h"

#include "actions/windows/window_spec.h"
#include "base/printf_text.h"

namespace zelo {

std::string DescribeWindowForSpec(WindowTree& tree, WindowHandle window, std::string_view options) {
  uint32_t flags = SearchFlagsFromOptions(options) & kSearchCriteria;
  if (flags == 0) flags = SEARCH_TITLE;
  std::string spec;
  auto add = [&spec](const std::string& field) {
    if (!spec.empty()) spec += '|';
    spec += field;
  };
  if (flags & SEARCH_TITLE) {
    std::string title = tree.Text(window);
    add(title.substr(0, title.find('|')));
  }
  if (flags & SEARCH_CLASS) add(tree.ClassName(window));
  if (flags & SEARCH_ID) add(std::to_string(tree.Id(window)));
  if (flags & SEARCH_USER_DATA) add(std::to_string(tree.UserData(window)));
  if (flags & SEARCH_HANDLE) add(std::to_string(window));
  return spec;
}

std::string PickedColorText(uint32_t colorref) {
  return PrintfText("0x%02X%02X%02X", colorref & 0xFF, colorref >> 8 & 0xFF, colorref >> 16 & 0xFF);
}

std::string PickedPointText(int32_t x, int32_t y) { return PrintfText("%d, %d", x, y); }

}  // namespace zelo
