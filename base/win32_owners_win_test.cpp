// The owners give a resource back exactly once, wherever it moved, and a
// failed open leaves them nothing to give back.
#include "base/win32_owners_win.h"

#include <gtest/gtest.h>

#include <utility>

namespace zelo {
namespace {

TEST(Win32Owners, AMovedHandleIsClosedOnceByItsLastOwner) {
  KernelHandle first(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  ASSERT_TRUE(first);
  const HANDLE event = first.get();
  DWORD flags = 0;
  {
    KernelHandle second(std::move(first));
    KernelHandle last;
    last = std::move(second);
    EXPECT_FALSE(first);
    EXPECT_FALSE(second);
    EXPECT_TRUE(GetHandleInformation(event, &flags)) << "a move must not close it";
  }
  EXPECT_FALSE(GetHandleInformation(event, &flags)) << "its last owner closes it";
}

TEST(Win32Owners, TheFailureValuesOfOpeningCallsOwnNothing) {
  WIN32_FIND_DATAW found;
  EXPECT_FALSE(FindHandle(FindFirstFileW(L"C:\\zelo no such folder\\*", &found)));
  EXPECT_FALSE(KernelHandle(CreateFileW(L"C:\\zelo no such folder\\x", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr)));
  EXPECT_FALSE(OpenRegistryKey(HKEY_CURRENT_USER, L"SOFTWARE\\Zelomat no such key", KEY_READ));
}

}  // namespace
}  // namespace zelo
