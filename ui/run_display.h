// What a run shows in the main window, gathered from the run thread and
// shown by the window's thread at the screen's pace: the run thread only
// leaves its lines, status texts and current step here (it never waits for
// the window), and the window takes them all at once a few dozen times a
// second. Between two takes at most max_lines lines are kept, the newest:
// the Output palette keeps no more than that anyway, and the log file has
// everything.
#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace zelo {

class RunDisplay {
 public:
  static constexpr int kStatusParts = 3;

  explicit RunDisplay(std::size_t max_lines) : max_lines_(max_lines) {}

  void AddLine(std::string_view text);
  void SetStatus(int part, std::string_view text);
  // The step the grid should select (a run's current step).
  void FollowStep(int slot, int index);

  struct Shown {
    // Lines to append, in order; with replace_all the palette's old text is
    // older than lines already dropped, so the new text replaces it.
    std::string lines;
    bool replace_all = false;
    std::array<std::optional<std::string>, kStatusParts> status;
    int slot = -1;
    int step = -1;  // -1: the selection stays
  };
  // Everything left since the last take; empty when nothing was.
  Shown Take();

 private:
  const std::size_t max_lines_;
  std::mutex mutex_;
  std::deque<std::string> lines_;
  bool dropped_ = false;
  std::array<std::optional<std::string>, kStatusParts> status_;
  int slot_ = -1;
  int step_ = -1;
};

}  // namespace zelo
