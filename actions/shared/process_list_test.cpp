// Finding a process by its executable's name: which window stands for it,
// which one is ended, and what is counted.
#include "actions/shared/process_list.h"

#include <gtest/gtest.h>

namespace zelo {
namespace {

class FakeProcesses : public ProcessSystem {
 public:
  std::vector<ProcessEntry> snapshot;
  std::vector<ProcessEntry> modules;
  bool listing_fails = false;
  std::vector<TopWindow> windows;
  std::vector<uint32_t> ended;
  bool end_fails = false;

  bool ListProcesses(bool module_names, std::vector<ProcessEntry>* processes) override {
    if (listing_fails) return false;
    *processes = module_names ? modules : snapshot;
    return true;
  }
  std::vector<TopWindow> TopWindows() override { return windows; }
  bool EndProcess(uint32_t id, std::string* error) override {
    if (end_fails) {
      *error = "Access is denied.";
      return false;
    }
    ended.push_back(id);
    return true;
  }
};

TEST(ProcessTarget, TheFolderIsDropped) {
  EXPECT_EQ(ProcessTarget("C:\\Windows\\notepad.exe"), "notepad.exe");
  EXPECT_EQ(ProcessTarget("notepad.exe"), "notepad.exe");
  EXPECT_EQ(ProcessTarget("C:\\Windows\\notepad.exe C:\\a.txt"), "a.txt") << "arguments are not told apart";
}

TEST(WindowOfProcess, FirstTitledWindowOfTheProcessOrThreadOrItsParent) {
  std::vector<TopWindow> windows = {
      {1, false, 50, 5, 0},  // untitled: passed over
      {2, true, 60, 6, 0},   // another process
      {3, true, 50, 5, 0},
      {4, true, 50, 5, 0},
  };
  EXPECT_EQ(WindowOfProcess(windows, 5), 3u);
  EXPECT_EQ(WindowOfProcess(windows, 50), 3u) << "a thread id matches too";
  EXPECT_EQ(WindowOfProcess(windows, 9), 0u);
  windows[2].parent = 77;
  EXPECT_EQ(WindowOfProcess(windows, 5), 77u);
}

TEST(ScanProcesses, FindingAWindowLooksAtEveryProcessAndTheLastMatchDecides) {
  FakeProcesses sys;
  sys.snapshot = {{1, "System"}, {5, "NOTEPAD.EXE"}, {6, ""}, {8, "notepad.exe"}, {9, "cmd.exe"}};
  sys.windows = {{30, true, 0, 5, 0}};
  ProcessScan scan = ScanProcesses(sys, "C:\\WINDOWS\\Notepad.exe", kFindProcessWindow, false);
  EXPECT_EQ(scan.seen, 4) << "a process whose name cannot be read is not counted";
  EXPECT_EQ(scan.window, 0u) << "the last match has no window";
  sys.windows.push_back({31, true, 0, 8, 0});
  EXPECT_EQ(ScanProcesses(sys, "notepad.exe", kFindProcessWindow, false).window, 31u);
  EXPECT_TRUE(sys.ended.empty());
}

TEST(ScanProcesses, EndingStopsAtTheFirstMatch) {
  FakeProcesses sys;
  sys.snapshot = {{1, "System"}, {5, "notepad.exe"}, {8, "notepad.exe"}, {9, "cmd.exe"}};
  ProcessScan scan = ScanProcesses(sys, "Notepad.EXE", kEndProcess, false);
  EXPECT_EQ(scan.seen, 2) << "the count so far";
  EXPECT_TRUE(scan.ended);
  EXPECT_EQ(sys.ended, std::vector<uint32_t>{5});

  EXPECT_EQ(ScanProcesses(sys, "calc.exe", kEndProcess, false).seen, 0) << "no match counts nothing";
  sys.end_fails = true;
  scan = ScanProcesses(sys, "cmd.exe", kEndProcess, false);
  EXPECT_EQ(scan.seen, 4);
  EXPECT_FALSE(scan.ended);
  EXPECT_EQ(scan.end_error, "Access is denied.");
}

TEST(ScanProcesses, TheSecondTryListsByModuleNames) {
  FakeProcesses sys;
  sys.modules = {{3, "calc.exe"}};
  EXPECT_EQ(ScanProcesses(sys, "calc.exe", kEndProcess, false).seen, 0);
  EXPECT_EQ(ScanProcesses(sys, "calc.exe", kEndProcess, true).seen, 1);
  sys.listing_fails = true;
  EXPECT_EQ(ScanProcesses(sys, "calc.exe", kFindProcessWindow, true).seen, 0);
}

}  // namespace
}  // namespace zelo
