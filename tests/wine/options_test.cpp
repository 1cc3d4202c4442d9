// The Options sheet, the file association and the update check, driven in
// the real Zelomat.exe as a user would: open the sheet, change a control,
// press OK, Cancel or a page's button, answer the boxes; the registry and
// the boxes' texts are the evidence.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/wine/harness_win.h"
#include "tests/wine/loopback_http_win.h"
#include "tests/wine/windows_win.h"
#include "ui/command_ids.h"
#include "ui/options/option_control_ids.h"

namespace zelo::test {
namespace {

// The main window's commands that open the sheet and check for updates.
constexpr WPARAM kOptionsCommand = CMD_OPTIONS;
constexpr WPARAM kCheckUpdatesCommand = CMD_CHECK_UPDATES;
constexpr DWORD kBoxWaitMs = 15000;

class ZelomatWindow {
 public:
  ZelomatWindow() : process_(Process::Start(ProgramPath(), L"")) {
    if (process_.valid()) main_ = WaitForProcessWindow(process_.id(), L"Zelomat", kGuiWaitMs);
  }
  ~ZelomatWindow() {
    if (main_) PostMessageW(main_, WM_CLOSE, 0, 0);
    DWORD code = 0;
    process_.Wait(kGuiWaitMs, &code);
  }
  HWND main() const { return main_; }
  DWORD pid() const { return process_.id(); }
  void Command(WPARAM id) const { PostMessageW(main_, WM_COMMAND, id, 0); }
  // A dialog of the program by its caption (message boxes and the sheet).
  HWND WaitForDialog(const wchar_t* caption, DWORD ms = kBoxWaitMs) const {
    return WaitForProcessWindow(process_.id(), L"#32770", ms, caption);
  }
  bool WaitUntilGone(HWND window) const {
    const DWORD start = GetTickCount();
    while (IsWindow(window)) {
      if (GetTickCount() - start > kBoxWaitMs) return false;
      Sleep(20);
    }
    return true;
  }
  // Opens the sheet; nullptr when it did not appear.
  HWND OpenOptions() const {
    Command(kOptionsCommand);
    return WaitForDialog(L"Zelomat Options");
  }
  // Answers a box with the caption and returns its text.
  std::wstring Answer(const wchar_t* caption, int button) const {
    HWND box = WaitForDialog(caption);
    if (!box) return L"<no box \"" + std::wstring(caption) + L"\">";
    const std::wstring text = WaitForMessageBoxText(box, 5000);
    PressButton(box, button);
    WaitUntilGone(box);
    return text;
  }

 private:
  Process process_;
  HWND main_ = nullptr;
};

HWND ShowPage(HWND sheet, int page) {
  SendMessageW(sheet, PSM_SETCURSEL, static_cast<WPARAM>(page), 0);
  return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

void SetText(HWND page, int id, const wchar_t* text) { SetWindowTextW(GetDlgItem(page, id), text); }
// A click on a page's button or check box, as its dialog sees it.
void Click(HWND page, int id) {
  HWND control = GetDlgItem(page, id);
  SendMessageW(control, BM_CLICK, 0, 0);
}
void SelectStopKey(HWND run_page, const wchar_t* name) {
  HWND list = GetDlgItem(run_page, option_ids::kStopKey);
  const LRESULT i = SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
}
void PressSheetButton(HWND sheet, int button) { PostMessageW(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0); }

DWORD Number(const std::string& name, DWORD missing = 0xFFFFFFFF) {
  DWORD value = missing;
  return GetZelomatNumber(name, &value) ? value : missing;
}

std::string ClassesValue(const std::wstring& key, const wchar_t* name = nullptr) {
  wchar_t value[1024] = {};
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
    return "<missing>";
  return Narrow(value);
}

TEST(OptionsSheet, OkWritesTheOpenedPagesWithTheirRulesAndCancelWritesNothing) {
  ScopedZelomatNumber undo("MaxUndo", 500), tab("LastTab", 0), code("DefaultReturnCode", 7);
  ScopedZelomatNumber stop("StopKey", 27), tips("ShowTips", 1), edit_tips("ShowEditTips", 1);
  ZelomatWindow z;
  ASSERT_NE(z.main(), nullptr);

  HWND sheet = z.OpenOptions();
  ASSERT_NE(sheet, nullptr) << "no \"Zelomat Options\" sheet";
  HWND general = ShowPage(sheet, 0);
  ASSERT_NE(general, nullptr);
  SetText(general, option_ids::kMaxUndo, L"0");
  Click(general, option_ids::kTips);  // off: a restart shows it
  PressSheetButton(sheet, PSBTN_OK);
  EXPECT_EQ(z.Answer(L"System Message", IDOK), L"You will need to restart Zelomat for the changes to take effect");
  ASSERT_TRUE(z.WaitUntilGone(sheet));
  EXPECT_EQ(Number("MaxUndo"), 1u) << "an undo depth of 0 becomes 1";
  EXPECT_EQ(Number("ShowTips"), 0u);
  EXPECT_EQ(Number("ShowEditTips"), 0u);

  // Cancel: the emptied return code and the other stop key stay unwritten;
  // only the page looked at is remembered.
  sheet = z.OpenOptions();
  ASSERT_NE(sheet, nullptr);
  HWND run = ShowPage(sheet, 1);
  ASSERT_NE(run, nullptr);
  SetText(run, option_ids::kReturnCode, L"");
  SelectStopKey(run, L"Pause");
  PressSheetButton(sheet, PSBTN_HELP);  // no help file beside the program
  EXPECT_EQ(z.Answer(L"Zelomat Error", IDOK), L"Unable to find the help file.\n\nPlease reinstall to correct this problem.");
  PressSheetButton(sheet, PSBTN_CANCEL);
  ASSERT_TRUE(z.WaitUntilGone(sheet));
  EXPECT_EQ(Number("DefaultReturnCode"), 7u);
  EXPECT_EQ(Number("StopKey"), 27u);
  EXPECT_EQ(Number("LastTab"), 1u);

  // Opened again on that page: the stop key is shown by its name and written
  // by its code, an empty return code deletes the setting.
  sheet = z.OpenOptions();
  ASSERT_NE(sheet, nullptr);
  HWND tabs = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 1);
  run = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  wchar_t key[32] = {};
  GetDlgItemTextW(run, option_ids::kStopKey, key, 32);
  EXPECT_STREQ(key, L"Escape");
  SelectStopKey(run, L"F12");
  SetText(run, option_ids::kReturnCode, L"");
  PressSheetButton(sheet, PSBTN_OK);
  ASSERT_TRUE(z.WaitUntilGone(sheet));
  EXPECT_EQ(Number("StopKey"), 123u);
  EXPECT_EQ(Number("DefaultReturnCode"), 0xFFFFFFFFu) << "an empty box deletes the setting";
}

TEST(OptionsSheet, FilesPageAssociatesScriptsWithTheProgram) {
  // An earlier version's verb, which the association removes.
  const wchar_t* old_verb = L"SOFTWARE\\Classes\\Zelomat.Document\\shell\\Run Hidden\\command";
  ASSERT_TRUE(CreateRegistryKey(HKEY_LOCAL_MACHINE, old_verb, KEY_WRITE));
  ScopedZelomatNumber action("DefaultLoadAction", 0);
  ZelomatWindow z;
  ASSERT_NE(z.main(), nullptr);
  HWND sheet = z.OpenOptions();
  ASSERT_NE(sheet, nullptr);
  HWND files = ShowPage(sheet, 5);
  ASSERT_NE(files, nullptr);
  Click(files, option_ids::kVerbs + 1);  // no Edit verb
  SendDlgItemMessageW(files, option_ids::kLoadAction, CB_SETCURSEL, 3, 0);  // double-click runs in Zelomat
  PostMessageW(files, WM_COMMAND, MAKEWPARAM(option_ids::kAssociate, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(files, option_ids::kAssociate)));
  const std::wstring told = z.Answer(L"System Message", IDOK);
  EXPECT_EQ(told.rfind(L"The \".zxm\" file type has been associated with the program \"", 0), 0u) << Narrow(told);
  PressSheetButton(sheet, PSBTN_OK);
  ASSERT_TRUE(z.WaitUntilGone(sheet));
  EXPECT_EQ(Number("DefaultLoadAction"), 3u);

  // The program names itself by its full path.
  wchar_t full[MAX_PATH];
  const std::string exe = Narrow(std::wstring(full, GetFullPathNameW(ProgramPath().c_str(), MAX_PATH, full, nullptr)));
  EXPECT_EQ(ClassesValue(L".zxm"), "Zelomat File");
  EXPECT_EQ(ClassesValue(L".zxm\\ShellNew", L"NULLFile"), "");
  EXPECT_EQ(ClassesValue(L"Zelomat File"), "Zelomat File");
  EXPECT_EQ(ClassesValue(L"Zelomat File\\DefaultIcon"), "\"" + exe + "\",1");
  EXPECT_EQ(ClassesValue(L"Zelomat File\\shell\\Open\\command"), "\"" + exe + "\" \"%1\"");
  EXPECT_EQ(ClassesValue(L"Zelomat File\\shell\\Run"), "&Run");
  EXPECT_EQ(ClassesValue(L"Zelomat File\\shell\\Run in Zelomat\\command"), "\"" + exe + "\" /v \"%1\"");
  EXPECT_EQ(ClassesValue(L"Zelomat File\\shell"), "Run in Zelomat");
  const RegistryKey gone = OpenRegistryKey(HKEY_LOCAL_MACHINE, old_verb, KEY_READ);
  EXPECT_FALSE(gone) << "the earlier version's verb is still there";
  // The Edit verb was left out this time; remove what an earlier run wrote.
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L"Zelomat File");
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L".zxm");
}

TEST(UpdateCheck, ReportsFailureWithoutAnAddressAndComparesTheServedVersion) {
  LoopbackHttpServer server;
  ASSERT_TRUE(server.running());
  DeleteZelomatValue("UpdateAddress");
  DeleteZelomatValue("AutoUpdateLastCheck");
  ZelomatWindow z;
  ASSERT_NE(z.main(), nullptr);

  z.Command(kCheckUpdatesCommand);
  EXPECT_EQ(Narrow(z.Answer(L"Upgrade Failed", IDOK)).rfind("Unable to access the web server", 0), 0u);
  EXPECT_TRUE(server.Requests().empty());
  DWORD size = 0;
  EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Zelomat", L"AutoUpdateLastCheck", RRF_RT_REG_BINARY, nullptr,
                         nullptr, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(size, 16u);

  ASSERT_TRUE(SetZelomatString("UpdateAddress", server.Url("zelomat.ver")));
  server.SetBody("9.9|a later release\r\n");
  z.Command(kCheckUpdatesCommand);
  EXPECT_EQ(Narrow(z.Answer(L"Upgrade Available", IDNO)),
            "An new version is available!\n\nDo you want to go to the main download site now?");
  server.SetBody("1.0");
  z.Command(kCheckUpdatesCommand);
  EXPECT_EQ(Narrow(z.Answer(L"Software is Current", IDOK)).rfind("Your computer is running the latest version.", 0),
            0u);
  const std::vector<std::string> requests = server.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].rfind("GET /zelomat.ver ", 0), 0u) << requests[0];
  EXPECT_NE(requests[0].find("User-Agent: Zelomat\r\n"), std::string::npos) << requests[0];
  DeleteZelomatValue("UpdateAddress");
}

}  // namespace
}  // namespace zelo::test
