// Actions that older versions stored under other names.
#pragma once

#include "model/step_record.h"

namespace zelo {

// Gives an action read from a file its current name (every file, old or new).
void RenameOldAction(ActionName& action);

}  // namespace zelo
