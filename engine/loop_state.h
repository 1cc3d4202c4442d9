// The loop state of the runs: per slot, a stack of the loops that are going
// on (their start steps and iteration counters), and the run-wide positions
// of the windows loop and the files loop, which carry from one iteration to
// the next. One run is active at a time, so one program-wide object serves.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "model/script_slot.h"

namespace zelo {

inline constexpr int kLoopStackDepth = 16;

// Two stacks of 16 entries, top at entry 0: the start step numbers (index
// plus one, 0 = empty) and the iteration counters. A 17th loop pushes the
// oldest entry out, so deep nesting never overflows.
class LoopStack {
 public:
  struct Entry {
    int32_t start = 0;
    int32_t counter = 0;
  };

  void Push(int32_t start, int32_t counter);
  // Removes the top entry and returns it; an empty stack gives {0, 0}.
  Entry Pop();
  int32_t top_start() const { return starts_[0]; }
  int32_t top_counter() const { return counters_[0]; }
  void set_top_counter(int32_t counter) { counters_[0] = counter; }
  // A full run forgets the loops of the last one (their counters stay, and
  // are set anew when a loop is pushed).
  void ClearStarts() { starts_.fill(0); }
  int32_t start(int depth) const { return starts_[static_cast<std::size_t>(depth)]; }

 private:
  std::array<int32_t, kLoopStackDepth> starts_{};
  std::array<int32_t, kLoopStackDepth> counters_{};
};

// An open search of the files loop: the entries of one folder that match a
// pattern, read one at a time.
class FolderSearch {
 public:
  virtual ~FolderSearch() = default;
  // The next entry's name (without folder) and whether it is a folder; false
  // when there is none left or the folder can no longer be read.
  virtual bool Next(std::string* name, bool* is_folder) = 0;
};

struct LoopState {
  std::array<LoopStack, kMaxSlots> stacks;
  // The window the windows loop found last (0 before the first).
  uint64_t window_position = 0;
  // The directory search of the files loop.
  std::unique_ptr<FolderSearch> folder_search;
};

LoopState& ProgramLoopState();
LoopStack& LoopStackOf(int slot);  // slot 0-7

// At the start of every full run of slot: its loop start numbers and the
// windows loop position are forgotten. For RunEngine::OnFullRunStart.
void ResetLoopStateForFullRun(int slot);

}  // namespace zelo
