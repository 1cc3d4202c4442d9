#include "actions/action_handlers.h"

#include "actions/program_actions.h"
#include "actions/system_actions.h"

namespace zelo {

void InstallActionHandlers(HandlerTable& table) {
  table.Set(CAT_SYSTEM, &RunSystemStep);
  InstallProgramActions(table);
}

}  // namespace zelo
