// The native build's answers to the program actions' system questions. It
// runs the portable core's tools and tests, not scripts: files are found on
// the local file system, but programs, processes, windows and services are
// Windows matters and report that they cannot be had.

#include <sys/stat.h>
#include <unistd.h>

#include <climits>

#include "actions/shared/association_command.h"
#include "actions/shared/launch_command.h"
#include "actions/shared/path_search.h"
#include "actions/programs/program_platform.h"
#include "actions/shared/process_list.h"

namespace zelo {

namespace {

constexpr const char* kNoServices = "Services are not available on this system";

class LocalPathFacts : public PathFacts {
 public:
  bool FileExists(const std::string& path) override {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
  }
  bool FolderExists(const std::string& path) override {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
  }
  bool AppPathsFolder(std::string_view, std::string*) override { return false; }
  std::string CurrentFolder() override {
    char buf[PATH_MAX];
    return getcwd(buf, sizeof buf) ? std::string(buf) : std::string();
  }
  std::string ProgramFolder() override {
    const std::string path = OwnProgramPath();
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
  }
  std::string WindowsFolder() override { return std::string(); }
  std::string SystemFolder() override { return std::string(); }
  bool SearchSystemPath(std::string_view, std::string*) override { return false; }
};

class NoLaunchSystem : public LaunchSystem {
 public:
  uint64_t ForegroundWindow() override { return 0; }
  std::unique_ptr<LaunchedProcess> StartProcess(const std::string&, const std::string*, bool) override {
    return nullptr;
  }
  bool ResolvePath(std::string_view name, std::string* out) override { return zelo::ResolvePath(name, out); }
  bool ExecutableFor(const std::string&, std::string*) override { return false; }
  bool AssociationCommand(std::string_view, const std::string&, std::string*) override { return false; }
  bool ShellOpen(const std::string&, uint64_t, bool) override { return false; }
  uint64_t WindowOfProcess(uint32_t) override { return 0; }
  bool WindowVisible(uint64_t) override { return false; }
  void HideWindow(uint64_t) override {}
  void SetForegroundWindow(uint64_t) override {}
  uint32_t Ticks() override { return 0; }
  void Sleep(uint32_t) override {}
};

class NoAssociations : public AssociationFacts {
 public:
  bool ReadDefault(RegistryRoot, const std::string&, std::string*) override { return false; }
  bool ExecutableFor(const std::string&, const std::string&, std::string*) override { return false; }
  std::string ExpandEnvironment(const std::string& text) override { return text; }
};

class NoProcessList : public ProcessSystem {
 public:
  bool ListProcesses(bool, std::vector<ProcessEntry>*) override { return false; }
  std::vector<TopWindow> TopWindows() override { return {}; }
  bool EndProcess(uint32_t, std::string* error) override {
    *error = "Processes cannot be ended on this system";
    return false;
  }
};

}  // namespace

PathFacts& SystemPathFacts() {
  static LocalPathFacts facts;
  return facts;
}

LaunchSystem& SystemLaunchSystem() {
  static NoLaunchSystem system;
  return system;
}

AssociationFacts& SystemAssociationFacts() {
  static NoAssociations facts;
  return facts;
}

ProcessSystem& SystemProcessSystem() {
  static NoProcessList system;
  return system;
}

bool ActivateWindow(uint64_t) { return false; }

bool ControlServiceByName(std::string_view, ServiceRequest, StartupType, std::string* error) {
  *error = kNoServices;
  return false;
}

std::string OwnProgramPath() {
  char buf[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  return n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : std::string();
}

}  // namespace zelo
