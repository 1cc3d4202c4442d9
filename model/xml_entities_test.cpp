#include "model/xml_entities.h"

#include <gtest/gtest.h>

namespace zelo {

TEST(EncodeXml, EscapesAmpersandAndAngleBracketsOnly) {
  EXPECT_EQ(EncodeXml("a<b & c>d \"q\" 'a'"), "a&lt;b &amp; c&gt;d \"q\" 'a'");
  EXPECT_EQ(EncodeXml(""), "");
}

TEST(DecodeXml, ReplacesNamedAndNumericEntitiesInAnyCase) {
  EXPECT_EQ(DecodeXml("&amp;&#038;&lt;&#060;&gt;&#062;&apos;&#039;&quot;&#034;"), "&&<<>>''\"\"");
  EXPECT_EQ(DecodeXml("&LT;x&Gt;&AMP;"), "<x>&");
}

TEST(DecodeXml, IsASinglePassSoEscapedEntitiesStayEntities) {
  EXPECT_EQ(DecodeXml("&amp;lt;"), "&lt;");
  EXPECT_EQ(DecodeXml("&amp;amp;amp;"), "&amp;amp;");
  const std::string tricky = "&lt; &amp; &#060; plain & < >";
  EXPECT_EQ(DecodeXml(EncodeXml(tricky)), tricky);
}

TEST(DecodeXml, LeavesUnknownOrCutEntitiesAlone) {
  EXPECT_EQ(DecodeXml("&nbsp; &lt &#60; &"), "&nbsp; &lt &#60; &");
  EXPECT_EQ(DecodeXml("x&am"), "x&am");
}

}  // namespace zelo
