#include "engine/step_timeout.h"

#include <gtest/gtest.h>

namespace zelo {
namespace {

TEST(StepTimeout, SecondsWithFractionsCutToWholeMilliseconds) {
  EXPECT_EQ(StepTimeoutMs("3"), 3000u);
  EXPECT_EQ(StepTimeoutMs(".5"), 500u);
  EXPECT_EQ(StepTimeoutMs("0.0015"), 1u);
  EXPECT_EQ(StepTimeoutMs("1e30"), 1000u) << "the number ends at the letter";
}

TEST(StepTimeout, NothingToWaitForOrTheLongestWait) {
  for (const char* none : {"", "0", "-5", "abc", " 5", "-0.5"}) EXPECT_EQ(StepTimeoutMs(none), 0u) << none;
  EXPECT_EQ(StepTimeoutMs("86400"), kMaxStepTimeoutMs);
  EXPECT_EQ(StepTimeoutMs("4294968"), kMaxStepTimeoutMs) << "more than 32 bits of milliseconds";
  EXPECT_EQ(StepTimeoutMs(std::string(400, '9')), kMaxStepTimeoutMs) << "too large for a real";
}

}  // namespace
}  // namespace zelo
