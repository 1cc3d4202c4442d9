// Starts the real Zelomat.exe as a user would and checks what it shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/wine/process_win.h"

namespace {

std::wstring g_exe;

TEST(Startup, ShowsMainWindowAndClosesCleanly) {
  zelo::test::Process p = zelo::test::Process::Start(g_exe, L"");
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

// Reads a number straight from the registry, past the program's own store.
bool RegistryNumber(const wchar_t* key, const wchar_t* name, DWORD* out) {
  DWORD size = sizeof *out;
  return RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, out, &size) == ERROR_SUCCESS;
}

TEST(Startup, WritesMissingDefaultsAndRepairsTheStopKey) {
  const wchar_t* key = L"SOFTWARE\\Zelomat";
  HKEY k = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr),
            ERROR_SUCCESS);
  const DWORD zero = 0, speed = 3;
  RegSetValueExW(k, L"StopKey", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zero), sizeof zero);
  RegSetValueExW(k, L"Speed", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&speed), sizeof speed);
  RegDeleteValueW(k, L"MaxUndo");
  RegCloseKey(k);

  zelo::test::Process p = zelo::test::Process::Start(g_exe, L"");
  ASSERT_TRUE(p.valid());
  HWND main = zelo::test::WaitForWindow(L"Zelomat", nullptr, 10000);
  ASSERT_NE(main, nullptr);
  PostMessageW(main, WM_CLOSE, 0, 0);
  DWORD code = 0;
  ASSERT_TRUE(p.Wait(10000, &code));

  DWORD value = 0;
  ASSERT_TRUE(RegistryNumber(key, L"StopKey", &value));
  EXPECT_EQ(value, 19u);
  ASSERT_TRUE(RegistryNumber(key, L"MaxUndo", &value));
  EXPECT_EQ(value, 500u);
  ASSERT_TRUE(RegistryNumber(key, L"Speed", &value));
  EXPECT_EQ(value, 3u);  // a stored option is kept
  ASSERT_TRUE(RegistryNumber(L"SOFTWARE\\Zelomat\\Palettes\\Properties", L"RowHeight", &value));
  EXPECT_GT(value, 6u);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 2) {
    fprintf(stderr, "usage: wine_tests PATH-TO-Zelomat.exe\n");
    return 2;
  }
  g_exe = zelo::test::WindowsPath(argv[1]);
  return RUN_ALL_TESTS();
}
