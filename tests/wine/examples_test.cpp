// Every example script runs to its end with "Zelomat.exe /r".
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/win32_owners_win.h"
#include "tests/wine/harness_win.h"

namespace zelo::test {
namespace {

std::vector<std::string> ExampleScripts() {
  const std::string folder = "Z:" ZELO_SOURCE_DIR "/examples";
  std::string pattern = folder + "/*.zxm";
  for (char& c : pattern)
    if (c == '/') c = '\\';
  std::vector<std::string> scripts;
  WIN32_FIND_DATAA found;
  const FindHandle find(FindFirstFileA(pattern.c_str(), &found));
  if (!find) return scripts;
  do {
    scripts.push_back(pattern.substr(0, pattern.size() - 5) + found.cFileName);
  } while (FindNextFileA(find.get(), &found));
  return scripts;
}

TEST(Examples, EveryExampleRunsToItsEnd) {
  ScopedZelomatNumber default_code("DefaultReturnCode", 0);
  const std::vector<std::string> scripts = ExampleScripts();
  ASSERT_FALSE(scripts.empty()) << "no examples found";
  ScratchFolder dir;
  // The Notepad example saves what it typed here.
  char temp[MAX_PATH];
  ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
  const std::string notepad_file = std::string(temp) + "zelomat_notepad_example.txt";
  DeleteFileA(notepad_file.c_str());
  for (const std::string& script : scripts) {
    RunResult r = RunProgram("/r \"" + script + "\"", dir.File("log.txt"), kGuiWaitMs);
    ASSERT_TRUE(r.finished) << script;
    EXPECT_EQ(r.exit_code, 0u) << script;
    EXPECT_NE(r.log.find("Starting Run at "), std::string::npos) << script << "\n" << r.log;
    EXPECT_NE(r.log.find("Run Completed at "), std::string::npos) << script << "\n" << r.log;
    // An example may show a failure mode that lets the run go on; no run fails.
    EXPECT_EQ(r.log.find("RUN FAILED"), std::string::npos) << script << "\n" << r.log;
  }
  std::string saved;
  EXPECT_TRUE(ReadTextFile(notepad_file, &saved)) << "Notepad did not save " << notepad_file;
  EXPECT_NE(saved.find("Typed by Zelomat.\r\n\tKeys: SHIFTED, tokens and {F0}.\r\nSecond end.\r\n\r\nLast line."),
            std::string::npos)
      << saved;
  DeleteFileA(notepad_file.c_str());
}

}  // namespace
}  // namespace zelo::test
