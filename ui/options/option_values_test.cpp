#include "ui/options/option_values.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "engine/failure_modes.h"
#include "settings/defaults.h"
#include "settings/memory_settings.h"
#include "settings/settings.h"

namespace zelo {
namespace {

class OptionValuesTest : public ::testing::Test {
 protected:
  void SetUp() override { UseSettings(&store_); }
  void TearDown() override { UseSettings(nullptr); }
  static int32_t Stored(const std::string& name) { return ReadSetting("SOFTWARE\\Zelomat\\" + name); }
  MemorySettings store_;
};

TEST_F(OptionValuesTest, CheckBoxesWriteTheirSettingsAndTheTipsBoxWritesBoth) {
  EXPECT_TRUE(ReadCheckOption(kTipsOption));  // the default, before start-up wrote it
  WriteCheckOption(kTipsOption, false);
  EXPECT_EQ(Stored("ShowTips"), 0);
  EXPECT_EQ(Stored("ShowEditTips"), 0);
  EXPECT_TRUE(SettingExists("SOFTWARE\\Zelomat\\ShowEditTips"));

  // The box means shared variables: ticking it turns local variables off.
  const CheckOption shared = {"Shared variables", "LocalVariables", nullptr, true};
  EXPECT_TRUE(ReadCheckOption(shared));
  WriteCheckOption(shared, false);
  EXPECT_EQ(Stored("LocalVariables"), 1);
  EXPECT_FALSE(ReadCheckOption(shared));
}

TEST_F(OptionValuesTest, NumberBoxesKeepTheirFloors) {
  EXPECT_EQ(MaxFieldSizeToStore(2), 3);
  EXPECT_EQ(MaxFieldSizeToStore(-7), 3);
  EXPECT_EQ(MaxFieldSizeToStore(40), 40);
  EXPECT_EQ(MaxUndoToStore(0), 1);
  EXPECT_EQ(MaxUndoToStore(-3), 1);
  EXPECT_EQ(MaxUndoToStore(2), 2);
  EXPECT_EQ(IndentSizeToStore(99), 31);
}

TEST_F(OptionValuesTest, AnEmptyReturnCodeBoxDeletesTheSetting) {
  WriteDefaultReturnCode("-2");
  EXPECT_EQ(ReadDefaultReturnCode(), "-2");
  WriteDefaultReturnCode("  ");
  EXPECT_FALSE(SettingExists("SOFTWARE\\Zelomat\\DefaultReturnCode"));
  EXPECT_EQ(ReadDefaultReturnCode(), "");
}

TEST_F(OptionValuesTest, EveryFailureModeOfferedIsOneTheRunRecognises) {
  std::set<FailureMode> seen;
  for (const std::string& mode : FailureModeChoices()) {
    const FailureMode m = FailureModeOf(mode);
    EXPECT_NE(m, FailureMode::Unrecognised) << mode;
    EXPECT_TRUE(seen.insert(m).second) << mode << " repeats another mode";
    // The value box belongs to exactly the modes that read `onfail value`.
    const bool takes_value =
        m == FailureMode::Retry || m == FailureMode::JumpToLabel || m == FailureMode::IncrementVariable;
    EXPECT_EQ(FailureModeTakesValue(mode), takes_value) << mode;
  }
}

TEST_F(OptionValuesTest, StopKeyListShowsAStoredZeroAsPauseAndKeepsAnUnlistedKey) {
  EXPECT_EQ(StopKeyShown(0), 19);
  auto has = [](const std::vector<StopKeyChoice>& keys, int code) {
    return std::count_if(keys.begin(), keys.end(), [&](const StopKeyChoice& k) { return k.code == code; });
  };
  const std::vector<StopKeyChoice> listed = StopKeyChoices(27);
  EXPECT_EQ(has(listed, 27), 1);
  EXPECT_EQ(has(listed, 19), 1);
  std::set<std::string> names;
  for (const StopKeyChoice& k : listed) EXPECT_TRUE(names.insert(k.name).second) << "two keys named " << k.name;
  // "A" is no listed stop key, but one a user may have stored: confirming
  // the page must not turn it into another key.
  const std::vector<StopKeyChoice> kept = StopKeyChoices('A');
  ASSERT_EQ(has(kept, 'A'), 1);
  EXPECT_EQ(kept.back().name, "A");
  EXPECT_EQ(kept.size(), listed.size() + 1);
}

TEST_F(OptionValuesTest, ColoursAndFontReadTheirStartUpDefaults) {
  for (const RowColorOption& row : RowColorOptions())
    for (const char* name : {row.fill, row.text})
      if (name) {
        EXPECT_NE(FindSettingDefault(name), nullptr) << name << " has no start-up default";
      }
  EXPECT_EQ(ReadColorOption("Colors\\BreakFill"), 0x463A96u);
  OutputFont font = ReadOutputFont();
  EXPECT_EQ(font.face, "Courier New");
  EXPECT_EQ(font.points, 8);
  EXPECT_EQ(font.weight, 400);
  font = {"Lucida Console", 11, true, 700, 0x0000FF};
  WriteOutputFont(font);
  const OutputFont back = ReadOutputFont();
  EXPECT_EQ(back.face, "Lucida Console");
  EXPECT_EQ(back.points, 11);
  EXPECT_TRUE(back.italic);
  EXPECT_EQ(back.weight, 700);
  EXPECT_EQ(back.color, 0x0000FFu);
}

TEST_F(OptionValuesTest, ConfirmingUnchangedValuesAsksForNoRestart) {
  // Nothing stored yet: the shown defaults are what the program already uses.
  EXPECT_FALSE(WriteInterfaceStyle(ReadInterfaceStyle()));
  EXPECT_FALSE(WriteNumberOption("Palettes\\MainList\\GridStyle", 2));
  EXPECT_TRUE(WriteInterfaceStyle("Office 97"));
  EXPECT_TRUE(WriteNumberOption("Palettes\\MainList\\GridStyle", 0));
}

}  // namespace
}  // namespace zelo
