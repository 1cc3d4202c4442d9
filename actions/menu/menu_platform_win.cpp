// The system's menus: reading a window's menu bar, posting its commands, the
// system menu, and the popup menu of "Show Popup Menu".
#include <windows.h>

#include <string>

#include "actions/menu/menu_platform.h"
#include "actions/shared/window_number_win.h"
#include "base/ansi_text_win.h"
#include "base/win32_owners_win.h"

namespace zelo {

namespace {

constexpr UINT kSendTimeoutMs = 1000;
constexpr wchar_t kMenuHandlerClass[] = L"ZeloMenuHandler";

void ReadMenu(HMENU menu, int depth, MenuNode* node) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[512] = {};
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 511;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    if (info.fType & MFT_SEPARATOR) continue;
    MenuNode item;
    item.text = WideToAnsi(text);
    item.command = info.wID;
    item.submenu = info.hSubMenu != nullptr;
    if (item.submenu && depth + 1 < kMenuDepthRead) ReadMenu(info.hSubMenu, depth + 1, &item);
    node->items.push_back(std::move(item));
  }
}

class WinMenuPlatform : public MenuPlatform {
 public:
  bool ReadMenuBar(WindowHandle window, MenuNode* bar) override {
    const HMENU menu = GetMenu(AsWindow(window));
    if (menu == nullptr || !IsMenu(menu)) return false;
    ReadMenu(menu, 0, bar);
    return !bar->items.empty();
  }
  void PostCommand(WindowHandle window, uint32_t command) override {
    PostMessageW(AsWindow(window), WM_COMMAND, MAKEWPARAM(command, 0), 0);
  }
  bool HasSystemMenu(WindowHandle window) override {
    return (GetWindowLongPtrW(AsWindow(window), GWL_STYLE) & WS_SYSMENU) != 0;
  }
  void SystemCommand(WindowHandle window, SystemMenuCommand command) override {
    static const WPARAM kCommands[] = {SC_MAXIMIZE, SC_MINIMIZE, SC_RESTORE, SC_MOVE, SC_CLOSE, SC_SIZE};
    if (command == SystemMenuCommand::None) return;
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(AsWindow(window), WM_SYSCOMMAND, kCommands[static_cast<int>(command)], 0,
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored);
  }
  int ChoosePopupLine(const std::vector<PopupLine>& lines) override {
    static const ATOM registered = [] {
      WNDCLASSW cls = {};
      cls.lpfnWndProc = DefWindowProcW;
      cls.hInstance = GetModuleHandleW(nullptr);
      cls.lpszClassName = kMenuHandlerClass;
      return RegisterClassW(&cls);
    }();
    (void)registered;
    const OwnedWindow owner(CreateWindowExW(WS_EX_TOOLWINDOW, kMenuHandlerClass, L"", WS_POPUP, 0, 0, 0, 0,
                                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    const OwnedMenu menu(CreatePopupMenu());
    if (!owner || !menu) return 0;
    UINT n = 0;
    for (const PopupLine& line : lines) {
      ++n;
      if (line.separator) {
        AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
      } else {
        const std::wstring text = AnsiToWide(line.text);
        AppendMenuW(menu.get(), MF_STRING, kPopupCommandBase + n, text.c_str());
      }
    }
    POINT at = {};
    GetCursorPos(&at);
    // The menu closes when the user clicks elsewhere only while its owner
    // is the foreground window.
    SetForegroundWindow(owner.get());
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN,
                                                         at.x, at.y, 0, owner.get(), nullptr));
    PostMessageW(owner.get(), WM_NULL, 0, 0);
    return chosen > kPopupCommandBase ? static_cast<int>(chosen - kPopupCommandBase) : 0;
  }
  KeySender* Keys() override { return SystemKeySender(); }
  void Sleep(uint32_t ms) override { ::Sleep(ms); }
};

}  // namespace

MenuPlatform& SystemMenuPlatform() {
  static WinMenuPlatform platform;
  return platform;
}

}  // namespace zelo
