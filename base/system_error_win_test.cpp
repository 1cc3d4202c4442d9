#include "base/system_error_win.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace zelo {
namespace {

TEST(SystemErrorText, TheSystemsWordsWithoutTheirLineEndOrTheNumberWhenItHasNone) {
  const std::string known = SystemErrorText(ERROR_FILE_NOT_FOUND);
  ASSERT_FALSE(known.empty());
  EXPECT_EQ(known.find_first_of("\r\n"), std::string::npos) << known;
  EXPECT_NE(known.back(), ' ') << known;
  EXPECT_EQ(known.find("System error"), std::string::npos) << known;
  // Codes with bit 29 set are a program's own: the system has no text for them.
  EXPECT_EQ(SystemErrorText(0x20001234), "System error 536875572");
}

}  // namespace
}  // namespace zelo
