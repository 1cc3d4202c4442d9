#include "actions/programs/registered_programs_win.h"

#include "actions/shared/association_command.h"
#include "actions/shared/path_search.h"

namespace zelo {

std::string SystemRegisteredPrograms::RegisteredProgram(std::string_view type) const {
  std::string program;
  return AssociationCommand(type, &program) ? program : std::string();
}

std::string SystemRegisteredPrograms::FullProgramPath(std::string_view program) const {
  std::string path;
  return ResolvePath(program, &path) ? path : std::string();
}

}  // namespace zelo
