#include "ui/palettes/variables_palette_win.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "base/ansi_text_win.h"
#include "settings/settings.h"
#include "settings/setting_names.h"
#include "ui/palettes/variable_rows.h"

namespace zelo {

namespace {

constexpr wchar_t kVariablesClass[] = L"ZeloVariables";
constexpr int kDefaultWidths[] = {120, 240};

int StoredColumnWidth(int column) {
  const int width = ReadSetting(SettingPath(setting::kVariablesColumnPattern, column + 1));
  return width > 0 ? width : kDefaultWidths[column];
}

LRESULT CALLBACK VariablesProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      if (HWND list = GetWindow(w, GW_CHILD)) MoveWindow(list, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
      return 0;
    case WM_DESTROY:
      // The user's column widths are kept for the next start.
      if (HWND list = GetWindow(w, GW_CHILD))
        for (int column = 0; column < 2; ++column)
          WriteSettingNumber(SettingPath(setting::kVariablesColumnPattern, column + 1),
                             static_cast<uint32_t>(ListView_GetColumnWidth(list, column)));
      return 0;
    default:
      break;
  }
  return DefWindowProcW(w, msg, wp, lp);
}

bool RegisterVariablesClass() {
  static const bool registered = [] {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = VariablesProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kVariablesClass;
    return RegisterClassExW(&wc) != 0;
  }();
  return registered;
}

}  // namespace

struct VariablesPalette::Impl {
  HWND hwnd = nullptr;
  HWND list = nullptr;
};

VariablesPalette::VariablesPalette() : impl_(std::make_unique<Impl>()) {}

VariablesPalette::~VariablesPalette() {
  // Usually gone already with the main window.
  if (impl_->hwnd && IsWindow(impl_->hwnd)) DestroyWindow(impl_->hwnd);
}

bool VariablesPalette::Create(HWND parent) {
  if (!RegisterVariablesClass()) return false;
  impl_->hwnd = CreateWindowExW(0, kVariablesClass, L"Variables", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 300,
                                200, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!impl_->hwnd) return false;
  impl_->list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                                WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL, 0, 0, 300, 200,
                                impl_->hwnd, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!impl_->list) return false;
  ListView_SetExtendedListViewStyle(impl_->list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  const wchar_t* titles[] = {L"Name", L"Value"};
  for (int column = 0; column < 2; ++column) {
    LVCOLUMNW c = {};
    c.mask = LVCF_TEXT | LVCF_WIDTH;
    c.pszText = const_cast<wchar_t*>(titles[column]);
    c.cx = StoredColumnWidth(column);
    ListView_InsertColumn(impl_->list, column, &c);
  }
  Reload();
  return true;
}

HWND VariablesPalette::hwnd() const { return impl_->hwnd; }

void VariablesPalette::Reload() {
  HWND list = impl_->list;
  if (!list) return;
  const std::vector<VariableRow> rows = StoredVariableRows();
  // The first visible row stays in view across the five-second re-reads.
  const int top = ListView_GetTopIndex(list);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(list);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::wstring name = AnsiToWide(rows[i].name);
    std::wstring value = AnsiToWide(rows[i].value);
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(i);
    item.pszText = name.data();
    const int at = ListView_InsertItem(list, &item);
    if (at >= 0) ListView_SetItemText(list, at, 1, value.data());
  }
  RECT first;
  if (top > 0 && ListView_GetItemRect(list, 0, &first, LVIR_BOUNDS))
    ListView_Scroll(list, 0, top * (first.bottom - first.top));
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

}  // namespace zelo
