#include "settings/settings.h"

#include <gtest/gtest.h>

#include "settings/memory_settings.h"

namespace zelo {
namespace {

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { UseSettings(&store_); }
  void TearDown() override { UseSettings(nullptr); }

  StoredValue Stored(std::string_view key, std::string_view name, SettingsRoot root = SettingsRoot::CurrentUser) {
    StoredValue v;
    EXPECT_TRUE(store_.Get(root, key, name, &v)) << key << "\\" << name;
    return v;
  }
  void Put(std::string_view key, std::string_view name, ValueKind kind, std::string data, uint32_t number = 0) {
    StoredValue v;
    v.kind = kind;
    v.data = std::move(data);
    v.number = number;
    store_.Set(SettingsRoot::CurrentUser, key, name, v);
  }

  MemorySettings store_;
};

TEST_F(SettingsTest, DwordReadsAsItsNumberAndSignedDecimalText) {
  WriteSettingNumber("SOFTWARE\\Zelomat\\Speed", 7);
  std::string text;
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Speed", &text), 7);
  EXPECT_EQ(text, "7");

  WriteSettingNumber("SOFTWARE\\Zelomat\\UserVariables\\hwnd_loop", 0xFFFFFFFEu);
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\UserVariables\\hwnd_loop", &text), -2);
  EXPECT_EQ(text, "-2");

  WriteSettingNumber("SOFTWARE\\Zelomat\\Big", 123456);
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Big", &text, 3), 123456);
  EXPECT_EQ(text, "123");
}

TEST_F(SettingsTest, StringReadsAsItsLeadingDigitsAndTheWholeText) {
  WriteSetting("SOFTWARE\\Zelomat\\Mixed", "42abc7");
  std::string text;
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Mixed", &text), 42);
  EXPECT_EQ(text, "42abc7");

  WriteSetting("SOFTWARE\\Zelomat\\Words", "abc7");
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Words", &text), 0);
  EXPECT_EQ(text, "abc7");

  // Neither blanks nor a sign count as part of the number.
  WriteSetting("SOFTWARE\\Zelomat\\Signed", "-5");
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Signed"), 0);
  WriteSetting("SOFTWARE\\Zelomat\\Blank", " 5");
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Blank"), 0);
}

TEST_F(SettingsTest, StringTextIsCutToTheBufferLength) {
  WriteSetting("SOFTWARE\\Zelomat\\Logfile", "C:\\ZelomatLog.txt");
  EXPECT_EQ(ReadSettingText("SOFTWARE\\Zelomat\\Logfile", 6), "C:\\Zel");
  EXPECT_EQ(ReadSettingText("SOFTWARE\\Zelomat\\Logfile", 0), "");
  std::string long_text(5000, 'v');
  WriteSetting("SOFTWARE\\Zelomat\\Long", long_text);
  EXPECT_EQ(ReadSettingText("SOFTWARE\\Zelomat\\Long"), long_text.substr(0, 1023));
  EXPECT_EQ(ReadSettingText("SOFTWARE\\Zelomat\\Long", 100000), long_text);
}

TEST_F(SettingsTest, ExpandableStringIsReadWithoutExpansion) {
  Put("SOFTWARE\\Zelomat", "Path", ValueKind::ExpandString, "%TEMP%\\x");
  EXPECT_EQ(ReadSettingText("SOFTWARE\\Zelomat\\Path"), "%TEMP%\\x");
}

TEST_F(SettingsTest, MultiStringSeparatorsBecomeCrLf) {
  Put("SOFTWARE\\Zelomat", "Lines", ValueKind::MultiString, std::string("12 one\0two\0three", 16));
  std::string text;
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Lines", &text), 12);
  EXPECT_EQ(text, "12 one\r\ntwo\r\nthree");
  EXPECT_EQ(ReadSettingText("SOFTWARE\\Zelomat\\Lines", 8), "12 one\r\n");
}

TEST_F(SettingsTest, StringEndsAtAnEmbeddedTerminator) {
  Put("SOFTWARE\\Zelomat", "Nul", ValueKind::String, std::string("ab\0cd", 5));
  EXPECT_EQ(ReadSettingText("SOFTWARE\\Zelomat\\Nul"), "ab");
}

TEST_F(SettingsTest, BinaryReadsAsTheCopiedLength) {
  const std::string bytes("\x01\x00\x02\xFF\x03", 5);
  WriteSettingBinary("SOFTWARE\\Zelomat\\Blob", bytes);
  EXPECT_EQ(Stored("SOFTWARE\\Zelomat", "Blob").kind, ValueKind::Binary);

  std::string copy;
  EXPECT_EQ(ReadSettingBinary("SOFTWARE\\Zelomat\\Blob", &copy, 100), 5u);
  EXPECT_EQ(copy, bytes);
  EXPECT_EQ(ReadSettingBinary("SOFTWARE\\Zelomat\\Blob", &copy, 3), 3u);
  EXPECT_EQ(copy, bytes.substr(0, 3));

  std::string text = "stale";
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Blob", &text), 5);
  EXPECT_EQ(text, "");
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Blob", nullptr, 2), 2);
}

TEST_F(SettingsTest, BinaryReadOfANumberGivesItsBytesLowFirst) {
  WriteSettingNumber("SOFTWARE\\Zelomat\\N", 0x04030201);
  std::string bytes;
  EXPECT_EQ(ReadSettingBinary("SOFTWARE\\Zelomat\\N", &bytes, 16), 4u);
  EXPECT_EQ(bytes, std::string("\x01\x02\x03\x04"));
}

TEST_F(SettingsTest, MissingKeyOrValueReadsAsZeroAndEmptyText) {
  WriteSettingNumber("SOFTWARE\\Zelomat\\There", 3);
  std::string text = "stale";
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Missing", &text), 0);
  EXPECT_EQ(text, "");
  text = "stale";
  EXPECT_EQ(ReadSetting("SOFTWARE\\NoSuchKey\\There", &text), 0);
  EXPECT_EQ(text, "");
  std::string bytes = "stale";
  EXPECT_EQ(ReadSettingBinary("SOFTWARE\\Zelomat\\Missing", &bytes, 10), 0u);
  EXPECT_EQ(bytes, "");
}

TEST_F(SettingsTest, SizeIsTheStoredByteCountAndZeroWhenMissing) {
  WriteSettingNumber("SOFTWARE\\Zelomat\\N", 1);
  WriteSetting("SOFTWARE\\Zelomat\\S", "abc");
  WriteSetting("SOFTWARE\\Zelomat\\Empty", "");
  WriteSettingBinary("SOFTWARE\\Zelomat\\B", "xy");
  Put("SOFTWARE\\Zelomat", "M", ValueKind::MultiString, std::string("a\0b", 3));
  EXPECT_EQ(SettingSize("SOFTWARE\\Zelomat\\N"), 4u);
  EXPECT_EQ(SettingSize("SOFTWARE\\Zelomat\\S"), 4u);
  EXPECT_EQ(SettingSize("SOFTWARE\\Zelomat\\B"), 2u);
  EXPECT_EQ(SettingSize("SOFTWARE\\Zelomat\\M"), 5u);
  EXPECT_EQ(SettingSize("SOFTWARE\\Zelomat\\Missing"), 0u);
  // An empty text is still there: it has its terminator.
  EXPECT_TRUE(SettingExists("SOFTWARE\\Zelomat\\Empty"));
  EXPECT_FALSE(SettingExists("SOFTWARE\\Zelomat\\Missing"));
}

TEST_F(SettingsTest, TextWithPercentIsStoredAsExpandableString) {
  WriteSetting("SOFTWARE\\Zelomat\\Plain", "C:\\log.txt");
  WriteSetting("SOFTWARE\\Zelomat\\Expand", "%TEMP%\\log.txt");
  WriteSetting("SOFTWARE\\Zelomat\\Percent", "100%");
  EXPECT_EQ(Stored("SOFTWARE\\Zelomat", "Plain").kind, ValueKind::String);
  EXPECT_EQ(Stored("SOFTWARE\\Zelomat", "Expand").kind, ValueKind::ExpandString);
  EXPECT_EQ(Stored("SOFTWARE\\Zelomat", "Expand").data, "%TEMP%\\log.txt");
  EXPECT_EQ(Stored("SOFTWARE\\Zelomat", "Percent").kind, ValueKind::ExpandString);
}

TEST_F(SettingsTest, WritingReplacesTheValueAndItsKind) {
  WriteSettingNumber("SOFTWARE\\Zelomat\\X", 5);
  WriteSetting("SOFTWARE\\Zelomat\\X", "text");
  EXPECT_EQ(Stored("SOFTWARE\\Zelomat", "X").kind, ValueKind::String);
  WriteSettingNumber("SOFTWARE\\Zelomat\\X", 6);
  EXPECT_EQ(Stored("SOFTWARE\\Zelomat", "X").kind, ValueKind::Dword);
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\X"), 6);
}

TEST_F(SettingsTest, WritingCreatesMissingKeys) {
  EXPECT_TRUE(WriteSettingNumber("SOFTWARE\\Zelomat\\Palettes\\Properties\\RowHeight", 19));
  EXPECT_TRUE(store_.KeyExists(SettingsRoot::CurrentUser, "SOFTWARE\\Zelomat\\Palettes"));
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Palettes\\Properties\\RowHeight"), 19);
}

TEST_F(SettingsTest, NamesCompareWithoutCase) {
  WriteSettingNumber("SOFTWARE\\Zelomat\\StopKey", 27);
  EXPECT_EQ(ReadSetting("software\\ZELOMAT\\stopkey"), 27);
}

TEST_F(SettingsTest, RootsAreSeparate) {
  WriteSettingNumber("SOFTWARE\\Zeloplus\\Right", 1, SettingsRoot::LocalMachine);
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zeloplus\\Right", nullptr, 1023, SettingsRoot::LocalMachine), 1);
  EXPECT_FALSE(SettingExists("SOFTWARE\\Zeloplus\\Right"));
}

TEST_F(SettingsTest, PathsAreCutAt259Characters) {
  std::string name(300, 'n');
  std::string path = "SOFTWARE\\Zelomat\\" + name;
  WriteSettingNumber(path, 9);
  std::string cut = path.substr(0, 259);
  EXPECT_EQ(ReadSetting(cut), 9);
  EXPECT_EQ(ReadSetting(path), 9);
  EXPECT_EQ(store_.ValueNames(SettingsRoot::CurrentUser, "SOFTWARE\\Zelomat").at(0).size(), 259u - 17u);
}

TEST(SettingPath, FormatsPrintfStyle) {
  EXPECT_EQ(SettingPath("SOFTWARE\\Zelomat\\RecentFile%d", 3), "SOFTWARE\\Zelomat\\RecentFile3");
  EXPECT_EQ(SettingPath("SOFTWARE\\Zelomat\\UserVariables\\%s%s", "", "counter"),
            "SOFTWARE\\Zelomat\\UserVariables\\counter");
  EXPECT_EQ(SettingPath("SOFTWARE\\Zelomat\\UserVariables\\%li_%d\\", 5046L, 2),
            "SOFTWARE\\Zelomat\\UserVariables\\5046_2\\");
}

TEST(SettingPath, CutsTheFormattedPathAt259Characters) {
  std::string arg(400, 'a');
  EXPECT_EQ(SettingPath("SOFTWARE\\Zelomat\\%s", arg.c_str()), ("SOFTWARE\\Zelomat\\" + arg).substr(0, 259));
}

TEST(SettingPath, LeavesPatternsOf1023CharactersUnformatted) {
  std::string pattern = "SOFTWARE\\Zelomat\\%d" + std::string(1023 - 19, 'p');
  ASSERT_EQ(pattern.size(), 1023u);
  EXPECT_EQ(SettingPath(pattern.c_str(), 5), pattern.substr(0, 259));
  pattern.pop_back();
  EXPECT_EQ(SettingPath(pattern.c_str(), 5).substr(0, 18), "SOFTWARE\\Zelomat\\5");
}

TEST_F(SettingsTest, DeleteRemovesTheValueOrElseTheKey) {
  WriteSettingNumber("SOFTWARE\\Zelomat\\RecentFile1", 1);
  WriteSetting("SOFTWARE\\Zelomat\\UserVariables\\counter", "5");
  WriteSetting("SOFTWARE\\Zelomat\\UserVariables\\1234_2\\counter", "6");

  EXPECT_TRUE(DeleteSetting("SOFTWARE\\Zelomat\\RecentFile1"));
  EXPECT_FALSE(SettingExists("SOFTWARE\\Zelomat\\RecentFile1"));
  EXPECT_TRUE(store_.KeyExists(SettingsRoot::CurrentUser, "SOFTWARE\\Zelomat"));

  EXPECT_TRUE(DeleteSetting("SOFTWARE\\Zelomat\\UserVariables"));
  EXPECT_FALSE(store_.KeyExists(SettingsRoot::CurrentUser, "SOFTWARE\\Zelomat\\UserVariables"));
  EXPECT_FALSE(store_.KeyExists(SettingsRoot::CurrentUser, "SOFTWARE\\Zelomat\\UserVariables\\1234_2"));
  EXPECT_FALSE(DeleteSetting("SOFTWARE\\Zelomat\\UserVariables"));
}

TEST_F(SettingsTest, DeleteOfAPathEndingInBackslashRemovesTheKeyNotItsUnnamedValue) {
  Put("SOFTWARE\\Zelomat\\Favorites", "", ValueKind::String, "unnamed");
  WriteSetting("SOFTWARE\\Zelomat\\Favorites\\Item", "x");
  EXPECT_TRUE(DeleteSetting("SOFTWARE\\Zelomat\\Favorites\\"));
  EXPECT_FALSE(store_.KeyExists(SettingsRoot::CurrentUser, "SOFTWARE\\Zelomat\\Favorites"));
}

TEST_F(SettingsTest, DeleteNeverRemovesTheRoot) {
  WriteSettingNumber("Top", 1);
  EXPECT_FALSE(DeleteSetting(""));
  EXPECT_FALSE(DeleteSetting("\\"));
  EXPECT_EQ(ReadSetting("Top"), 1);
}

}  // namespace
}  // namespace zelo
