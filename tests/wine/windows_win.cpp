#include "tests/wine/windows_win.h"

namespace zelo::test {

namespace {

struct WindowQuery {
  DWORD pid;
  const wchar_t* cls;
  const wchar_t* caption;
  HWND found;
};

}  // namespace

HWND FindProcessWindow(DWORD pid, const wchar_t* cls, const wchar_t* caption) {
  WindowQuery q{pid, cls, caption, nullptr};
  EnumWindows(
      [](HWND h, LPARAM lp) -> BOOL {
        auto* q = reinterpret_cast<WindowQuery*>(lp);
        DWORD owner = 0;
        GetWindowThreadProcessId(h, &owner);
        wchar_t cls[64] = {};
        GetClassNameW(h, cls, 64);
        if (owner != q->pid || wcscmp(cls, q->cls) != 0) return TRUE;
        if (q->caption && WindowText(h) != q->caption) return TRUE;
        q->found = h;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&q));
  return q.found;
}

HWND WaitForProcessWindow(DWORD pid, const wchar_t* cls, DWORD ms, const wchar_t* caption) {
  DWORD start = GetTickCount();
  for (;;) {
    HWND h = FindProcessWindow(pid, cls, caption);
    if (h) return h;
    if (GetTickCount() - start > ms) return nullptr;
    Sleep(50);
  }
}

std::wstring WindowText(HWND h) {
  wchar_t buf[1024] = {};
  GetWindowTextW(h, buf, 1024);
  return buf;
}

std::wstring MessageBoxText(HWND box) {
  std::wstring best;
  EnumChildWindows(
      box,
      [](HWND h, LPARAM lp) -> BOOL {
        wchar_t cls[32] = {};
        GetClassNameW(h, cls, 32);
        if (_wcsicmp(cls, L"Static") == 0) {
          std::wstring t = WindowText(h);
          auto* best = reinterpret_cast<std::wstring*>(lp);
          if (t.size() > best->size()) *best = t;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&best));
  return best;
}

std::wstring WaitForMessageBoxText(HWND box, DWORD ms) {
  DWORD start = GetTickCount();
  for (;;) {
    std::wstring text = MessageBoxText(box);
    if ((!text.empty() && !WindowText(box).empty()) || GetTickCount() - start > ms) return text;
    Sleep(50);
  }
}

void PressButton(HWND box, int id) {
  // The notification a button sends its dialog when it is clicked.
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

HWND FindDescendant(HWND parent, const wchar_t* cls) {
  struct Query {
    const wchar_t* cls;
    HWND found;
  } q{cls, nullptr};
  EnumChildWindows(
      parent,
      [](HWND h, LPARAM lp) -> BOOL {
        auto* q = reinterpret_cast<Query*>(lp);
        wchar_t name[64] = {};
        GetClassNameW(h, name, 64);
        if (lstrcmpiW(name, q->cls) != 0) return TRUE;
        q->found = h;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&q));
  return q.found;
}

}  // namespace zelo::test
