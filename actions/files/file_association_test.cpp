#include "actions/files/file_association.h"

#include <gtest/gtest.h>

namespace zelo {
namespace {

std::string ValueOf(const std::vector<ClassValue>& values, const std::string& key, const std::string& name = "") {
  for (const ClassValue& v : values)
    if (v.key == key && v.name == name) return v.value;
  return "<missing>";
}

TEST(FileAssociationTest, TheScriptTypeGetsItsClassIconAndChosenVerbs) {
  FileAssociation a;
  a.program = "C:\\Zelomat\\Zelomat.exe";
  a.extension = "zxm";
  a.description = "Zelomat";
  a.verbs = kVerbEdit | kVerbRunInZelomat;
  a.icon_index = 1;
  const std::vector<ClassValue> v = AssociationValues(a);
  EXPECT_EQ(ValueOf(v, ".zxm"), "Zelomat File");
  EXPECT_EQ(ValueOf(v, ".zxm\\ShellNew", "NULLFile"), "");
  EXPECT_EQ(ValueOf(v, "Zelomat File"), "Zelomat File");
  EXPECT_EQ(ValueOf(v, "Zelomat File\\DefaultIcon"), "\"C:\\Zelomat\\Zelomat.exe\",1");
  EXPECT_EQ(ValueOf(v, "Zelomat File\\shell\\Edit"), "&Edit");
  EXPECT_EQ(ValueOf(v, "Zelomat File\\shell\\Edit\\command"), "\"C:\\Zelomat\\Zelomat.exe\" /e \"%1\"");
  EXPECT_EQ(ValueOf(v, "Zelomat File\\shell\\Run in Zelomat"), "Run in &Zelomat");
  EXPECT_EQ(ValueOf(v, "Zelomat File\\shell\\Run in Zelomat\\command"), "\"C:\\Zelomat\\Zelomat.exe\" /v \"%1\"");
  EXPECT_EQ(ValueOf(v, "Zelomat File\\shell\\Open"), "<missing>");
  EXPECT_EQ(ValueOf(v, "Zelomat File\\shell\\Run\\command"), "<missing>");
  EXPECT_EQ(ValueOf(v, "Zelomat File\\shell"), "<missing>");
}

TEST(FileAssociationTest, ADoubleClickVerbIsNamedOnlyWhenItIsRegistered) {
  FileAssociation a;
  a.program = "p.exe";
  a.extension = ".abc";
  a.description = "Abc";
  a.verbs = kAllVerbs;
  a.default_verb = "Run";
  std::vector<ClassValue> v = AssociationValues(a);
  EXPECT_EQ(ValueOf(v, "Abc File\\shell"), "Run");
  EXPECT_EQ(ValueOf(v, "Abc File\\shell\\Open\\command"), "\"p.exe\" \"%1\"");
  EXPECT_EQ(ValueOf(v, ".abc"), "Abc File");  // no second dot
  a.verbs = kVerbOpen;
  v = AssociationValues(a);
  EXPECT_EQ(ValueOf(v, "Abc File\\shell"), "<missing>");
}

}  // namespace
}  // namespace zelo
