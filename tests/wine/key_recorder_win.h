// The key recorder test program, started and read by the typing tests: its
// window takes the foreground, and what its edit control received comes back
// as events and as the edit's text.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/wine/harness_win.h"

namespace zelo::test {

struct RecordedKey {
  char kind = 0;  // 'D' key down, 'U' key up, 'C' character
  unsigned code = 0;  // virtual key, or the UTF-16 character
  unsigned scan = 0;
  bool extended = false;
  DWORD tick = 0;
};

class KeyRecorder {
 public:
  explicit KeyRecorder(const std::string& log_path);
  KeyRecorder(const KeyRecorder&) = delete;
  KeyRecorder& operator=(const KeyRecorder&) = delete;
  // The window is there and has the foreground.
  bool ready() const { return window_ != nullptr && edit_ != nullptr; }
  // Why it is not ready.
  const std::string& problem() const { return problem_; }
  HWND window() const { return window_; }
  bool Focus();
  std::wstring Text() const;
  // Polls until the edit's text is the expected one; false after ms.
  bool WaitForText(const std::wstring& expected, DWORD ms) const;
  // Polls until the edit holds this many characters; false when no
  // character has come for stall_ms.
  bool WaitForLength(size_t length, DWORD stall_ms) const;
  std::vector<RecordedKey> Events() const;
  // Polls until Keys() ends with the text (input arrives after the run has
  // ended); false after ms.
  bool WaitForKeysEnding(const std::string& last, DWORD ms) const;
  // The events in short: "D16 D72 C72 U72 U16 ...".
  std::string Keys() const;

 private:
  std::string log_path_;
  Process process_;
  HWND window_ = nullptr;
  HWND edit_ = nullptr;
  std::string problem_;
};

}  // namespace zelo::test
