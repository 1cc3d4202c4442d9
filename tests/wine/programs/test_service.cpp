// Test program: test_service.exe — a Windows service that does nothing but
// run until it is asked to stop. The integration tests install it under a
// name of their own, drive it through scripts, and remove it again.
#include <windows.h>

#include "base/win32_owners_win.h"

namespace {

SERVICE_STATUS_HANDLE g_status_handle = nullptr;
zelo::KernelHandle g_stop_event;

void Report(DWORD state) {
  SERVICE_STATUS status = {};
  status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
  status.dwCurrentState = state;
  status.dwControlsAccepted = state == SERVICE_RUNNING ? SERVICE_ACCEPT_STOP : 0;
  status.dwWin32ExitCode = NO_ERROR;
  SetServiceStatus(g_status_handle, &status);
}

DWORD WINAPI Control(DWORD control, DWORD, void*, void*) {
  if (control == SERVICE_CONTROL_STOP || control == SERVICE_CONTROL_SHUTDOWN) {
    Report(SERVICE_STOP_PENDING);
    SetEvent(g_stop_event.get());
  }
  return NO_ERROR;
}

void WINAPI ServiceMain(DWORD, wchar_t**) {
  g_status_handle = RegisterServiceCtrlHandlerExW(L"", Control, nullptr);
  if (!g_status_handle) return;
  g_stop_event.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  Report(SERVICE_RUNNING);
  WaitForSingleObject(g_stop_event.get(), INFINITE);
  g_stop_event.reset();
  Report(SERVICE_STOPPED);
}

}  // namespace

int main() {
  // The name is not used for a service that has a process of its own.
  wchar_t name[] = L"";
  SERVICE_TABLE_ENTRYW table[] = {{name, ServiceMain}, {nullptr, nullptr}};
  return StartServiceCtrlDispatcherW(table) ? 0 : 1;
}
