#include "ui/options/update_check.h"

#include <gtest/gtest.h>

#include "settings/memory_settings.h"
#include "settings/setting_names.h"
#include "settings/settings.h"

namespace zelo {
namespace {

TEST(UpdateCheckTest, VersionsCompareByTheirNormalisedNumbers) {
  EXPECT_EQ(JudgeVersionFile(true, "1.6|notes", "1.5.1"), UpdateOutcome::Available);
  EXPECT_EQ(JudgeVersionFile(true, "1.5.1\r\n", "1.5.1"), UpdateOutcome::Current);
  EXPECT_EQ(JudgeVersionFile(true, "1.5", "1.5.1"), UpdateOutcome::Current);
  // Cut at the first ".0": "2.0.3" is 2, "1.05" is 1.
  EXPECT_EQ(VersionNumber("2.0.3"), 20000);
  EXPECT_EQ(JudgeVersionFile(true, "2.0.3", "1.9.9"), UpdateOutcome::Available);
  EXPECT_EQ(JudgeVersionFile(true, "1.05", "1.5.1"), UpdateOutcome::Current);
  EXPECT_EQ(VersionNumber("1.2.3.4.5.6"), 123456);
  EXPECT_GT(VersionNumber("99999999999999999999999"), 0);  // no overflow
}

TEST(UpdateCheckTest, NoFileOrAnErrorPageIsAFailureNotCurrent) {
  EXPECT_EQ(JudgeVersionFile(false, "1.6", "1.5.1"), UpdateOutcome::Failed);
  EXPECT_EQ(JudgeVersionFile(true, "", "1.5.1"), UpdateOutcome::Failed);
  EXPECT_EQ(JudgeVersionFile(true, "<html><body>404 Not Found</body></html>", "1.5.1"), UpdateOutcome::Failed);
  EXPECT_EQ(JudgeVersionFile(true, "  |1.6", "1.5.1"), UpdateOutcome::Failed);
}

TEST(UpdateCheckTest, AutomaticChecksAreDueDailyOrWeekly) {
  const CivilTime now = {2026, 3, 1, 9, 30, 0, 0};
  const CivilTime day_before = {2026, 2, 28, 9, 30, 0, 6};  // across the month's end
  const CivilTime hour_less = {2026, 2, 28, 10, 30, 0, 6};
  const CivilTime six_days = {2026, 2, 23, 9, 30, 0, 1};
  const CivilTime seven_days = {2026, 2, 22, 9, 30, 0, 0};
  const CivilTime ahead = {2027, 1, 1, 0, 0, 0, 5};
  EXPECT_TRUE(UpdateCheckDue(1, &day_before, now));
  EXPECT_FALSE(UpdateCheckDue(1, &hour_less, now));
  EXPECT_FALSE(UpdateCheckDue(2, &six_days, now));
  EXPECT_TRUE(UpdateCheckDue(2, &seven_days, now));
  EXPECT_TRUE(UpdateCheckDue(1, nullptr, now));
  EXPECT_TRUE(UpdateCheckDue(2, &ahead, now));
  for (int never : {0, 3, -1}) EXPECT_FALSE(UpdateCheckDue(never, nullptr, now));
}

TEST(UpdateCheckTest, TheLastCheckIsStoredAsALocalTimeAndReadBack) {
  MemorySettings store;
  UseSettings(&store);
  CivilTime t;
  EXPECT_FALSE(ReadLastUpdateCheck(&t));
  const CivilTime now = {2026, 12, 9, 23, 59, 58, 3};
  StoreLastUpdateCheck(now);
  std::string bytes;
  ASSERT_EQ(ReadSettingBinary(setting::kAutoUpdateLastCheck, &bytes, 64), 16u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]) | static_cast<unsigned char>(bytes[1]) << 8, 2026);
  ASSERT_TRUE(ReadLastUpdateCheck(&t));
  EXPECT_EQ(SecondsFromCivilTime(t), SecondsFromCivilTime(now));
  EXPECT_FALSE(DecodeCheckTime(std::string(16, '\xFF'), &t));

  EXPECT_EQ(UpdateAddress(), "");
  WriteSetting(setting::kUpdateAddress, " http://127.0.0.1:8080/dl/zelomat.ver ");
  EXPECT_EQ(UpdateDownloadPage(), "http://127.0.0.1:8080/dl/");
  WriteSetting(setting::kUpdateAddress, "http://example.invalid");
  EXPECT_EQ(UpdateDownloadPage(), "http://example.invalid");
  WriteSetting(setting::kUpdateDownloadPage, "http://example.invalid/get");
  EXPECT_EQ(UpdateDownloadPage(), "http://example.invalid/get");
  UseSettings(nullptr);
}

}  // namespace
}  // namespace zelo
