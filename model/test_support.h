// Test doubles for the model's unit tests: a recording EditorSeam that keeps
// every message box, status text and progress call, and an in-memory
// settings store installed for the length of a test.
#pragma once

#include <string>
#include <vector>

#include "model/editor_seam.h"
#include "settings/memory_settings.h"
#include "settings/setting_names.h"
#include "settings/settings.h"

namespace zelo {

struct ShownMessage {
  std::string text;
  std::string caption;
};

class TestEditorSeam : public EditorSeam {
 public:
  MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageButtons buttons,
                            MessageIcon) override {
    messages.push_back({std::string(text), std::string(caption)});
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : answer;
  }
  void SetStatusText(std::string_view text) override { status.emplace_back(text); }
  void Beep() override { ++beeps; }
  void SetWindowTitle(std::string_view title) override { this->title = std::string(title); }
  void AddTab(int slot, std::string_view text) override { tabs.push_back({slot, std::string(text)}); }
  void SetTabText(int slot, std::string_view text) override { tab_texts.push_back({slot, std::string(text)}); }
  void RemoveTab(int) override {}
  void SelectTab(int slot) override { selected_tab = slot; }
  void SetUndoState(bool enabled, std::string_view) override { undo_enabled = enabled; }
  void SelectRows(const std::vector<int>& rows) override { selected_rows = rows; }
  void RefreshList() override { ++refreshes; }
  void ClearPropertySheet() override {}
  void ShowProgress(bool visible) override { progress_shown.push_back(visible); }
  void SetProgress(int percent) override { progress.push_back(percent); }
  std::string GetClipboardText() override { return clipboard; }
  bool SetClipboardText(std::string_view text) override {
    clipboard = std::string(text);
    return true;
  }
  void AddRecentFile(std::string_view path) override { recent_added.emplace_back(path); }
  void RemoveRecentFile(std::string_view path) override { recent_removed.emplace_back(path); }
  int ProgramIcon(std::string_view program) override {
    icon_requests.emplace_back(program);
    return program_icon;
  }

  MessageAnswer answer = MessageAnswer::Yes;
  int program_icon = -1;
  std::vector<ShownMessage> messages;
  std::vector<std::string> status;
  std::string title;
  std::vector<std::pair<int, std::string>> tabs, tab_texts;
  int selected_tab = -1;
  bool undo_enabled = false;
  std::vector<int> selected_rows;
  int refreshes = 0;
  int beeps = 0;
  std::vector<bool> progress_shown;
  std::vector<int> progress;
  std::string clipboard;
  std::vector<std::string> recent_added, recent_removed, icon_requests;
};

class ScopedTestSettings {
 public:
  ScopedTestSettings() { UseSettings(&store_); }
  ~ScopedTestSettings() { UseSettings(nullptr); }
  ScopedTestSettings(const ScopedTestSettings&) = delete;
  ScopedTestSettings& operator=(const ScopedTestSettings&) = delete;
  void SetNumber(const char* name, uint32_t value) { WriteSettingNumber(std::string(setting::kKey) + "\\" + name, value); }

 private:
  MemorySettings store_;
};

}  // namespace zelo
