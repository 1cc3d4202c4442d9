#include "ui/main/menus_win.h"

#include <commctrl.h>

#include <algorithm>

#include "base/ansi_text_win.h"
#include "ui/main/glyphs_win.h"
#include "settings/setting_names.h"
#include "settings/settings.h"

namespace zelo {

namespace {

constexpr int kMenuFiles = 8;

UINT_PTR AsItem(HMENU menu) { return reinterpret_cast<UINT_PTR>(menu); }

void Append(HMENU menu, UINT flags, UINT_PTR id, const std::string& text) {
  AppendMenuW(menu, flags, id, AnsiToWide(text).c_str());
}

}  // namespace

HMENU BuildMenuBar() {
  std::size_t n = 0, menus = 0;
  const CommandSpec* table = CommandTable(&n);
  const MenuBarEntry* bar_entries = MenuBar(&menus);
  HMENU bar = CreateMenu();
  for (std::size_t m = 0; m < menus; ++m) {
    HMENU popup = CreatePopupMenu();
    HMENU recent = nullptr;
    for (std::size_t i = 0; i < n; ++i) {
      const CommandSpec& c = table[i];
      if (!c.text) continue;
      if (bar_entries[m].menu == MenuId::File && c.menu == MenuId::RecentFiles) {
        // The submenu stands where its first row is; its rows come when it opens.
        if (!recent) {
          recent = CreatePopupMenu();
          Append(popup, MF_POPUP, AsItem(recent), "Recent &Files");
        }
        continue;
      }
      if (c.menu != bar_entries[m].menu) continue;
      if (c.dynamic) continue;  // the Window menu's scripts come when it opens
      if (c.separator_before && GetMenuItemCount(popup) > 0) AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
      Append(popup, MF_STRING, static_cast<UINT_PTR>(c.id), c.text);
    }
    Append(bar, MF_POPUP, AsItem(popup), bar_entries[m].text);
  }
  return bar;
}

HACCEL BuildAccelerators() {
  std::size_t n = 0;
  const CommandSpec* table = CommandTable(&n);
  std::vector<ACCEL> keys;
  for (std::size_t i = 0; i < n; ++i) {
    const CommandSpec& c = table[i];
    if (!c.key.key) continue;
    BYTE flags = FVIRTKEY;
    if (c.key.modifiers & KEY_CTRL) flags |= FCONTROL;
    if (c.key.modifiers & KEY_SHIFT) flags |= FSHIFT;
    if (c.key.modifiers & KEY_ALT) flags |= FALT;
    keys.push_back({flags, c.key.key, static_cast<WORD>(c.id)});
  }
  return CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

const char* ToolbarTooltip(int command) {
  const CommandSpec* c = FindCommandSpec(command);
  return c ? c->tooltip : nullptr;
}

HWND CreateMainToolbar(HWND parent, HIMAGELIST* images) {
  std::size_t n = 0;
  const CommandSpec* table = CommandTable(&n);
  std::vector<const CommandSpec*> buttons;
  for (std::size_t i = 0; i < n; ++i)
    if (table[i].toolbar_order) buttons.push_back(&table[i]);
  std::sort(buttons.begin(), buttons.end(),
            [](const CommandSpec* a, const CommandSpec* b) { return a->toolbar_order < b->toolbar_order; });
  std::vector<int> ids;
  for (const CommandSpec* c : buttons) ids.push_back(c->id);

  HWND bar = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"",
                             WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE |
                                 CCS_NOPARENTALIGN,
                             0, 0, 0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!bar) return nullptr;
  SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  *images = MakeToolbarImages(ids);
  SendMessageW(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(*images));
  std::vector<TBBUTTON> tb;
  // A gap between the groups of the toolbar: file, edit, run, step, tools.
  const int groups_after[] = {CMD_XML_REPORT, CMD_UNDO, CMD_PAUSE, CMD_AUTO_INDENT};
  for (std::size_t i = 0; i < ids.size(); ++i) {
    TBBUTTON b = {};
    b.iBitmap = static_cast<int>(i);
    b.idCommand = ids[i];
    b.fsState = TBSTATE_ENABLED;
    b.fsStyle = ids[i] == CMD_KEEP_ON_TOP ? BTNS_CHECK : BTNS_BUTTON;
    tb.push_back(b);
    if (std::find(std::begin(groups_after), std::end(groups_after), ids[i]) != std::end(groups_after)) {
      TBBUTTON gap = {};
      gap.fsStyle = BTNS_SEP;
      tb.push_back(gap);
    }
  }
  SendMessageW(bar, TB_ADDBUTTONSW, tb.size(), reinterpret_cast<LPARAM>(tb.data()));
  return bar;
}

HMENU FindSubmenuOf(HMENU bar, int command) {
  const int count = GetMenuItemCount(bar);
  for (int i = 0; i < count; ++i) {
    HMENU sub = GetSubMenu(bar, i);
    if (!sub) continue;
    for (int j = 0, m = GetMenuItemCount(sub); j < m; ++j)
      if (static_cast<int>(GetMenuItemID(sub, j)) == command) return sub;
    if (HMENU deeper = FindSubmenuOf(sub, command)) return deeper;
  }
  return nullptr;
}

void FillRecentFilesMenu(HMENU submenu) {
  while (GetMenuItemCount(submenu) > 0) DeleteMenu(submenu, 0, MF_BYPOSITION);
  for (int i = 1; i <= kMenuFiles; ++i) {
    const std::string path = ReadSettingText(SettingPath(setting::kRecentFilePattern, i), 259);
    if (path.empty()) continue;
    Append(submenu, MF_STRING, static_cast<UINT_PTR>(CMD_RECENT_FILE_1 + i - 1), RecentFileMenuText(i, path));
  }
  if (GetMenuItemCount(submenu) == 0) AppendMenuW(submenu, MF_STRING | MF_GRAYED, 0, L"(none)");
}

void FillWindowMenu(HMENU window_menu, const std::vector<std::string>& captions) {
  for (int i = 0; i < kMenuFiles; ++i) DeleteMenu(window_menu, static_cast<UINT>(CMD_WINDOW_1 + i), MF_BYCOMMAND);
  // The separator before the list stays only while there is a list.
  const int count = GetMenuItemCount(window_menu);
  if (count > 0 && GetMenuItemID(window_menu, count - 1) == 0) DeleteMenu(window_menu, count - 1, MF_BYPOSITION);
  if (captions.empty()) return;
  AppendMenuW(window_menu, MF_SEPARATOR, 0, nullptr);
  for (std::size_t i = 0; i < captions.size() && i < kMenuFiles; ++i)
    Append(window_menu, MF_STRING, static_cast<UINT_PTR>(CMD_WINDOW_1 + static_cast<int>(i)),
           WindowMenuText(static_cast<int>(i) + 1, captions[i]));
}

Accelerator KeyOfMessage(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return {};
  Accelerator key;
  key.key = static_cast<uint16_t>(msg.wParam);
  if (GetKeyState(VK_CONTROL) < 0) key.modifiers |= KEY_CTRL;
  if (GetKeyState(VK_SHIFT) < 0) key.modifiers |= KEY_SHIFT;
  if (GetKeyState(VK_MENU) < 0) key.modifiers |= KEY_ALT;
  return key;
}

}  // namespace zelo
