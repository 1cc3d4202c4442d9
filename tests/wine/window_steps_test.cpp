// "Windows/Controls", "Menu" and "Mouse" steps and the window conditions in
// unattended runs of the real Zelomat.exe, against the test dialog (which
// records what it receives) and a program that asks "Save changes?" when
// closed.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/wine/harness_win.h"
#include "tests/wine/test_programs_win.h"
#include "tests/wine/windows_win.h"

namespace zelo::test {
namespace {

constexpr wchar_t kDialogClass[] = L"ZeloTestDialog";
constexpr DWORD kRunMs = 20000;

// One step; extra holds further field lines ("<value1>1</value1>").
std::string Step(const std::string& action, const std::string& text, const std::string& options = "",
                 const std::string& extra = "") {
  std::string xml = "<step>\r\n\t<action>" + action + "</action>\r\n";
  if (!text.empty()) xml += "\t<text>" + text + "</text>\r\n";
  if (!options.empty()) xml += "\t<options>" + options + "</options>\r\n";
  return xml + extra + "</step>\r\n";
}
const char kIgnore[] = "\t<onfail>Ignore/Continue</onfail>\r\n";
std::string Field(const std::string& name, const std::string& value) {
  return "\t<" + name + ">" + value + "</" + name + ">\r\n";
}

class WindowStepsTest : public ::testing::Test {
 protected:
  WindowStepsTest()
      : several_("MultipleWindowError", 1),
        log_level_("LogLevel", 0),
        restart_log_("RestartLog", 1),
        stop_key_("StopKey", VK_PAUSE),
        end_dialogs_("dialog_window.exe"),
        end_unsaved_("save_changes.exe") {}

  // Starts a test dialog and waits until it is shown.
  HWND StartDialog(const char* mode = "") {
    const int before = Occurrences(Record(), "ready");
    dialogs_[started_++ % 2] = Process::Start(Wide(TestProgramPath("dialog_window.exe")),
                                              Wide("\"" + RecordPath() + "\" " + mode));
    const DWORD start = GetTickCount();
    while (Occurrences(Record(), "ready") == before && GetTickCount() - start < kGuiWaitMs) Sleep(20);
    return FindWindowW(kDialogClass, nullptr);
  }
  std::string RecordPath() const { return dir_.File("record.txt"); }
  std::string Record() const {
    std::string text;
    ReadTextFile(RecordPath(), &text);
    return text;
  }
  // Waits until the dialog has recorded the line (times times).
  bool Recorded(const std::string& line, int times = 1) const {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 5000) {
      if (Occurrences(Record(), line + "\r\n") >= times) return true;
      Sleep(20);
    }
    return false;
  }
  RunResult Run(const std::string& steps) {
    const std::string script = dir_.File("windows.zxm");
    EXPECT_TRUE(WriteTextFile(script, ScriptText(steps)));
    return RunProgram("/r \"" + script + "\"", dir_.File("log.txt"), kRunMs);
  }
  // A step that appends the text and a "|" to notes.txt.
  std::string Note(const std::string& text) const {
    return Step("Write/Create File", text + "|", "", Field("value1", dir_.File("notes.txt")) + Field("value2", "-1"));
  }
  std::string Notes() const {
    std::string text;
    ReadTextFile(dir_.File("notes.txt"), &text);
    return text;
  }
  static std::string At(LONG x, LONG y) { return std::to_string(x) + "," + std::to_string(y); }
  // Waits until the "Save changes?" question is shown, or gone.
  static bool WaitForQuestion(bool shown) {
    const DWORD start = GetTickCount();
    while ((FindWindowW(L"#32770", L"Editor") != nullptr) != shown)
      if (GetTickCount() - start > kGuiWaitMs) return false;
      else Sleep(20);
    return true;
  }

  ScratchFolder dir_;
  ScopedZelomatNumber several_, log_level_, restart_log_, stop_key_;
  EndNewProcesses end_dialogs_, end_unsaved_;
  Process dialogs_[2];
  int started_ = 0;
};

TEST_F(WindowStepsTest, FindsWindowsAndControlsAndActsOnThem) {
  HWND dialog = StartDialog();
  ASSERT_NE(dialog, nullptr);
  const std::string out = dir_.File("out.txt");
  const RunResult r = Run(
      Step("Activate", "zelo test dialog", "Title") +  // "&" of the title is not compared
      Step("Move Window", "Test Dialog", "Title", Field("value1", "1") + Field("value2", "1")) +
      Step("Resize", "Test Dialog", "Title", Field("value1", "401") + Field("value2", "341")) +
      Step("Set Window Style", "Test Dialog", "Title", Field("value1", "Always on Top")) +
      Step("Get Text", "Edit|1008", "Class,ID", "\t<output value=\"" + out + "\">File</output>\r\n") +
      Step("Press Button/Control", "Press Me", "Title") +
      Step("IF Control Is Checked", "Checked box") + Note("checked box is checked") + Step("END IF", "") +
      Step("IF Control Is Checked", "Unchecked box") + Note("unchecked box is checked") + Step("END IF", "") +
      Step("IF Window Exists", "Zelo Test Dialog") + Note("the dialog exists") + Step("END IF", "") +
      Step("IF Control Exists", "Name:") + Note("the label exists") + Step("END IF", "") +
      Step("Activate", "999999999", "Handle", kIgnore));
  ASSERT_TRUE(r.finished) << r.log;
  RECT rect = {};
  GetWindowRect(dialog, &rect);
  EXPECT_EQ(At(rect.left, rect.top), "0,0") << "Move 1,1 puts the corner on the screen's first pixel";
  EXPECT_EQ(At(rect.right - rect.left, rect.bottom - rect.top), "400,340") << "Resize 401,341";
  EXPECT_TRUE(GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST);
  std::string text;
  EXPECT_TRUE(ReadTextFile(out, &text));
  EXPECT_EQ(text, "line one");
  EXPECT_TRUE(Recorded("command 1001")) << Record();
  EXPECT_NE(Notes().find("checked box is checked"), std::string::npos) << Notes();
  EXPECT_EQ(Notes().find("unchecked box is checked"), std::string::npos) << Notes();
  EXPECT_NE(Notes().find("the dialog exists"), std::string::npos) << Notes();
  EXPECT_NE(Notes().find("the label exists"), std::string::npos) << Notes();
  EXPECT_NE(r.log.find("Activate: Unable to find window '999999999'"), std::string::npos) << r.log;
}

TEST_F(WindowStepsTest, TwoMatchesFailWhileTheSettingIsOnAndTheLaterIsTakenWhenOff) {
  HWND first = StartDialog();
  ASSERT_NE(first, nullptr);
  ASSERT_NE(StartDialog(), nullptr);
  const std::string move = Step("Move Window", "Test Dialog", "Title", Field("value1", "1") + Field("value2", "1") + kIgnore);
  RunResult r = Run(move);
  EXPECT_NE(r.log.find("There are 2 top-level windows that match the search criteria"), std::string::npos) << r.log;
  ScopedZelomatNumber off("MultipleWindowError", 0);
  r = Run(move);
  EXPECT_EQ(r.log.find("ERROR"), std::string::npos) << r.log;
  int moved = 0;
  for (HWND w = FindWindowW(kDialogClass, nullptr); w; w = FindWindowExW(nullptr, w, kDialogClass, nullptr)) {
    RECT rect = {};
    GetWindowRect(w, &rect);
    if (rect.left == 0 && rect.top == 0) ++moved;
  }
  EXPECT_EQ(moved, 1);
}

TEST_F(WindowStepsTest, MenusByTheBarAndByTheKeyboard) {
  ASSERT_NE(StartDialog(), nullptr);
  // One run each: a menu chosen by keys must have closed before the next is typed.
  RunResult r = Run(Step("Activate", "Test Dialog", "Title") + Step("Select Menu Item", "File;Recent;First"));
  EXPECT_EQ(r.log.find("ERROR"), std::string::npos) << r.log;
  EXPECT_TRUE(Recorded("command 2002")) << Record();
  r = Run(Step("Activate", "Test Dialog", "Title") + Step("Select Menu Item", "&amp;File; &amp;Open"));
  EXPECT_EQ(r.log.find("ERROR"), std::string::npos) << r.log;
  EXPECT_TRUE(Recorded("command 2001")) << "Alt+F, then O\n" << Record();
  r = Run(Step("Activate", "Test Dialog", "Title") + Step("Select System Menu", "Mi&amp;nimize"));
  ASSERT_TRUE(r.finished) << r.log;
  HWND dialog = FindWindowW(kDialogClass, nullptr);
  const DWORD start = GetTickCount();
  while (!IsIconic(dialog) && GetTickCount() - start < 5000) Sleep(20);
  EXPECT_TRUE(IsIconic(dialog));
}

TEST_F(WindowStepsTest, ThePopupMenuReturnsTheLineClicked) {
  const std::string out = dir_.File("choice.txt");
  const std::string script = dir_.File("popup.zxm");
  ASSERT_TRUE(WriteTextFile(
      script, ScriptText(Step("Show Popup Menu", "A\r\n---\r\nB", "",
                              "\t<output value=\"" + out + "\">File</output>\r\n"))));
  SetCursorPos(400, 300);
  Process p = StartProgram("/r \"" + script + "\"", dir_.File("log.txt"));
  ASSERT_TRUE(p.valid());
  HWND menu = nullptr;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < kGuiWaitMs && !(menu && IsWindowVisible(menu))) {
    menu = FindWindowW(L"#32768", nullptr);
    Sleep(20);
  }
  ASSERT_NE(menu, nullptr);
  RECT rect = {};
  GetWindowRect(menu, &rect);
  // The last line, "B", fills the bottom of the menu.
  SetCursorPos((rect.left + rect.right) / 2, rect.bottom - 6);
  INPUT click[2] = {};
  click[0].type = click[1].type = INPUT_MOUSE;
  click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, click, sizeof(INPUT));
  DWORD code = 0;
  ASSERT_TRUE(p.Wait(kRunMs, &code));
  std::string text;
  EXPECT_TRUE(ReadTextFile(out, &text));
  EXPECT_EQ(text, "B");
}

TEST_F(WindowStepsTest, CloseKeepsAProgramThatAsksAndFailsNamingIt) {
  Process unsaved = Process::Start(Wide(TestProgramPath("save_changes.exe")), Wide("\"" + RecordPath() + "\""));
  ASSERT_NE(WaitForTitledWindow(L"Unsaved Document", kGuiWaitMs), nullptr);
  HWND dialog = StartDialog();
  const DWORD start = GetTickCount();
  const RunResult r = Run(Step("Close Window", "Unsaved Document", "Title", Field("timeout", "2.5") + kIgnore) +
                          Step("Close Window", "Test Dialog", "Title", Field("timeout", "0")));
  const DWORD elapsed = GetTickCount() - start;
  ASSERT_TRUE(r.finished) << r.log;
  EXPECT_NE(r.log.find("Close Window: Window 'Unsaved Document' is still open"), std::string::npos) << r.log;
  EXPECT_GE(elapsed, 2000u) << "2.5 seconds wait 2000 ms for the answer";
  DWORD code = 0;
  EXPECT_FALSE(unsaved.Wait(0, &code)) << "the program with unsaved work was not ended";
  EXPECT_EQ(Occurrences(Record(), "asked"), 1) << "the question was asked once, not again and again";
  EXPECT_FALSE(IsWindow(dialog)) << "a program that closes is closed";
  // The user cancels: the program stays, with its work.
  HWND question = FindWindowW(L"#32770", L"Editor");
  ASSERT_NE(question, nullptr);
  PressButton(question, IDCANCEL);
  ASSERT_TRUE(WaitForQuestion(false));

  // 0.5 seconds are cut to none and raised to the least wait, 250 ms: far
  // shorter than the 2000 ms above, and no whole second either.
  const std::string script = dir_.File("close.zxm");
  ASSERT_TRUE(WriteTextFile(script, ScriptText(Step("Close Window", "Unsaved Document", "Title",
                                                    Field("timeout", "0.5") + kIgnore))));
  const std::string log = dir_.File("close_log.txt");
  Process run = StartProgram("/r \"" + script + "\"", log);
  ASSERT_TRUE(WaitForLogText(log, "[STEP 1]", kRunMs));
  const DWORD step_start = GetTickCount();
  std::string text;
  ASSERT_TRUE(WaitForLogText(log, "ERROR while running [STEP 1]", kRunMs, &text));
  const DWORD step_ms = GetTickCount() - step_start;
  EXPECT_NE(text.find("Window 'Unsaved Document' is still open"), std::string::npos) << text;
  EXPECT_GE(step_ms, 200u);
  EXPECT_LT(step_ms, 1000u);
  EXPECT_TRUE(run.Wait(kRunMs, &code));
  EXPECT_FALSE(unsaved.Wait(0, &code));

  // The user answers No: the program ends by itself.
  ASSERT_TRUE(WaitForQuestion(true));
  PressButton(FindWindowW(L"#32770", L"Editor"), IDNO);
  EXPECT_TRUE(unsaved.Wait(5000, &code));
}

TEST_F(WindowStepsTest, DoubleClickedMaximisedMinimisedAndRestored) {
  HWND dialog = StartDialog();
  ASSERT_NE(dialog, nullptr);
  RECT rect = {};
  GetWindowRect(dialog, &rect);
  const int bx = 330, by = 320;  // a blank point of the client area
  const RunResult r = Run(Step("Activate", "Test Dialog", "Title") +
                          Step("Left Button Double-Click", At(bx, by), "Window") +
                          Step("Maximize", "Test Dialog", "Title") +
                          Step("Minimize/Restore", "Test Dialog", "Title") +
                          Step("Minimize/Restore", "Test Dialog", "Title"));
  ASSERT_TRUE(r.finished) << r.log;
  EXPECT_EQ(r.log.find("ERROR"), std::string::npos) << r.log;
  EXPECT_TRUE(Recorded("double " + At(rect.left + bx, rect.top + by))) << "the system saw a double-click\n"
                                                                       << Record();
  // The kinds of resize since the dialog was shown, repeats folded.
  const std::string record = Record();
  std::string sizes;
  for (std::size_t at = record.find("ready"); (at = record.find("size ", at)) != std::string::npos; at += 5)
    if (sizes.empty() || sizes.back() != record[at + 5]) sizes += record[at + 5];
  EXPECT_EQ(sizes, "212") << "maximised, minimised, then restored to maximised\n" << record;
  EXPECT_TRUE(IsZoomed(dialog));
  EXPECT_EQ(GetForegroundWindow(), dialog) << "the restored window is activated";
}

// Shown, the editor's own windows are framed top-level windows too: the run
// must survive its own step.
TEST_F(WindowStepsTest, CloseAllClosesOtherProgramsFramedWindowsOnly) {
  EndNewProcesses end_titled("titled_window.exe"), end_picture("bitmap_window.exe");
  HWND dialog = StartDialog();
  ASSERT_NE(dialog, nullptr);
  Process titled = Process::Start(Wide(TestProgramPath("titled_window.exe")), L"Zelomat close-all window");
  HWND framed = WaitForTitledWindow(L"Zelomat close-all window", kGuiWaitMs);
  ASSERT_NE(framed, nullptr);
  Process picture = Process::Start(Wide(TestProgramPath("bitmap_window.exe")), L"600 500");
  HWND unframed = WaitForTitledWindow(L"Zelomat bitmap window", kGuiWaitMs);
  ASSERT_NE(unframed, nullptr);
  const std::string script = dir_.File("close_all.zxm");
  ASSERT_TRUE(WriteTextFile(script, ScriptText(Step("Close all Windows", "") + Note("the run went on") +
                                               Step("Exit Zelomat", ""))));
  const RunResult r = RunProgram("/v \"" + script + "\"", dir_.File("log.txt"), kRunMs);
  ASSERT_TRUE(r.finished) << r.log;
  EXPECT_EQ(Notes(), "the run went on|") << r.log;
  DWORD code = 0;
  EXPECT_TRUE(titled.Wait(5000, &code)) << "a framed window of another program is closed";
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_TRUE(IsWindow(unframed)) << "a window without a frame stays";
}

TEST_F(WindowStepsTest, TheMouseGlidesClicksAndIsReleasedAtTheEnd) {
  HWND dialog = StartDialog();
  ASSERT_NE(dialog, nullptr);
  SetCursorPos(50, 60);
  RECT rect = {};
  GetWindowRect(dialog, &rect);
  RECT button = {};
  GetWindowRect(GetDlgItem(dialog, 1001), &button);
  // A blank point of the dialog's client area, by the window's corner.
  const int bx = 330, by = 320;
  const RunResult r = Run(
      Step("Move", "0,0") + Note("after 0,0 at %mouse_x,%mouse_y") +
      Step("Move", "300, 250") + Note("after move at %mouse_x,%mouse_y") +
      Step("Move Relative", "10, -5", "Current Position") + Note("after relative at %mouse_x,%mouse_y") +
      Step("Activate", "Test Dialog", "Title") +
      Step("Left Button Click", std::to_string(bx) + ", " + std::to_string(by), "Window") +
      Step("Right Button Click", "") + Step("Mouse Wheel Up", "") +
      Step("Move to Control", "Button|1001", "Class,ID") + Note("on the button at %mouse_x,%mouse_y") +
      Step("Move to Window", "Test Dialog", "Title", Field("value1", "Snap to Position")) +
      Note("on the window at %mouse_x,%mouse_y") +
      Step("Left Button Down + Hold", std::to_string(bx) + ", " + std::to_string(by), "Window"));
  ASSERT_TRUE(r.finished) << r.log;
  EXPECT_NE(Notes().find("after 0,0 at 50,60"), std::string::npos) << Notes();
  EXPECT_NE(Notes().find("after move at 300,250"), std::string::npos) << Notes();
  EXPECT_NE(Notes().find("after relative at 310,245"), std::string::npos) << Notes();
  const std::string click = At(rect.left + bx, rect.top + by);
  EXPECT_TRUE(Recorded("left " + click)) << Record();
  EXPECT_TRUE(Recorded("right " + click)) << Record();
  EXPECT_TRUE(Recorded("wheel 120")) << Record();
  EXPECT_NE(Notes().find("on the button at " + At((button.left + button.right) / 2, (button.top + button.bottom) / 2)),
            std::string::npos)
      << r.log;
  EXPECT_NE(Notes().find("on the window at " + At(rect.left, rect.top)), std::string::npos) << Notes();
  EXPECT_TRUE(Recorded("left " + click, 2)) << "held down once more at the end";
  EXPECT_TRUE(Recorded("left up " + click, 2)) << "released when the run ended\n" << Record();
}

TEST_F(WindowStepsTest, AHungWindowHoldsALookupUpOnlyBriefly) {
  ASSERT_NE(StartDialog("hang"), nullptr);
  const DWORD start = GetTickCount();
  const RunResult r = Run(Step("IF Window Exists", "No such window") + Note("found") + Step("END IF", ""));
  const DWORD elapsed = GetTickCount() - start;
  ASSERT_TRUE(r.finished) << r.log;
  EXPECT_EQ(Notes().find("found"), std::string::npos);
  // The dialog and its ten controls each get 100 ms; the rest is the run.
  EXPECT_LT(elapsed, 6000u);
}

}  // namespace
}  // namespace zelo::test
