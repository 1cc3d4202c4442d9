// User variables and field expansion in the real program: Functions steps
// of a hidden run ("/r") whose results go to variables in the registry, to
// the clipboard and to files; later steps that expand them; variables set on
// the command line; values too large for the registry kept in variable
// files; and the machine's own clipboard, environment, date and screen in
// step fields.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/win32_owners_win.h"
#include "tests/wine/harness_win.h"

namespace zelo::test {
namespace {

const wchar_t kVariablesKey[] = L"SOFTWARE\\Zelomat\\UserVariables";

// One step of a script, with the fields these tests use.
struct Step {
  std::string action;
  std::string text;
  std::string value1;
  std::string value2;
  std::string output;        // "Variable", "Clipboard", "File"
  std::string output_value;  // the variable's name or the file's path
};

std::string Xml(const Step& s) {
  std::string xml = "<step>\r\n\t<action>" + s.action + "</action>\r\n";
  if (!s.text.empty()) xml += "\t<text>" + s.text + "</text>\r\n";
  if (!s.value1.empty()) xml += "\t<value1>" + s.value1 + "</value1>\r\n";
  if (!s.value2.empty()) xml += "\t<value2>" + s.value2 + "</value2>\r\n";
  if (!s.output.empty()) xml += "\t<output value=\"" + s.output_value + "\">" + s.output + "</output>\r\n";
  return xml + "</step>\r\n";
}

std::string Script(const std::vector<Step>& steps) {
  std::string xml;
  for (const Step& s : steps) xml += Xml(s);
  return ScriptText(xml);
}

// "Trim" with nothing to trim hands its expanded text on unchanged.
Step Echo(const std::string& text, const std::string& output, const std::string& where) {
  return {"Trim", text, "", "End", output, where};
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// A string value of a variable key; false when it is missing.
bool ReadVariable(const std::wstring& key, const std::string& name, std::string* value) {
  value->clear();
  const std::wstring wide_name = Wide(name);
  DWORD bytes = 0;
  const DWORD flags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
  if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), wide_name.c_str(), flags, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
    return false;
  std::wstring data(bytes / sizeof(wchar_t) + 1, L'\0');
  if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), wide_name.c_str(), flags, nullptr, data.data(), &bytes) !=
      ERROR_SUCCESS)
    return false;
  data.resize(wcslen(data.c_str()));
  *value = Narrow(data);
  return true;
}

bool ReadVariable(const std::string& name, std::string* value) { return ReadVariable(kVariablesKey, name, value); }

bool WriteVariable(const std::string& name, const std::string& value) {
  const RegistryKey key = CreateRegistryKey(HKEY_CURRENT_USER, kVariablesKey, KEY_SET_VALUE);
  const std::wstring w = Wide(value);
  return key && RegSetValueExW(key.get(), Wide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(w.c_str()),
                               static_cast<DWORD>((w.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

std::vector<std::wstring> SubKeys(const std::wstring& path) {
  std::vector<std::wstring> names;
  const RegistryKey key = OpenRegistryKey(HKEY_CURRENT_USER, path.c_str(), KEY_READ);
  if (!key) return names;
  wchar_t name[256];
  for (DWORD i = 0;; ++i) {
    DWORD length = 256;
    if (RegEnumKeyExW(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  return names;
}

bool KeyExists(const std::wstring& path) {
  return static_cast<bool>(OpenRegistryKey(HKEY_CURRENT_USER, path.c_str(), KEY_READ));
}

// The folder of the Zelomat.exe under test: variable files go there.
std::string ProgramFolder() {
  const std::string exe = Narrow(ProgramPath());
  return exe.substr(0, exe.find_last_of("\\/"));
}

// The clipboard as another program sees it, through a window of the test.
class Clipboard {
 public:
  Clipboard()
      : owner_(CreateWindowExW(0, L"STATIC", L"zelo test clipboard", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr,
                               nullptr)) {}
  ~Clipboard() {
    if (owner_) DestroyWindow(owner_);
  }
  Clipboard(const Clipboard&) = delete;
  Clipboard& operator=(const Clipboard&) = delete;

  bool Put(const std::string& text) {
    GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    if (!block) return false;
    {
      const LockedGlobal locked(block.get());
      if (!locked.get()) return false;
      memcpy(locked.get(), text.c_str(), text.size() + 1);
    }
    const OpenedClipboard clipboard(owner_, kTries);
    if (!clipboard.open() || !EmptyClipboard() || !SetClipboardData(CF_TEXT, block.get())) return false;
    block.release();  // the system's now
    return true;
  }
  bool Get(std::string* text) {
    text->clear();
    const OpenedClipboard clipboard(owner_, kTries);
    HANDLE data = clipboard.open() ? GetClipboardData(CF_TEXT) : nullptr;
    if (!data) return false;
    const LockedGlobal locked(data);
    if (locked.get()) *text = static_cast<const char*>(locked.get());
    return true;
  }

 private:
  // The program under test may hold the clipboard for a while.
  static constexpr int kTries = 50;
  HWND owner_;
};

class VariablesTest : public ::testing::Test {
 protected:
  VariablesTest()
      : default_code_("DefaultReturnCode", 0),
        log_level_("LogLevel", 0),
        restart_log_("RestartLog", 1),
        local_("LocalVariables", 0),
        reset_("ResetUserVariables", 0) {
    RegDeleteTreeW(HKEY_CURRENT_USER, kVariablesKey);
  }
  ~VariablesTest() override { RegDeleteTreeW(HKEY_CURRENT_USER, kVariablesKey); }

  std::string WriteScript(const std::vector<Step>& steps, const std::string& name = "vars.zxm") {
    const std::string path = dir_.File(name);
    EXPECT_TRUE(WriteTextFile(path, Script(steps)));
    return path;
  }
  // Runs the script hidden and expects it to complete.
  RunResult Run(const std::string& script, const std::string& more_arguments = "") {
    RunResult r = RunProgram("/r " + Quoted(script) + more_arguments, LogPath(), kGuiWaitMs);
    EXPECT_TRUE(r.finished) << "the hidden program stayed behind";
    EXPECT_EQ(r.exit_code, 0u);
    EXPECT_NE(r.log.find("Run Completed at "), std::string::npos) << r.log;
    return r;
  }
  std::string LogPath() const { return dir_.File("log.txt"); }
  std::string Variable(const std::string& name) {
    std::string value;
    EXPECT_TRUE(ReadVariable(name, &value)) << "no variable " << name;
    return value;
  }

  ScratchFolder dir_;
  ScopedZelomatNumber default_code_, log_level_, restart_log_, local_, reset_;
};

TEST_F(VariablesTest, FunctionResultsReachAVariableTheClipboardAndAFile) {
  Clipboard clipboard;
  ASSERT_TRUE(clipboard.Put("before the run"));
  const std::string out = dir_.File("new folder\\result.txt");
  const std::string script = WriteScript({
      {"Uppercase", "hello", "", "", "Variable", "%shout"},
      {"Get Length", "%shout", "", "", "Variable", "size"},
      {"Lowercase", "%SHOUT has %size letters", "", "", "Clipboard", ""},
      {"Replace Text", "%shout", "L", "_", "File", out},
  });
  RunResult r = Run(script);
  EXPECT_EQ(Variable("shout"), "HELLO");
  EXPECT_EQ(Variable("size"), "5");
  std::string text;
  EXPECT_TRUE(clipboard.Get(&text));
  EXPECT_EQ(text, "hello has 5 letters");
  EXPECT_TRUE(ReadTextFile(out, &text)) << "the file's folder is created";
  EXPECT_EQ(text, "HE__O");
  EXPECT_NE(r.log.find("[STEP 1]: Uppercase \"hello\"\r\n\tshout = \"HELLO\"\r\n[STEP 2]"), std::string::npos) << r.log;
  EXPECT_NE(r.log.find("\tsize = \"5\"\r\n"), std::string::npos) << r.log;
  EXPECT_NE(r.log.find("\tSaving 19 byte(s) to clipboard: \"hello has 5 letters\"\r\n"), std::string::npos) << r.log;
}

TEST_F(VariablesTest, AFileResultReplacesTheWholeFileAndAnEmptyResultRemovesFileAndVariable) {
  const std::string out = dir_.File("result.txt");
  ASSERT_TRUE(WriteTextFile(out, "an older and much longer content"));
  ASSERT_TRUE(WriteVariable("gone", "old value"));
  RunResult r = Run(WriteScript({
      {"Left String", "abcdef", "2", "", "File", out},
  }));
  std::string text;
  EXPECT_TRUE(ReadTextFile(out, &text));
  EXPECT_EQ(text, "ab") << "no tail of the old content stays behind";

  Run(WriteScript({
      {"Left String", "abcdef", "0", "", "File", out},
      {"Left String", "abcdef", "0", "", "Variable", "gone"},
  }));
  EXPECT_FALSE(FileExists(out));
  EXPECT_FALSE(ReadVariable("gone", &text));
}

TEST_F(VariablesTest, CommandLineAssignmentsReachTheScriptAndOutliveTheRunsReset) {
  // A full run clears all variables with this setting, except when the
  // command line set some.
  ScopedZelomatNumber reset("ResetUserVariables", 1);
  const std::string out = dir_.File("out.txt");
  const std::string script = WriteScript({
      Echo("[%greeting] [%count] [%stale]", "File", out),
  });
  ASSERT_TRUE(WriteVariable("stale", "from an earlier session"));
  Run(script, " %greeting=\"Hello, World\" count=3");
  std::string text;
  EXPECT_TRUE(ReadTextFile(out, &text));
  EXPECT_EQ(text, "[Hello, World] [3] [from an earlier session]");
}

TEST_F(VariablesTest, AFullRunWithResetClearsEarlierVariablesAndTheirFiles) {
  ScopedZelomatNumber reset("ResetUserVariables", 1);
  const std::string file = ProgramFolder() + "\\stale.ZELO_var";
  ASSERT_TRUE(WriteTextFile(file, "kept in a file"));
  ASSERT_TRUE(WriteVariable("stale", file + "*"));
  const std::string out = dir_.File("out.txt");
  Run(WriteScript({Echo("[%stale]", "File", out)}));
  std::string text;
  EXPECT_TRUE(ReadTextFile(out, &text));
  EXPECT_EQ(text, "[%stale]") << "the variable was deleted before the first step";
  EXPECT_FALSE(FileExists(file));
  EXPECT_FALSE(KeyExists(kVariablesKey)) << "and the rest when the program closed";
}

// The registry of this system takes values of megabytes: they stay there and
// a later step reads them whole.
TEST_F(VariablesTest, AResultOfMegabytesIsStoredAndReadBackWhole) {
  const std::string out = dir_.File("length.txt");
  const int kHalf = 1 << 20;
  Run(WriteScript({
      {"Pad String", "x", std::to_string(kHalf), "ab", "Variable", "half"},
      {"Trim", "%half%half", "", "End", "Variable", "big"},
      {"Get Length", "%big", "", "", "File", out},
  }));
  std::string value;
  ASSERT_TRUE(ReadVariable("big", &value));
  EXPECT_EQ(value.size(), 2u * kHalf);
  EXPECT_EQ(value.substr(0, 5), "xabab");
  std::string length;
  EXPECT_TRUE(ReadTextFile(out, &length));
  EXPECT_EQ(length, std::to_string(2 * kHalf));
}

// A value the registry refused earlier lives in a variable file beside the
// program, and the registry holds the file's path and "*": fields get the
// file's content. A reference to a file that is gone stays as stored.
TEST_F(VariablesTest, AVariableKeptInAVariableFileExpandsToTheFilesContent) {
  const std::string file = ProgramFolder() + "\\kept.ZELO_var";
  ASSERT_TRUE(WriteTextFile(file, "content of the file"));
  ASSERT_TRUE(WriteVariable("kept", file + "*"));
  ASSERT_TRUE(WriteVariable("lost", dir_.File("gone.ZELO_var") + "*"));
  const std::string out = dir_.File("out.txt");
  Run(WriteScript({Echo("[%kept] [%lost]", "File", out)}));
  DeleteFileA(file.c_str());
  std::string text;
  EXPECT_TRUE(ReadTextFile(out, &text));
  EXPECT_EQ(text, "[content of the file] [" + dir_.File("gone.ZELO_var") + "*]");
}

TEST_F(VariablesTest, FieldsExpandTheMachinesClipboardEnvironmentDateAndScreen) {
  Clipboard clipboard;
  ASSERT_TRUE(clipboard.Put("on the clipboard"));
  ASSERT_TRUE(SetEnvironmentVariableW(L"ZELO_TEST_ENV", L"from the environment"));
  const std::string out = dir_.File("facts.txt");
  const std::string script = WriteScript({
      {"Comment", "", "", "", "", ""},
      Echo("%clipboard|%ZELO_TEST_ENV%|%yyyy-%mm-%dd|%currentstep/%currentfile|%filebasename|%screen_x|%sysdir",
           "File", out),
  });
  SYSTEMTIME before;
  GetLocalTime(&before);
  Run(script);
  SYSTEMTIME after;
  GetLocalTime(&after);
  SetEnvironmentVariableW(L"ZELO_TEST_ENV", nullptr);

  std::string text;
  EXPECT_TRUE(ReadTextFile(out, &text));
  char date[2][16];
  snprintf(date[0], sizeof date[0], "%04d-%02d-%02d", before.wYear, before.wMonth, before.wDay);
  snprintf(date[1], sizeof date[1], "%04d-%02d-%02d", after.wYear, after.wMonth, after.wDay);
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  const std::string rest = "|2/1|vars.zxm|" + std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "|" + Narrow(system);
  const std::string head = "on the clipboard|from the environment|";
  EXPECT_TRUE(text == head + date[0] + rest || text == head + date[1] + rest) << text;
}

TEST_F(VariablesTest, LocalVariableModeKeepsATabsVariablesUnderItsWindowsKey) {
  ScopedZelomatNumber local("LocalVariables", 1);
  const std::string out = dir_.File("out.txt");
  RunResult r = Run(WriteScript({
                        {"Uppercase", "%word", "", "", "Variable", "shout"},
                        Echo("%shout", "File", out),
                    }),
                    " word=quiet");
  std::string value;
  EXPECT_FALSE(ReadVariable("shout", &value)) << "not among the shared variables";
  const std::vector<std::wstring> keys = SubKeys(kVariablesKey);
  ASSERT_EQ(keys.size(), 1u);
  const std::wstring& tab = keys[0];
  ASSERT_GT(tab.size(), 2u);
  EXPECT_EQ(tab.substr(tab.size() - 2), L"_1") << "the first tab of the program's main window";
  EXPECT_TRUE(ReadVariable(std::wstring(kVariablesKey) + L"\\" + tab, "shout", &value));
  EXPECT_EQ(value, "QUIET");
  EXPECT_TRUE(ReadTextFile(out, &value));
  EXPECT_EQ(value, "QUIET");
}

}  // namespace
}  // namespace zelo::test
