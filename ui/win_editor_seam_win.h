// The editor seam of the Windows build: message boxes, the status bar, tabs,
// the grid and the clipboard of the main window.
#pragma once

#include <windows.h>

#include <atomic>

#include "model/editor_seam.h"

namespace zelo {

class MainWindow;

class WinEditorSeam : public EditorSeam {
 public:
  explicit WinEditorSeam(MainWindow* window) : window_(window) {}

  MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageButtons buttons,
                            MessageIcon icon) override;
  void SetStatusText(std::string_view text) override;
  void Beep() override;
  void SetWindowTitle(std::string_view title) override;
  void AddTab(int slot, std::string_view text) override;
  void SetTabText(int slot, std::string_view text) override;
  void RemoveTab(int slot) override;
  void SelectTab(int slot) override;
  void SetUndoState(bool enabled, std::string_view menu_text) override;
  void SelectRows(const std::vector<int>& rows) override;
  void RefreshList() override;
  void ClearPropertySheet() override;
  void ShowProgress(bool visible) override;
  void SetProgress(int percent) override;
  std::string GetClipboardText() override;
  bool SetClipboardText(std::string_view text) override;
  void AddRecentFile(std::string_view path) override;
  void RemoveRecentFile(std::string_view path) override;

  // A hidden program's start-up has nobody to answer its boxes: while on,
  // an OK box shown on the calling thread also goes to the run log file and
  // closes itself after kUnattendedBoxMs. Other threads are not affected.
  void SetUnattendedOnThisThread(bool on) { unattended_thread_.store(on ? GetCurrentThreadId() : 0); }
  static constexpr DWORD kUnattendedBoxMs = 10000;
  // The program was started to run a script hidden: boxes of its run (failure
  // boxes, questions) on any thread close themselves after kHiddenRunBoxMs
  // with their safest answer, so the run ends instead of waiting for ever.
  void SetHiddenProgram(bool hidden) { hidden_program_.store(hidden); }
  static constexpr DWORD kHiddenRunBoxMs = 30000;

 private:
  MainWindow* window_;
  std::atomic<DWORD> unattended_thread_{0};
  std::atomic<bool> hidden_program_{false};
};

}  // namespace zelo
