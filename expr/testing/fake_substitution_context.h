// A substitution context with fixed answers for tests: a clock that stands
// still at a chosen calendar moment (no time zone), an environment of its
// own, and records of the log lines, variable rows and clipboard it was given.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "base/text.h"
#include "base/civil_time.h"
#include "expr/substitution_context.h"
#include "model/script_slot.h"

namespace zelo {

class FakeSubstitutionContext : public SubstitutionContext {
 public:
  FakeSubstitutionContext() { SetLocalTime(2007, 3, 14, 13, 5, 9); }

  void SetLocalTime(int year, int month, int day, int hour, int minute, int second) {
    CivilTime t;
    t.year = year;
    t.month = month;
    t.day = day;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    now = SecondsFromCivilTime(t);
  }

  int64_t Now() override { return now; }
  CivilTime LocalTime(int64_t seconds) override { return CivilTimeFromSeconds(seconds); }
  uint32_t TickCount() override { return ticks; }
  // Names compare without regard to case, as Windows compares them.
  bool EnvironmentVariable(std::string_view name, std::string* value) override {
    ++environment_lookups;
    for (auto& [n, v] : environment)
      if (EqualsNoCase(n, name)) {
        *value = v;
        return true;
      }
    return false;
  }
  std::string ProgramFolder() override { return program_folder; }
  int64_t MainWindowHandle() override { return main_window; }
  std::string ScriptFileName(int slot) override { return Slot(script_files, slot, std::string()); }
  int32_t LoopCounter(int slot) override { return Slot(loop_counters, slot, 0); }
  int32_t RunRepeats(int slot) override { return Slot(run_repeats, slot, 0); }
  std::string SystemFolder() override { return system_folder; }
  std::string WindowsFolder() override { return windows_folder; }
  std::string CurrentFolder() override { return current_folder; }
  OsVersion WindowsVersion() override { return version; }
  bool CurrentWindowRect(ScreenRect* rect) override {
    if (!current_window_live) return false;
    *rect = current_window;
    return true;
  }
  std::string ForegroundWindowTitle() override { return foreground_title; }
  int64_t ForegroundWindowHandle() override { return foreground_handle; }
  std::string ForegroundWindowClass() override { return foreground_class; }
  void MousePosition(int32_t* x, int32_t* y) override {
    *x = mouse_x;
    *y = mouse_y;
  }
  void ScreenSize(int32_t* width, int32_t* height) override {
    *width = screen_width;
    *height = screen_height;
  }
  std::string CreateTempFile() override {
    ++temp_files_created;
    return temp_folder + "\\ZEL" + std::to_string(temp_files_created) + ".tmp";
  }
  std::string ClipboardText() override { return clipboard; }
  bool SetClipboardText(std::string_view text) override {
    clipboard = std::string(text);
    return true;
  }
  void EmptyClipboard() override {
    clipboard.clear();
    ++clipboard_emptied;
  }
  void WriteLog(std::string_view line) override { log.emplace_back(line); }
  void ShowVariable(std::string_view name, std::string_view value, bool numeric) override {
    palette.push_back(std::string(name) + "=" + std::string(value) + (numeric ? " (number)" : " (text)"));
  }
  void RemoveVariable(std::string_view name) override { palette.push_back(std::string(name) + " removed"); }

  int64_t now = 0;
  uint32_t ticks = 123456;
  std::map<std::string, std::string> environment;
  int environment_lookups = 0;
  std::string program_folder = "C:\\Program Files\\Zelomat";
  int64_t main_window = 5046;
  std::array<std::string, kMaxSlots> script_files{};
  std::array<int32_t, kMaxSlots> loop_counters{};
  std::array<int32_t, kMaxSlots> run_repeats{};
  std::string system_folder = "C:\\WINDOWS\\system32";
  std::string windows_folder = "C:\\WINDOWS";
  std::string current_folder = "C:\\work";
  OsVersion version{5, 1, 2600, false};
  bool current_window_live = false;
  ScreenRect current_window{};
  std::string foreground_title = "Untitled - Notepad";
  int64_t foreground_handle = 65552;
  std::string foreground_class = "Notepad";
  int32_t mouse_x = 10, mouse_y = 20;
  int32_t screen_width = 1280, screen_height = 1024;
  std::string temp_folder = "C:\\TEMP";
  int temp_files_created = 0;
  std::string clipboard;
  int clipboard_emptied = 0;
  std::vector<std::string> log;
  std::vector<std::string> palette;

 private:
  template <class T>
  static T Slot(const std::array<T, kMaxSlots>& a, int slot, T fallback) {
    return slot >= 0 && slot < kMaxSlots ? a[static_cast<std::size_t>(slot)] : fallback;
  }
};

}  // namespace zelo
