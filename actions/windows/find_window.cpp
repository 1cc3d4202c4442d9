#include "actions/windows/find_window.h"

#include <cinttypes>
#include <cstdio>

#include "base/printf_text.h"
#include "base/text.h"

namespace zelo {

namespace {

constexpr int kAncestorsTested = 5;

std::string SignedDecimal(int64_t n) { return std::to_string(n); }

bool PassesQualifier(WindowTree& tree, WindowHandle window, WindowQualifier qualifier) {
  switch (qualifier) {
    case WindowQualifier::Any:
      return true;
    case WindowQualifier::Framed:
      return tree.IsFramed(window);
    case WindowQualifier::FramedTopLevel:
      return tree.IsFramed(window) && tree.IsTopLevel(window);
  }
  return false;
}

}  // namespace

OwnWindows::OwnWindows(WindowTree& tree, WindowHandle main_window)
    : tree_(tree), main_(main_window), main_class_(main_window ? tree.ClassName(main_window) : std::string()) {}

bool OwnWindows::Owns(WindowHandle window) const {
  if (main_ == 0) return false;
  for (int i = 0; i <= kAncestorsTested && window != 0; ++i) {
    if (window == main_) return true;
    if (!main_class_.empty() && ContainsNoCase(tree_.ClassName(window), main_class_)) return true;
    window = tree_.Parent(window);
  }
  return false;
}

bool MatchWindow(WindowTree& tree, WindowHandle window, const WindowSpec& spec, WindowQualifier qualifier) {
  if (!PassesQualifier(tree, window, qualifier)) return false;
  const uint32_t flags = spec.flags;
  if ((flags & kSearchCriteria) == 0) return false;
  if ((flags & SEARCH_HANDLE) && ReadWindowHandle(spec.handle) != window) return false;
  if ((flags & SEARCH_CLASS) && !EqualsNoCase(tree.ClassName(window), spec.class_name)) return false;
  if ((flags & SEARCH_ID) && !EqualsNoCase(SignedDecimal(tree.Id(window)), spec.id)) return false;
  if ((flags & SEARCH_USER_DATA) && !EqualsNoCase(SignedDecimal(tree.UserData(window)), spec.user_data))
    return false;
  if (flags & SEARCH_TITLE) {
    // An empty title names no window: every text contains it.
    if (spec.title.empty()) return false;
    const std::string text = WithoutAmpersands(tree.Text(window));
    if (text.empty() || !ContainsNoCase(text, spec.title)) return false;
  }
  return true;
}

WindowSearch FindWindowBySpec(WindowTree& tree, WindowHandle main_window, uint32_t flags, std::string_view spec,
                              WindowQualifier qualifier) {
  WindowSearch search;
  const uint32_t criteria = flags & kSearchCriteria;
  if (spec.empty() || criteria == 0) return search;
  if (criteria == SEARCH_TITLE || criteria == SEARCH_CLASS) {
    const WindowHandle exact = criteria == SEARCH_TITLE ? tree.FindTopLevel(spec, {}) : tree.FindTopLevel({}, spec);
    if (exact != 0) {
      search.window = exact;
      return search;
    }
  }
  const WindowSpec parsed = ParseWindowSpec(criteria, spec);
  if (criteria & SEARCH_HANDLE) {
    const WindowHandle wanted = ReadWindowHandle(parsed.handle);
    if (wanted == 0 || !tree.Exists(wanted)) return search;
  }
  const OwnWindows own(tree, main_window);
  for (WindowHandle top : tree.TopLevelWindows()) {
    if (MatchWindow(tree, top, parsed, qualifier) && tree.IsFramed(top)) {
      ++search.top_level_matches;
      search.window = top;
    }
    for (WindowHandle child : tree.Descendants(top)) {
      if (MatchWindow(tree, child, parsed, qualifier) && !own.Owns(child)) {
        ++search.child_matches;
        search.window = child;
      }
    }
  }
  return search;
}

std::string SeveralMatchesError(const WindowSearch& search) {
  if (search.top_level_matches > 1)
    return PrintfText("There are %d top-level windows that match the search criteria", search.top_level_matches);
  if (search.top_level_matches == 0 && search.child_matches > 1)
    return PrintfText("There are %d child windows that match the search criteria", search.child_matches);
  return std::string();
}

ControlKind KindOfControl(std::string_view class_name, uint32_t style) {
  constexpr uint32_t kButtonTypeMask = 0xF;
  constexpr uint32_t kAutoRadioButton = 9;
  constexpr uint32_t kGroupBox = 7;
  constexpr uint32_t kAutoCheckBox = 3;
  constexpr uint32_t kMultiLine = 0x4;
  if (EqualsNoCase(class_name, "Static")) return ControlKind::Static;
  if (EqualsNoCase(class_name, "Edit")) return (style & kMultiLine) ? ControlKind::MultiLineEdit : ControlKind::Edit;
  if (EqualsNoCase(class_name, "ComboBox")) return ControlKind::ComboBox;
  if (EqualsNoCase(class_name, "Button")) {
    switch (style & kButtonTypeMask) {
      case kAutoRadioButton: return ControlKind::RadioButton;
      case kGroupBox: return ControlKind::Static;
      case kAutoCheckBox: return ControlKind::CheckBox;
      default: return ControlKind::Button;
    }
  }
  if (EqualsNoCase(class_name, "ListBox")) return ControlKind::ListBox;
  if (EqualsNoCase(class_name, "ScrollBar")) return ControlKind::ScrollBar;
  return ControlKind::Other;
}

std::string WindowListText(WindowTree& tree, WindowQualifier qualifier) {
  const std::string separator = "\r\n" + std::string(70, '=') + "\r\n";
  std::string out;
  auto add = [&](WindowHandle window, bool top_level) {
    if (!PassesQualifier(tree, window, qualifier)) return;
    const std::string text = tree.Text(window);
    if (qualifier != WindowQualifier::Any) {
      if (!text.empty()) out += text + "\r\n";
      return;
    }
    const bool framed = tree.IsFramed(window);
    out += PrintfText("%s%s\"%s\"\t\t\t(Class: %s  ID: %" PRId64 "  HWND: 0x%" PRIx64 ")\r\n",
                      framed && top_level ? separator.c_str() : "", framed ? "" : "      ",
                      text.c_str(), tree.ClassName(window).c_str(), tree.Id(window), window);
  };
  for (WindowHandle top : tree.TopLevelWindows()) {
    add(top, true);
    for (WindowHandle child : tree.Descendants(top)) add(child, false);
  }
  return out;
}

}  // namespace zelo
