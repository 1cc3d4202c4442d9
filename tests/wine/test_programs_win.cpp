#include "tests/wine/test_programs_win.h"

#include <tlhelp32.h>
#include <winsvc.h>

#include <vector>

#include "tests/wine/harness_win.h"

namespace zelo::test {

std::string TestProgramPath(const std::string& exe) {
  return Narrow(WindowsPath(ZELO_TEST_PROGRAMS)) + "\\" + exe;
}

std::string CopyTestProgram(const std::string& exe, const std::string& folder) {
  const std::string copy = folder + "\\" + exe;
  return CopyFileA(TestProgramPath(exe).c_str(), copy.c_str(), FALSE) ? copy : std::string();
}

std::set<DWORD> ProcessesNamed(const std::string& exe) {
  std::set<DWORD> ids;
  const KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return ids;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof entry;
  const std::wstring wide = Wide(exe);
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry))
    if (_wcsicmp(entry.szExeFile, wide.c_str()) == 0) ids.insert(entry.th32ProcessID);
  return ids;
}

bool WaitForProcessCount(const std::string& exe, size_t count, DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (ProcessesNamed(exe).size() == count) return true;
    if (GetTickCount() - start > ms) return false;
    Sleep(50);
  }
}

EndNewProcesses::EndNewProcesses(std::string exe) : exe_(std::move(exe)), before_(ProcessesNamed(exe_)) {}

EndNewProcesses::~EndNewProcesses() {
  for (DWORD id : ProcessesNamed(exe_)) {
    if (before_.count(id)) continue;
    const KernelHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
    if (!process) continue;
    TerminateProcess(process.get(), 99);
    WaitForSingleObject(process.get(), 5000);
  }
}

HWND WaitForTitledWindow(const std::wstring& title, DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    HWND h = FindWindowW(nullptr, title.c_str());
    if (h) return h;
    if (GetTickCount() - start > ms) return nullptr;
    Sleep(50);
  }
}

InstalledTestService::InstalledTestService(const std::string& name) : name_(name) {
  manager_.reset(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
  if (!manager_) return;
  // A service of that name left by an earlier, crashed test run goes first.
  {
    const ServiceHandle old(OpenServiceW(manager_.get(), Wide(name).c_str(), SERVICE_ALL_ACCESS));
    if (old) {
      SERVICE_STATUS status;
      ControlService(old.get(), SERVICE_CONTROL_STOP, &status);
      DeleteService(old.get());
    }
  }
  const std::wstring binary = L"\"" + Wide(TestProgramPath("test_service.exe")) + L"\"";
  // The handles stay open until the destructor removes the service.
  service_.reset(CreateServiceW(manager_.get(), Wide(name).c_str(), Wide(name).c_str(), SERVICE_ALL_ACCESS,
                                SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, binary.c_str(),
                                nullptr, nullptr, nullptr, nullptr, nullptr));
  installed_ = static_cast<bool>(service_);
}

InstalledTestService::~InstalledTestService() {
  if (!service_) return;
  SERVICE_STATUS status;
  if (ControlService(service_.get(), SERVICE_CONTROL_STOP, &status)) WaitForState(SERVICE_STOPPED, 5000);
  DeleteService(service_.get());
}

DWORD InstalledTestService::State() const {
  const ServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
  const ServiceHandle service(manager ? OpenServiceW(manager.get(), Wide(name_).c_str(), SERVICE_QUERY_STATUS)
                                      : nullptr);
  SERVICE_STATUS status = {};
  if (!service || !QueryServiceStatus(service.get(), &status)) return 0;
  return status.dwCurrentState;
}

bool InstalledTestService::WaitForState(DWORD state, DWORD ms) const {
  const DWORD start = GetTickCount();
  for (;;) {
    if (State() == state) return true;
    if (GetTickCount() - start > ms) return false;
    Sleep(50);
  }
}

long InstalledTestService::StartType() const {
  const ServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
  const ServiceHandle service(manager ? OpenServiceW(manager.get(), Wide(name_).c_str(), SERVICE_QUERY_CONFIG)
                                      : nullptr);
  if (!service) return -1;
  DWORD needed = 0;
  QueryServiceConfigW(service.get(), nullptr, 0, &needed);
  std::vector<BYTE> buf(needed ? needed : 1);
  auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buf.data());
  if (!QueryServiceConfigW(service.get(), config, static_cast<DWORD>(buf.size()), &needed)) return -1;
  return static_cast<long>(config->dwStartType);
}

}  // namespace zelo::test
