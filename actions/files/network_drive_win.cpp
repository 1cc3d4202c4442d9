// Network drives through "MPR.DLL", loaded at run time so that the program
// starts on systems without it.
#include <windows.h>

#include "actions/files/network_drive.h"
#include "base/system_error_win.h"
#include "base/win32_owners_win.h"

namespace zelo {

namespace {

using AddConnection2A = DWORD(WINAPI*)(NETRESOURCEA*, const char*, const char*, DWORD);
using ConnectionDialog = DWORD(WINAPI*)(HWND, DWORD);

constexpr DWORD kGlobalNetScope = 2;

}  // namespace

DriveResult ConnectNetworkDrive(const std::string& drive, const std::string& share, std::string* error) {
  const Library mpr(LoadLibraryW(L"MPR.DLL"));
  const auto add = LibraryFunction<AddConnection2A>(mpr, "WNetAddConnection2A");
  if (!add) {
    if (error) *error = "Unable to load WNetAddConnection2A from MPR.DLL";
    return DriveResult::Unavailable;
  }
  std::string local = drive;
  std::string remote = share;
  NETRESOURCEA resource = {};
  resource.dwScope = kGlobalNetScope;
  resource.dwType = RESOURCETYPE_ANY;
  resource.lpLocalName = local.empty() ? nullptr : local.data();
  resource.lpRemoteName = remote.data();
  const DWORD rc = add(&resource, nullptr, nullptr, CONNECT_UPDATE_PROFILE);
  if (rc == NO_ERROR) return DriveResult::Done;
  if (error) *error = SystemErrorText(rc);
  return DriveResult::Failed;
}

DriveResult ShowMapDrivePrompt(std::string* error) {
  const Library mpr(LoadLibraryW(L"MPR.DLL"));
  const auto dialog = LibraryFunction<ConnectionDialog>(mpr, "WNetConnectionDialog");
  if (!dialog) {
    if (error) *error = "Unable to load WNetConnectionDialog from MPR.DLL";
    return DriveResult::Unavailable;
  }
  const DWORD rc = dialog(GetForegroundWindow(), RESOURCETYPE_DISK);
  if (rc == NO_ERROR) return DriveResult::Done;
  if (rc == static_cast<DWORD>(-1)) return DriveResult::Cancelled;
  if (error) *error = SystemErrorText(rc);
  return DriveResult::Failed;
}

}  // namespace zelo
