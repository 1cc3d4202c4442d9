#include "tests/wine/key_recorder_win.h"

#include <cstdio>
#include <sstream>

#include "tests/wine/test_programs_win.h"
#include "tests/wine/windows_win.h"

namespace zelo::test {

KeyRecorder::KeyRecorder(const std::string& log_path) : log_path_(log_path) {
  process_ = Process::Start(Wide(TestProgramPath("key_recorder.exe")), Wide(log_path));
  if (!process_.valid()) {
    problem_ = "key_recorder.exe did not start";
    return;
  }
  window_ = WaitForProcessWindow(process_.id(), L"ZeloTestKeyRecorder", kGuiWaitMs);
  // The edit is made just after its window.
  const DWORD start = GetTickCount();
  while (window_ && !edit_ && GetTickCount() - start < 5000) {
    edit_ = FindWindowExW(window_, nullptr, L"Edit", nullptr);
    if (!edit_) Sleep(20);
  }
  if (!edit_) {
    DWORD code = 0;
    problem_ = "no window; exit code " + std::to_string(process_.Wait(0, &code) ? code : 0);
  } else if (!Focus()) {
    problem_ = "the window did not take the foreground";
    edit_ = nullptr;
  }
}

bool KeyRecorder::Focus() {
  if (!window_) return false;
  const DWORD start = GetTickCount();
  while (GetForegroundWindow() != window_) {
    if (GetTickCount() - start > 5000) return false;
    SetForegroundWindow(window_);
    Sleep(20);
  }
  return true;
}

std::wstring KeyRecorder::Text() const {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(edit_, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &length)) return L"";
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(edit_, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL, 5000,
                      &copied);
  text.resize(copied);
  return text;
}

bool KeyRecorder::WaitForText(const std::wstring& expected, DWORD ms) const {
  const DWORD start = GetTickCount();
  while (Text() != expected) {
    if (GetTickCount() - start > ms) return false;
    Sleep(20);
  }
  return true;
}

bool KeyRecorder::WaitForLength(size_t length, DWORD stall_ms) const {
  DWORD last_change = GetTickCount();
  DWORD_PTR before = 0;
  for (;;) {
    DWORD_PTR now = 0;
    SendMessageTimeoutW(edit_, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &now);
    if (now >= length) return true;
    if (now != before) {
      before = now;
      last_change = GetTickCount();
    } else if (GetTickCount() - last_change > stall_ms) {
      return false;
    }
    Sleep(50);
  }
}

bool KeyRecorder::WaitForKeysEnding(const std::string& last, DWORD ms) const {
  const DWORD start = GetTickCount();
  for (;;) {
    const std::string keys = Keys();
    if (keys.size() >= last.size() && keys.compare(keys.size() - last.size(), last.size(), last) == 0) return true;
    if (GetTickCount() - start > ms) return false;
    Sleep(20);
  }
}

std::vector<RecordedKey> KeyRecorder::Events() const {
  std::string text;
  ReadTextFile(log_path_, &text);
  std::vector<RecordedKey> events;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    RecordedKey k;
    unsigned ext = 0;
    unsigned long tick = 0;
    if (line[0] == 'C' && std::sscanf(line.c_str(), "C %u %lu", &k.code, &tick) == 2) {
      k.kind = 'C';
    } else if (std::sscanf(line.c_str(), "%c %u %u %u %lu", &k.kind, &k.code, &k.scan, &ext, &tick) != 5) {
      continue;
    }
    k.extended = ext != 0;
    k.tick = static_cast<DWORD>(tick);
    events.push_back(k);
  }
  return events;
}

std::string KeyRecorder::Keys() const {
  std::string out;
  for (const RecordedKey& k : Events()) {
    if (!out.empty()) out += ' ';
    out += k.kind + std::to_string(k.code);
  }
  return out;
}

}  // namespace zelo::test
