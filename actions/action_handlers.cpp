#include "actions/action_handlers.h"

#include "actions/file_actions.h"
#include "actions/flow_actions.h"
#include "actions/if_actions.h"
#include "actions/system_actions.h"

namespace zelo {

void InstallActionHandlers(HandlerTable& table) {
  table.Set(CAT_FLOW, &RunFlowStep);
  table.Set(CAT_IF, &RunIfStep);
  table.Set(CAT_SYSTEM, &RunSystemStep);
  RegisterFileActions(table, ProgramFileServices());
}

}  // namespace zelo
