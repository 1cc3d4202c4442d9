// The process list, top-level windows and the ending of a process, from the
// running Windows system.
#include <windows.h>

#include <tlhelp32.h>

#include "actions/shared/process_list.h"
#include "actions/shared/window_number_win.h"
#include "base/ansi_text_win.h"
#include "base/system_error_win.h"
#include "base/win32_owners_win.h"

namespace zelo {

namespace {

// The process-status library's entry points, bound at run time: older
// systems lack it, and the snapshot is the usual way.
using EnumProcessesFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
using EnumProcessModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, DWORD*);
using GetModuleBaseNameFn = DWORD(WINAPI*)(HANDLE, HMODULE, wchar_t*, DWORD);

constexpr DWORD kFirstIdBufferBytes = 1024;

bool ListBySnapshot(std::vector<ProcessEntry>* processes) {
  KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return false;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof entry;
  if (!Process32FirstW(snapshot.get(), &entry)) return false;
  do {
    // The snapshot may name the executable with its folder on old systems.
    const std::string name = WideToAnsi(entry.szExeFile);
    const std::size_t slash = name.rfind('\\');
    processes->push_back({entry.th32ProcessID, slash == std::string::npos ? name : name.substr(slash + 1)});
  } while (Process32NextW(snapshot.get(), &entry));
  return true;
}

bool ListByModuleNames(std::vector<ProcessEntry>* processes) {
  const Library psapi(LoadLibraryW(L"PSAPI.DLL"));
  const auto enum_processes = LibraryFunction<EnumProcessesFn>(psapi, "EnumProcesses");
  const auto enum_modules = LibraryFunction<EnumProcessModulesFn>(psapi, "EnumProcessModules");
  const auto base_name = LibraryFunction<GetModuleBaseNameFn>(psapi, "GetModuleBaseNameW");
  if (!enum_processes || !enum_modules || !base_name) return false;

  std::vector<DWORD> ids(kFirstIdBufferBytes / sizeof(DWORD));
  DWORD returned = 0;
  for (;;) {
    const DWORD bytes = static_cast<DWORD>(ids.size() * sizeof(DWORD));
    if (!enum_processes(ids.data(), bytes, &returned)) return false;
    if (returned < bytes) break;
    ids.resize(ids.size() * 2);
  }
  ids.resize(returned / sizeof(DWORD));
  for (DWORD id : ids) {
    ProcessEntry entry;
    entry.id = id;
    KernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id));
    HMODULE module = nullptr;
    DWORD needed = 0;
    wchar_t name[MAX_PATH];
    if (process && enum_modules(process.get(), &module, sizeof module, &needed)) {
      const DWORD n = base_name(process.get(), module, name, MAX_PATH);
      if (n > 0) entry.name = WideToAnsi(std::wstring_view(name, n));
    }
    processes->push_back(std::move(entry));
  }
  return true;
}

// Ending another user's or a service's process needs the debug privilege.
void EnableDebugPrivilege() {
  KernelHandle token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.receive())) return;
  TOKEN_PRIVILEGES privileges = {};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!LookupPrivilegeValueW(nullptr, L"SeDebugPrivilege", &privileges.Privileges[0].Luid)) return;
  AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr);
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
  auto* windows = reinterpret_cast<std::vector<TopWindow>*>(param);
  TopWindow w;
  w.handle = AsNumber(window);
  w.titled = GetWindowTextLengthW(window) > 0;
  DWORD pid = 0;
  w.thread_id = GetWindowThreadProcessId(window, &pid);
  w.process_id = pid;
  const HWND parent = GetParent(window);
  if (parent != nullptr && parent != GetDesktopWindow()) w.parent = AsNumber(parent);
  windows->push_back(w);
  return TRUE;
}

class WinProcessSystem : public ProcessSystem {
 public:
  bool ListProcesses(bool module_names, std::vector<ProcessEntry>* processes) override {
    processes->clear();
    return module_names ? ListByModuleNames(processes) : ListBySnapshot(processes);
  }
  std::vector<TopWindow> TopWindows() override {
    std::vector<TopWindow> windows;
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
  }
  bool EndProcess(uint32_t id, std::string* error) override {
    EnableDebugPrivilege();
    KernelHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, id));
    if (!process || !TerminateProcess(process.get(), 0)) {
      *error = SystemErrorText(GetLastError());
      return false;
    }
    return true;
  }
};

}  // namespace

ProcessSystem& SystemProcessSystem() {
  static WinProcessSystem system;
  return system;
}

}  // namespace zelo
