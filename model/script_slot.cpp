#include "model/script_slot.h"

#include <new>
#include <stdexcept>
#include <utility>

namespace zelo {

int32_t InsertSteps(ScriptSlot& slot, int32_t index, int32_t count, bool alloc_texts) {
  if (count <= 0) count = 1;
  const int32_t old_capacity = slot.capacity();
  if (index < 0 || index >= old_capacity) index = old_capacity;
  try {
    std::vector<StepRecord> blank(static_cast<std::size_t>(count));
    if (alloc_texts) {
      for (StepRecord& r : blank) {
        r.text.Allocate();
        r.comment.Allocate();
      }
    }
    slot.steps.insert(slot.steps.begin() + index, std::make_move_iterator(blank.begin()),
                      std::make_move_iterator(blank.end()));
  } catch (const std::bad_alloc&) {
    return -1;
  } catch (const std::length_error&) {
    return -1;
  }
  return index;
}

void DeleteStep(ScriptSlot& slot, int32_t index) {
  if (index < 0 || index >= slot.capacity()) return;
  slot.steps.erase(slot.steps.begin() + index);
  if (slot.steps.empty()) {
    slot.steps.shrink_to_fit();
    slot.step_count = 0;
  } else if (slot.step_count > 0) {
    --slot.step_count;
  }
}

void CloseScriptSteps(ScriptSlot& slot) {
  std::vector<StepRecord>().swap(slot.steps);
  slot.step_count = 0;
}

}  // namespace zelo
