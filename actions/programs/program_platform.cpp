#include "actions/programs/program_platform.h"

#include "actions/shared/process_list.h"

namespace zelo {

namespace {

class SystemPlatform : public ProgramPlatform {
 public:
  int FindProcessWindow(std::string_view name, bool second_try, uint64_t* window) override {
    return EnumProcesses(name, kFindProcessWindow, window, second_try);
  }
  int EndProcess(std::string_view name, bool second_try, bool* ended, std::string* error) override {
    ProcessScan scan = ScanProcesses(SystemProcessSystem(), name, kEndProcess, second_try);
    *ended = scan.ended;
    *error = std::move(scan.end_error);
    return scan.seen;
  }
  bool ActivateWindow(uint64_t window) override { return zelo::ActivateWindow(window); }
  bool ControlService(std::string_view name, ServiceRequest request, StartupType type, std::string* error) override {
    return ControlServiceByName(name, request, type, error);
  }
  std::string ProgramPath() override { return OwnProgramPath(); }
};

}  // namespace

ProgramPlatform& SystemProgramPlatform() {
  static SystemPlatform platform;
  return platform;
}

}  // namespace zelo
