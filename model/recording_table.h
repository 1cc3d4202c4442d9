// The program-wide table of recorded event lists. A "Recording" step refers to
// its list by index (value2) and carries its event count (value1).
#pragma once

#include <cstdint>
#include <vector>

namespace zelo {

// One journal event: message, paramL, paramH, time (tick count), window.
struct RecordedEvent {
  int32_t message = 0;
  int32_t param_l = 0;
  int32_t param_h = 0;
  int32_t time = 0;
  int32_t window = 0;
};

using EventList = std::vector<RecordedEvent>;

class RecordingTable {
 public:
  static constexpr int kMaxLists = 256;
  // New lists (recorder or loader) are accepted only while fewer than this many exist.
  static constexpr int kMaxBeforeNew = 255;

  int size() const { return static_cast<int>(lists_.size()); }
  bool full() const { return size() >= kMaxBeforeNew; }
  // Adds a list and returns its index, or -1 when the table is full.
  int Add(EventList events) {
    if (full()) return -1;
    lists_.push_back(std::move(events));
    return size() - 1;
  }
  // The list at index, or nullptr for an index that names none.
  const EventList* Get(int index) const {
    if (index < 0 || index >= size()) return nullptr;
    return &lists_[static_cast<std::size_t>(index)];
  }
  void Clear() { lists_.clear(); }

 private:
  std::vector<EventList> lists_;
};

}  // namespace zelo
