#include "model/recording_lines.h"

#include <gtest/gtest.h>

#include <climits>

namespace zelo {

TEST(RecordingLines, WriteFourZeroPaddedNumbersWithoutTheWindow) {
  RecordedEvent e{1, 3, 2, 4, 99};  // message, low, high, time, window
  std::string out;
  AppendRecordingLines(&e, 1, out);
  EXPECT_EQ(out, "\t[0001-0002-0003-00000004]\t\r\n");
  RecordedEvent wide{123456, 0, 0, 123456789, 0};
  out.clear();
  AppendRecordingLines(&wide, 1, out);
  EXPECT_EQ(out, "\t[123456-0000-0000-123456789]\t\r\n");
}

TEST(RecordingLines, ReadMessageHighLowTime) {
  EventList events = ParseRecordingLines("\t[0001-0002-0003-00000004]\t\r\n");
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].message, 1);
  EXPECT_EQ(events[0].param_h, 2);
  EXPECT_EQ(events[0].param_l, 3);
  EXPECT_EQ(events[0].time, 4);
  EXPECT_EQ(events[0].window, 0);
}

TEST(RecordingLines, NegativeNumbersReadBackAsWritten) {
  EventList written = {{-1, -50, 3, -10, 0}, {0x200, -2000, -3000, 12, 0}, {INT_MIN, INT_MAX, INT_MIN, INT_MIN, 0}};
  std::string out;
  AppendRecordingLines(written.data(), written.size(), out);
  EXPECT_NE(out.find("[-001-0003--050--0000010]"), std::string::npos);
  EventList read = ParseRecordingLines(out);
  ASSERT_EQ(read.size(), written.size());
  for (std::size_t i = 0; i < read.size(); ++i) {
    EXPECT_EQ(read[i].message, written[i].message) << i;
    EXPECT_EQ(read[i].param_l, written[i].param_l) << i;
    EXPECT_EQ(read[i].param_h, written[i].param_h) << i;
    EXPECT_EQ(read[i].time, written[i].time) << i;
  }
}

TEST(RecordingLines, LinesWithoutSignsReadAsBefore) {
  // Text between the numbers and missing numbers: each piece is read leniently.
  EventList events = ParseRecordingLines("[12-x3]junk[5]\r\n[1-2-3-4-5]");
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].message, 12);
  EXPECT_EQ(events[0].param_h, 3);
  EXPECT_EQ(events[0].param_l, 0);
  EXPECT_EQ(events[1].message, 5);
  EXPECT_EQ(events[2].time, 4);
}

TEST(RecordingLines, EveryBracketStartsAnEvent) {
  EXPECT_EQ(ParseRecordingLines("[1-[2-3]").size(), 2u);
  EXPECT_EQ(ParseRecordingLines("[1-2").size(), 1u);
  EXPECT_TRUE(ParseRecordingLines("no events ]").empty());
  // Many unclosed brackets are read in one pass.
  EXPECT_EQ(ParseRecordingLines(std::string(200000, '[')).size(), 200000u);
}

}  // namespace zelo
