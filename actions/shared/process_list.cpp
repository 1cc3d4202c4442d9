#include "actions/shared/process_list.h"

#include "base/text.h"

namespace zelo {

std::string_view ProcessTarget(std::string_view name) {
  const std::size_t slash = name.rfind('\\');
  return slash == std::string_view::npos ? name : name.substr(slash + 1);
}

uint64_t WindowOfProcess(const std::vector<TopWindow>& windows, uint32_t id) {
  for (const TopWindow& w : windows) {
    if (!w.titled || (w.thread_id != id && w.process_id != id)) continue;
    return w.parent != 0 ? w.parent : w.handle;
  }
  return 0;
}

ProcessScan ScanProcesses(ProcessSystem& system, std::string_view name, int mode, bool second_try) {
  ProcessScan scan;
  std::vector<ProcessEntry> processes;
  if (!system.ListProcesses(second_try, &processes)) return scan;
  const std::string_view target = ProcessTarget(name);
  std::vector<TopWindow> windows;
  bool windows_listed = false;
  for (const ProcessEntry& p : processes) {
    if (p.name.empty()) continue;
    ++scan.seen;
    if (!EqualsNoCase(p.name, target)) continue;
    if (mode == kEndProcess) {
      scan.ended = system.EndProcess(p.id, &scan.end_error);
      return scan;
    }
    if (!windows_listed) {
      windows = system.TopWindows();
      windows_listed = true;
    }
    scan.window = WindowOfProcess(windows, p.id);
  }
  if (mode == kEndProcess) scan.seen = 0;
  return scan;
}

int EnumProcesses(std::string_view name, int mode, uint64_t* window, bool second_try) {
  const ProcessScan scan = ScanProcesses(SystemProcessSystem(), name, mode, second_try);
  if (window != nullptr && mode == kFindProcessWindow) *window = scan.window;
  return scan.seen;
}

}  // namespace zelo
