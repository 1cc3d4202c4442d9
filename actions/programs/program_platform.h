// What the "Run Program" handler asks of the system besides the path search
// and the launcher: the process list, window activation, the service
// manager, and the program's own path. The program uses the system's
// (SystemProgramPlatform); tests pass a double.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zelo {

enum class ServiceRequest { Start, Stop, SetStartupType };
enum class StartupType { Automatic, Manual, Disabled, Unknown };

class ProgramPlatform {
 public:
  virtual ~ProgramPlatform() = default;
  // EnumProcesses mode 1: the count of processes seen, the window of the
  // last one named like name's file in *window.
  virtual int FindProcessWindow(std::string_view name, bool second_try, uint64_t* window) = 0;
  // EnumProcesses mode 2: 0 when no process is named so; otherwise the count
  // seen, with *ended false and the reason in *error when it could not be ended.
  virtual int EndProcess(std::string_view name, bool second_try, bool* ended, std::string* error) = 0;
  virtual bool ActivateWindow(uint64_t window) = 0;
  // False with the system's text for the failure in *error.
  virtual bool ControlService(std::string_view name, ServiceRequest request, StartupType type,
                              std::string* error) = 0;
  // The full path of the running program.
  virtual std::string ProgramPath() = 0;
};

// The running system's, through the shared routines.
ProgramPlatform& SystemProgramPlatform();

// The platform leaves the shared routines do not cover; each build defines
// them (Win32 in *_win.cpp, elsewhere they report that they cannot).
bool ActivateWindow(uint64_t window);
bool ControlServiceByName(std::string_view name, ServiceRequest request, StartupType type, std::string* error);
std::string OwnProgramPath();

}  // namespace zelo
