// The system's windows for the lookup: enumeration and reads only. Top-level
// titles are read from the system's copy; a control whose program does not
// answer within 100 ms is read from there too, so a hung program holds a
// lookup up no longer than that and is still found by its text.
#include <windows.h>

#include "actions/shared/window_number_win.h"
#include "actions/windows/window_lookup.h"
#include "base/ansi_text_win.h"

namespace zelo {

namespace {

constexpr UINT kTextTimeoutMs = 100;
constexpr int kTextChars = 256;   // 255 characters and the end
constexpr int kClassChars = 64;   // 63 characters and the end
constexpr int kExactTitleChars = 512;  // past the longest title a spec holds

BOOL CALLBACK Collect(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<WindowHandle>*>(list)->push_back(AsNumber(window));
  return TRUE;
}

class WinWindowTree : public WindowTree {
 public:
  std::vector<WindowHandle> TopLevelWindows() override {
    std::vector<WindowHandle> list;
    EnumWindows(&Collect, reinterpret_cast<LPARAM>(&list));
    return list;
  }
  std::vector<WindowHandle> Descendants(WindowHandle window) override {
    std::vector<WindowHandle> list;
    if (window != 0) EnumChildWindows(AsWindow(window), &Collect, reinterpret_cast<LPARAM>(&list));
    return list;
  }
  std::string Text(WindowHandle window) override {
    const HWND h = AsWindow(window);
    wchar_t text[kTextChars] = {};
    // A top-level window's title is kept by the system, and is what any
    // program reading another's title is given: read from there it costs
    // no message to the window and no wait for its program's thread. Only
    // a window whose kept title is empty is asked (a program may answer for
    // a title it never set). A control's text may live in the control
    // alone (an edit's): controls are always asked.
    if (GetAncestor(h, GA_PARENT) == GetDesktopWindow() && InternalGetWindowText(h, text, kTextChars) > 0) {
      text[kTextChars - 1] = L'\0';
      return WideToAnsi(text);
    }
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(h, WM_GETTEXT, kTextChars, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                             kTextTimeoutMs, &copied)) {
      // No answer in time (hung, or only slow on a loaded machine): the
      // system's own copy of the title, read without asking the window, so
      // the window is still found by it.
      text[0] = L'\0';
      InternalGetWindowText(h, text, kTextChars);
    }
    text[kTextChars - 1] = L'\0';
    return WideToAnsi(text);
  }
  std::string ClassName(WindowHandle window) override {
    wchar_t name[kClassChars] = {};
    const int n = GetClassNameW(AsWindow(window), name, kClassChars);
    return n > 0 ? WideToAnsi(std::wstring_view(name, static_cast<std::size_t>(n))) : std::string();
  }
  int64_t Id(WindowHandle window) override {
    return static_cast<int32_t>(GetWindowLongPtrW(AsWindow(window), GWLP_ID));
  }
  int64_t UserData(WindowHandle window) override {
    return static_cast<int64_t>(GetWindowLongPtrW(AsWindow(window), GWLP_USERDATA));
  }
  WindowHandle Parent(WindowHandle window) override { return AsNumber(GetParent(AsWindow(window))); }
  bool IsFramed(WindowHandle window) override {
    const HWND h = AsWindow(window);
    return IsWindowVisible(h) && (GetWindowLongPtrW(h, GWL_STYLE) & (WS_DLGFRAME | WS_THICKFRAME)) != 0;
  }
  bool IsTopLevel(WindowHandle window) override { return GetParent(AsWindow(window)) == nullptr; }
  bool Exists(WindowHandle window) override { return window != 0 && IsWindow(AsWindow(window)); }
  WindowHandle FindTopLevel(std::string_view title, std::string_view class_name) override {
    const std::wstring wide_title = AnsiToWide(title), wide_class = AnsiToWide(class_name);
    if (!title.empty() && class_name.empty()) return ByKeptTitle(wide_title);
    return AsNumber(FindWindowW(class_name.empty() ? nullptr : wide_class.c_str(),
                                title.empty() ? nullptr : wide_title.c_str()));
  }

 private:
  // The first top-level window whose kept title is the whole title, in any
  // case: the system's own exact search, which Wine answers by asking each
  // of the program's own windows for its text instead.
  static WindowHandle ByKeptTitle(const std::wstring& title) {
    struct Search {
      const std::wstring* title;
      HWND found;
    } search = {&title, nullptr};
    EnumWindows(
        [](HWND window, LPARAM p) -> BOOL {
          auto* s = reinterpret_cast<Search*>(p);
          wchar_t text[kExactTitleChars] = {};
          const int n = InternalGetWindowText(window, text, kExactTitleChars);
          if (n > 0 && CompareStringOrdinal(text, n, s->title->c_str(), static_cast<int>(s->title->size()), TRUE) ==
                           CSTR_EQUAL)
            s->found = window;
          return s->found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return AsNumber(search.found);
  }
};

}  // namespace

WindowTree& SystemWindowTree() {
  static WinWindowTree tree;
  return tree;
}

}  // namespace zelo
