#include "model/xml_tags.h"

#include <gtest/gtest.h>

#include <string>

namespace zelo {

namespace {
const char* const kBlock =
    "<step>\r\n\t<action>Goto Label</action>\r\n\t<status>0x1002</status>\r\n"
    "\t<output value=\"a &amp; b\">Variable</output>\r\n"
    "\t<onfail value=\"lbl\" image=\"1\" log=\"1\">Goto Label</onfail>\r\n</step>\r\n";
}  // namespace

TEST(ReadTag, CopiesDecodedContentAndReturnsItsIntegerValue) {
  std::string content;
  EXPECT_EQ(ReadTag(kBlock, "status", &content, 259), 0x1002);
  EXPECT_EQ(content, "0x1002");
  EXPECT_EQ(ReadTag(kBlock, "ACTION", &content, 259), 0);
  EXPECT_EQ(content, "Goto Label");
  EXPECT_EQ(ReadTag(kBlock, "action", &content, 4), 0);
  EXPECT_EQ(content, "Goto");
}

TEST(ReadTag, AbsentTagGivesZeroAndEmptyDestinations) {
  std::string content = "old", value = "old";
  EXPECT_EQ(ReadTag(kBlock, "comment", &content, 259, {{"value", &value}}), 0);
  EXPECT_EQ(content, "");
  EXPECT_EQ(value, "");
}

TEST(ReadTag, MeasureModeReturnsRawLengthPlusOneAndCopiesNothing) {
  std::string content = "old";
  EXPECT_EQ(ReadTag("<text>a&amp;b</text>", "text", &content, kMeasureContent), 8);
  EXPECT_EQ(content, "");
  EXPECT_EQ(ReadTag("<text></text>", "text", nullptr, kMeasureContent), 1);
}

TEST(ReadTag, ReadsDecodedAttributes) {
  std::string output, value;
  ReadTag(kBlock, "output", &output, 63, {{"value", &value}});
  EXPECT_EQ(output, "Variable");
  EXPECT_EQ(value, "a & b");
}

TEST(ReadTag, AttributeNamesMatchOnlyAsNames) {
  // A label that contains another attribute's name must not be taken for it.
  std::string onfail, value, image, log;
  const char* block = "<step><onfail value=\"catalog\" image=\"0\" log=\"1\">Goto Label</onfail></step>";
  ReadTag(block, "onfail", &onfail, 63, {{"value", &value}, {"image", &image}, {"log", &log}});
  EXPECT_EQ(value, "catalog");
  EXPECT_EQ(image, "0");
  EXPECT_EQ(log, "1");

  block = "<step><onfail value=\"image\" image=\"1\" log=\"0\">Goto Label</onfail></step>";
  ReadTag(block, "onfail", &onfail, 63, {{"value", &value}, {"image", &image}, {"log", &log}});
  EXPECT_EQ(value, "image");
  EXPECT_EQ(image, "1");
  EXPECT_EQ(log, "0");

  // Inside a value, even " log=\"" is text.
  block = "<step><onfail value=\"a log=\" image=\"1\" log=\"1\">x</onfail></step>";
  ReadTag(block, "onfail", &onfail, 63, {{"value", &value}, {"log", &log}});
  EXPECT_EQ(value, "a log=");
  EXPECT_EQ(log, "1");
}

TEST(ReadTag, AngleBracketInAQuotedValueDoesNotEndTheTag) {
  std::string onfail, value, log;
  ReadTag("<onfail value=\"a>b\" image=\"0\" log=\"1\">Goto Label</onfail>", "onfail", &onfail, 63,
          {{"value", &value}, {"log", &log}});
  EXPECT_EQ(value, "a>b");
  EXPECT_EQ(log, "1");
  EXPECT_EQ(onfail, "Goto Label");
}

TEST(ReadTag, LongAttributeValuesAreKeptTo259Characters) {
  const std::string path(300, 'p');
  std::string output, value;
  ReadTag("<output value=\"" + path + "\">File</output>", "output", &output, 63, {{"value", &value}});
  EXPECT_EQ(value, path.substr(0, 259));
  EXPECT_EQ(output, "File");
}

TEST(ReadTag, ContentWithoutClosingTagRunsToTheLimitOrTheEnd) {
  std::string content;
  ReadTag("<text>abcdef", "text", &content, 3);
  EXPECT_EQ(content, "abc");
  ReadTag("<text>abcdef", "text", &content, 259);
  EXPECT_EQ(content, "abcdef");
  ReadTag("<text", "text", &content, 259);  // no ">" either
  EXPECT_EQ(content, "");
}

TEST(ReadTag, ClosingTagIsTheFirstOneOfTheBlock) {
  std::string content;
  ReadTag("<text>a</text>b</text>", "text", &content, 259);
  EXPECT_EQ(content, "a");
  // A raw closing tag before the element (in an earlier element's text) is
  // passed over instead of giving a negative length.
  ReadTag("<text>x</comment>y</text><comment>c</comment>", "comment", &content, 259);
  EXPECT_EQ(content, "c");
}

TEST(ReadTag, TagNamesAreFoundByPrefixAnywhere) {
  // The search is for "<name": an element that only starts with the name matches too.
  std::string content;
  ReadTag("<textual>t</textual><text>u</text>", "text", &content, 259);
  EXPECT_EQ(content, "t</textual><text>u");
}

}  // namespace zelo
