#include "model/new_step.h"

#include "model/editor_options.h"
#include "model/selection.h"
#include "model/undo.h"

namespace zelo {

int32_t NewStep(Workspace& ws, uint32_t group, const std::vector<int>& selection, std::string_view action,
                int category, int icon, InsertPlace place) {
  ScriptSlot& slot = ws.current_slot();
  if (slot.is_free() || action.empty() || category < 1 || category > 99999) return -1;

  int32_t position = -1;  // past the end of the array: append
  if (place == InsertPlace::BySelection) {
    std::vector<int> rows = SelectedSteps(slot, selection);
    const int first = rows.empty() ? -1 : rows.front();
    position = first + (InsertNewStepAfter() ? 1 : 0);
  }
  const int32_t index = InsertSteps(slot, position, 1, true);
  if (index < 0) return -1;
  ++slot.step_count;
  PushUndo(ws, group, index, UNDO_ADD);

  StepRecord& step = slot.steps[static_cast<std::size_t>(index)];
  step.action = action;
  step.category = category;
  step.icon = icon;
  step.onfail = DefaultFailureModeSetting();
  if (step.onfail.empty()) step.onfail = kDefaultFailureMode;
  step.onfail_value = DefaultFailureJumpSetting();
  return index;
}

}  // namespace zelo
