// Starts the real Zelomat.exe as a user would and checks what it shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/wine/process_win.h"

namespace {

TEST(Startup, ShowsMainWindowAndClosesCleanly) {
  zelo::test::Process p = zelo::test::Process::Start(zelo::test::ZelomatExe(), L"");
  ASSERT_TRUE(p.valid());
  HWND main = zelo::test::WaitForWindow(L"Zelomat", nullptr, 10000);
  ASSERT_NE(main, nullptr) << "no window of class \"Zelomat\" appeared";
  wchar_t title[256] = {};
  GetWindowTextW(main, title, 256);
  EXPECT_STREQ(title, L"(Untitled) - Zelomat");
  PostMessageW(main, WM_CLOSE, 0, 0);
  DWORD code = 0;
  ASSERT_TRUE(p.Wait(10000, &code)) << "Zelomat.exe did not end after WM_CLOSE";
  EXPECT_EQ(code, 0u);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 2) {
    fprintf(stderr, "usage: wine_tests PATH-TO-Zelomat.exe\n");
    return 2;
  }
  zelo::test::ZelomatExe() = zelo::test::WindowsPath(argv[1]);
  return RUN_ALL_TESTS();
}
