// The system's windows for the lookup: enumeration and reads only. A window
// whose program does not answer within 100 ms is read from the system's copy
// of its title instead, so a hung program holds a lookup up no longer than
// that and is still found by its title.
#include <windows.h>

#include "actions/shared/window_number_win.h"
#include "actions/windows/window_lookup.h"
#include "base/ansi_text_win.h"

namespace zelo {

namespace {

constexpr UINT kTextTimeoutMs = 100;
constexpr int kTextChars = 256;   // 255 characters and the end
constexpr int kClassChars = 64;   // 63 characters and the end

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
    wchar_t text[kTextChars] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(AsWindow(window), WM_GETTEXT, kTextChars, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, kTextTimeoutMs, &copied)) {
      // No answer in time (hung, or only slow on a loaded machine): the
      // system's own copy of the title, read without asking the window, so
      // the window is still found by it.
      text[0] = L'\0';
      InternalGetWindowText(AsWindow(window), text, kTextChars);
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
    return AsNumber(FindWindowW(class_name.empty() ? nullptr : wide_class.c_str(),
                                title.empty() ? nullptr : wide_title.c_str()));
  }
};

}  // namespace

WindowTree& SystemWindowTree() {
  static WinWindowTree tree;
  return tree;
}

}  // namespace zelo
