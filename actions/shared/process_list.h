// EnumProcesses: walks the running processes looking for those whose
// executable has a given name, to find the window of a running copy
// ("Single") or to end one ("Kill Process"). Which process counts and what
// is reported is decided here over ProcessSystem.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelo {

struct ProcessEntry {
  uint32_t id = 0;
  std::string name;  // the executable's file name; empty when it could not be read
};

// A top-level window as the system lists them, in its window order.
struct TopWindow {
  uint64_t handle = 0;
  bool titled = false;  // has a non-empty title
  uint32_t thread_id = 0;
  uint32_t process_id = 0;
  uint64_t parent = 0;  // 0 for none or the desktop
};

class ProcessSystem {
 public:
  virtual ~ProcessSystem() = default;
  // The running processes, by the process snapshot or, with module_names,
  // by the process-status library's module names. False when the listing
  // itself failed.
  virtual bool ListProcesses(bool module_names, std::vector<ProcessEntry>* processes) = 0;
  virtual std::vector<TopWindow> TopWindows() = 0;
  // Ends the process with exit code 0; false with the system's reason.
  virtual bool EndProcess(uint32_t id, std::string* error) = 0;
};

ProcessSystem& SystemProcessSystem();

enum ProcessMode { kFindProcessWindow = 1, kEndProcess = 2 };

// The file name and extension of name, its folder dropped.
std::string_view ProcessTarget(std::string_view name);

// The window that stands for a process (or thread) id: the first titled
// top-level window of that process or thread, or its parent when it has one.
uint64_t WindowOfProcess(const std::vector<TopWindow>& windows, uint32_t id);

struct ProcessScan {
  int seen = 0;          // processes whose executable name could be read
  uint64_t window = 0;   // mode 1: the window of the last matching process
  bool ended = false;    // mode 2: the first match was ended
  std::string end_error; // mode 2: why the first match could not be ended
};

// Mode 1 looks at every process; mode 2 stops at the first match and tries
// to end it. second_try lists by module names instead of the snapshot.
ProcessScan ScanProcesses(ProcessSystem& system, std::string_view name, int mode, bool second_try);

// The count of processes seen (mode 2: 0 without a match). Mode 1 puts the
// window of the last matching process into *window.
int EnumProcesses(std::string_view name, int mode, uint64_t* window, bool second_try);

}  // namespace zelo
