#include "expr/random.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

namespace zelo {
namespace {

TEST(Random, TheClassicGeneratorSequence) {
  SeedRandom(1);
  EXPECT_EQ(NextRandom(), 41);
  EXPECT_EQ(NextRandom(), 18467);
  EXPECT_EQ(NextRandom(), 6334);
  SeedRandom(1);
  EXPECT_EQ(NextRandom(), 41);
}

TEST(Random, RandomInRangeStaysInsideAndReachesBothEnds) {
  SeedRandom(12345);
  std::set<int32_t> seen;
  for (int i = 0; i < 20000; ++i) {
    const int32_t r = RandomInRange(3, 9);
    ASSERT_GE(r, 3);
    ASSERT_LE(r, 9);
    seen.insert(r);
  }
  EXPECT_EQ(seen.size(), 7u);
  EXPECT_EQ(RandomInRange(5, 5), 5);
}

TEST(Random, ExtremeAndReversedRanges) {
  SeedRandom(99);
  for (int i = 0; i < 5000; ++i) {
    const int32_t wide = RandomInRange(INT32_MIN, INT32_MAX);
    (void)wide;  // any int32 is in range; the call must not overflow
    const int32_t reversed = RandomInRange(10, 1);
    ASSERT_GE(reversed, 1);
    ASSERT_LE(reversed, 10);
  }
}

TEST(Random, ScalesTheDrawAsASinglePrecisionFraction) {
  SeedRandom(1);  // draws 41, then 18467
  EXPECT_EQ(RandomInRange(100, 199), 100);  // 41 / 32769 * 100 truncates to 0
  EXPECT_EQ(RandomInRange(0, 99), 56);      // 18467 / 32769 * 100 = 56.35
}

}  // namespace
}  // namespace zelo
