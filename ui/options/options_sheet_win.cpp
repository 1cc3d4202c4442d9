// The "Zelomat Options" property sheet: six pages built in memory, opened on
// the page last looked at; OK and Apply write the opened pages' settings,
// Cancel writes none.
#include "ui/options/options_sheet_win.h"

#include <commctrl.h>

#include "base/printf_text.h"
#include "settings/setting_names.h"
#include "settings/settings.h"
#include "ui/options/options_page_win.h"

namespace zelo {

namespace {

constexpr int kPageCount = static_cast<int>(OptionsPage::Last);

void LoadPage(OptionsPageWin* page, HWND window) {
  page->sheet->loading = true;
  page->Load(window);
  page->sheet->loading = false;
}

void OpenPageHelp(HWND page_window, const OptionsPageWin* page) {
  OpenHelpTopic(GetParent(page_window), PrintfText("/options.htm#%d", page->index));
}

bool IsChangeNotification(int code) {
  return code == BN_CLICKED || code == EN_CHANGE || code == CBN_SELCHANGE || code == LBN_SELCHANGE;
}

INT_PTR CALLBACK PageProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  auto* page = reinterpret_cast<OptionsPageWin*>(GetWindowLongPtrW(window, DWLP_USER));
  if (msg == WM_INITDIALOG) {
    page = reinterpret_cast<OptionsPageWin*>(reinterpret_cast<const PROPSHEETPAGEW*>(lp)->lParam);
    SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(page));
    LoadPage(page, window);
    page->sheet->opened.push_back({page, window});
    return TRUE;
  }
  if (!page) return FALSE;
  switch (msg) {
    case WM_COMMAND: {
      const int id = LOWORD(wp), code = HIWORD(wp);
      const bool handled = page->Command(window, id, code);
      if (!page->sheet->loading && IsChangeNotification(code)) PropSheet_Changed(GetParent(window), window);
      return handled ? TRUE : FALSE;
    }
    case WM_NOTIFY:
      switch (reinterpret_cast<const NMHDR*>(lp)->code) {
        case PSN_SETACTIVE:
          page->sheet->active_page = page->index;
          SetWindowLongPtrW(window, DWLP_MSGRESULT, 0);
          return TRUE;
        case PSN_APPLY:
          if (page->Save(window)) page->sheet->restart_needed = true;
          page->sheet->applied = true;
          SetWindowLongPtrW(window, DWLP_MSGRESULT, PSNRET_NOERROR);
          return TRUE;
        case PSN_HELP:
          OpenPageHelp(window, page);
          return TRUE;
        default:
          return FALSE;
      }
    case WM_HELP:  // F1
      OpenPageHelp(window, page);
      return TRUE;
    default:
      return page->Other(window, msg, wp, lp);
  }
}

}  // namespace

std::vector<std::unique_ptr<OptionsPageWin>> MakeOptionsPages() {
  std::vector<std::unique_ptr<OptionsPageWin>> pages;
  pages.push_back(MakeGeneralPage());
  pages.push_back(MakeRunPage());
  pages.push_back(MakeColorsPage());
  pages.push_back(MakeUiStylePage());
  pages.push_back(MakeLoggingPage());
  pages.push_back(MakeFilesPage());
  return pages;
}

void ReloadOpenedPages(OptionsSheetState& sheet) {
  for (auto& [page, window] : sheet.opened) LoadPage(page, window);
}

bool ShowOptionsSheet(HWND owner, OptionsPage start) {
  OptionsSheetState state;
  std::vector<std::unique_ptr<OptionsPageWin>> pages = MakeOptionsPages();
  std::vector<DialogTemplate> templates;
  templates.reserve(pages.size());
  for (std::size_t i = 0; i < pages.size(); ++i) {
    pages[i]->sheet = &state;
    pages[i]->index = static_cast<int>(i);
    templates.emplace_back(pages[i]->Title(), kPageWidth, kPageHeight,
                           WS_CHILD | WS_DISABLED | WS_CAPTION | DS_3DLOOK | DS_CONTROL);
    pages[i]->Build(templates.back());
  }
  std::vector<PROPSHEETPAGEW> sheet_pages(pages.size());
  for (std::size_t i = 0; i < pages.size(); ++i) {
    PROPSHEETPAGEW& p = sheet_pages[i];
    p.dwSize = sizeof p;
    p.dwFlags = PSP_DLGINDIRECT | PSP_USETITLE | PSP_HASHELP;
    p.pResource = templates[i].get();
    p.pszTitle = pages[i]->Title();
    p.pfnDlgProc = &PageProc;
    p.lParam = reinterpret_cast<LPARAM>(pages[i].get());
  }
  int first = start == OptionsPage::Last ? ReadSetting(setting::kLastTab) : static_cast<int>(start);
  if (first < 0 || first >= kPageCount) first = 0;
  state.active_page = first;
  PROPSHEETHEADERW header = {};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_HASHELP | PSH_NOCONTEXTHELP;
  header.hwndParent = owner;
  header.pszCaption = L"Zelomat Options";
  header.nPages = static_cast<UINT>(sheet_pages.size());
  header.nStartPage = static_cast<UINT>(first);
  header.ppsp = sheet_pages.data();
  PropertySheetW(&header);
  // The page last looked at opens next time, whether or not the sheet was confirmed.
  WriteSettingNumber(setting::kLastTab, static_cast<uint32_t>(state.active_page));
  if (state.restart_needed) NoticeBox(owner, kRestartNotice);
  return state.applied;
}

}  // namespace zelo
