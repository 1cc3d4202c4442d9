#include "actions/screen/screen_color.h"

#include <gtest/gtest.h>

#include "actions/screen/search_region.h"

namespace zelo {
namespace {

TEST(ScreenSearchColor, NamesAndHexDigitsGiveColorrefs) {
  EXPECT_EQ(ParseColor("lt Gray"), 0xC0C0C0u);
  EXPECT_EQ(ParseColor("RED"), 0x0000FFu);
  EXPECT_EQ(ParseColor("#FF0000"), 0x0000FFu) << "RRGGBB becomes 0x00BBGGRR";
  EXPECT_EQ(ParseColor("\"0x12 34 56\""), 0x563412u) << "quotes, blanks and 0x are dropped";
  EXPECT_EQ(ParseColor("12345"), 0u) << "five digits";
  EXPECT_EQ(ParseColor("12345G"), 0u);
  EXPECT_EQ(ParseColor("##123456"), 0u) << "only one # is dropped";
  EXPECT_EQ(ParseColor(" RED"), 0u) << "a name with a blank is no name, and no hex";
}

TEST(ScreenSearchColor, ToleranceRangeIsCutToByteValues) {
  const ColorRange r = ColorRangeOf(0x0A80F5, 20);  // R=10 G=128 B=245
  EXPECT_EQ(r.low_red, 0);
  EXPECT_EQ(r.high_blue, 255);
  EXPECT_EQ(r.low_green, 108);
  EXPECT_TRUE(r.Holds(0xFF000000 | 0x0094FF)) << "the top byte is not a channel";
  EXPECT_FALSE(r.Holds(0x1F80F5));
  EXPECT_TRUE(ColorRangeOf(0x123456, 255).Holds(0xFFFFFF));
  EXPECT_TRUE(ColorRangeOf(0x123456, 1 << 30).Holds(0x000000)) << "a huge tolerance must not overflow";
}

TEST(ScreenSearchRegion, FieldsAndNormalisationStayOnTheScreen) {
  // No region: the whole screen, ending at its last column and row.
  EXPECT_EQ(ReadSearchFields("", "", "", 800, 600).region, (ScreenRegion{0, 0, 799, 599}));
  // A start without a stop searches to the bottom-right corner.
  EXPECT_EQ(ReadSearchFields("", "100,100", "", 800, 600).region, (ScreenRegion{100, 100, 799, 599}));
  // Reversed corners are put in order; negative numbers read as 0.
  EXPECT_EQ(ReadSearchFields("", "300, 200", "-5,10", 800, 600).region, (ScreenRegion{0, 10, 300, 200}));
  // Equal edges stretch to the screen; edges past the screen are cut.
  EXPECT_EQ(NormalizeRegion({50, 60, 50, 5000}, 800, 600), (ScreenRegion{50, 60, 799, 599}));
  EXPECT_TRUE(ReadSearchFields("", "5000,5000", "", 800, 600).region.Empty());
  EXPECT_EQ(ReadSearchFields("  12x", "", "", 800, 600).tolerance, 12);
}

}  // namespace
}  // namespace zelo
