#include "expr/save_step_output.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "expr/read_variable.h"
#include "expr/testing/expansion_fixture.h"

namespace zelo {
namespace {

using ::testing::ElementsAre;

// A store that refuses values longer than a limit, as the registry refuses
// values too large for it.
class RefusingSettings : public MemorySettings {
 public:
  bool Set(SettingsRoot root, std::string_view key, std::string_view name, const StoredValue& value) override {
    if (value.data.size() > limit) return false;
    return MemorySettings::Set(root, key, name, value);
  }
  std::size_t limit = 200;
};

std::string FileContent(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

class SaveStepOutputTest : public ExpansionTest {
 protected:
  StepRecord Step(const char* output, const std::string& output_value) {
    StepRecord step;
    step.output = output;
    step.output_value = output_value;
    return step;
  }
};

TEST_F(SaveStepOutputTest, ToAVariable) {
  SaveStepOutput(Step("Variable", "%result"), 0, 0, "hello");
  EXPECT_EQ(GetVar("result"), "hello");
  SaveStepOutput(Step("variable", "result"), 0, 0, "hello!");
  EXPECT_EQ(GetVar("result"), "hello!");
  EXPECT_THAT(context.log, ElementsAre("\tresult = \"hello\"\r\n", "\tresult = \"hello!\" (6 bytes)\r\n"));
  EXPECT_THAT(context.palette, ElementsAre("result=hello (text)", "result=hello! (text)"));
}

TEST_F(SaveStepOutputTest, ATextWithPercentIsStoredAsAnExpandableString) {
  SaveStepOutput(Step("Variable", "v"), 0, 0, "%n");
  StoredValue v;
  ASSERT_TRUE(store.Get(SettingsRoot::CurrentUser, kUserVariablesKey, "v", &v));
  EXPECT_EQ(v.kind, ValueKind::ExpandString);
}

TEST_F(SaveStepOutputTest, LogAndPaletteCutTheData) {
  const std::string long_data(300, '7');
  SaveStepOutput(Step("Variable", "n"), 0, 0, long_data);
  EXPECT_EQ(GetVar("n"), long_data);
  EXPECT_EQ(context.log[0], "\tn = \"" + std::string(129, '7') + "\" (300 bytes)\r\n");
  EXPECT_EQ(context.palette[0], "n=" + std::string(193, '7') + " (number)");
}

TEST_F(SaveStepOutputTest, NamesAreCutTo63Characters) {
  SaveStepOutput(Step("Variable", "%" + std::string(70, 'n')), 0, 0, "x");
  EXPECT_EQ(GetVar(std::string(63, 'n')), "x");
}

TEST_F(SaveStepOutputTest, AnEmptyResultDeletesTheVariable) {
  SetVar("gone", "old");
  SaveStepOutput(Step("Variable", "gone"), 0, 0, "");
  EXPECT_FALSE(HasVar("gone"));
  SetVar("gone", "old");
  SaveStepOutput(Step("Variable", "gone"), 0, 0, std::string_view("\0abc", 4));
  EXPECT_FALSE(HasVar("gone"));
  EXPECT_THAT(context.palette, ElementsAre("gone removed", "gone removed"));
}

TEST_F(SaveStepOutputTest, APassedNameWinsOverTheOutputField) {
  SaveStepOutput(Step("Clipboard", ""), 0, 0, "3", std::string_view("%failures"));
  EXPECT_EQ(GetVar("failures"), "3");
  EXPECT_EQ(context.clipboard, "");
}

TEST_F(SaveStepOutputTest, DetailedLogNamesTheKeyAndLocalModeUsesTheTabsSubkey) {
  WriteSettingNumber("SOFTWARE\\Zelomat\\LogLevel", 1);
  WriteSettingNumber(kLocalVariablesSetting, 1);
  SaveStepOutput(Step("Variable", "mine"), 1, 0, "two");
  EXPECT_EQ(GetVar("mine", "SOFTWARE\\Zelomat\\UserVariables\\5046_2"), "two");
  EXPECT_FALSE(HasVar("mine"));
  EXPECT_EQ(context.log[1], "\tsaving to: SOFTWARE\\Zelomat\\UserVariables\\5046_2\\mine\r\n");
  // Tab 1 does not see it.
  EXPECT_EQ(Expand("%mine", 0), "%mine");
  EXPECT_EQ(Expand("%mine", 1), "two");
}

TEST_F(SaveStepOutputTest, ARefusedValueGoesToAVariableFile) {
  RefusingSettings refusing;
  UseSettings(&refusing);
  UseScratchProgramFolder();
  const std::string value(300, 'v');
  SaveStepOutput(Step("Variable", "%big"), 0, 0, value);
  const std::string path = ScratchPath("big.ZELO_var");
  EXPECT_EQ(FileContent(path), value);
  std::string stored;
  ASSERT_TRUE(ReadStoredVariable(kUserVariablesKey, "big", &stored));
  EXPECT_EQ(stored, path + "*");
  // Substitution reads the file; ReadVariable sees the reference.
  EXPECT_EQ(Expand("[%big]"), "[" + value + "]");
  std::string read;
  ReadVariable("big", 0, 0, &read, 1024);
  EXPECT_EQ(read, path + "*");
  // A later, shorter value goes back into the store.
  SaveStepOutput(Step("Variable", "big"), 0, 0, "short");
  EXPECT_EQ(Expand("%big"), "short");
  UseSettings(&store);
}

TEST_F(SaveStepOutputTest, VariableFilePathsLoseEveryPercent) {
  UseScratchProgramFolder();
  context.program_folder = "C:\\Pro%gram";
  EXPECT_EQ(VariableFilePath("na%me"), "C:\\Program\\name.ZELO_var");
}

TEST_F(SaveStepOutputTest, ResetDeletesTheKeyAndTheVariableFiles) {
  const std::string folder = UseScratchProgramFolder();
  SetVar("a", "1");
  SetVar("b", "2", "SOFTWARE\\Zelomat\\UserVariables\\5046_1");
  std::ofstream(ScratchPath("x.ZELO_var")) << "x";
  std::ofstream(ScratchPath("y.zelo_VAR")) << "y";
  std::ofstream(ScratchPath("keep.txt")) << "k";
  EXPECT_FALSE(ResetUserVariablesAtRunStart(true, false));  // the setting is off
  WriteSettingNumber(kResetUserVariablesSetting, 1);
  EXPECT_FALSE(ResetUserVariablesAtRunStart(false, false));  // another instance runs
  EXPECT_FALSE(ResetUserVariablesAtRunStart(true, true));    // variables from the command line
  EXPECT_TRUE(HasVar("a"));
  EXPECT_TRUE(ResetUserVariablesAtRunStart(true, false));
  EXPECT_FALSE(store.KeyExists(SettingsRoot::CurrentUser, kUserVariablesKey));
  EXPECT_FALSE(std::filesystem::exists(ScratchPath("x.ZELO_var")));
  EXPECT_FALSE(std::filesystem::exists(ScratchPath("y.zelo_VAR")));
  EXPECT_TRUE(std::filesystem::exists(ScratchPath("keep.txt")));
}

TEST_F(SaveStepOutputTest, ToTheClipboard) {
  SaveStepOutput(Step("Clipboard", ""), 0, 0, std::string_view("copy\0me", 7));
  EXPECT_EQ(context.clipboard, "copy");
  EXPECT_THAT(context.log, ElementsAre("\tSaving 7 byte(s) to clipboard: \"copy\"\r\n"));
  SaveStepOutput(Step("Clipboard", ""), 0, 0, "");
  EXPECT_EQ(context.clipboard_emptied, 1);
}

TEST_F(SaveStepOutputTest, ToAFileWritesExactlyTheBytesAndCreatesFolders) {
  UseScratchProgramFolder();
  const std::string dir = ScratchPath("out");
  const std::string path = (std::filesystem::path(dir) / "deep" / "result.bin").string();
  SetVar("dir", dir);
  StepRecord step = Step("File", "%dir" + path.substr(dir.size()));
  const std::string data("a\0b\r\n", 5);
  SaveStepOutput(step, 0, 0, data);
  EXPECT_EQ(FileContent(path), data);
  // A shorter result leaves nothing of the longer one behind.
  SaveStepOutput(step, 0, 0, "z");
  EXPECT_EQ(FileContent(path), "z");
  // An empty result leaves no file.
  SaveStepOutput(step, 0, 0, "");
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_TRUE(context.log.empty());
}

TEST_F(SaveStepOutputTest, TheLastExpansionCanBeSavedToAFile) {
  UseScratchProgramFolder();
  StepRecord step = Step("File", ScratchPath("from_buffer.txt"));
  Expand("expanded text");
  SaveStepOutput(step, 0, 0, ExpansionBuffer());
  EXPECT_EQ(FileContent(ScratchPath("from_buffer.txt")), "expanded text");
}

TEST_F(SaveStepOutputTest, AFileThatCannotBeWrittenIsLogged) {
  const std::string folder = UseScratchProgramFolder();
  SaveStepOutput(Step("File", folder), 0, 0, "data");
  EXPECT_THAT(context.log, ElementsAre("\tERROR saving 4 byte(s) to file \"" + folder + "\"\r\n"));
}

TEST_F(SaveStepOutputTest, OtherOutputsStoreNothing) {
  SaveStepOutput(Step("(do not save)", "x"), 0, 0, "data");
  SaveStepOutput(Step("Variable", ""), 0, 0, "data");
  SaveStepOutput(Step("File", ""), 0, 0, "data");
  EXPECT_TRUE(context.log.empty());
  EXPECT_FALSE(HasVar("x"));
}

TEST_F(SaveStepOutputTest, ReadVariableExpandsAndCounts) {
  SetVar("counter", "41");
  SetVar("line", "a%nb");
  SetNumberVar("minus", 0xFFFFFFF6u);
  std::string text;
  EXPECT_EQ(ReadVariable("%counter", 0, 0, &text, 260), 41);
  EXPECT_EQ(text, "41");
  EXPECT_EQ(ReadVariable("line", 0, 0, &text, 260), 0);
  EXPECT_EQ(text, "a\nb");
  EXPECT_EQ(ReadVariable("minus", 0, 0, &text, 260), -10);
  EXPECT_EQ(ReadVariable("missing", 0, 0, &text, 260), 0);
  EXPECT_EQ(text, "");
  EXPECT_EQ(ReadVariable("counter", 0, 0, &text, 2), 4);
  EXPECT_EQ(text, "4");
  EXPECT_EQ(ReadVariable("counter", 0, 0, &text, 0), 0);
}

TEST_F(SaveStepOutputTest, IncrementingAVariableThroughReadAndSave) {
  std::string text;
  for (int i = 0; i < 3; ++i) {
    const int32_t n = ReadVariable("%tries", 0, 0, &text, 260);
    SaveStepOutput(StepRecord(), 0, 0, std::to_string(n + 1), std::string_view("%tries"));
  }
  EXPECT_EQ(GetVar("tries"), "3");
}

}  // namespace
}  // namespace zelo
