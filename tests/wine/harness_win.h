// The integration-test harness: runs scripts with the real Zelomat.exe as a
// scheduler would, and gives the tests the evidence — exit code, log file,
// registry values and files written.
#pragma once

#include <windows.h>

#include <string>

#include "tests/wine/process_win.h"

namespace zelo::test {

// Path of the Zelomat.exe under test (set by main from the command line).
const std::wstring& ProgramPath();
void SetProgramPath(const std::wstring& path);

// A fresh folder under the temporary folder, removed with its files when the
// object goes away.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

bool WriteTextFile(const std::string& path, const std::string& bytes);
bool ReadTextFile(const std::string& path, std::string* bytes);
bool FileExists(const std::string& path);

// Registry helpers on HKCU\SOFTWARE\Zelomat.
bool SetZelomatString(const std::string& name, const std::string& value);
bool SetZelomatNumber(const std::string& name, DWORD value);
bool DeleteZelomatValue(const std::string& name);
bool GetZelomatString(const std::string& name, std::string* value);
bool GetZelomatNumber(const std::string& name, DWORD* value);

// Sets a number setting for the length of a test and puts back what was
// there before (or removes it) afterwards, so tests do not leak settings
// into each other.
class ScopedZelomatNumber {
 public:
  ScopedZelomatNumber(const std::string& name, DWORD value);
  ~ScopedZelomatNumber();
  ScopedZelomatNumber(const ScopedZelomatNumber&) = delete;
  ScopedZelomatNumber& operator=(const ScopedZelomatNumber&) = delete;

 private:
  std::string name_;
  bool had_ = false;
  DWORD old_ = 0;
};

std::wstring Wide(const std::string& s);
std::string Narrow(const std::wstring& w);

// One "<step>" block of a script file; status 1 skips the step, 2 is a
// breakpoint.
std::string StepXml(const std::string& action, const std::string& comment, const std::string& text = "",
                    int status = 0);
// A script of the given steps (each "<step>...</step>" block) as file bytes.
std::string ScriptText(const std::string& steps);

// Points the program's run log at path with logging on, and removes an old
// log there.
void UseLogFile(const std::string& path);
// Polls the log file until it holds needle; the log's text goes to *log.
bool WaitForLogText(const std::string& path, const std::string& needle, DWORD ms, std::string* log = nullptr);
// How often needle occurs in text.
int Occurrences(const std::string& text, const std::string& needle);

struct RunResult {
  bool finished = false;  // ended within the time limit
  DWORD exit_code = 0;
  std::string log;        // the log file's text after the run
};

// Starts "Zelomat.exe <args>" with the log file set to log_path and logging on.
Process StartProgram(const std::string& args, const std::string& log_path);

// Runs "Zelomat.exe <args>" with the log file set to log_path and logging on,
// waits up to timeout_ms, and collects the evidence. A program still running
// at the time limit is killed (finished stays false).
RunResult RunProgram(const std::string& args, const std::string& log_path, DWORD timeout_ms);

}  // namespace zelo::test
