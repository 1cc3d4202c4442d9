// "&Help Reference", "Startup &Options", "&About Zelomat" and the splash.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "base/ansi_text_win.h"
#include "base/printf_text.h"
#include "base/win32_owners_win.h"
#include "ui/command_line.h"
#include "ui/dialogs/dialog_helpers_win.h"
#include "ui/dialogs/editor_dialogs_win.h"
#include "ui/dialogs/help_file_win.h"
#include "ui/program_version.h"
#include "ui/dialogs/timed_popup_win.h"

namespace zelo {

namespace {

constexpr int kLogoId = 201;
constexpr int kMemoryId = 202;

long AvailableMemoryMb() {
  MEMORYSTATUSEX status = {};
  status.dwLength = sizeof status;
  if (!GlobalMemoryStatusEx(&status)) return 0;
  return static_cast<long>(status.ullAvailPhys / (1024 * 1024));
}

// The about box's picture: the program's initial on a blue tile.
void DrawLogo(const DRAWITEMSTRUCT& item) {
  const GdiObject<HBRUSH> tile(CreateSolidBrush(RGB(32, 72, 128)));
  FillRect(item.hDC, &item.rcItem, tile.get());
  const GdiObject<HFONT> font(CreateFontW(-(item.rcItem.bottom - item.rcItem.top) * 3 / 4, 0, 0, 0, FW_BOLD, FALSE,
                                          FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                          DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial"));
  const SelectedObject selected(item.hDC, font.get());
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, RGB(255, 255, 255));
  RECT r = item.rcItem;
  DrawTextW(item.hDC, L"Z", 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

INT_PTR CALLBACK AboutProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      SetDialogItemText(dlg, kMemoryId, PrintfText("Available Memory: %li MB", AvailableMemoryMb()));
      CentreOverOwner(dlg);
      return TRUE;
    case WM_DRAWITEM:
      if (wp == kLogoId) {
        DrawLogo(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        return TRUE;
      }
      break;
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
        EndDialog(dlg, IDOK);
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

void OpenHelpTopic(HWND owner, std::string_view topic) {
  const std::string help = ProgramFolderFile("Help.chm");
  if (GetFileAttributesW(AnsiToWide(help).c_str()) == INVALID_FILE_ATTRIBUTES) {
    ShowEditorBox(owner, "Unable to find the help file.\n\nPlease reinstall to correct this problem.",
                  "Zelomat Error", MB_OK | MB_ICONERROR);
    return;
  }
  // The help viewer takes "file::/topic" as its one argument.
  const std::wstring argument = AnsiToWide("\"" + help + std::string(topic) + "\"");
  const auto result =
      reinterpret_cast<INT_PTR>(ShellExecuteW(owner, L"open", L"hh.exe", argument.c_str(), nullptr, SW_SHOWNORMAL));
  if (result <= 32)
    ShowEditorBox(owner, "Unable to open the help file " + help, "Zelomat Error", MB_OK | MB_ICONERROR);
}

void HelpCommand(HWND owner) { OpenHelpTopic(owner, ""); }

void StartupOptionsCommand(HWND owner) {
  ShowEditorBox(owner, kUsageText, "Zelomat Startup Options", MB_OK | MB_ICONINFORMATION);
}

void AboutCommand(HWND owner) {
  DialogTemplate t(L"About Zelomat", 200, 92, DialogTemplate::kModalBox);
  t.Add(kLogoId, L"STATIC", L"", SS_OWNERDRAW, 8, 8, 32, 32);
  t.Add(0, L"STATIC", L"Zelomat", SS_LEFT, 50, 8, 140, 10);
  t.Add(0, L"STATIC", AnsiToWide(PrintfText("Version %s", kProgramVersion)), SS_LEFT, 50, 20, 140, 10);
  t.Add(0, L"STATIC", AnsiToWide(PrintfText("Build: %s %s", __DATE__, __TIME__)), SS_LEFT, 50, 32, 140, 10);
  t.Add(kMemoryId, L"STATIC", L"", SS_LEFT, 50, 44, 140, 10);
  t.Add(IDOK, L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 140, 70, 50, 14);
  t.Run(owner, AboutProc, 0);
}

void ShowSplash(HINSTANCE, HWND owner, unsigned milliseconds) {
  ShowTimedPopup(owner, PopupLook::Splash, PrintfText("Version %s", kProgramVersion), POINT{0, 0}, milliseconds);
}

}  // namespace zelo
