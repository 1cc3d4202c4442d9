// AssociationCommand: the program the system has registered for a file type
// (".htm") or as the default mail client ("MAIL"), as a program path without
// its arguments. The lookups are decided here over AssociationFacts; the
// Windows build answers them from the registry and the shell.
#pragma once

#include <string>
#include <string_view>

namespace zelo {

enum class RegistryRoot { LocalMachine, ClassesRoot };

class AssociationFacts {
 public:
  virtual ~AssociationFacts() = default;
  // The default value of a registry key; false when it has none.
  virtual bool ReadDefault(RegistryRoot root, const std::string& key, std::string* value) = 0;
  // The program the shell would open file with, searching from folder.
  virtual bool ExecutableFor(const std::string& file, const std::string& folder, std::string* program) = 0;
  // Environment references ("%SystemRoot%") replaced by their values.
  virtual std::string ExpandEnvironment(const std::string& text) = 0;
};

AssociationFacts& SystemAssociationFacts();

// A registered command made into a program path: at most 518 characters,
// double quotes removed, cut at the first "%" (the "%1" of the file), and
// without trailing blanks.
std::string ProgramOfRegisteredCommand(std::string_view expanded);

// True and the program in *out when one is registered. file (may be null)
// is asked about through the shell when the registry has no command.
bool AssociationCommandWith(AssociationFacts& facts, std::string_view type, std::string* out,
                            const std::string* file = nullptr);
bool AssociationCommand(std::string_view type, std::string* out, const std::string* file = nullptr);

}  // namespace zelo
