#include "settings/defaults.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/text.h"
#include "settings/memory_settings.h"
#include "settings/settings.h"
#include "settings/settings_reset.h"

namespace zelo {
namespace {

constexpr SettingsRoot kUser = SettingsRoot::CurrentUser;

// A store that refuses to write the values whose names are listed.
class RefusingSettings : public MemorySettings {
 public:
  std::vector<std::string> refused;
  bool Set(SettingsRoot root, std::string_view key, std::string_view name, const StoredValue& value) override {
    for (const std::string& r : refused)
      if (EqualsNoCase(r, name)) return false;
    return MemorySettings::Set(root, key, name, value);
  }
};

class DefaultsTest : public ::testing::Test {
 protected:
  void SetUp() override { UseSettings(&store_); }
  void TearDown() override { UseSettings(nullptr); }

  // What an earlier session leaves behind besides the options.
  void StoreSessionState() {
    for (const char* side : {"Left", "Top", "Right", "Bottom"})
      WriteSettingNumber(std::string("SOFTWARE\\Zelomat\\") + side, 100);
    for (int i = 1; i <= 9; ++i) WriteSetting(SettingPath("SOFTWARE\\Zelomat\\RecentFile%d", i), "C:\\a.zxm");
    WriteSetting("SOFTWARE\\Zelomat\\UserVariables\\counter", "5");
    WriteSetting("SOFTWARE\\Zelomat\\UserVariables\\66_1\\local", "6");
    WriteSetting("SOFTWARE\\Zelomat\\Favorites\\Type", "Type");
    WriteSetting("SOFTWARE\\Zelomat\\InterfaceStyle", "2");
  }
  int SessionValuesLeft() {
    int n = 0;
    for (const char* side : {"Left", "Top", "Right", "Bottom"})
      n += SettingExists(std::string("SOFTWARE\\Zelomat\\") + side);
    for (int i = 1; i <= 9; ++i) n += SettingExists(SettingPath("SOFTWARE\\Zelomat\\RecentFile%d", i));
    n += store_.KeyExists(kUser, "SOFTWARE\\Zelomat\\UserVariables");
    return n;
  }

  RefusingSettings store_;
};

TEST_F(DefaultsTest, TableNamesAreUniqueRelativePaths) {
  std::set<std::string> seen;
  for (const SettingDefault& row : SettingDefaults()) {
    std::string folded(row.name);
    for (char& c : folded) c = AsciiLower(c);
    EXPECT_TRUE(seen.insert(folded).second) << row.name;
    EXPECT_NE(row.name[0], '\\') << row.name;
    EXPECT_EQ(row.kind == SettingDefault::Kind::Text, row.text != nullptr) << row.name;
  }
  EXPECT_EQ(seen.size(), 66u);
}

TEST_F(DefaultsTest, FindsARowByNameWithoutCase) {
  const SettingDefault* row = FindSettingDefault("colors\\breakfill");
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->number, 0x463A96u);
  EXPECT_EQ(FindSettingDefault("InterfaceStyle"), nullptr);  // read with a default at its point of use
}

TEST_F(DefaultsTest, FirstStartWritesEveryDefaultWithItsKind) {
  EXPECT_TRUE(WriteSettingDefaults(false, {17, nullptr}));
  for (const SettingDefault& row : SettingDefaults()) {
    const std::string path = std::string("SOFTWARE\\Zelomat\\") + row.name;
    StoredValue v;
    std::string_view p(path);
    ASSERT_TRUE(store_.Get(kUser, p.substr(0, p.rfind('\\')), p.substr(p.rfind('\\') + 1), &v)) << path;
    if (row.kind == SettingDefault::Kind::Text) {
      EXPECT_EQ(v.kind, ValueKind::String) << path;
      EXPECT_EQ(v.data, row.text) << path;
    } else {
      EXPECT_EQ(v.kind, ValueKind::Dword) << path;
    }
  }
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\StopKey"), 19);
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Palettes\\MainList\\GridStyle_AltColor"), 0xFFF0F0);
  EXPECT_EQ(ReadSettingText("SOFTWARE\\Zelomat\\Logfile"), "C:\\ZelomatLog.txt");
  EXPECT_EQ(ReadSettingText("SOFTWARE\\Zelomat\\DefaultFailureMode"), "Display Error and Stop");
  EXPECT_EQ(ReadSettingText("SOFTWARE\\Zelomat\\Palettes\\Output\\Font"), "Courier New");
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Report\\Show7"), 1);
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Report\\MaxTextLen"), 50);
}

TEST_F(DefaultsTest, RowHeightIsTheDialogFontHeightPlusSix) {
  WriteSettingDefaults(false, {16, nullptr});
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Palettes\\Properties\\RowHeight"), 22);
  WriteSettingDefaults(true);
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Palettes\\Properties\\RowHeight"), kStandardDialogFontHeight + 6);
}

TEST_F(DefaultsTest, OrdinaryStartKeepsStoredOptionsAndResetRewritesThem) {
  WriteSettingNumber("SOFTWARE\\Zelomat\\Speed", 2);
  WriteSetting("SOFTWARE\\Zelomat\\Logfile", "D:\\run.log");
  WriteSetting("SOFTWARE\\Zelomat\\MaxUndo", "");  // an empty text counts as present
  WriteSettingDefaults(false);
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Speed"), 2);
  EXPECT_EQ(ReadSettingText("SOFTWARE\\Zelomat\\Logfile"), "D:\\run.log");
  EXPECT_EQ(ReadSettingText("SOFTWARE\\Zelomat\\MaxUndo"), "");

  WriteSettingDefaults(true);
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Speed"), 5);
  EXPECT_EQ(ReadSettingText("SOFTWARE\\Zelomat\\Logfile"), "C:\\ZelomatLog.txt");
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\MaxUndo"), 500);
}

TEST_F(DefaultsTest, StopKeyOfZeroBecomesPause) {
  WriteSettingNumber("SOFTWARE\\Zelomat\\StopKey", 0);
  WriteSettingDefaults(false);
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\StopKey"), 19);

  // Anything that reads as 0 is no usable key either.
  WriteSetting("SOFTWARE\\Zelomat\\StopKey", "Esc");
  WriteSettingDefaults(false);
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\StopKey"), 19);

  WriteSettingNumber("SOFTWARE\\Zelomat\\StopKey", 27);
  WriteSettingDefaults(false);
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\StopKey"), 27);
}

TEST_F(DefaultsTest, ResetDeletesPlacementVariablesAndRecentFilesButNotFavorites) {
  WriteSettingDefaults(false);
  StoreSessionState();
  WriteSetting("SOFTWARE\\Zelomat\\RecentFile10", "C:\\ten.zxm");
  int variable_file_sweeps = 0;
  WriteSettingDefaults(true, {kStandardDialogFontHeight, [&] { ++variable_file_sweeps; }});

  EXPECT_EQ(SessionValuesLeft(), 0);
  EXPECT_EQ(variable_file_sweeps, 1);
  EXPECT_EQ(ReadSettingText("SOFTWARE\\Zelomat\\Favorites\\Type"), "Type");
  EXPECT_EQ(ReadSettingText("SOFTWARE\\Zelomat\\InterfaceStyle"), "2");  // no start-up default, so kept
  EXPECT_TRUE(SettingExists("SOFTWARE\\Zelomat\\RecentFile10"));         // the list holds nine
}

TEST_F(DefaultsTest, OrdinaryStartDeletesNothing) {
  WriteSettingDefaults(false);
  StoreSessionState();
  int variable_file_sweeps = 0;
  WriteSettingDefaults(false, {kStandardDialogFontHeight, [&] { ++variable_file_sweeps; }});
  EXPECT_EQ(SessionValuesLeft(), 4 + 9 + 1);
  EXPECT_EQ(variable_file_sweeps, 0);
  EXPECT_EQ(ReadSettingText("SOFTWARE\\Zelomat\\UserVariables\\66_1\\local"), "6");
}

TEST_F(DefaultsTest, StartWhoseDefaultSpeedCannotBeWrittenClearsTheSessionState) {
  StoreSessionState();
  store_.refused = {"DefaultSpeed"};
  EXPECT_FALSE(WriteSettingDefaults(false));
  EXPECT_EQ(SessionValuesLeft(), 0);
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Speed"), 5);  // the other defaults were still written
}

TEST_F(DefaultsTest, FailedWritesAreReportedButDoNotStopTheRest) {
  store_.refused = {"MaxUndo"};
  EXPECT_FALSE(WriteSettingDefaults(false));
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Report\\MaxTextLen"), 50);
}

TEST_F(DefaultsTest, ResetAsksFirstAndTellsWhenDone) {
  WriteSettingNumber("SOFTWARE\\Zelomat\\Speed", 2);
  WriteSetting("SOFTWARE\\Zelomat\\RecentFile1", "C:\\a.zxm");
  std::vector<std::string> asked, told;
  auto tell = [&](std::string_view t) { told.emplace_back(t); };

  EXPECT_FALSE(ResetAllSettings([&](std::string_view q) { asked.emplace_back(q); return false; }, tell));
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Speed"), 2);
  EXPECT_TRUE(SettingExists("SOFTWARE\\Zelomat\\RecentFile1"));
  EXPECT_TRUE(told.empty());

  EXPECT_TRUE(ResetAllSettings([&](std::string_view q) { asked.emplace_back(q); return true; }, tell));
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Speed"), 5);
  EXPECT_FALSE(SettingExists("SOFTWARE\\Zelomat\\RecentFile1"));
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0], "Are you sure that you want to reset all configurations to their original values?");
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0],
            "All settings have been returned to their original values\n\n"
            "You will need to restart Zelomat for the changes to take effect.");
}

}  // namespace
}  // namespace zelo
