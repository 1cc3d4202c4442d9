// The variable store of the Windows build: the registry (in a scratch key),
// variable files beside the executable for the values the registry refuses,
// and the reset that removes both.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "base/ansi_text_win.h"
#include "expr/expand_text.h"
#include "expr/save_step_output.h"
#include "expr/substitution_context_win.h"
#include "expr/variable_store.h"
#include "settings/registry_settings_win.h"
#include "settings/settings.h"

namespace zelo {
namespace {

// The registry, refusing values above a size as it refuses values too
// large for it (this system's registry takes values of many megabytes).
class SizeLimitedRegistry : public RegistrySettings {
 public:
  using RegistrySettings::RegistrySettings;
  bool Set(SettingsRoot root, std::string_view key, std::string_view name, const StoredValue& value) override {
    if (value.data.size() > limit) return false;
    return RegistrySettings::Set(root, key, name, value);
  }
  std::size_t limit = 1000;
};

std::string Sandbox() {
  char name[64];
  std::snprintf(name, sizeof name, "SOFTWARE\\ZelomatTest\\vars_%lu_%lu", GetCurrentProcessId(), GetTickCount());
  return name;
}

bool FileThere(const std::string& path) { return GetFileAttributesW(AnsiToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

class VariableFilesTest : public ::testing::Test {
 protected:
  VariableFilesTest() : sandbox_(Sandbox()), registry_(sandbox_) {
    UseSettings(&registry_);
    UseSubstitutionContext(&context_);
  }
  ~VariableFilesTest() override {
    UseSubstitutionContext(nullptr);
    UseSettings(nullptr);
    DeleteFileW(AnsiToWide(VariableFilePath("big")).c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, AnsiToWide(sandbox_).c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, L"SOFTWARE\\ZelomatTest");  // only goes when no other test is inside
  }
  static StepRecord ToVariable(const char* name) {
    StepRecord step;
    step.output = "Variable";
    step.output_value = name;
    return step;
  }
  std::string Expand(std::string_view field) {
    ExpandText(field, 0, 0);
    return ExpansionBuffer();
  }

  std::string sandbox_;
  SizeLimitedRegistry registry_;
  WinSubstitutionContext context_;
};

TEST_F(VariableFilesTest, ARefusedValueGoesToAFileBesideTheProgramAndExpandsFromThere) {
  const std::string value(5000, 'v');
  SaveStepOutput(ToVariable("%big"), 0, 0, value);
  const std::string path = ExecutableFolder() + "\\big.ZELO_var";
  EXPECT_EQ(VariableFilePath("big"), path);
  std::string stored;
  ASSERT_TRUE(ReadStoredVariable(kUserVariablesKey, "big", &stored));
  EXPECT_EQ(stored, path + "*");
  ASSERT_TRUE(FileThere(path));
  EXPECT_EQ(Expand("[%big]"), "[" + value + "]");

  // A value the registry takes again replaces the reference.
  SaveStepOutput(ToVariable("big"), 0, 0, "small");
  EXPECT_EQ(Expand("[%big]"), "[small]");
}

TEST_F(VariableFilesTest, AResetRemovesTheKeyWithItsLocalSubkeysAndTheFiles) {
  SaveStepOutput(ToVariable("big"), 0, 0, std::string(5000, 'v'));
  WriteSettingNumber(kLocalVariablesSetting, 1);
  SaveStepOutput(ToVariable("mine"), 1, 0, "in tab 2");
  ASSERT_EQ(Expand("%mine"), "%mine");
  ASSERT_TRUE(registry_.KeyExists(SettingsRoot::CurrentUser, VariableKey(1)));
  ResetUserVariables();
  EXPECT_FALSE(registry_.KeyExists(SettingsRoot::CurrentUser, kUserVariablesKey));
  EXPECT_FALSE(FileThere(ExecutableFolder() + "\\big.ZELO_var"));
}

}  // namespace
}  // namespace zelo
