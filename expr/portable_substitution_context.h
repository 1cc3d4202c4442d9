// The substitution context of the native tools and the start of the program:
// the clock, time zone and environment of the C library, the current folder,
// a temporary file created in the system's temporary folder, and everything
// that only a windowed program knows (windows, mouse, screen, system
// folders) reported as absent. The per-tab facts and the program's folder
// and window are whatever was set here; the clipboard is the editor seam's
// when one is given, else a text kept in the process.
#pragma once

#include <array>
#include <functional>

#include "expr/substitution_context.h"
#include "model/editor_seam.h"
#include "model/script_slot.h"

namespace zelo {

class PortableSubstitutionContext : public SubstitutionContext {
 public:
  int64_t Now() override;
  CivilTime LocalTime(int64_t seconds) override;
  uint32_t TickCount() override;
  bool EnvironmentVariable(std::string_view name, std::string* value) override;
  std::string ProgramFolder() override { return program_folder_; }
  int64_t MainWindowHandle() override { return main_window_; }
  std::string ScriptFileName(int slot) override;
  int32_t LoopCounter(int slot) override;
  int32_t RunRepeats(int slot) override;
  std::string SystemFolder() override { return std::string(); }
  std::string WindowsFolder() override { return std::string(); }
  std::string CurrentFolder() override;
  OsVersion WindowsVersion() override { return OsVersion(); }
  bool CurrentWindowRect(ScreenRect*) override { return false; }
  std::string ForegroundWindowTitle() override { return std::string(); }
  int64_t ForegroundWindowHandle() override { return 0; }
  std::string ForegroundWindowClass() override { return std::string(); }
  void MousePosition(int32_t* x, int32_t* y) override { *x = *y = 0; }
  void ScreenSize(int32_t* width, int32_t* height) override { *width = *height = 0; }
  std::string CreateTempFile() override;
  std::string ClipboardText() override;
  bool SetClipboardText(std::string_view text) override;
  void EmptyClipboard() override;
  void WriteLog(std::string_view line) override {
    if (log_) log_(line);
  }
  void ShowVariable(std::string_view, std::string_view, bool) override {}
  void RemoveVariable(std::string_view) override {}

  void set_program_folder(std::string folder) { program_folder_ = std::move(folder); }
  void set_main_window(int64_t handle) { main_window_ = handle; }
  void set_script_file(int slot, std::string path);
  void set_loop_counter(int slot, int32_t counter);
  void set_run_repeats(int slot, int32_t repeats);
  void set_editor_seam(EditorSeam* seam) { seam_ = seam; }
  void set_log(std::function<void(std::string_view)> log) { log_ = std::move(log); }

 private:
  static bool ValidSlot(int slot) { return slot >= 0 && slot < kMaxSlots; }
  std::string program_folder_;
  int64_t main_window_ = 0;
  std::array<std::string, kMaxSlots> script_files_;
  std::array<int32_t, kMaxSlots> loop_counters_{};
  std::array<int32_t, kMaxSlots> run_repeats_{};
  EditorSeam* seam_ = nullptr;
  std::string clipboard_;
  std::function<void(std::string_view)> log_;
};

}  // namespace zelo
