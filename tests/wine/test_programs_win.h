// The small programs the integration tests start through scripts, and the
// clean-up of the processes and the service those tests leave behind — also
// when a test fails half-way.
#pragma once

#include <windows.h>

#include <winsvc.h>

#include <set>
#include <string>

#include "base/win32_owners_win.h"

namespace zelo::test {

// Windows path of a test program ("exit_code.exe") in the build.
std::string TestProgramPath(const std::string& exe);
// Copies a test program into folder; the copy's path, empty on failure.
std::string CopyTestProgram(const std::string& exe, const std::string& folder);

// Processes whose executable is named so (any case).
std::set<DWORD> ProcessesNamed(const std::string& exe);
// Waits until the count of such processes is as expected.
bool WaitForProcessCount(const std::string& exe, size_t count, DWORD ms);

// Ends, on scope exit, every process of that name that did not run when the
// object was made.
class EndNewProcesses {
 public:
  explicit EndNewProcesses(std::string exe);
  ~EndNewProcesses();
  EndNewProcesses(const EndNewProcesses&) = delete;
  EndNewProcesses& operator=(const EndNewProcesses&) = delete;

 private:
  std::string exe_;
  std::set<DWORD> before_;
};

// A top-level window with that title (any process); nullptr when none.
HWND WaitForTitledWindow(const std::wstring& title, DWORD ms);

// The test service: installed under name by the constructor (on demand
// start), stopped and removed by the destructor.
class InstalledTestService {
 public:
  explicit InstalledTestService(const std::string& name);
  ~InstalledTestService();
  InstalledTestService(const InstalledTestService&) = delete;
  InstalledTestService& operator=(const InstalledTestService&) = delete;
  bool installed() const { return installed_; }
  // SERVICE_RUNNING, SERVICE_STOPPED...; 0 when it cannot be read.
  DWORD State() const;
  bool WaitForState(DWORD state, DWORD ms) const;
  // SERVICE_AUTO_START, SERVICE_DEMAND_START, SERVICE_DISABLED; -1 when unreadable.
  long StartType() const;

 private:
  std::string name_;
  bool installed_ = false;
  ServiceHandle manager_;
  ServiceHandle service_;
};

}  // namespace zelo::test
