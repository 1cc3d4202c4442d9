// The registry store on the real registry, in a scratch key of the current
// user that every test removes again.
#include "settings/registry_settings_win.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/win32_owners_win.h"
#include "settings/defaults.h"
#include "settings/dialog_font_win.h"
#include "settings/settings.h"
#include "settings/settings_reset.h"

namespace zelo {
namespace {

using ::testing::UnorderedElementsAre;
constexpr SettingsRoot kUser = SettingsRoot::CurrentUser;
constexpr SettingsRoot kMachine = SettingsRoot::LocalMachine;
constexpr char kTestParent[] = "SOFTWARE\\ZelomatTest";

std::string UniqueScratchKey() {
  static int counter = 0;
  char name[96];
  std::snprintf(name, sizeof name, "%s\\%lu_%lu_%d", kTestParent, GetCurrentProcessId(), GetTickCount(), ++counter);
  return name;
}

StoredValue Value(ValueKind kind, std::string data, uint32_t number = 0) {
  StoredValue v;
  v.kind = kind;
  v.data = std::move(data);
  v.number = number;
  return v;
}

class RegistrySettingsTest : public ::testing::Test {
 protected:
  void TearDown() override {
    UseSettings(nullptr);
    RegDeleteTreeW(HKEY_CURRENT_USER, Wide(scratch_).c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, L"SOFTWARE\\ZelomatTest");  // only goes when no other test run is inside
  }

  static std::wstring Wide(const std::string& s) { return std::wstring(s.begin(), s.end()); }
  std::string Key(const char* below = nullptr) const { return below ? scratch_ + "\\" + below : scratch_; }

  // The type and bytes as the registry holds them, read past the store under test.
  bool Raw(const std::string& key, const wchar_t* name, DWORD* type, std::string* bytes) {
    const RegistryKey k = OpenRegistryKey(HKEY_CURRENT_USER, Wide(key).c_str(), KEY_QUERY_VALUE);
    if (!k) return false;
    DWORD size = 0;
    LONG r = RegQueryValueExW(k.get(), name, nullptr, type, nullptr, &size);
    if (r == ERROR_SUCCESS) {
      bytes->assign(size, '\0');
      r = RegQueryValueExW(k.get(), name, nullptr, type, reinterpret_cast<BYTE*>(bytes->data()), &size);
    }
    return r == ERROR_SUCCESS;
  }
  void PutRaw(const std::string& key, const wchar_t* name, DWORD type, const void* data, DWORD size) {
    const RegistryKey k = CreateRegistryKey(HKEY_CURRENT_USER, Wide(key).c_str(), KEY_ALL_ACCESS);
    ASSERT_TRUE(k);
    EXPECT_EQ(RegSetValueExW(k.get(), name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  }
  StoredValue RoundTrip(const StoredValue& in, const char* name = "v") {
    EXPECT_TRUE(store_.Set(kUser, scratch_, name, in));
    StoredValue out;
    EXPECT_TRUE(store_.Get(kUser, scratch_, name, &out));
    return out;
  }

  std::string scratch_ = UniqueScratchKey();
  RegistrySettings store_;
};

TEST_F(RegistrySettingsTest, EveryKindRoundTripsAsItsRegistryType) {
  StoredValue n = RoundTrip(Value(ValueKind::Dword, "", 0xDEADBEEF), "n");
  EXPECT_EQ(n.kind, ValueKind::Dword);
  EXPECT_EQ(n.number, 0xDEADBEEFu);

  StoredValue s = RoundTrip(Value(ValueKind::String, "C:\\ZelomatLog.txt"), "s");
  EXPECT_EQ(s.kind, ValueKind::String);
  EXPECT_EQ(s.data, "C:\\ZelomatLog.txt");

  StoredValue e = RoundTrip(Value(ValueKind::ExpandString, "%TEMP%\\x"), "e");
  EXPECT_EQ(e.kind, ValueKind::ExpandString);
  EXPECT_EQ(e.data, "%TEMP%\\x");

  StoredValue m = RoundTrip(Value(ValueKind::MultiString, std::string("one\0two\0three", 13)), "m");
  EXPECT_EQ(m.kind, ValueKind::MultiString);
  EXPECT_EQ(m.data, std::string("one\0two\0three", 13));

  const std::string bytes("\x00\x01\xFF\x00\x7F", 5);
  StoredValue b = RoundTrip(Value(ValueKind::Binary, bytes), "b");
  EXPECT_EQ(b.kind, ValueKind::Binary);
  EXPECT_EQ(b.data, bytes);

  EXPECT_EQ(RoundTrip(Value(ValueKind::String, ""), "empty").data, "");
  EXPECT_EQ(RoundTrip(Value(ValueKind::Binary, ""), "none").data, "");

  DWORD type = 0;
  std::string raw;
  ASSERT_TRUE(Raw(scratch_, L"n", &type, &raw));
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  ASSERT_TRUE(Raw(scratch_, L"s", &type, &raw));
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(raw.size(), (17u + 1u) * 2u);  // UTF-16 with its terminator
  ASSERT_TRUE(Raw(scratch_, L"e", &type, &raw));
  EXPECT_EQ(type, static_cast<DWORD>(REG_EXPAND_SZ));
  ASSERT_TRUE(Raw(scratch_, L"m", &type, &raw));
  EXPECT_EQ(type, static_cast<DWORD>(REG_MULTI_SZ));
  EXPECT_EQ(raw.size(), (13u + 2u) * 2u);  // closed by an empty string
  ASSERT_TRUE(Raw(scratch_, L"b", &type, &raw));
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(raw, bytes);
}

TEST_F(RegistrySettingsTest, TextCrossesTheBoundaryInTheAnsiCodePage) {
  const std::string cafe = "Caf\xE9";  // "Café" in the Windows Latin-1 code page
  EXPECT_EQ(RoundTrip(Value(ValueKind::String, cafe), "Caf\xE9").data, cafe);
  EXPECT_THAT(store_.ValueNames(kUser, scratch_), UnorderedElementsAre(cafe));
  if (GetACP() == 1252) {
    DWORD type = 0;
    std::string raw;
    ASSERT_TRUE(Raw(scratch_, L"Caf\u00E9", &type, &raw));
    std::wstring wide(raw.size() / 2, L'\0');
    std::memcpy(wide.data(), raw.data(), raw.size());
    EXPECT_EQ(wide, std::wstring(L"Caf\u00E9", 5));  // with its terminator
  }
}

TEST_F(RegistrySettingsTest, ValuesOf1024BytesAndMoreAreReadWhole) {
  for (std::size_t n : {1022u, 1023u, 1024u, 1025u, 4096u, 100000u}) {
    std::string text(n, 'x');
    text[n - 1] = 'y';
    EXPECT_EQ(RoundTrip(Value(ValueKind::String, text)).data, text) << n;
    std::string bytes(n, '\xAB');
    EXPECT_EQ(RoundTrip(Value(ValueKind::Binary, bytes)).data, bytes) << n;
  }
  UseSettings(&store_);
  std::string text(5000, 't');
  ASSERT_TRUE(WriteSetting(scratch_ + "\\long", text));
  EXPECT_EQ(ReadSettingText(scratch_ + "\\long", 100000), text);
  EXPECT_EQ(ReadSettingText(scratch_ + "\\long"), text.substr(0, 1023));
  EXPECT_EQ(SettingSize(scratch_ + "\\long"), 5001u);
}

TEST_F(RegistrySettingsTest, ValuesWrittenByOtherProgramsAreRead) {
  const wchar_t multi[] = L"12 one\0two\0";  // and the array's own terminator
  PutRaw(scratch_, L"multi", REG_MULTI_SZ, multi, sizeof multi);
  const wchar_t unterminated[] = {L'a', L'b'};
  PutRaw(scratch_, L"bare", REG_SZ, unterminated, sizeof unterminated);
  const uint64_t big = 0x0102030405060708ull;
  PutRaw(scratch_, L"qword", REG_QWORD, &big, sizeof big);
  const uint32_t be = 0x01020304;  // bytes 04 03 02 01 read big-end first
  PutRaw(scratch_, L"big", REG_DWORD_BIG_ENDIAN, &be, sizeof be);

  UseSettings(&store_);
  std::string text;
  EXPECT_EQ(ReadSetting(scratch_ + "\\multi", &text), 12);
  EXPECT_EQ(text, "12 one\r\ntwo");
  EXPECT_EQ(ReadSettingText(scratch_ + "\\bare"), "ab");
  std::string bytes;
  EXPECT_EQ(ReadSettingBinary(scratch_ + "\\qword", &bytes, 64), 8u);
  EXPECT_EQ(bytes, std::string(reinterpret_cast<const char*>(&big), 8));
  EXPECT_EQ(ReadSetting(scratch_ + "\\big"), 0x04030201);
}

TEST_F(RegistrySettingsTest, MissingKeysAndValuesReadAsAbsent) {
  EXPECT_FALSE(store_.Get(kUser, scratch_, "v", nullptr));
  EXPECT_FALSE(store_.KeyExists(kUser, scratch_));
  store_.Set(kUser, scratch_, "v", Value(ValueKind::Dword, "", 1));
  EXPECT_FALSE(store_.Get(kUser, scratch_, "w", nullptr));
  EXPECT_TRUE(store_.Get(kUser, scratch_, "V", nullptr));
  EXPECT_TRUE(store_.KeyExists(kUser, "\\" + scratch_ + "\\"));
  UseSettings(&store_);
  std::string text = "stale";
  EXPECT_EQ(ReadSetting(Key("Nowhere\\v"), &text), 0);
  EXPECT_EQ(text, "");
}

TEST_F(RegistrySettingsTest, ARewriteInOtherCaseKeepsTheFirstSpelling) {
  store_.Set(kUser, scratch_, "Counter", Value(ValueKind::String, "1"));
  store_.Set(kUser, scratch_, "COUNTER", Value(ValueKind::String, "2"));
  EXPECT_THAT(store_.ValueNames(kUser, scratch_), UnorderedElementsAre("Counter"));
  StoredValue v;
  ASSERT_TRUE(store_.Get(kUser, scratch_, "counter", &v));
  EXPECT_EQ(v.data, "2");
}

TEST_F(RegistrySettingsTest, EnumeratesValuesAndSubKeys) {
  const std::string long_name(300, 'L');
  store_.Set(kUser, scratch_, "a", Value(ValueKind::Dword, "", 1));
  store_.Set(kUser, scratch_, long_name, Value(ValueKind::String, "x"));
  store_.Set(kUser, Key("Colors"), "SkipFill", Value(ValueKind::Dword, "", 2));
  store_.Set(kUser, Key("Palettes\\MainList"), "GridStyle", Value(ValueKind::Dword, "", 3));
  EXPECT_THAT(store_.ValueNames(kUser, scratch_), UnorderedElementsAre("a", long_name));
  EXPECT_THAT(store_.SubKeys(kUser, scratch_), UnorderedElementsAre("Colors", "Palettes"));
  EXPECT_THAT(store_.SubKeys(kUser, Key("Palettes")), UnorderedElementsAre("MainList"));
  EXPECT_TRUE(store_.ValueNames(kUser, Key("Missing")).empty());
  EXPECT_TRUE(store_.SubKeys(kUser, Key("Colors")).empty());
}

TEST_F(RegistrySettingsTest, DeleteKeyTakesTheWholeTree) {
  store_.Set(kUser, Key("UserVariables"), "counter", Value(ValueKind::String, "5"));
  store_.Set(kUser, Key("UserVariables\\5046_1"), "local", Value(ValueKind::String, "6"));
  store_.Set(kUser, Key("UserVariables\\5046_1\\deeper"), "x", Value(ValueKind::String, "7"));
  store_.Set(kUser, Key("UserVariables2"), "other", Value(ValueKind::String, "8"));
  EXPECT_TRUE(store_.DeleteKey(kUser, Key("uservariables")));
  EXPECT_FALSE(store_.KeyExists(kUser, Key("UserVariables")));
  EXPECT_TRUE(store_.KeyExists(kUser, Key("UserVariables2")));
  EXPECT_FALSE(store_.DeleteKey(kUser, Key("UserVariables")));
  EXPECT_FALSE(store_.DeleteKey(kUser, ""));
  EXPECT_FALSE(store_.DeleteKey(kUser, "\\"));
}

TEST_F(RegistrySettingsTest, DeleteValueLeavesTheKey) {
  store_.Set(kUser, scratch_, "v", Value(ValueKind::Dword, "", 1));
  EXPECT_TRUE(store_.DeleteValue(kUser, scratch_, "V"));
  EXPECT_FALSE(store_.DeleteValue(kUser, scratch_, "v"));
  EXPECT_TRUE(store_.KeyExists(kUser, scratch_));
}

TEST_F(RegistrySettingsTest, CopyKeyKeepsKindsTheStoreDoesNotModel) {
  const uint64_t big = 42;
  PutRaw(Key("Old\\Sub"), L"qword", REG_QWORD, &big, sizeof big);
  store_.Set(kUser, Key("Old"), "Right", Value(ValueKind::Dword, "", 800));
  store_.Set(kUser, Key("New"), "Kept", Value(ValueKind::Dword, "", 1));
  ASSERT_TRUE(store_.CopyKey(kUser, Key("Old"), Key("New")));
  DWORD type = 0;
  std::string raw;
  ASSERT_TRUE(Raw(Key("New\\Sub"), L"qword", &type, &raw));
  EXPECT_EQ(type, static_cast<DWORD>(REG_QWORD));
  EXPECT_TRUE(store_.Get(kUser, Key("New"), "Right", nullptr));
  EXPECT_TRUE(store_.Get(kUser, Key("New"), "Kept", nullptr));
  EXPECT_TRUE(store_.KeyExists(kUser, Key("Old\\Sub")));
  EXPECT_FALSE(store_.CopyKey(kUser, Key("Old"), Key("Old\\Inside")));
  EXPECT_FALSE(store_.CopyKey(kUser, Key("Missing"), Key("Other")));
}

TEST_F(RegistrySettingsTest, LocalMachineIsTheMachineTree) {
  EXPECT_TRUE(store_.KeyExists(kMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"));
  EXPECT_FALSE(store_.KeyExists(kUser, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts"));
}

TEST_F(RegistrySettingsTest, SandboxKeepsBothRootsInsideTheScratchKey) {
  RegistrySettings sandbox(scratch_);
  sandbox.Set(kUser, "SOFTWARE\\Zelomat", "Speed", Value(ValueKind::Dword, "", 5));
  sandbox.Set(kMachine, "SOFTWARE\\Zeloplus", "Right", Value(ValueKind::Dword, "", 1));
  EXPECT_TRUE(store_.Get(kUser, Key("CurrentUser\\SOFTWARE\\Zelomat"), "Speed", nullptr));
  EXPECT_TRUE(store_.Get(kUser, Key("LocalMachine\\SOFTWARE\\Zeloplus"), "Right", nullptr));
  EXPECT_FALSE(sandbox.KeyExists(kUser, "SOFTWARE\\Zeloplus"));
  EXPECT_FALSE(sandbox.DeleteKey(kUser, ""));
  EXPECT_TRUE(store_.KeyExists(kUser, Key("CurrentUser")));
}

TEST_F(RegistrySettingsTest, DefaultsMigrationAndResetOnTheRegistry) {
  RegistrySettings sandbox(scratch_);
  UseSettings(&sandbox);
  for (SettingsRoot root : {kUser, kMachine}) {
    WriteSettingNumber("SOFTWARE\\Zeloplus\\RunAtLeastOnce", 2, root);
    WriteSettingNumber("SOFTWARE\\Zeloplus\\SkipFill", 0x123456, root);
  }
  WriteSettingNumber("SOFTWARE\\Zelomat\\StopKey", 0);
  WriteSetting("SOFTWARE\\Zelomat\\RecentFile1", "C:\\a.zxm");
  WriteSettingNumber("SOFTWARE\\Zelomat\\Left", 10);
  WriteSetting("SOFTWARE\\Zelomat\\UserVariables\\counter", "5");
  WriteSetting("SOFTWARE\\Zelomat\\Favorites\\Type", "Type");

  const int font = DialogFontHeight();
  ASSERT_TRUE(WriteSettingDefaults(false, {font, nullptr}));
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\StopKey"), 19);
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Palettes\\Properties\\RowHeight"), font + 6);
  EXPECT_EQ(ReadSettingText("SOFTWARE\\Zelomat\\Logfile"), "C:\\ZelomatLog.txt");
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Colors\\SkipFill"), 0x123456);
  for (SettingsRoot root : {kUser, kMachine}) {
    EXPECT_FALSE(sandbox.KeyExists(root, "SOFTWARE\\Zeloplus"));
    EXPECT_EQ(ReadSetting("SOFTWARE\\Zeloplan\\RunAtLeastOnce", nullptr, 1023, root), 2);
  }
  EXPECT_FALSE(SettingExists("SOFTWARE\\Zeloplan\\SkipFill"));
  EXPECT_TRUE(SettingExists("SOFTWARE\\Zeloplan\\SkipFill", kMachine));  // only the user's options move
  EXPECT_TRUE(SettingExists("SOFTWARE\\Zelomat\\RecentFile1"));
  EXPECT_TRUE(SettingExists("SOFTWARE\\Zelomat\\Left"));

  int sweeps = 0;
  ASSERT_TRUE(ResetAllSettings([](std::string_view) { return true; }, nullptr, {font, [&] { ++sweeps; }}));
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Colors\\SkipFill"), 0xF0F0F0);
  EXPECT_FALSE(SettingExists("SOFTWARE\\Zelomat\\RecentFile1"));
  EXPECT_FALSE(SettingExists("SOFTWARE\\Zelomat\\Left"));
  EXPECT_FALSE(sandbox.KeyExists(kUser, "SOFTWARE\\Zelomat\\UserVariables"));
  EXPECT_EQ(sweeps, 1);
  EXPECT_EQ(ReadSettingText("SOFTWARE\\Zelomat\\Favorites\\Type"), "Type");
}

TEST(DialogFont, HeightIsThatOfAReadableFont) {
  const int height = DialogFontHeight();
  EXPECT_GE(height, 8);
  EXPECT_LE(height, 64);
}

}  // namespace
}  // namespace zelo
