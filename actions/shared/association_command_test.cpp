// Registered programs: the registry lookups of a file type and of the mail
// client, the shell's answer as a fallback, and the clean-up of the command.
#include "actions/shared/association_command.h"

#include <gtest/gtest.h>

#include <map>

namespace zelo {
namespace {

class FakeAssociations : public AssociationFacts {
 public:
  std::map<std::string, std::string> machine;  // HKLM key -> default value
  std::map<std::string, std::string> classes;  // HKCR key -> default value
  std::string shell_program;
  std::string asked_file, asked_folder;

  bool ReadDefault(RegistryRoot root, const std::string& key, std::string* value) override {
    auto& table = root == RegistryRoot::LocalMachine ? machine : classes;
    auto it = table.find(key);
    if (it == table.end()) return false;
    *value = it->second;
    return true;
  }
  bool ExecutableFor(const std::string& file, const std::string& folder, std::string* program) override {
    asked_file = file;
    asked_folder = folder;
    if (shell_program.empty()) return false;
    *program = shell_program;
    return true;
  }
  std::string ExpandEnvironment(const std::string& text) override {
    std::string out = text;
    const std::string var = "%SystemRoot%";
    for (std::size_t at = out.find(var); at != std::string::npos; at = out.find(var))
      out.replace(at, var.size(), "C:\\WINDOWS");
    return out;
  }
};

TEST(RegisteredCommand, QuotesArgumentsAndTrailingBlanksGo) {
  EXPECT_EQ(ProgramOfRegisteredCommand("\"C:\\Program Files\\ed.exe\" \"%1\""), "C:\\Program Files\\ed.exe");
  EXPECT_EQ(ProgramOfRegisteredCommand("C:\\WINDOWS\\notepad.exe %1"), "C:\\WINDOWS\\notepad.exe");
  EXPECT_EQ(ProgramOfRegisteredCommand("rundll32.exe shimgvw.dll,View %1 %2"), "rundll32.exe shimgvw.dll,View");
  EXPECT_EQ(ProgramOfRegisteredCommand(std::string(600, 'x')), std::string(518, 'x'));
}

TEST(AssociationCommand, AFileTypeByItsClassAndOpenCommand) {
  FakeAssociations facts;
  facts.classes[".txt"] = "txtfile";
  facts.classes["txtfile\\shell\\open\\command"] = "%SystemRoot%\\system32\\NOTEPAD.EXE %1";
  std::string program = "garbage";
  ASSERT_TRUE(AssociationCommandWith(facts, ".txt", &program));
  EXPECT_EQ(program, "C:\\WINDOWS\\system32\\NOTEPAD.EXE");

  EXPECT_FALSE(AssociationCommandWith(facts, ".xyz", &program));
  EXPECT_EQ(program, "");
}

TEST(AssociationCommand, WithoutAnOpenCommandTheShellIsAskedAboutTheFile) {
  FakeAssociations facts;
  facts.classes[".pdf"] = "pdffile";
  std::string program;
  EXPECT_FALSE(AssociationCommandWith(facts, ".pdf", &program)) << "no file to ask about";
  facts.shell_program = "C:\\View\\view.exe";
  const std::string file = "C:\\d\\a.pdf";
  ASSERT_TRUE(AssociationCommandWith(facts, ".pdf", &program, &file));
  EXPECT_EQ(program, "C:\\View\\view.exe");
  EXPECT_EQ(facts.asked_file, file);
  EXPECT_EQ(facts.asked_folder, "C:\\");
}

TEST(AssociationCommand, TheMailClientInAnyCase) {
  FakeAssociations facts;
  std::string program;
  EXPECT_FALSE(AssociationCommandWith(facts, "mail", &program));
  facts.machine["SOFTWARE\\Clients\\Mail"] = "Mailer";
  EXPECT_FALSE(AssociationCommandWith(facts, "MAIL", &program)) << "a client without a command";
  facts.machine["SOFTWARE\\Clients\\Mail\\Mailer\\shell\\open\\command"] = "\"C:\\Mailer\\mail.exe\" /mail  ";
  ASSERT_TRUE(AssociationCommandWith(facts, "Mail", &program));
  EXPECT_EQ(program, "C:\\Mailer\\mail.exe /mail");
}

}  // namespace
}  // namespace zelo
