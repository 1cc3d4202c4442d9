// Starting, stopping and configuring a service through the service control
// manager of the local machine.
#include <windows.h>

#include <winsvc.h>

#include "actions/programs/program_platform.h"
#include "base/ansi_text_win.h"
#include "base/system_error_win.h"
#include "base/win32_owners_win.h"

namespace zelo {

namespace {

bool Failed(std::string* error, DWORD code) {
  *error = SystemErrorText(code);
  return false;
}

DWORD StartTypeOf(StartupType type) {
  switch (type) {
    case StartupType::Automatic:
      return SERVICE_AUTO_START;
    case StartupType::Manual:
      return SERVICE_DEMAND_START;
    case StartupType::Disabled:
      return SERVICE_DISABLED;
    case StartupType::Unknown:
      break;
  }
  return SERVICE_NO_CHANGE;
}

}  // namespace

bool ControlServiceByName(std::string_view name, ServiceRequest request, StartupType type, std::string* error) {
  ServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
  if (!manager) return Failed(error, GetLastError());
  const DWORD access = request == ServiceRequest::SetStartupType ? SERVICE_CHANGE_CONFIG : SERVICE_START | SERVICE_STOP;
  ServiceHandle service(OpenServiceW(manager.get(), AnsiToWide(name).c_str(), access));
  if (!service) return Failed(error, GetLastError());
  switch (request) {
    case ServiceRequest::SetStartupType: {
      const DWORD start_type = StartTypeOf(type);
      // No last error tells of a word the step does not know; the system's
      // text for an invalid parameter does.
      if (start_type == SERVICE_NO_CHANGE) return Failed(error, ERROR_INVALID_PARAMETER);
      if (!ChangeServiceConfigW(service.get(), SERVICE_NO_CHANGE, start_type, SERVICE_NO_CHANGE, nullptr, nullptr,
                                nullptr, nullptr, nullptr, nullptr, nullptr))
        return Failed(error, GetLastError());
      return true;
    }
    case ServiceRequest::Start:
      if (!StartServiceW(service.get(), 0, nullptr)) return Failed(error, GetLastError());
      return true;
    case ServiceRequest::Stop: {
      SERVICE_STATUS status = {};
      if (!ControlService(service.get(), SERVICE_CONTROL_STOP, &status)) return Failed(error, GetLastError());
      return true;
    }
  }
  return Failed(error, ERROR_INVALID_PARAMETER);
}

}  // namespace zelo
