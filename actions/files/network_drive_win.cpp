// Network drives through "MPR.DLL", loaded at run time so that the program
// starts on systems without it.
#include <windows.h>

#include "actions/files/network_drive.h"
#include "base/system_error_win.h"

namespace zelo {

namespace {

class Library {
 public:
  explicit Library(const wchar_t* name) : module_(LoadLibraryW(name)) {}
  ~Library() {
    if (module_) FreeLibrary(module_);
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;
  template <typename F>
  F Function(const char* name) const {
    return module_ ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module_, name))) : nullptr;
  }

 private:
  HMODULE module_;
};

using AddConnection2A = DWORD(WINAPI*)(NETRESOURCEA*, const char*, const char*, DWORD);
using ConnectionDialog = DWORD(WINAPI*)(HWND, DWORD);

constexpr DWORD kGlobalNetScope = 2;

}  // namespace

DriveResult ConnectNetworkDrive(const std::string& drive, const std::string& share, std::string* error) {
  const Library mpr(L"MPR.DLL");
  const auto add = mpr.Function<AddConnection2A>("WNetAddConnection2A");
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
  const Library mpr(L"MPR.DLL");
  const auto dialog = mpr.Function<ConnectionDialog>("WNetConnectionDialog");
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
