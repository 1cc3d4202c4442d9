// The step handlers this build of the program has, by category.
#pragma once

#include "engine/handler_table.h"

namespace zelo {

// Puts every handler the program has into the table; categories without one
// fail their steps with "not available in this version".
void InstallActionHandlers(HandlerTable& table);

}  // namespace zelo
