#include "settings/memory_settings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace zelo {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;
constexpr SettingsRoot kUser = SettingsRoot::CurrentUser;

StoredValue Number(uint32_t n) {
  StoredValue v;
  v.kind = ValueKind::Dword;
  v.number = n;
  return v;
}
StoredValue Text(std::string t) {
  StoredValue v;
  v.data = std::move(t);
  return v;
}

TEST(MemorySettings, NamesCompareWithoutCaseIncludingLatin1Letters) {
  MemorySettings s;
  // "Café" and "CAFÉ" in the Windows Latin-1 code page.
  s.Set(kUser, "SOFTWARE\\Zelomat\\UserVariables", "Caf\xE9", Text("1"));
  StoredValue v;
  EXPECT_TRUE(s.Get(kUser, "software\\zelomat\\uservariables", "CAF\xC9", &v));
  // The name keeps the spelling it was first written with.
  s.Set(kUser, "SOFTWARE\\Zelomat\\UserVariables", "CAF\xC9", Text("2"));
  EXPECT_THAT(s.ValueNames(kUser, "SOFTWARE\\Zelomat\\UserVariables"), ElementsAre("Caf\xE9"));
  // The multiplication sign is no letter, and neither is its neighbour of the lower half.
  s.Set(kUser, "K", "\xD7", Text("x"));
  EXPECT_FALSE(s.Get(kUser, "K", "\xF7", nullptr));
}

TEST(MemorySettings, SetCreatesEveryKeyOnThePath) {
  MemorySettings s;
  s.Set(kUser, "A\\B\\C", "v", Number(1));
  EXPECT_TRUE(s.KeyExists(kUser, "A"));
  EXPECT_TRUE(s.KeyExists(kUser, "a\\b"));
  EXPECT_TRUE(s.KeyExists(kUser, "\\A\\B\\C\\"));
  EXPECT_THAT(s.SubKeys(kUser, "A"), ElementsAre("B"));
  EXPECT_THAT(s.SubKeys(kUser, ""), ElementsAre("A"));
  EXPECT_FALSE(s.KeyExists(SettingsRoot::LocalMachine, "A"));
}

TEST(MemorySettings, DeleteKeyTakesEverythingBelowButNotSiblingsWithTheSamePrefix) {
  MemorySettings s;
  s.Set(kUser, "R\\Key", "v", Number(1));
  s.Set(kUser, "R\\Key\\Sub\\Deep", "v", Number(2));
  s.Set(kUser, "R\\Key2", "v", Number(3));
  s.Set(kUser, "R\\Key 2", "v", Number(4));
  s.Set(kUser, "R\\Keya", "v", Number(5));
  EXPECT_TRUE(s.DeleteKey(kUser, "r\\key"));
  EXPECT_FALSE(s.KeyExists(kUser, "R\\Key"));
  EXPECT_FALSE(s.KeyExists(kUser, "R\\Key\\Sub\\Deep"));
  EXPECT_THAT(s.SubKeys(kUser, "R"), UnorderedElementsAre("Key2", "Key 2", "Keya"));
  EXPECT_FALSE(s.DeleteKey(kUser, "R\\Key"));
}

TEST(MemorySettings, RootCannotBeDeleted) {
  MemorySettings s;
  s.Set(kUser, "", "top", Number(1));
  EXPECT_FALSE(s.DeleteKey(kUser, ""));
  EXPECT_TRUE(s.Get(kUser, "", "top", nullptr));
  EXPECT_TRUE(s.KeyExists(kUser, ""));
}

TEST(MemorySettings, DeleteValueLeavesTheKey) {
  MemorySettings s;
  s.Set(kUser, "K", "a", Number(1));
  EXPECT_TRUE(s.DeleteValue(kUser, "K", "A"));
  EXPECT_FALSE(s.DeleteValue(kUser, "K", "a"));
  EXPECT_FALSE(s.DeleteValue(kUser, "Missing", "a"));
  EXPECT_TRUE(s.KeyExists(kUser, "K"));
  EXPECT_TRUE(s.ValueNames(kUser, "K").empty());
}

TEST(MemorySettings, CopyKeyCopiesTheWholeTreeAndMergesIntoTheTarget) {
  MemorySettings s;
  s.Set(kUser, "Old", "Right", Number(640));
  s.Set(kUser, "Old", "Name", Text("x"));
  s.Set(kUser, "Old\\Colors\\Deep", "SkipFill", Number(7));
  s.Set(kUser, "New", "Right", Number(1));
  s.Set(kUser, "New", "Kept", Number(2));
  ASSERT_TRUE(s.CopyKey(kUser, "Old", "New"));

  StoredValue v;
  ASSERT_TRUE(s.Get(kUser, "New", "Right", &v));
  EXPECT_EQ(v.number, 640u);
  ASSERT_TRUE(s.Get(kUser, "New", "Name", &v));
  EXPECT_EQ(v.kind, ValueKind::String);
  EXPECT_TRUE(s.Get(kUser, "New", "Kept", nullptr));
  ASSERT_TRUE(s.Get(kUser, "New\\Colors\\Deep", "SkipFill", &v));
  EXPECT_EQ(v.number, 7u);
  EXPECT_TRUE(s.Get(kUser, "Old\\Colors\\Deep", "SkipFill", nullptr));  // the source stays
}

TEST(MemorySettings, CopyKeyRefusesAMissingSourceAndATargetInsideTheSource) {
  MemorySettings s;
  s.Set(kUser, "Old\\Sub", "v", Number(1));
  EXPECT_FALSE(s.CopyKey(kUser, "Missing", "New"));
  EXPECT_FALSE(s.CopyKey(kUser, "Old", "old\\Sub\\Copy"));
  EXPECT_FALSE(s.CopyKey(kUser, "Old", "OLD"));
  EXPECT_FALSE(s.CopyKey(kUser, "", "Elsewhere"));
  EXPECT_FALSE(s.KeyExists(kUser, "New"));
  EXPECT_TRUE(s.CopyKey(kUser, "Old\\Sub", "Older"));  // a name that only starts the same is fine
}

TEST(KeyPaths, SameOrBelowComparesWholeComponentsWithoutCase) {
  EXPECT_TRUE(IsSameOrBelowKey("A\\B", "a"));
  EXPECT_TRUE(IsSameOrBelowKey("\\A\\", "A"));
  EXPECT_FALSE(IsSameOrBelowKey("AB", "A"));
  EXPECT_FALSE(IsSameOrBelowKey("A", "A\\B"));
  EXPECT_TRUE(IsSameOrBelowKey("Anything", ""));
}

TEST(MemorySettings, TheChangeStampMovesWithEveryChangeAndDiffersBetweenStores) {
  MemorySettings s;
  const uint64_t start = s.ChangeStamp(kUser, "k");
  EXPECT_EQ(s.ChangeStamp(kUser, "k"), start);
  s.Set(kUser, "k", "a", Text("1"));
  const uint64_t after_set = s.ChangeStamp(kUser, "k");
  EXPECT_NE(after_set, start);
  EXPECT_FALSE(s.DeleteValue(kUser, "k", "missing"));
  EXPECT_EQ(s.ChangeStamp(kUser, "k"), after_set);
  s.DeleteValue(kUser, "k", "a");
  EXPECT_NE(s.ChangeStamp(kUser, "k"), after_set);
  MemorySettings other;
  EXPECT_NE(other.ChangeStamp(kUser, "k"), start);
  EXPECT_EQ(s.change_stamp_calls(), 5);
}

}  // namespace
}  // namespace zelo
