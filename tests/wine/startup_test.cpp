// Starts the real Zelomat.exe as a user would and checks what it shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/wine/harness_win.h"

namespace {

TEST(Startup, ShowsMainWindowAndClosesCleanly) {
  zelo::test::Process p = zelo::test::Process::Start(zelo::test::ProgramPath(), L"");
  ASSERT_TRUE(p.valid());
  HWND main = zelo::test::WaitForWindow(L"Zelomat", nullptr, 10000);
  ASSERT_NE(main, nullptr) << "no window of class \"Zelomat\" appeared";
  EXPECT_TRUE(zelo::test::WaitForTitle(main, L"(Untitled) - Zelomat", 5000));
  PostMessageW(main, WM_CLOSE, 0, 0);
  DWORD code = 0;
  ASSERT_TRUE(p.Wait(10000, &code)) << "Zelomat.exe did not end after WM_CLOSE";
  EXPECT_EQ(code, 0u);
}

}  // namespace

