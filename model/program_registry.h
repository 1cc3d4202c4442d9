// The programs the system has registered for file types and protocols, which
// new "Start Browser" and "Start Email" steps are filled with. The Windows
// build asks the shell; elsewhere nothing is registered.
#pragma once

#include <string>
#include <string_view>

namespace zelo {

class ProgramRegistry {
 public:
  virtual ~ProgramRegistry() = default;
  // The program registered to open a file type (".htm", ".eml") or a
  // protocol ("MAIL"), as the system records it; empty when none.
  virtual std::string RegisteredProgram(std::string_view type) const = 0;
  // The full path of a program found the way a bare program name is
  // resolved; empty when it cannot be found.
  virtual std::string FullProgramPath(std::string_view program) const = 0;
};

// Knows of no programs: new browser and mail steps fall back to their
// built-in choice.
class NoRegisteredPrograms : public ProgramRegistry {
 public:
  std::string RegisteredProgram(std::string_view) const override { return std::string(); }
  std::string FullProgramPath(std::string_view) const override { return std::string(); }
};

}  // namespace zelo
