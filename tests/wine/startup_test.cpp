// Starts the real Zelomat.exe as a user would and checks what it shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/wine/harness_win.h"

namespace {

TEST(Startup, ShowsMainWindowAndClosesCleanly) {
  zelo::test::Process p = zelo::test::Process::Start(zelo::test::ProgramPath(), L"");
  ASSERT_TRUE(p.valid());
  HWND main = zelo::test::WaitForWindow(L"Zelomat", nullptr, zelo::test::kGuiWaitMs);
  ASSERT_NE(main, nullptr) << "no window of class \"Zelomat\" appeared";
  EXPECT_TRUE(zelo::test::WaitForTitle(main, L"(Untitled) - Zelomat", 5000));
  PostMessageW(main, WM_CLOSE, 0, 0);
  DWORD code = 0;
  ASSERT_TRUE(p.Wait(zelo::test::kGuiWaitMs, &code)) << "Zelomat.exe did not end after WM_CLOSE";
  EXPECT_EQ(code, 0u);
}

// Reads a number straight from the registry, past the program's own store.
bool RegistryNumber(const wchar_t* key, const wchar_t* name, DWORD* out) {
  DWORD size = sizeof *out;
  return RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, out, &size) == ERROR_SUCCESS;
}

TEST(Startup, WritesMissingDefaultsAndRepairsTheStopKey) {
  ASSERT_TRUE(zelo::test::SetZelomatNumber("StopKey", 0));
  ASSERT_TRUE(zelo::test::SetZelomatNumber("Speed", 3));
  zelo::test::DeleteZelomatValue("MaxUndo");

  zelo::test::Process p = zelo::test::Process::Start(zelo::test::ProgramPath(), L"");
  ASSERT_TRUE(p.valid());
  HWND main = zelo::test::WaitForWindow(L"Zelomat", nullptr, zelo::test::kGuiWaitMs);
  ASSERT_NE(main, nullptr);
  PostMessageW(main, WM_CLOSE, 0, 0);
  DWORD code = 0;
  ASSERT_TRUE(p.Wait(zelo::test::kGuiWaitMs, &code));

  DWORD value = 0;
  ASSERT_TRUE(RegistryNumber(L"SOFTWARE\\Zelomat", L"StopKey", &value));
  EXPECT_EQ(value, 19u);
  ASSERT_TRUE(RegistryNumber(L"SOFTWARE\\Zelomat", L"MaxUndo", &value));
  EXPECT_EQ(value, 500u);
  ASSERT_TRUE(RegistryNumber(L"SOFTWARE\\Zelomat", L"Speed", &value));
  EXPECT_EQ(value, 3u);  // a stored option is kept
  zelo::test::SetZelomatNumber("Speed", 5);  // back to its default for the tests that follow
  ASSERT_TRUE(RegistryNumber(L"SOFTWARE\\Zelomat\\Palettes\\Properties", L"RowHeight", &value));
  EXPECT_GT(value, 6u);
}

}  // namespace

