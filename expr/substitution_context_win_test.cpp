#include "expr/substitution_context_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/ansi_text_win.h"
#include "base/win32_owners_win.h"
#include "expr/expand_text.h"
#include "expr/windows_version_name.h"
#include "settings/memory_settings.h"
#include "settings/settings.h"

namespace zelo {
namespace {

// A window of this thread that owns what the tests put on the clipboard.
class OwnerWindow {
 public:
  OwnerWindow()
      : h_(CreateWindowExW(0, L"STATIC", L"zelo clipboard owner", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, nullptr,
                           nullptr)) {}
  ~OwnerWindow() {
    if (h_) DestroyWindow(h_);
  }
  OwnerWindow(const OwnerWindow&) = delete;
  OwnerWindow& operator=(const OwnerWindow&) = delete;
  HWND get() const { return h_; }

 private:
  HWND h_;
};

// Field expansion through the context, on a store of its own.
class WinContextTest : public ::testing::Test {
 protected:
  WinContextTest() {
    UseSettings(&store);
    UseSubstitutionContext(&context);
    context.set_main_window(owner.get());
  }
  ~WinContextTest() override {
    UseSubstitutionContext(nullptr);
    UseSettings(nullptr);
  }
  std::string Expand(std::string_view field) {
    ExpandText(field, 0, 0);
    return ExpansionBuffer();
  }

  MemorySettings store;
  OwnerWindow owner;
  WinSubstitutionContext context;
};

TEST_F(WinContextTest, EnvironmentVariablesAreTheProcesssOwn) {
  ASSERT_TRUE(SetEnvironmentVariableW(L"ZELO_CONTEXT_TEST", L"from the test"));
  ASSERT_TRUE(SetEnvironmentVariableW(L"ZELO_CONTEXT_EMPTY", L""));
  SetEnvironmentVariableW(L"ZELO_CONTEXT_MISSING", nullptr);
  std::string value = "old";
  EXPECT_TRUE(context.EnvironmentVariable("zelo_context_test", &value));
  EXPECT_EQ(value, "from the test");
  EXPECT_TRUE(context.EnvironmentVariable("ZELO_CONTEXT_EMPTY", &value));
  EXPECT_EQ(value, "");
  EXPECT_FALSE(context.EnvironmentVariable("ZELO_CONTEXT_MISSING", &value));
  EXPECT_FALSE(context.EnvironmentVariable("=C:", &value));
  EXPECT_EQ(Expand("[%ZELO_CONTEXT_TEST%] [%ZELO_CONTEXT_MISSING%]"), "[from the test] [%ZELO_CONTEXT_MISSING%]");
  // A value longer than the first buffer.
  const std::wstring long_value(5000, L'v');
  ASSERT_TRUE(SetEnvironmentVariableW(L"ZELO_CONTEXT_TEST", long_value.c_str()));
  EXPECT_TRUE(context.EnvironmentVariable("ZELO_CONTEXT_TEST", &value));
  EXPECT_EQ(value, std::string(5000, 'v'));
  SetEnvironmentVariableW(L"ZELO_CONTEXT_TEST", nullptr);
  SetEnvironmentVariableW(L"ZELO_CONTEXT_EMPTY", nullptr);
}

TEST_F(WinContextTest, TheClockIsTheSystemsLocalTime) {
  SYSTEMTIME before, after;
  GetLocalTime(&before);
  const CivilTime now = context.LocalTime(context.Now());
  GetLocalTime(&after);
  // Equal to one of the two readings around it, unless a minute turned in
  // between; the seconds are compared through the whole time of day.
  const int seconds = now.hour * 3600 + now.minute * 60 + now.second;
  const int low = before.wHour * 3600 + before.wMinute * 60 + before.wSecond;
  const int high = after.wHour * 3600 + after.wMinute * 60 + after.wSecond;
  EXPECT_TRUE((seconds >= low && seconds <= high) || high < low) << seconds << " not in " << low << ".." << high;
  EXPECT_EQ(now.year, after.wYear);
  EXPECT_EQ(now.month, after.wMonth);
  EXPECT_EQ(now.day, after.wDay);
  EXPECT_EQ(now.weekday, after.wDayOfWeek);
  const uint32_t ticks = GetTickCount();
  EXPECT_LE(context.TickCount() - ticks, 1000u);
  char year[8];
  snprintf(year, sizeof year, "%04d", after.wYear);
  EXPECT_EQ(Expand("%yyyy"), year);
}

TEST_F(WinContextTest, TheDayOfAMomentFollowsTheCalendar) {
  // 2007-03-14 12:00 UTC is a Wednesday everywhere on Earth within +/-11 hours.
  const CivilTime t = context.LocalTime(1173873600);
  EXPECT_EQ(t.year, 2007);
  EXPECT_EQ(t.month, 3);
  EXPECT_EQ(t.day, 14);
  EXPECT_EQ(t.weekday, 3);
}

TEST_F(WinContextTest, FoldersAreTheSystemsAndTheProgramsOwn) {
  wchar_t module[MAX_PATH];
  ASSERT_GT(GetModuleFileNameW(nullptr, module, MAX_PATH), 0u);
  const std::string exe = WideToAnsi(module);
  EXPECT_EQ(context.ProgramFolder(), exe.substr(0, exe.find_last_of('\\')));
  EXPECT_EQ(ExecutableFolder(), context.ProgramFolder());

  wchar_t folder[MAX_PATH];
  GetSystemDirectoryW(folder, MAX_PATH);
  EXPECT_EQ(context.SystemFolder(), WideToAnsi(folder));
  EXPECT_EQ(Expand("%sysdir"), WideToAnsi(folder));
  GetWindowsDirectoryW(folder, MAX_PATH);
  EXPECT_EQ(Expand("%WINDIR"), WideToAnsi(folder));
  GetCurrentDirectoryW(MAX_PATH, folder);
  EXPECT_EQ(Expand("%CurDir"), WideToAnsi(folder));
}

TEST_F(WinContextTest, TempfileIsANewEmptyFileEachExpansion) {
  const std::string first = Expand("%tempfile|%tempfile");
  const std::size_t bar = first.find('|');
  ASSERT_NE(bar, std::string::npos);
  const std::string path = first.substr(0, bar);
  EXPECT_EQ(first.substr(bar + 1), path) << "every occurrence gets the same name";
  WIN32_FILE_ATTRIBUTE_DATA data;
  ASSERT_TRUE(GetFileAttributesExW(AnsiToWide(path).c_str(), GetFileExInfoStandard, &data)) << path;
  EXPECT_EQ(data.nFileSizeLow, 0u);
  const std::string second = Expand("%tempfile");
  EXPECT_NE(second, path);
  DeleteFileW(AnsiToWide(path).c_str());
  DeleteFileW(AnsiToWide(second).c_str());
}

TEST_F(WinContextTest, ClipboardRoundTripsPlainTextAndEmpties) {
  ASSERT_TRUE(context.SetClipboardText(std::string("copied \xE9t\xE9\0tail", 15)));
  EXPECT_EQ(context.ClipboardText(), "copied \xE9t\xE9");
  EXPECT_EQ(Expand("[%clipboard]"), "[copied \xE9t\xE9]");
  {
    const OpenedClipboard clipboard(owner.get());
    ASSERT_TRUE(clipboard.open());
    EXPECT_NE(GetClipboardData(CF_TEXT), nullptr) << "other programs read it as ANSI text too";
  }
  context.EmptyClipboard();
  EXPECT_EQ(context.ClipboardText(), "");
  EXPECT_EQ(Expand("[%CLIPBOARD]"), "[]");
}

TEST_F(WinContextTest, ScreenMouseAndForegroundWindowAreLive) {
  int32_t width = 0, height = 0;
  context.ScreenSize(&width, &height);
  EXPECT_EQ(width, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(height, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(Expand("%screen_x x %screen_y"), std::to_string(width) + " x " + std::to_string(height));
  POINT p;
  GetCursorPos(&p);
  int32_t x = -1, y = -1;
  context.MousePosition(&x, &y);
  EXPECT_EQ(x, p.x);
  EXPECT_EQ(y, p.y);
  EXPECT_EQ(context.ForegroundWindowHandle(), reinterpret_cast<intptr_t>(GetForegroundWindow()));
}

TEST_F(WinContextTest, TheCurrentWindowIsWhatTheProgramFoundWhileItLives) {
  HWND window = CreateWindowExW(0, L"STATIC", L"found", WS_POPUP, 30, 40, 200, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  ScreenRect rect;
  EXPECT_FALSE(context.CurrentWindowRect(&rect)) << "no lookup has found a window yet";
  ProgramFacts facts;
  facts.current_window = [&window] { return window; };
  context.set_program_facts(facts);
  ASSERT_TRUE(context.CurrentWindowRect(&rect));
  EXPECT_EQ(rect.left, 30);
  EXPECT_EQ(rect.top, 40);
  EXPECT_EQ(Expand("%window_x,%window_y,%window_wide,%window_hi"), "30,40,200,100");
  DestroyWindow(window);
  EXPECT_FALSE(context.CurrentWindowRect(&rect)) << "a window that is gone is no current window";
}

TEST_F(WinContextTest, ProgramFactsComeFromTheProgram) {
  EXPECT_EQ(context.ScriptFileName(0), "");
  EXPECT_EQ(context.LoopCounter(0), 0);
  EXPECT_EQ(context.MainWindowHandle(), reinterpret_cast<intptr_t>(owner.get()));
  std::vector<std::string> lines;
  ProgramFacts facts;
  facts.script_file = [](int slot) { return slot == 1 ? std::string("C:\\scripts\\job.zxm") : std::string(); };
  facts.loop_counter = [](int slot) { return slot * 10; };
  facts.run_repeats = [](int slot) { return slot == 1 ? 4 : -1; };
  facts.log = [&lines](std::string_view line) { lines.emplace_back(line); };
  context.set_program_facts(facts);
  ExpandText("%filebasename in %filepath, loop %lll, repeat %e", 1, 0);
  EXPECT_EQ(ExpansionBuffer(), "job.zxm in C:\\scripts, loop 011, repeat 4");
  context.WriteLog("\tline\r\n");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "\tline\r\n");
}

TEST_F(WinContextTest, TheWindowsVersionHasAName) {
  const OsVersion v = context.WindowsVersion();
  EXPECT_GE(v.major, 4u);
  EXPECT_FALSE(v.nine_x_line);
  const std::string name = Expand("%winver");
  EXPECT_EQ(name, WindowsVersionName(v));
  EXPECT_EQ(name.rfind("Windows ", 0), 0u) << name;
}

}  // namespace
}  // namespace zelo
