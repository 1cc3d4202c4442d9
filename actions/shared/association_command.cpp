#include "actions/shared/association_command.h"

#include "base/text.h"

namespace zelo {

namespace {

constexpr std::size_t kMaxExpandedCommand = 518;

}  // namespace

std::string ProgramOfRegisteredCommand(std::string_view expanded) {
  expanded = expanded.substr(0, kMaxExpandedCommand);
  std::string program;
  for (char c : expanded)
    if (c != '"') program += c;
  const std::size_t percent = program.find('%');
  if (percent != std::string::npos) program.resize(percent);
  while (!program.empty() && program.back() == ' ') program.pop_back();
  return program;
}

bool AssociationCommandWith(AssociationFacts& facts, std::string_view type, std::string* out, const std::string* file) {
  out->clear();
  std::string command;
  if (EqualsNoCase(type, "MAIL")) {
    std::string client;
    if (!facts.ReadDefault(RegistryRoot::LocalMachine, "SOFTWARE\\Clients\\Mail", &client) || client.empty())
      return false;
    if (!facts.ReadDefault(RegistryRoot::LocalMachine, "SOFTWARE\\Clients\\Mail\\" + client + "\\shell\\open\\command",
                           &command) ||
        command.empty())
      return false;
  } else {
    std::string class_name;
    if (!facts.ReadDefault(RegistryRoot::ClassesRoot, std::string(type), &class_name) || class_name.empty())
      return false;
    if (!facts.ReadDefault(RegistryRoot::ClassesRoot, class_name + "\\shell\\open\\command", &command))
      command.clear();
    if (command.empty() && file != nullptr) facts.ExecutableFor(*file, "C:\\", &command);
    if (command.empty()) return false;
  }
  *out = ProgramOfRegisteredCommand(facts.ExpandEnvironment(command));
  return true;
}

bool AssociationCommand(std::string_view type, std::string* out, const std::string* file) {
  return AssociationCommandWith(SystemAssociationFacts(), type, out, file);
}

}  // namespace zelo
