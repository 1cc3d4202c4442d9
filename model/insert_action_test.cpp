#include "model/insert_action.h"

#include <gtest/gtest.h>

#include <map>

#include "model/action_defaults.h"
#include "model/catalogue.h"
#include "model/testing/editing_fixture.h"

namespace zelo {

// Programs registered by type, and full paths of programs found on the path.
class FakePrograms : public ProgramRegistry {
 public:
  std::string RegisteredProgram(std::string_view type) const override { return Find(registered, type); }
  std::string FullProgramPath(std::string_view program) const override { return Find(paths, program); }
  std::map<std::string, std::string, std::less<>> registered, paths;

 private:
  static std::string Find(const std::map<std::string, std::string, std::less<>>& m, std::string_view key) {
    auto it = m.find(key);
    return it == m.end() ? std::string() : it->second;
  }
};

class InsertActionTest : public EditingTest {
 protected:
  // Inserts the catalogue action at the end and returns the new step.
  StepRecord& Insert(const char* action) {
    int before = slot().step_count;
    last_category = InsertCatalogueAction(ws, NextGroup(), {}, action, InsertPlace::AtEnd);
    EXPECT_EQ(slot().step_count, before + 1) << action;
    return step(slot().step_count - 1);
  }
  int last_category = 0;
};

TEST_F(InsertActionTest, StartHiddenIsStoredAsStartWithTheHiddenOption) {
  StepRecord& s = Insert("Start Hidden");
  EXPECT_EQ(s.action, "Start");
  EXPECT_EQ(s.options, "Hidden");
  EXPECT_EQ(s.category, CAT_RUN_PROGRAM);
  StepRecord& w = Insert("Start and Wait for Program to Exit");
  EXPECT_EQ(w.action, "Start");
  EXPECT_EQ(w.options, "Wait For Exit");
}

TEST_F(InsertActionTest, OtherRunProgramActionsAreSingle) {
  EXPECT_EQ(Insert("Kill Process").options, "Single");
  StepRecord& call = Insert("Call Script");
  EXPECT_EQ(call.options, "Wait For Exit");
  EXPECT_EQ(call.icon, 4);
  StepRecord& dos = Insert("MS-DOS Command");
  EXPECT_EQ(dos.text, "%sysdir\\CMD.EXE /C dir c:\\*.* /s");
  EXPECT_EQ(dos.options, "");
  StepRecord& cp = Insert("Control Panel: System");
  EXPECT_EQ(cp.text, "rundll32.exe Shell32.dll Control_RunDLLA sysdm.cpl");
  EXPECT_EQ(cp.comment, "Can also be accomplished with Windows Key + Pause");
}

TEST_F(InsertActionTest, CustomMessageBoxBecomesAWin32ApiStep) {
  StepRecord& s = Insert("Custom Message Box");
  EXPECT_EQ(last_category, CAT_EXTERNAL);
  EXPECT_EQ(s.action, "Win32 API");
  EXPECT_EQ(s.category, CAT_EXTERNAL);
  EXPECT_EQ(s.text, "MessageBox( 0, \"message\", \"title\", MB_YESNOCANCEL+MB_ICONQUESTION )");
  EXPECT_EQ(s.comment, "Yes=6, No=7, Cancel=2  (see \"Win32 API\" in help file for details)");
  EXPECT_EQ(s.timeout, "30");
  // A step inserted as "Win32 API" gets the plain message box instead.
  EXPECT_EQ(Insert("Win32 API").text, "MessageBox( 0, \"message\", \"title\", MB_OK+MB_ICONINFORMATION )");
}

TEST_F(InsertActionTest, WindowActionsOnAllWindowsHaveNoTimeout) {
  StepRecord& all = Insert("Minimize all Windows");
  EXPECT_EQ(all.options, "Title");
  EXPECT_EQ(all.timeout, "");
  EXPECT_EQ(Insert("Close all Windows").timeout, "");
  StepRecord& act = Insert("Activate");
  EXPECT_EQ(act.options, "Title");
  EXPECT_EQ(act.timeout, "3");
  StepRecord& get = Insert("Get Text");
  EXPECT_EQ(get.options, "Class, ID, Userdata");
  EXPECT_EQ(get.timeout, "");
}

TEST_F(InsertActionTest, KeyboardStepsHaveNoFailureMode) {
  WriteSetting("SOFTWARE\\Zelomat\\DefaultFailureMode", "Ignore/Continue");
  EXPECT_EQ(Insert("Type").onfail, "");
  EXPECT_EQ(Insert("Delay").onfail, "Ignore/Continue");
}

TEST_F(InsertActionTest, PromptTimeouts) {
  EXPECT_EQ(Insert("Status Popup").timeout, "2");
  EXPECT_EQ(Insert("Tool Tip Popup").timeout, "2");
  EXPECT_EQ(Insert("Display Message").timeout, "30");
  StepRecord& p = Insert("Progress Bar Popup");
  EXPECT_EQ(p.text, "50% Complete");
  EXPECT_EQ(p.timeout, "30");
  EXPECT_EQ(Insert("Input Value").text, "Please enter a value:\r\n(you can change this message)");
  EXPECT_EQ(Insert("Choose from a List").text,
            "Please choose from the list:\r\n(you can change this message);Option #1;Option #2;Option #3");
}

TEST_F(InsertActionTest, FirstMatchingRowOfTheCategoryWins) {
  StepRecord& key = Insert("Wait for Keypress");
  EXPECT_EQ(key.timeout, "3");
  EXPECT_EQ(key.text, "{Esc}");
  EXPECT_EQ(Insert("Delay").timeout, "2");
  EXPECT_EQ(Insert("Move").options, "");  // mouse actions have no catch-all row
  StepRecord& copy = Insert("Copy Registry");
  EXPECT_EQ(copy.value(1), "HKEY_CURRENT_USER\\SOFTWARE\\TreeName");
  EXPECT_EQ(copy.text, "HKEY_CURRENT_USER\\SOFTWARE\\TreeName2");
  EXPECT_EQ(Insert("Read Registry").value(1), "HKEY_CURRENT_USER\\SOFTWARE\\TreeName\\SubKeyName");
  EXPECT_EQ(Insert("Set Environment Variable").output, "Variable");
}

TEST_F(InsertActionTest, NetworkActionsGetSampleAddresses) {
  EXPECT_FALSE(Insert("Open a Web Page").text.empty());
  StepRecord& save = Insert("Save Web Page HTML");
  EXPECT_EQ(save.output, "File");
  EXPECT_FALSE(save.text.empty());
  StepRecord& pop = Insert("Check Email: POP3");
  EXPECT_FALSE(pop.text.empty());
  EXPECT_EQ(pop.value(4), "1");  // the message number
  EXPECT_EQ(pop.value(3), "");   // the login stays empty
  std::string folder = Insert("FTP Create Folder").text.str();
  std::string file = Insert("FTP Download").text.str();
  EXPECT_EQ(folder.back(), '/');
  EXPECT_EQ(file.substr(0, folder.size()), folder);
  EXPECT_GT(file.size(), folder.size());
  StepRecord& map = Insert("Map Drive");
  EXPECT_EQ(map.text, "H:");
  EXPECT_EQ(map.value(1).view().substr(0, 2), "\\\\");
  EXPECT_EQ(Insert("Map Drive Prompt").text, "");
}

TEST_F(InsertActionTest, EveryCatalogueEntryCanBeInserted) {
  std::size_t count = 0;
  const CatalogueEntry* entries = CatalogueEntries(&count);
  for (std::size_t i = 0; i < count; ++i) {
    StepRecord& s = Insert(entries[i].name);
    EXPECT_GE(s.category, kFirstActionCategory) << entries[i].name;
    EXPECT_LE(s.category, kLastActionCategory) << entries[i].name;
    if (entries[i].category != CAT_KEYBOARD) {
      EXPECT_EQ(s.onfail, "Display Error and Stop") << entries[i].name;
    }
  }
  EXPECT_EQ(slot().step_count, static_cast<int>(count));
}

TEST_F(InsertActionTest, FoldersPlaceholdersAndUnknownNamesInsertNothing) {
  ActionTreeItem folder;
  folder.folder = true;
  folder.category = 100002;
  folder.name = "Run Program";
  EXPECT_EQ(InsertAction(ws, 1, {}, folder, InsertPlace::AtEnd), 0);
  ActionTreeItem placeholder;
  placeholder.name = "(right-click any action to add)";
  EXPECT_EQ(InsertAction(ws, 1, {}, placeholder, InsertPlace::AtEnd), 0);
  EXPECT_EQ(InsertCatalogueAction(ws, 1, {}, "No Such Action", InsertPlace::AtEnd), 0);
  EXPECT_EQ(InsertCatalogueAction(ws, 1, {}, "", InsertPlace::AtEnd), 0);
  EXPECT_EQ(slot().step_count, 0);
  EXPECT_TRUE(slot().undo.empty());
}

TEST_F(InsertActionTest, NewStepIsSelectedAndPlacedBySelection) {
  LoadComments(3);
  EXPECT_EQ(InsertCatalogueAction(ws, NextGroup(), {1}, "comment", InsertPlace::BySelection), CAT_SYSTEM);
  EXPECT_EQ(step(1).action, "Comment");
  EXPECT_EQ(seam.selection, std::vector<int>{1});
  EXPECT_EQ(seam.undo_text, "Undo Add Step\tCtrl+Z");
}

TEST(ActionDefaults, BrowserFallsBackToInternetExplorer) {
  FakePrograms none;
  EXPECT_EQ(DefaultBrowserProgram(none), "IEXPLORE.EXE");
  FakePrograms path;
  path.paths["IEXPLORE.EXE"] = "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE";
  EXPECT_EQ(DefaultBrowserProgram(path), "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE");
  FakePrograms reg;
  reg.registered[".htm"] = "C:\\Browsers\\Fox\\fox.exe -osint -url %1";
  EXPECT_EQ(DefaultBrowserProgram(reg), "C:\\Browsers\\Fox\\fox.exe");
}

TEST(ActionDefaults, MailProgramPrefersTheMailProtocol) {
  FakePrograms reg;
  reg.registered[".eml"] = "C:\\Mail\\mail.exe   /eml %1";
  EXPECT_EQ(DefaultMailProgram(reg), "C:\\Mail\\mail.exe");
  reg.registered["MAIL"] = "C:\\Other\\client.exe /mail";
  EXPECT_EQ(DefaultMailProgram(reg), "C:\\Other\\client.exe /mail");
  EXPECT_EQ(DefaultMailProgram(NoRegisteredPrograms()), "");
}

TEST(ActionDefaults, StartBrowserStepUsesTheRegisteredProgram) {
  FakePrograms reg;
  reg.registered[".htm"] = "C:\\B\\browser.EXE \"%1\"";
  StepRecord s;
  s.action = "Start Browser";
  s.category = CAT_RUN_PROGRAM;
  ApplyActionDefaults(s, reg);
  EXPECT_EQ(s.action, "Start");
  EXPECT_EQ(s.text, "C:\\B\\browser.EXE");
  EXPECT_EQ(s.options, "");
}

}  // namespace zelo
