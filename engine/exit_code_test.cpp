#include "engine/exit_code.h"

#include <gtest/gtest.h>

#include "settings/memory_settings.h"
#include "settings/settings.h"

namespace zelo {
namespace {

class ExitCodeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseSettings(&store_);
    ClearExitCode();
  }
  void TearDown() override {
    ClearExitCode();
    UseSettings(nullptr);
  }
  MemorySettings store_;
};

TEST_F(ExitCodeTest, UnsetCodeIsTheDefaultReturnCode) {
  EXPECT_FALSE(ExitCodeIsSet());
  EXPECT_EQ(ProcessExitCode(), 0);  // no setting at all
  WriteSettingNumber("SOFTWARE\\Zelomat\\DefaultReturnCode", 7);
  EXPECT_EQ(ProcessExitCode(), 7);
  WriteSettingNumber("SOFTWARE\\Zelomat\\DefaultReturnCode", static_cast<uint32_t>(-1));
  EXPECT_EQ(ProcessExitCode(), -1);
}

TEST_F(ExitCodeTest, ScriptCodeWinsEvenWhenZero) {
  WriteSettingNumber("SOFTWARE\\Zelomat\\DefaultReturnCode", 5);
  SetExitCode(3);
  EXPECT_TRUE(ExitCodeIsSet());
  EXPECT_EQ(ProcessExitCode(), 3);
  SetExitCode(0);
  EXPECT_EQ(ProcessExitCode(), 0);
  ClearExitCode();
  EXPECT_EQ(ProcessExitCode(), 5);
}

}  // namespace
}  // namespace zelo
