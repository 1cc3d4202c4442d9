// The programs this system has registered, for new "Start Browser" and
// "Start Email" steps.
#pragma once

#include "model/program_registry.h"

namespace zelo {

class SystemRegisteredPrograms : public ProgramRegistry {
 public:
  // The program of AssociationCommand for the type; empty when none.
  std::string RegisteredProgram(std::string_view type) const override;
  // The name found by ResolvePath; empty when it was not found.
  std::string FullProgramPath(std::string_view program) const override;
};

}  // namespace zelo
