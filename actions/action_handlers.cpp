#include "actions/action_handlers.h"

#include "actions/file_actions.h"
#include "actions/function_actions.h"
#include "actions/system_actions.h"
#include "expr/expand_text.h"
#include "expr/random.h"
#include "expr/save_step_output.h"

namespace zelo {

namespace {

// The handlers' view of field expansion and result saving.
std::string ExpandedField(std::string_view field, int slot, int step) {
  ExpandText(field, slot, step);
  return ExpansionBuffer();  // copied: the next expansion replaces the buffer
}

void SaveResult(const StepRecord& step, int slot, int step_index, std::string_view data) {
  SaveStepOutput(step, slot, step_index, data);
}

}  // namespace

void InstallActionHandlers(HandlerTable& table) {
  table.Set(CAT_SYSTEM, &RunSystemStep);
  RegisterFunctionActions(table, FunctionServices{&ExpandedField, &SaveResult, &RandomInRange});
  RegisterFileActions(table, FileServices{&ExpandedField, &SaveResult, nullptr, nullptr});
}

}  // namespace zelo
