#include "settings/legacy_migration.h"

#include <gtest/gtest.h>

#include <string>

#include "settings/defaults.h"
#include "settings/memory_settings.h"
#include "settings/settings.h"

namespace zelo {
namespace {

constexpr SettingsRoot kUser = SettingsRoot::CurrentUser;
constexpr SettingsRoot kMachine = SettingsRoot::LocalMachine;

class LegacyMigrationTest : public ::testing::Test {
 protected:
  void SetUp() override { UseSettings(&store_); }
  void TearDown() override { UseSettings(nullptr); }
  MemorySettings store_;
};

// A store where the machine-wide tree cannot be written, as for a user without
// administrator rights.
class UserOnlySettings : public MemorySettings {
 public:
  bool Set(SettingsRoot root, std::string_view key, std::string_view name, const StoredValue& value) override {
    return root == SettingsRoot::CurrentUser && MemorySettings::Set(root, key, name, value);
  }
};

TEST_F(LegacyMigrationTest, ZeloplusTreeMovesToZeloplanUnderBothRoots) {
  for (SettingsRoot root : {kUser, kMachine}) {
    WriteSettingNumber("SOFTWARE\\Zeloplus\\Right", 800, root);
    WriteSetting("SOFTWARE\\Zeloplus\\UserVariables\\name", "value", root);
  }
  WriteSettingNumber("SOFTWARE\\Zeloplan\\Kept", 1);
  MigrateLegacySettings();
  for (SettingsRoot root : {kUser, kMachine}) {
    EXPECT_FALSE(store_.KeyExists(root, "SOFTWARE\\Zeloplus"));
    EXPECT_EQ(ReadSetting("SOFTWARE\\Zeloplan\\Right", nullptr, 1023, root), 800);
    EXPECT_EQ(ReadSettingText("SOFTWARE\\Zeloplan\\UserVariables\\name", 1023, root), "value");
  }
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zeloplan\\Kept"), 1);
}

TEST_F(LegacyMigrationTest, ZeloplusTreeIsToldByRunAtLeastOnceToo) {
  WriteSettingNumber("SOFTWARE\\Zeloplus\\RunAtLeastOnce", 3);
  MigrateLegacySettings();
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zeloplan\\RunAtLeastOnce"), 3);
  EXPECT_FALSE(store_.KeyExists(kUser, "SOFTWARE\\Zeloplus"));
}

TEST_F(LegacyMigrationTest, ZeloplusTreeWithoutItsMarkersStays) {
  WriteSettingNumber("SOFTWARE\\Zeloplus\\Left", 1);
  WriteSettingNumber("SOFTWARE\\Zeloplus\\Right", 1, kMachine);  // only the user's tree is asked
  MigrateLegacySettings();
  EXPECT_TRUE(SettingExists("SOFTWARE\\Zeloplus\\Left"));
  EXPECT_TRUE(SettingExists("SOFTWARE\\Zeloplus\\Right", kMachine));
  EXPECT_FALSE(store_.KeyExists(kUser, "SOFTWARE\\Zeloplan"));
}

TEST(LegacyMigration, MachineTreeThatCannotBeCopiedIsNotDeleted) {
  UserOnlySettings store;
  StoredValue right;
  right.kind = ValueKind::Dword;
  right.number = 1;
  store.MemorySettings::Set(kMachine, "SOFTWARE\\Zeloplus", "Right", right);
  store.Set(kUser, "SOFTWARE\\Zeloplus", "Right", right);
  UseSettings(&store);
  MigrateLegacySettings();
  UseSettings(nullptr);
  EXPECT_FALSE(store.KeyExists(kUser, "SOFTWARE\\Zeloplus"));
  EXPECT_TRUE(store.Get(kUser, "SOFTWARE\\Zeloplan", "Right", nullptr));
  EXPECT_TRUE(store.Get(kMachine, "SOFTWARE\\Zeloplus", "Right", nullptr));
}

TEST_F(LegacyMigrationTest, SuppressLogoBecomesShowSplashOff) {
  WriteSettingNumber("SOFTWARE\\Zeloplan\\SuppressLogo", 1);
  WriteSettingDefaults(false);
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\ShowSplash"), 0);
  EXPECT_FALSE(SettingExists("SOFTWARE\\Zeloplan\\SuppressLogo"));
}

TEST_F(LegacyMigrationTest, SuppressLogoOfZeroChangesNothing) {
  WriteSettingNumber("SOFTWARE\\Zeloplan\\SuppressLogo", 0);
  WriteSettingDefaults(false);
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\ShowSplash"), 1);
  EXPECT_TRUE(SettingExists("SOFTWARE\\Zeloplan\\SuppressLogo"));
}

TEST_F(LegacyMigrationTest, GlobalVariablesIsCarriedOverToLocalVariables) {
  WriteSettingNumber("SOFTWARE\\Zeloplan\\GlobalVariables", 1);
  WriteSettingDefaults(false);
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\LocalVariables"), 1);
  EXPECT_FALSE(SettingExists("SOFTWARE\\Zeloplan\\GlobalVariables"));
}

TEST_F(LegacyMigrationTest, DisplayOptionsMoveToTheirCurrentKeysAndWinOverDefaults) {
  uint32_t n = 1000;
  for (const MovedOption& option : kMovedDisplayOptions)
    WriteSettingNumber(std::string("SOFTWARE\\Zeloplan\\") + option.old_name, n++);
  WriteSetting("SOFTWARE\\Zeloplan\\CommentText", "text kept as text");
  WriteSettingDefaults(false);

  n = 1000;
  for (const MovedOption& option : kMovedDisplayOptions) {
    EXPECT_FALSE(SettingExists(std::string("SOFTWARE\\Zeloplan\\") + option.old_name)) << option.old_name;
    const std::string now = std::string("SOFTWARE\\Zelomat\\") + option.new_name;
    if (std::string(option.old_name) == "CommentText")
      EXPECT_EQ(ReadSettingText(now), "text kept as text");
    else
      EXPECT_EQ(ReadSetting(now), static_cast<int32_t>(n)) << now;
    ++n;
  }
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\HiliteRunningStep"), 1007);
}

TEST_F(LegacyMigrationTest, OptionsOfTheOldestLineArriveInOneStart) {
  WriteSettingNumber("SOFTWARE\\Zeloplus\\Right", 800);
  WriteSettingNumber("SOFTWARE\\Zeloplus\\Hilite", 0);
  WriteSettingNumber("SOFTWARE\\Zeloplus\\SuppressLogo", 1);
  WriteSettingDefaults(false);
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\HiliteRunningStep"), 0);
  EXPECT_TRUE(SettingExists("SOFTWARE\\Zelomat\\HiliteRunningStep"));
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\ShowSplash"), 0);
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zeloplan\\Right"), 800);  // not a display option: stays in Zeloplan
}

TEST_F(LegacyMigrationTest, ResetDoesNotMigrate) {
  WriteSettingNumber("SOFTWARE\\Zeloplus\\Right", 800);
  WriteSettingNumber("SOFTWARE\\Zeloplan\\SkipFill", 5);
  WriteSettingDefaults(true);
  EXPECT_TRUE(SettingExists("SOFTWARE\\Zeloplus\\Right"));
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zeloplan\\SkipFill"), 5);
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Colors\\SkipFill"), 0xF0F0F0);
}

TEST_F(LegacyMigrationTest, RunningTwiceChangesNothingMore) {
  WriteSettingNumber("SOFTWARE\\Zeloplan\\IndentSize", 9);
  WriteSettingDefaults(false);
  WriteSettingNumber("SOFTWARE\\Zelomat\\Palettes\\MainList\\IndentSize", 4);  // the user changes it later
  WriteSettingDefaults(false);
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Palettes\\MainList\\IndentSize"), 4);
}

}  // namespace
}  // namespace zelo
