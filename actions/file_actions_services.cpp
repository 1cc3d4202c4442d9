#include "actions/file_actions.h"
#include "expr/expand_text.h"
#include "expr/save_step_output.h"

namespace zelo {

namespace {

std::string Expand(std::string_view field, int slot, int step) {
  ExpandText(field, slot, step);
  return ExpansionBuffer();
}

void Save(const StepRecord& step, int slot, int step_index, std::string_view data) {
  SaveStepOutput(step, slot, step_index, data);
}

}  // namespace

FileServices ProgramFileServices() {
  FileServices services;
  services.expand = &Expand;
  services.save = &Save;
  return services;
}

}  // namespace zelo
