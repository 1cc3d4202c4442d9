// The search order of ResolvePath over a made-up system.
#include "actions/shared/path_search.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace zelo {
namespace {

class FakePathFacts : public PathFacts {
 public:
  std::set<std::string> files;
  std::set<std::string> folders;
  std::map<std::string, std::string> app_paths;
  std::map<std::string, std::string> on_search_path;
  std::string current = "C:\\work";
  std::string program = "C:\\Zelomat";
  std::string windows = "C:\\WINDOWS";
  std::string system = "C:\\WINDOWS\\system32";

  bool FileExists(const std::string& path) override { return files.count(path) != 0; }
  bool FolderExists(const std::string& path) override { return folders.count(path) != 0; }
  bool AppPathsFolder(std::string_view name, std::string* folder) override {
    auto it = app_paths.find(std::string(name));
    if (it == app_paths.end()) return false;
    *folder = it->second;
    return true;
  }
  std::string CurrentFolder() override { return current; }
  std::string ProgramFolder() override { return program; }
  std::string WindowsFolder() override { return windows; }
  std::string SystemFolder() override { return system; }
  bool SearchSystemPath(std::string_view name, std::string* full) override {
    auto it = on_search_path.find(std::string(name));
    if (it == on_search_path.end()) return false;
    *full = it->second;
    return true;
  }
};

class ResolvePathTest : public ::testing::Test {
 protected:
  // The path found for name, or "not found: <output>".
  std::string Resolve(std::string_view name, std::string_view script = "") {
    std::string out = "garbage";
    return ResolvePathWith(facts, name, script, &out) ? out : "not found: " + out;
  }
  FakePathFacts facts;
};

TEST(PathParts, JoinAndFolder) {
  EXPECT_EQ(JoinPath("C:\\a", "b.exe"), "C:\\a\\b.exe");
  EXPECT_EQ(JoinPath("C:\\", "b.exe"), "C:\\b.exe");
  EXPECT_EQ(FolderPart("C:\\s\\a.zxm"), "C:\\s");
  EXPECT_EQ(FolderPart("C:\\a.zxm"), "C:");
  EXPECT_EQ(FolderPart("a.zxm"), "");
}

TEST_F(ResolvePathTest, EmptyLongAndExistingPathsAreNotSearched) {
  EXPECT_EQ(Resolve(""), "not found: ");
  facts.files = {"C:\\work\\" + std::string(300, 'x'), "C:\\x\\y.exe"};
  const std::string long_name(260, 'x');
  EXPECT_EQ(Resolve(long_name), long_name) << "a name of 260 characters counts as found";
  EXPECT_EQ(Resolve("C:\\x\\y.exe"), "C:\\x\\y.exe");
}

TEST_F(ResolvePathTest, EachPlaceIsSearchedInTurn) {
  const std::string places[] = {"C:\\work\\n.exe",           "C:\\scripts\\n.exe", "C:\\Zelomat\\n.exe",
                                "C:\\WINDOWS\\n.exe",       "C:\\WINDOWS\\system32\\n.exe", "C:\\n.exe"};
  for (const std::string& p : places) facts.files.insert(p);
  facts.on_search_path["n.exe"] = "D:\\tools\\n.exe";
  // Taking away the first hit each time uncovers the next place.
  for (const std::string& p : places) {
    EXPECT_EQ(Resolve("n.exe", "C:\\scripts\\s.zxm"), p);
    facts.files.erase(p);
  }
  EXPECT_EQ(Resolve("n.exe", "C:\\scripts\\s.zxm"), "D:\\tools\\n.exe");
  facts.on_search_path.clear();
  EXPECT_EQ(Resolve("n.exe", "C:\\scripts\\s.zxm"), "not found: n.exe");
}

TEST_F(ResolvePathTest, AppPathsComeFirstAndAreTrustedWithoutTheFile) {
  facts.files.insert("C:\\work\\word.exe");
  facts.app_paths["word.exe"] = "C:\\Office;C:\\Office\\Shared";
  facts.folders.insert("C:\\Office");
  EXPECT_EQ(Resolve("word.exe"), "C:\\Office\\word.exe");
  facts.folders.clear();  // a registration whose folder is gone is passed over
  EXPECT_EQ(Resolve("word.exe"), "C:\\work\\word.exe");
  facts.app_paths["word.exe"] = "C:\\Office\\";
  facts.folders.insert("C:\\Office\\");
  EXPECT_EQ(Resolve("word.exe"), "C:\\Office\\word.exe");
}

TEST_F(ResolvePathTest, ScriptFolderIsSearchedOnlyWithAScriptPath) {
  facts.files.insert("C:\\s\\data.txt");
  EXPECT_EQ(Resolve("data.txt", "C:\\s\\a.zxm"), "C:\\s\\data.txt");
  EXPECT_EQ(Resolve("data.txt", ""), "not found: data.txt");
  EXPECT_EQ(Resolve("data.txt", "(Untitled)"), "not found: data.txt");
}

TEST_F(ResolvePathTest, RelativeNamesWithAFolderAreJoinedToo) {
  facts.files.insert("C:\\work\\sub\\x.bat");
  EXPECT_EQ(Resolve("sub\\x.bat"), "C:\\work\\sub\\x.bat");
}

TEST_F(ResolvePathTest, ACommandWithArgumentsIsNotFoundAndKeptWhole) {
  facts.files.insert("C:\\WINDOWS\\notepad.exe");
  EXPECT_EQ(Resolve("notepad.exe C:\\a.txt"), "not found: notepad.exe C:\\a.txt");
}

}  // namespace
}  // namespace zelo
