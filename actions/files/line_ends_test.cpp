#include "actions/files/line_ends.h"

#include <gtest/gtest.h>

namespace zelo {
namespace {

TEST(CountLines, EachKindOfLineEndCountsOnce) {
  EXPECT_EQ(CountLines("a\r\nb"), 2u);
  EXPECT_EQ(CountLines("a\n\nb"), 3u);
  EXPECT_EQ(CountLines("a\r\rb"), 3u);
  EXPECT_EQ(CountLines("a\n\rb"), 3u);  // LF then CR: two ends, not a pair
  EXPECT_EQ(CountLines("a\r\n\r\nb"), 3u);
  EXPECT_EQ(CountLines("a\rb\nc\r\nd"), 4u);
}

TEST(CountLines, EmptyTextHasNoLinesAndAnEndedLastLineCountsTheEmptyOne) {
  EXPECT_EQ(CountLines(""), 0u);
  EXPECT_EQ(CountLines("abc"), 1u);
  EXPECT_EQ(CountLines("a\r\n"), 2u);
  EXPECT_EQ(CountLines("\n"), 2u);
}

TEST(LineEndCounter, PairSplitBetweenPiecesCountsOnce) {
  LineEndCounter counter;
  counter.Feed("a\r");
  counter.Feed("\nb\r");
  counter.Feed("");
  counter.Feed("\r");
  counter.Feed("\n");
  EXPECT_EQ(counter.line_ends(), 3u);
  EXPECT_EQ(counter.lines(), 4u);
}

TEST(LineEndCounter, AnyCutOfATextGivesTheSameCount) {
  const std::string text = "one\r\ntwo\rthree\n\nfour\r\n\r\rfive";
  const uint64_t whole = CountLines(text);
  for (std::size_t cut = 0; cut <= text.size(); ++cut) {
    LineEndCounter counter;
    counter.Feed(std::string_view(text).substr(0, cut));
    counter.Feed(std::string_view(text).substr(cut));
    EXPECT_EQ(counter.lines(), whole) << "cut at " << cut;
  }
}

}  // namespace
}  // namespace zelo
