// Inserting an action from the Actions tree (double-click, its menu, "Add to
// End", or the "Comment" command) as a new step with the action's defaults.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "model/action_tree.h"
#include "model/new_step.h"
#include "model/program_registry.h"
#include "model/workspace.h"

namespace zelo {

// Creates one step from a tree leaf and selects it. Returns the new step's
// category, or 0 when nothing was inserted (a folder or the placeholder, no
// open script, or no room).
int InsertAction(Workspace& ws, uint32_t group, const std::vector<int>& selection, const ActionTreeItem& leaf,
                 InsertPlace place, const ProgramRegistry& programs);
int InsertAction(Workspace& ws, uint32_t group, const std::vector<int>& selection, const ActionTreeItem& leaf,
                 InsertPlace place);
// The same for a catalogue action named directly ("Comment").
int InsertCatalogueAction(Workspace& ws, uint32_t group, const std::vector<int>& selection, std::string_view action,
                          InsertPlace place);

}  // namespace zelo
