// The user-variable stage: longest stored prefix, rescanning of values, the
// bounds on self-reference, variable files, and what the lookup costs.
#include <gtest/gtest.h>

#include <fstream>

#include "expr/expansion_stages.h"
#include "expr/testing/expansion_fixture.h"

namespace zelo {
namespace {

using VariableSubstitutionTest = ExpansionTest;

TEST_F(VariableSubstitutionTest, TheLongestStoredPrefixOfTheNameWins) {
  SetVar("counter", "5");
  EXPECT_EQ(Expand("%counter2"), "52");
  SetVar("counter2", "two");
  EXPECT_EQ(Expand("%counter2"), "two");
  EXPECT_EQ(Expand("%counter23"), "two3");
}

TEST_F(VariableSubstitutionTest, ANameEndsAtABlankPercentOrLineBreak) {
  SetVar("a", "1");
  SetVar("a b", "never");
  SetVar("a\tb", "tab");
  EXPECT_EQ(Expand("%a b"), "1 b");
  EXPECT_EQ(Expand("%a\tb"), "tab");
  EXPECT_EQ(Expand("%a\rb|%a\nb"), "1\rb|1\nb");
}

TEST_F(VariableSubstitutionTest, AReferenceReadsAtMost65Characters) {
  const std::string name65(65, 'k');
  SetVar(name65, "found");
  EXPECT_EQ(Expand("%" + name65 + "k"), "foundk");
  const std::string name66(66, 'q');
  SetVar(name66, "too long");
  EXPECT_EQ(Expand("%" + name66), "%" + name66);
}

TEST_F(VariableSubstitutionTest, TheValueIsScannedAgainAfterItsFirstCharacter) {
  SetVar("a", "x%b");
  SetVar("b", "B");
  SetVar("c", "%b");
  EXPECT_EQ(Expand("%a"), "xB");
  EXPECT_EQ(Expand("%c"), "%b");
}

TEST_F(VariableSubstitutionTest, ReferencesFollowingEachOther) {
  SetVar("a", "1");
  SetVar("b", "2");
  SetVar("empty", "");
  EXPECT_EQ(Expand("%a%b"), "12");
  // An empty value does not hide the reference right after it.
  EXPECT_EQ(Expand("%empty%b"), "2");
}

TEST_F(VariableSubstitutionTest, ANameMayRunFromAValueIntoTheFieldText) {
  SetVar("half", "x%co");
  SetVar("counter", "5");
  EXPECT_EQ(Expand("%halfunter!"), "x5!");
}

TEST_F(VariableSubstitutionTest, NumbersReadAsSignedDecimal) {
  SetNumberVar("SavedMousePosition_X", 640);
  SetNumberVar("minus", 0xFFFFFFFFu);
  EXPECT_EQ(Expand("%SavedMousePosition_X/%minus"), "640/-1");
}

TEST_F(VariableSubstitutionTest, ASelfReferenceIsSubstitutedSixteenValuesDeep) {
  SetVar("q", "q%q");
  EXPECT_EQ(Expand("%q"), std::string(kMaxReferenceDepth, 'q') + "%q");
  SetVar("p1", "1%p2");
  SetVar("p2", "2%p1");
  EXPECT_EQ(Expand("%p1"), "1212121212121212%p1");
}

TEST_F(VariableSubstitutionTest, AReferenceChainResolvesUpToTheDepthBound) {
  for (int i = 0; i < 40; ++i) SetVar("v" + std::to_string(i), "." + std::string("%v") + std::to_string(i + 1));
  SetVar("v40", "end");
  SetVar("w0", ".%w1");
  SetVar("w1", ".%w2");
  SetVar("w2", "end");
  EXPECT_EQ(Expand("%w0"), "..end");
  EXPECT_EQ(Expand("%v0"), std::string(kMaxReferenceDepth, '.') + "%v16");
}

TEST_F(VariableSubstitutionTest, AValueReferringToItselfTwiceStaysBounded) {
  SetVar("z", "z%z%z");
  // Each level doubles: 2^16 leaves "%z" and 2^16 - 1 letters above them.
  EXPECT_EQ(Expand("[%z]").size(), 2u + 2 * 65536 + 65535);
}

TEST_F(VariableSubstitutionTest, NestedGrowthStopsAtItsBound) {
  const std::string big(1 << 20, 'm');
  SetVar("big", big + "%big%big%big%big");
  const std::string result = Expand("%big");
  EXPECT_GE(result.size(), kMaxNestedGrowth);
  EXPECT_LE(result.size(), kMaxNestedGrowth + 2 * big.size() + 4096);
}

TEST_F(VariableSubstitutionTest, MegabyteValuesAreCopiedWhole) {
  const std::string big(3 << 20, 'b');
  SetVar("big", big);
  const std::string result = Expand("<%big|%big>");
  ASSERT_EQ(result.size(), 2 * big.size() + 3);
  EXPECT_EQ(result.substr(0, 2), "<b");
  EXPECT_EQ(result.substr(result.size() - 2), "b>");
}

TEST_F(VariableSubstitutionTest, AFileBackedValueStandsForTheFilesContent) {
  UseScratchProgramFolder();
  const std::string path = ScratchPath("report.ZELO_var");
  {
    std::ofstream f(path, std::ios::binary);
    f << "line one%nline two";
  }
  SetVar("report", path + "*");
  // The content goes through the later stages like any value.
  EXPECT_EQ(Expand("[%report]"), "[line one\nline two]");
  SetVar("missing", ScratchPath("nothing.ZELO_var") + "*");
  EXPECT_EQ(Expand("%missing"), ScratchPath("nothing.ZELO_var") + "*");
  // A folder is not a file.
  SetVar("folder", context.program_folder + "*");
  EXPECT_EQ(Expand("%folder"), context.program_folder + "*");
}

TEST_F(VariableSubstitutionTest, LookupsCostNoStoreCallPerDroppedCharacterOrPercent) {
  for (int i = 0; i < 1000; ++i) SetVar("name" + std::to_string(i), "value");
  Expand("%name1");  // reads the names once
  const std::string long_name = std::string(65, 'y');
  const std::string few = "%" + long_name + " %name7";
  std::string many = few;
  for (int i = 0; i < 1000; ++i) many += " %" + long_name;

  auto calls = [&] { return store.get_calls() + store.value_names_calls() + store.change_stamp_calls(); };
  int before = calls();
  Expand(few);
  const int few_calls = calls() - before;
  before = calls();
  Expand(many);
  const int many_calls = calls() - before;
  EXPECT_EQ(few_calls, many_calls);
  EXPECT_LE(many_calls, 3);  // LocalVariables, the change stamp, the one value
  EXPECT_EQ(store.value_names_calls(), 1);
}

TEST_F(VariableSubstitutionTest, ANewVariableIsSeenByTheNextExpansion) {
  EXPECT_EQ(Expand("%fresh"), "%fresh");
  SetVar("fresh", "now");
  EXPECT_EQ(Expand("%fresh"), "now");
  store.DeleteValue(SettingsRoot::CurrentUser, kUserVariablesKey, "fresh");
  EXPECT_EQ(Expand("%fresh"), "%fresh");
}

TEST_F(VariableSubstitutionTest, AThousandPercentSignsAndNoVariables) {
  EXPECT_EQ(Expand(std::string(1000, '%')), std::string(500, '%'));
  EXPECT_EQ(Expand(std::string(1001, '%')), std::string(501, '%'));
  std::string mixed;
  for (int i = 0; i < 1000; ++i) mixed += "%q ";
  EXPECT_EQ(Expand(mixed), mixed);
}

}  // namespace
}  // namespace zelo
