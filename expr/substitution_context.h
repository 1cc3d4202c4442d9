// SubstitutionContext: the facts of the running system that field expansion
// and result saving need and cannot compute themselves — the clock, the
// environment, the program's folder and main window, the run engine's
// per-tab counters, windows, mouse and screen, the clipboard, and where log
// lines and variable changes are shown. The Windows build installs its own;
// PortableSubstitutionContext serves the native tools, and tests install a
// double with fixed answers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/civil_time.h"

namespace zelo {

struct ScreenRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// The running Windows version: major.minor with the build number, and
// whether it belongs to the 9x line (95, 98, ME).
struct OsVersion {
  uint32_t major = 0;
  uint32_t minor = 0;
  uint32_t build = 0;
  bool nine_x_line = false;
};

class SubstitutionContext {
 public:
  virtual ~SubstitutionContext() = default;

  // Clock: seconds since 1970-01-01 UTC, their local calendar form, and the
  // milliseconds since the system started.
  virtual int64_t Now() = 0;
  virtual CivilTime LocalTime(int64_t seconds) = 0;
  virtual uint32_t TickCount() = 0;

  // The value of an environment variable; false when it is not defined.
  virtual bool EnvironmentVariable(std::string_view name, std::string* value) = 0;

  // The folder of the program's executable, without a trailing separator;
  // variable files live there.
  virtual std::string ProgramFolder() = 0;
  // The main window's handle as a number (names the local-variable subkeys).
  virtual int64_t MainWindowHandle() = 0;

  // Per tab (slot 0-7): the script's file path ("(Untitled)" or empty when
  // it has none), the iteration counter of its current loop (the top of its
  // loop stack) and its run-repeat counter.
  virtual std::string ScriptFileName(int slot) = 0;
  virtual int32_t LoopCounter(int slot) = 0;
  virtual int32_t RunRepeats(int slot) = 0;

  virtual std::string SystemFolder() = 0;
  virtual std::string WindowsFolder() = 0;
  virtual std::string CurrentFolder() = 0;
  virtual OsVersion WindowsVersion() = 0;

  // The window found by the last window lookup, when it still exists.
  virtual bool CurrentWindowRect(ScreenRect* rect) = 0;
  virtual std::string ForegroundWindowTitle() = 0;
  virtual int64_t ForegroundWindowHandle() = 0;
  virtual std::string ForegroundWindowClass() = 0;
  virtual void MousePosition(int32_t* x, int32_t* y) = 0;
  virtual void ScreenSize(int32_t* width, int32_t* height) = 0;

  // Creates a new, unique, empty file in the user's temporary folder and
  // returns its path; empty when none could be created.
  virtual std::string CreateTempFile() = 0;

  // Plain-text clipboard; empty text when there is none.
  virtual std::string ClipboardText() = 0;
  virtual bool SetClipboardText(std::string_view text) = 0;
  virtual void EmptyClipboard() = 0;

  // One finished run-log line (CR LF included).
  virtual void WriteLog(std::string_view line) = 0;
  // The variables palette: a variable got a value (cut for display, and
  // whether it reads as a number) or was deleted.
  virtual void ShowVariable(std::string_view name, std::string_view value, bool numeric) = 0;
  virtual void RemoveVariable(std::string_view name) = 0;
};

// The program-wide context. Until one is installed it is a
// PortableSubstitutionContext.
SubstitutionContext& CurrentSubstitutionContext();
// Installs the program-wide context; nullptr goes back to the portable one.
void UseSubstitutionContext(SubstitutionContext* context);

}  // namespace zelo
