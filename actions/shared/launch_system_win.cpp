// The launcher's single steps on the running Windows system.
#include <windows.h>

#include <shellapi.h>

#include "actions/shared/association_command.h"
#include "actions/shared/launch_command.h"
#include "actions/shared/path_search.h"
#include "actions/shared/process_list.h"
#include "actions/shared/shell_programs_win.h"
#include "actions/shared/window_number_win.h"
#include "base/ansi_text_win.h"
#include "base/win32_owners_win.h"

namespace zelo {

namespace {

class WinLaunchedProcess : public LaunchedProcess {
 public:
  WinLaunchedProcess(HANDLE process, DWORD id) : process_(process), id_(id) {}
  uint32_t Id() override { return id_; }
  Idle WaitForInputIdle(uint32_t ms) override {
    switch (::WaitForInputIdle(process_.get(), ms)) {
      case 0:
        return Idle::Ready;
      case WAIT_TIMEOUT:
        return Idle::Busy;
      default:
        return Idle::NoInput;
    }
  }
  bool Ended(int32_t* exit_code) override {
    if (WaitForSingleObject(process_.get(), 0) != WAIT_OBJECT_0) return false;
    DWORD code = 0;
    if (!GetExitCodeProcess(process_.get(), &code)) return false;
    *exit_code = static_cast<int32_t>(code);
    return true;
  }

 private:
  KernelHandle process_;
  DWORD id_;
};

class WinLaunchSystem : public LaunchSystem {
 public:
  uint64_t ForegroundWindow() override { return AsNumber(GetForegroundWindow()); }
  std::unique_ptr<LaunchedProcess> StartProcess(const std::string& command_line, const std::string* folder,
                                                 bool visible) override {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(visible ? SW_SHOWDEFAULT : SW_HIDE);
    const DWORD flags = NORMAL_PRIORITY_CLASS | (visible ? 0 : CREATE_NO_WINDOW);
    std::wstring command = AnsiToWide(command_line);
    const std::wstring wide_folder = folder ? AnsiToWide(*folder) : std::wstring();
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, flags, nullptr,
                        folder ? wide_folder.c_str() : nullptr, &startup, &info))
      return nullptr;
    const KernelHandle thread(info.hThread);  // not needed: the process is what is waited for
    return std::make_unique<WinLaunchedProcess>(info.hProcess, info.dwProcessId);
  }
  bool ResolvePath(std::string_view name, std::string* out) override { return zelo::ResolvePath(name, out); }
  bool ExecutableFor(const std::string& file, std::string* program) override {
    return ShellExecutableFor(file, std::string(), program);
  }
  bool AssociationCommand(std::string_view type, const std::string& file, std::string* program) override {
    return zelo::AssociationCommand(type, program, &file);
  }
  bool ShellOpen(const std::string& file, uint64_t owner, bool visible) override {
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(AsWindow(owner), L"open", AnsiToWide(file).c_str(),
                                                                nullptr, nullptr, visible ? SW_SHOWNORMAL : SW_HIDE));
    return result > 32;
  }
  uint64_t WindowOfProcess(uint32_t process_id) override {
    return zelo::WindowOfProcess(SystemProcessSystem().TopWindows(), process_id);
  }
  bool WindowVisible(uint64_t window) override { return IsWindowVisible(AsWindow(window)) != 0; }
  void HideWindow(uint64_t window) override { ShowWindow(AsWindow(window), SW_HIDE); }
  void SetForegroundWindow(uint64_t window) override { ::SetForegroundWindow(AsWindow(window)); }
  uint32_t Ticks() override { return GetTickCount(); }
  void Sleep(uint32_t ms) override { ::Sleep(ms); }
};

}  // namespace

LaunchSystem& SystemLaunchSystem() {
  static WinLaunchSystem system;
  return system;
}

}  // namespace zelo
