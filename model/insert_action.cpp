#include "model/insert_action.h"

#include "model/action_defaults.h"

namespace zelo {

int InsertAction(Workspace& ws, uint32_t group, const std::vector<int>& selection, const ActionTreeItem& leaf,
                 InsertPlace place, const ProgramRegistry& programs) {
  if (leaf.folder) return 0;
  const int32_t index = NewStep(ws, group, selection, leaf.name, leaf.category, leaf.icon, place);
  if (index < 0) return 0;
  StepRecord& step = ws.current_slot().steps[static_cast<std::size_t>(index)];
  ApplyActionDefaults(step, programs);
  ws.seam().RefreshList();
  ws.seam().SelectRows({index});
  return step.category;
}

int InsertAction(Workspace& ws, uint32_t group, const std::vector<int>& selection, const ActionTreeItem& leaf,
                 InsertPlace place) {
  return InsertAction(ws, group, selection, leaf, place, NoRegisteredPrograms());
}

int InsertCatalogueAction(Workspace& ws, uint32_t group, const std::vector<int>& selection, std::string_view action,
                          InsertPlace place) {
  return InsertAction(ws, group, selection, CatalogueLeaf(action), place);
}

}  // namespace zelo
