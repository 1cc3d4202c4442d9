#include "actions/action_handlers.h"

#include "actions/files/file_actions.h"
#include "actions/flow/flow_actions.h"
#include "actions/functions/function_actions.h"
#include "actions/conditions/if_actions.h"
#include "actions/shared/launch_command.h"
#include "actions/shared/path_search.h"
#include "actions/programs/program_actions.h"
#include "actions/system/system_actions.h"
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

bool FindPath(std::string_view name, std::string* out, std::string_view script_path) {
  return ResolvePath(name, out, script_path);
}

int Launch(std::string_view command, bool visible, int32_t wait_ms) { return LaunchCommand(command, visible, wait_ms); }

}  // namespace

void InstallActionHandlers(HandlerTable& table) {
  table.Set(CAT_FLOW, &RunFlowStep);
  table.Set(CAT_IF, &RunIfStep);
  table.Set(CAT_SYSTEM, &RunSystemStep);
  RegisterFunctionActions(table, FunctionServices{&ExpandedField, &SaveResult, &RandomInRange});
  RegisterProgramActions(table, ProgramServices{&ExpandedField, &SaveResult, &SystemProgramPlatform()});
  RegisterFileActions(table, FileServices{&ExpandedField, &SaveResult, &FindPath, &Launch});
}

}  // namespace zelo
