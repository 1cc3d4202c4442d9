#include "settings/cached_settings.h"

#include <gtest/gtest.h>

#include "expr/expand_text.h"
#include "settings/memory_settings.h"
#include "settings/settings.h"

namespace zelo {
namespace cached_settings_test {
namespace {

constexpr SettingsRoot kUser = SettingsRoot::CurrentUser;
constexpr const char* kProgramKey = "SOFTWARE\\Zelomat";
constexpr const char* kVariablesKey = "SOFTWARE\\Zelomat\\UserVariables";

// Stands for the registry watch: another program's write moves the count
// when the test says so; own writes are counted.
class FakeChanges : public StoreChanges {
 public:
  uint64_t Count() override { return count; }
  void NoteOwnWrite() override {
    ++own_writes;
    ++count;
  }
  uint64_t count = 7;
  int own_writes = 0;
};

StoredValue Text(std::string text) {
  StoredValue v;
  v.data = std::move(text);
  return v;
}

class CachedSettingsTest : public ::testing::Test {
 protected:
  std::string Read(std::string_view key, std::string_view name) {
    StoredValue v;
    return cached_.Get(kUser, key, name, &v) ? v.data : "(missing)";
  }
  // A write by another program: straight to the store, then its notification.
  void WriteElsewhere(std::string_view key, std::string_view name, std::string text) {
    store_.Set(kUser, key, name, Text(std::move(text)));
    ++changes_.count;
  }

  MemorySettings store_;
  FakeChanges changes_;
  CachedSettings cached_{store_, changes_, kProgramKey};
};

TEST_F(CachedSettingsTest, RepeatedReadsOfValuesAndOfMissingValuesCostOneStoreRead) {
  store_.Set(kUser, kVariablesKey, "total", Text("5"));
  const int before = store_.get_calls();
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(Read(kVariablesKey, "TOTAL"), "5");
    EXPECT_EQ(Read(kProgramKey, "Log"), "(missing)");
  }
  EXPECT_EQ(store_.get_calls() - before, 2);
}

TEST_F(CachedSettingsTest, AnotherProgramsWriteIsSeenByTheNextReadAfterItsNotification) {
  EXPECT_EQ(Read(kVariablesKey, "total"), "(missing)");
  EXPECT_EQ(Read(kVariablesKey, "other"), "(missing)");
  WriteElsewhere(kVariablesKey, "total", "9");
  EXPECT_EQ(Read(kVariablesKey, "total"), "9");
  store_.DeleteValue(kUser, kVariablesKey, "total");
  ++changes_.count;
  EXPECT_EQ(Read(kVariablesKey, "total"), "(missing)");
}

TEST_F(CachedSettingsTest, OwnWritesGoThroughAtOnceAndAreAnnounced) {
  EXPECT_EQ(Read(kVariablesKey, "total"), "(missing)");
  ASSERT_TRUE(cached_.Set(kUser, kVariablesKey, "total", Text("1")));
  StoredValue stored;
  ASSERT_TRUE(store_.Get(kUser, kVariablesKey, "total", &stored));
  EXPECT_EQ(stored.data, "1");
  EXPECT_EQ(Read(kVariablesKey, "total"), "1");
  ASSERT_TRUE(cached_.DeleteValue(kUser, kVariablesKey, "total"));
  EXPECT_EQ(Read(kVariablesKey, "total"), "(missing)");
  cached_.Set(kUser, kVariablesKey, "a", Text("x"));
  // Deleting the program's whole key (a reset) forgets what was kept below it.
  ASSERT_TRUE(cached_.DeleteKey(kUser, "SOFTWARE"));
  EXPECT_EQ(Read(kVariablesKey, "a"), "(missing)");
  EXPECT_EQ(changes_.own_writes, 4);
}

TEST_F(CachedSettingsTest, KeysOutsideTheWatchedOneAreAlwaysReadFromTheStore) {
  store_.Set(kUser, "Control Panel\\Desktop", "ScreenSaveActive", Text("1"));
  store_.Set(SettingsRoot::LocalMachine, kProgramKey, "Log", Text("1"));
  Read("Control Panel\\Desktop", "ScreenSaveActive");
  cached_.Get(SettingsRoot::LocalMachine, kProgramKey, "Log", nullptr);
  store_.Set(kUser, "Control Panel\\Desktop", "ScreenSaveActive", Text("0"));
  EXPECT_EQ(Read("Control Panel\\Desktop", "ScreenSaveActive"), "0");
  EXPECT_EQ(changes_.own_writes, 0);
}

TEST_F(CachedSettingsTest, TheChangeStampMovesExactlyWhenKeptValuesMayBeStale) {
  const uint64_t first = cached_.ChangeStamp(kUser, kVariablesKey);
  EXPECT_EQ(cached_.ChangeStamp(kUser, kVariablesKey), first);
  WriteElsewhere(kVariablesKey, "n", "1");
  const uint64_t second = cached_.ChangeStamp(kUser, kVariablesKey);
  EXPECT_NE(second, first);
  cached_.Set(kUser, kVariablesKey, "m", Text("2"));
  EXPECT_NE(cached_.ChangeStamp(kUser, kVariablesKey), second);
}

// Field expansion over the cached store: a step that reads five variables
// costs no store read once they are known, and a value another instance
// writes between two steps is in the second step's text.
TEST_F(CachedSettingsTest, ExpansionReadsFromMemoryAndSeesAnotherInstancesWrite) {
  UseSettings(&cached_);
  for (const char* name : {"a", "b", "c", "d", "e"}) store_.Set(kUser, kVariablesKey, name, Text(name));
  ++changes_.count;
  ExpandText("%a %b %c %d %e", 0, 0);
  const int gets = store_.get_calls(), listings = store_.value_names_calls();
  ExpandText("%a %b %c %d %e", 0, 1);
  EXPECT_EQ(ExpansionBuffer(), "a b c d e");
  EXPECT_EQ(store_.get_calls(), gets);
  EXPECT_EQ(store_.value_names_calls(), listings);
  WriteElsewhere(kVariablesKey, "c", "new");
  ExpandText("%a %b %c %d %e", 0, 2);
  EXPECT_EQ(ExpansionBuffer(), "a b new d e");
  UseSettings(nullptr);
}

}  // namespace
}  // namespace cached_settings_test
}  // namespace zelo
