// "Logging": whether and where runs are logged, and in how much detail.
#include <windows.h>
#include <commdlg.h>

#include "base/ansi_text_win.h"
#include "settings/defaults.h"
#include "settings/setting_names.h"
#include "settings/settings.h"
#include "ui/options/options_page_win.h"

namespace zelo {

namespace {

enum : int { kLog = 100, kLogLevel, kLogfile, kBrowse, kRestartLog, kSlowPixelScan };

const CheckOption kLogOption = {"Write a log file of each run", "Log"};
const CheckOption kRestartLogOption = {"Empty the log file when a run starts", "RestartLog"};
const CheckOption kSlowScanOption = {"Search images pixel by pixel (slow pixel scan)", "SlowPixelScan"};

class LoggingPage : public OptionsPageWin {
 public:
  const wchar_t* Title() const override { return L"Logging"; }

  void Build(DialogTemplate& t) override {
    const short w = kPageWidth - 2 * kMargin;
    t.Check(AnsiToWide(kLogOption.label), kLog, kMargin, 8, w);
    t.Label(L"Log detail:", kMargin, 26, 60);
    t.DropList(kLogLevel, 70, 24, 120);
    t.Label(L"Log file:", kMargin, 44, 60);
    t.Edit(kLogfile, 70, 42, w - 63 - 56);
    t.Button(L"Browse...", kBrowse, kPageWidth - kMargin - 50, 41, 50);
    t.Check(AnsiToWide(kRestartLogOption.label), kRestartLog, kMargin, 62, w);
    t.Check(AnsiToWide(kSlowScanOption.label), kSlowPixelScan, kMargin, 76, w);
  }

  void Load(HWND page) override {
    SetCheck(page, kLog, ReadCheckOption(kLogOption));
    FillDropList(page, kLogLevel, {std::begin(kLogLevels), std::end(kLogLevels)},
                 ReadOptionOrDefault(setting::kLogLevelName) != 0 ? 1 : 0);
    std::string logfile = ReadSettingText(setting::kLogfile, 259);
    SetControlText(page, kLogfile, logfile);
    SetCheck(page, kRestartLog, ReadCheckOption(kRestartLogOption));
    SetCheck(page, kSlowPixelScan, ReadCheckOption(kSlowScanOption));
  }

  bool Save(HWND page) override {
    WriteCheckOption(kLogOption, GetCheck(page, kLog));
    WriteSettingNumber(setting::kLogLevel, DropListSelection(page, kLogLevel) == 1 ? 1 : 0);
    WriteSetting(setting::kLogfile, GetControlText(page, kLogfile));
    WriteCheckOption(kRestartLogOption, GetCheck(page, kRestartLog));
    WriteCheckOption(kSlowScanOption, GetCheck(page, kSlowPixelScan));
    return false;
  }

  bool Command(HWND page, int id, int code) override {
    if (id != kBrowse || code != BN_CLICKED) return false;
    wchar_t file[MAX_PATH] = {};
    lstrcpynW(file, AnsiToWide(GetControlText(page, kLogfile)).c_str(), MAX_PATH);
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = GetParent(page);
    ofn.lpstrFilter = L"Log Files (*.txt, *.log)\0*.txt;*.log\0All Files (*.*)\0*.*\0";
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrDefExt = L"txt";
    ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (GetSaveFileNameW(&ofn)) SetControlText(page, kLogfile, WideToAnsi(file));
    return true;
  }
};

}  // namespace

std::unique_ptr<OptionsPageWin> MakeLoggingPage() { return std::make_unique<LoggingPage>(); }

}  // namespace zelo
