// The step handlers this build of the program has, by category, each beside
// the table of action names it knows, and the services the program hands
// them.
#pragma once

#include <cstddef>
#include <string_view>

#include "actions/shared/action_services.h"
#include "engine/handler_table.h"

namespace zelo {

struct CategoryHandler {
  int category;
  StepHandler handler;
  // Whether the name is one of the category's actions by the handler's
  // table, rather than a name it only takes by falling through it.
  bool (*knows)(std::string_view action);
};

// The handlers the program has, one per category.
const CategoryHandler* CategoryHandlers(std::size_t* count);

// The program's own routines: ExpandText (its buffer copied), SaveStepOutput,
// ResolvePath, LaunchCommand, RandomInRange and the system's programs.
const ActionServices& ProgramActionServices();

// Puts every handler the program has into the table, with the services they
// are called with (kept by address); categories without one fail their
// steps with "not available in this version".
void InstallActionHandlers(HandlerTable& table, const ActionServices& services = ProgramActionServices());

}  // namespace zelo
