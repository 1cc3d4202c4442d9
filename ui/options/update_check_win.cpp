// "Check Web for Updates..." and the automatic check: the version file is
// fetched on a worker thread while a small window says what is going on.
#include <windows.h>
#include <shellapi.h>

#include "actions/internet/fetch_url.h"
#include "base/ansi_text_win.h"
#include "base/local_clock.h"
#include "base/printf_text.h"
#include "base/win32_owners_win.h"
#include "settings/setting_names.h"
#include "settings/settings.h"
#include "ui/options/options_sheet_win.h"
#include "ui/options/update_check.h"
#include "ui/program_version.h"

namespace zelo {

namespace {

// The checking text stays up at least this long, so that it can be read.
constexpr DWORD kCheckingShownMs = 1000;
// A version file is a line; anything longer is not one.
constexpr std::size_t kVersionFileLimit = 4096;

struct Fetch {
  std::string address;
  std::string body;
  bool fetched = false;
};

DWORD WINAPI FetchThread(void* param) {
  auto* fetch = static_cast<Fetch*>(param);
  std::string error;
  fetch->fetched = FetchUrl(fetch->address, &fetch->body, kVersionFileLimit, &error) > 0;
  return 0;
}

// A borderless box in the middle of the owner (or of the screen).
OwnedWindow ShowCheckingWindow(HWND owner) {
  const std::wstring text = AnsiToWide(PrintfText(kUpdateCheckingFormat, kProgramVersion));
  RECT area;
  if (!owner || !GetWindowRect(owner, &area)) SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  const int w = 340, h = 80;
  OwnedWindow window(CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME, L"STATIC", text.c_str(),
                                     WS_POPUP | WS_VISIBLE | SS_CENTER, (area.left + area.right - w) / 2,
                                     (area.top + area.bottom - h) / 2, w, h, owner, nullptr, nullptr, nullptr));
  if (window) {
    SendMessageW(window.get(), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    UpdateWindow(window.get());
  }
  return window;
}

// Runs the fetch while the program's windows keep being drawn; the owner
// takes no input meanwhile, as under a dialog.
void FetchWhileShowing(HWND owner, Fetch* fetch) {
  const OwnedWindow checking = ShowCheckingWindow(owner);
  const bool was_enabled = owner && !EnableWindow(owner, FALSE);
  KernelHandle thread;
  if (!fetch->address.empty()) thread.reset(CreateThread(nullptr, 0, &FetchThread, fetch, 0, nullptr));
  const DWORD start = GetTickCount();
  bool quit = false;
  WPARAM quit_code = 0;
  for (;;) {
    const bool done = !thread || WaitForSingleObject(thread.get(), 0) == WAIT_OBJECT_0;
    const DWORD elapsed = GetTickCount() - start;
    if (done && elapsed >= kCheckingShownMs) break;
    HANDLE handles[1] = {thread.get()};
    MsgWaitForMultipleObjects(done ? 0 : 1, handles, FALSE, done ? kCheckingShownMs - elapsed : INFINITE,
                              QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        quit = true;
        quit_code = msg.wParam;
        continue;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  if (was_enabled) EnableWindow(owner, TRUE);
  // The program was asked to end meanwhile: its own loop ends it now.
  if (quit) PostQuitMessage(static_cast<int>(quit_code));
}

int Box(HWND owner, const char* text, const char* caption, UINT flags) {
  if (ReadSetting("SOFTWARE\\Zelomat\\OnTop") != 0) flags |= MB_TOPMOST;
  return MessageBoxW(owner, AnsiToWide(text).c_str(), AnsiToWide(caption).c_str(),
                     flags | MB_TASKMODAL | MB_SETFOREGROUND);
}

void RunUpdateCheck(HWND owner) {
  StoreLastUpdateCheck(LocalCivilTimeNow());
  Fetch fetch;
  // Without an address the network is not touched at all.
  fetch.address = UpdateAddress();
  FetchWhileShowing(owner, &fetch);
  switch (JudgeVersionFile(fetch.fetched, fetch.body, kProgramVersion)) {
    case UpdateOutcome::Available:
      if (Box(owner, kUpgradeAvailableText, kUpgradeAvailableCaption, MB_YESNO | MB_ICONQUESTION) == IDYES)
        ShellExecuteW(owner, L"open", AnsiToWide(UpdateDownloadPage()).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
      break;
    case UpdateOutcome::Current:
      Box(owner, kSoftwareCurrentText, kSoftwareCurrentCaption, MB_OK | MB_ICONINFORMATION);
      break;
    case UpdateOutcome::Failed:
      Box(owner, kUpgradeFailedText, kUpgradeFailedCaption, MB_OK | MB_ICONWARNING);
      break;
  }
}

}  // namespace

void CheckForUpdatesCommand(HWND owner) { RunUpdateCheck(owner); }

void AutomaticUpdateCheck(HWND owner) {
  if (UpdateAddress().empty()) return;
  CivilTime last;
  const bool checked_before = ReadLastUpdateCheck(&last);
  if (UpdateCheckDue(ReadSetting(setting::kAutoUpdate), checked_before ? &last : nullptr, LocalCivilTimeNow()))
    RunUpdateCheck(owner);
}

}  // namespace zelo
