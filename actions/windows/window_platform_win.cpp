// The "Windows/Controls" effects on the system's windows.
#include <windows.h>

#include <string>

#include "actions/keyboard/key_sender.h"
#include "actions/mouse/glide.h"
#include "actions/programs/program_platform.h"
#include "actions/shared/window_number_win.h"
#include "actions/windows/find_window.h"
#include "actions/windows/window_platform.h"
#include "base/ansi_text_win.h"
#include "base/text.h"
#include "base/win32_owners_win.h"

namespace zelo {

namespace {

// Long enough for a busy program, short enough that a hung one cannot stop the run.
constexpr UINT kSendTimeoutMs = 5000;
constexpr DWORD kClickPauseMs = 50;
constexpr int kTabStepsTried = 1024;

LRESULT Send(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wparam, lparam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
  return static_cast<LRESULT>(result);
}

ControlKind KindOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return KindOfControl(WideToAnsi(name), static_cast<uint32_t>(GetWindowLongPtrW(window, GWL_STYLE)));
}

ScreenPoint Centre(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  return {r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2};
}

void SetStyleBits(HWND window, LONG_PTR add, LONG_PTR remove) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  SetWindowLongPtrW(window, GWL_STYLE, (style & ~remove) | add);
  // The frame is cached: the system redraws it only when told it changed.
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void FocusOn(HWND window) {
  const AttachedThreadInput attached(GetCurrentThreadId(), GetWindowThreadProcessId(window, nullptr));
  SetFocus(window);
}

bool IsFramedTopLevel(HWND window) {
  return GetParent(window) == nullptr && IsWindowVisible(window) &&
         (GetWindowLongPtrW(window, GWL_STYLE) & (WS_DLGFRAME | WS_THICKFRAME)) != 0;
}

std::vector<HWND> FramedTopLevelWindows() {
  std::vector<HWND> list;
  EnumWindows(
      [](HWND window, LPARAM out) -> BOOL {
        if (IsFramedTopLevel(window)) reinterpret_cast<std::vector<HWND>*>(out)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&list));
  return list;
}

bool OfThisProcess(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  return pid == GetCurrentProcessId();
}

class WinWindowPlatform : public WindowPlatform {
 public:
  bool Box(WindowHandle window, WindowBox* box) override {
    RECT r = {};
    if (window == 0 || !GetWindowRect(AsWindow(window), &r)) return false;
    *box = {r.left, r.top, r.right, r.bottom};
    return true;
  }
  bool IsVisible(WindowHandle window) override {
    const HWND h = AsWindow(window);
    return window != 0 && IsWindow(h) && (GetWindowLongPtrW(h, GWL_STYLE) & WS_VISIBLE) && IsWindowVisible(h);
  }
  WindowHandle Foreground() override { return AsNumber(GetForegroundWindow()); }
  bool Exists(WindowHandle window) override { return window != 0 && IsWindow(AsWindow(window)); }

  bool AsksQuestion(WindowHandle window) override {
    // A modal question disables the window it belongs to and is itself an
    // enabled window owned by it.
    const HWND root = GetAncestor(AsWindow(window), GA_ROOT);
    if (root == nullptr || IsWindowEnabled(root)) return false;
    struct Search {
      HWND owner;
      bool found;
    } search = {root, false};
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
          auto* s = reinterpret_cast<Search*>(p);
          if (GetWindow(w, GW_OWNER) == s->owner && IsWindowVisible(w) && IsWindowEnabled(w)) s->found = true;
          return !s->found;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  CloseAnswer SendClose(WindowHandle window, uint32_t timeout_ms) override {
    DWORD_PTR ignored = 0;
    if (SendMessageTimeoutW(AsWindow(window), WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, timeout_ms, &ignored)) return CloseAnswer::Answered;
    // No answer in time is not yet a hang: the program may be asking the
    // user something inside its close handler. Only the system's own
    // verdict (no messages taken for seconds) counts as hung.
    return IsHungAppWindow(AsWindow(window)) ? CloseAnswer::Hung : CloseAnswer::Busy;
  }

  void EndOwningProcess(WindowHandle window) override {
    DWORD pid = 0;
    GetWindowThreadProcessId(AsWindow(window), &pid);
    if (pid == 0 || pid == GetCurrentProcessId()) return;
    const KernelHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, pid));
    if (process) TerminateProcess(process.get(), 0);
  }

  void PostClose(WindowHandle window) override { PostMessageW(AsWindow(window), WM_CLOSE, 0, 0); }
  void Destroy(WindowHandle window) override { DestroyWindow(AsWindow(window)); }

  void PressAltF4(WindowHandle window) override {
    // The keys go to whatever has the foreground: only to this window.
    const HWND root = GetAncestor(AsWindow(window), GA_ROOT);
    if (!ActivateWindow(window) || root == nullptr || GetForegroundWindow() != root) return;
    KeySender* keys = SystemKeySender();
    if (keys == nullptr) return;
    SendKey(*keys, VK_MENU, false, 1);
    SendKey(*keys, VK_F4, false, 1);
    SendKey(*keys, VK_F4, false, 2);
    SendKey(*keys, VK_MENU, false, 2);
  }

  void Sleep(uint32_t ms) override { ::Sleep(ms); }

  bool Activate(WindowHandle window) override { return ActivateWindow(window); }

  void SetStyle(WindowHandle handle, std::string_view style) override {
    const HWND window = AsWindow(handle);
    if (EqualsNoCase(style, "Always on Top")) {
      SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    } else if (EqualsNoCase(style, "Not Always on Top")) {
      SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    } else if (EqualsNoCase(style, "Visible")) {
      ShowWindow(window, SW_SHOW);
    } else if (EqualsNoCase(style, "Hidden")) {
      ShowWindow(window, SW_HIDE);
    } else if (EqualsNoCase(style, "Enabled")) {
      EnableWindow(window, TRUE);
    } else if (EqualsNoCase(style, "Disabled")) {
      EnableWindow(window, FALSE);
    } else if (EqualsNoCase(style, "Caption")) {
      SetStyleBits(window, WS_CAPTION, 0);
    } else if (EqualsNoCase(style, "Not Resizable")) {
      SetStyleBits(window, WS_DLGFRAME, WS_THICKFRAME);
    } else if (EqualsNoCase(style, "Resizable")) {
      SetStyleBits(window, WS_THICKFRAME, 0);
    } else if (EqualsNoCase(style, "Maximize Button")) {
      SetStyleBits(window, WS_MAXIMIZEBOX, 0);
    } else if (EqualsNoCase(style, "Without Maximize Button")) {
      SetStyleBits(window, 0, WS_MAXIMIZEBOX);
    } else if (EqualsNoCase(style, "Minimize Button")) {
      SetStyleBits(window, WS_MINIMIZEBOX, 0);
    } else if (EqualsNoCase(style, "Without Minimize Button")) {
      SetStyleBits(window, 0, WS_MINIMIZEBOX);
    }
    // Client area and frame repainted at once (the system's way of sending
    // the window its paint messages; posted ones would arrive without a
    // region to paint).
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    FocusOn(window);
  }

  std::string FullText(WindowHandle handle) override {
    const HWND window = AsWindow(handle);
    const std::size_t length = static_cast<std::size_t>(Send(window, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(std::max<std::size_t>(length, 1022) + 2, L'\0');
    const std::size_t copied =
        static_cast<std::size_t>(Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0])));
    text.resize(std::min(copied, text.size() - 1));
    return WideToAnsi(text);
  }

  WindowHandle Press(WindowHandle handle) override {
    const HWND found = AsWindow(handle);
    const HWND parent = GetParent(found);
    MouseDevice& mouse = ProgramMouse();
    if (parent) ActivateWindow(AsNumber(parent));
    GlideTo(mouse, Centre(found), false);
    if (parent) ActivateWindow(AsNumber(parent));
    HWND control = found;
    if (KindOf(found) == ControlKind::Static && parent != nullptr) {
      HWND next = found;
      for (int i = 0; i < kTabStepsTried; ++i) {
        next = GetNextDlgTabItem(parent, next, FALSE);
        if (next == nullptr || next == found) break;
        if (KindOf(next) != ControlKind::Static) {
          control = next;
          break;
        }
      }
    }
    mouse.Place(Centre(control));
    FocusOn(control);
    if (KindOf(found) == ControlKind::Edit) {
      Send(control, EM_SETSEL, 0, -1);
    } else {
      mouse.Button(MouseButtonEvent::LeftDown);
      ::Sleep(kClickPauseMs);
      mouse.Button(MouseButtonEvent::LeftUp);
      ::Sleep(kClickPauseMs);
    }
    UpdateWindow(control);
    FocusOn(control);
    return AsNumber(control);
  }

  void Move(WindowHandle window, int32_t left, int32_t top) override {
    SetWindowPos(AsWindow(window), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  void Resize(WindowHandle window, int32_t width, int32_t height) override {
    SetWindowPos(AsWindow(window), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  void Maximize(WindowHandle handle) override {
    const HWND window = AsWindow(handle);
    ShowWindow(window, SW_SHOWMAXIMIZED);
    if (IsWindowVisible(window) && window != GetForegroundWindow() && window != GetTopWindow(nullptr) &&
        window != GetFocus())
      ActivateWindow(handle);
  }
  void MinimizeOrRestore(WindowHandle handle) override {
    const HWND window = AsWindow(handle);
    if (IsIconic(window)) {
      ShowWindow(window, SW_RESTORE);
      ActivateWindow(handle);
    } else {
      ShowWindow(window, SW_MINIMIZE);
    }
  }
  void MinimizeAll() override {
    for (HWND window : FramedTopLevelWindows())
      if ((GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) && !IsIconic(window)) ShowWindow(window, SW_MINIMIZE);
  }
  std::vector<WindowHandle> WindowsToCloseAll() override {
    std::vector<WindowHandle> list;
    // The program's own windows stay: closing them would end the run itself.
    for (HWND window : FramedTopLevelWindows())
      if (window != GetDesktopWindow() && !OfThisProcess(window)) list.push_back(AsNumber(window));
    return list;
  }
  bool IsChecked(WindowHandle handle) override {
    const HWND control = AsWindow(handle);
    const HWND parent = GetParent(control);
    if (parent != nullptr && IsDlgButtonChecked(parent, GetDlgCtrlID(control)) != 0) return true;
    if (Send(control, BM_GETCHECK, 0, 0) != 0) return true;
    return Send(control, BM_GETSTATE, 0, 0) == 1;
  }
  WindowHandle WindowAt(ScreenPoint point) override { return AsNumber(WindowFromPoint(POINT{point.x, point.y})); }
  std::vector<WindowHandle> LaterSiblings(WindowHandle handle) override {
    std::vector<WindowHandle> list;
    const HWND parent = GetParent(AsWindow(handle));
    if (parent == nullptr) return list;
    // Bounded: the z-order can change while it is walked.
    constexpr int kSiblingsWalked = 10000;
    HWND next = AsWindow(handle);
    for (int i = 0; i < kSiblingsWalked && (next = GetWindow(next, GW_HWNDNEXT)) != nullptr; ++i)
      if (GetParent(next) == parent) list.push_back(AsNumber(next));
    return list;
  }
};

}  // namespace

WindowPlatform& SystemWindowPlatform() {
  static WinWindowPlatform platform;
  return platform;
}

}  // namespace zelo
