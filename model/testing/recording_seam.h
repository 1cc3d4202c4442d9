// A test double of the editor seam: records every call, keeps what a real
// editor would show (tabs, title, status, selection, clipboard) and answers
// questions from a script of answers given in advance.
#pragma once

#include <algorithm>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "model/editor_seam.h"

namespace zelo {

class RecordingSeam : public EditorSeam {
 public:
  struct Message {
    std::string text;
    std::string caption;
    MessageButtons buttons;
    MessageIcon icon;
  };

  // Answers for the next questions, in order. A question with no answer left
  // gets its first button (Ok / Yes) and is counted in unscripted_questions.
  void Answer(MessageAnswer a) { answers.push_back(a); }

  MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageButtons buttons,
                            MessageIcon icon) override {
    messages.push_back({std::string(text), std::string(caption), buttons, icon});
    Log("message: " + std::string(text));
    if (answers.empty()) {
      if (buttons != MessageButtons::Ok) ++unscripted_questions;
      return buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel ? MessageAnswer::Ok
                                                                                  : MessageAnswer::Yes;
    }
    MessageAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  void SetStatusText(std::string_view text) override {
    status = std::string(text);
    Log("status: " + status);
  }
  void Beep() override {
    ++beeps;
    Log("beep");
  }
  void SetWindowTitle(std::string_view t) override {
    title = std::string(t);
    Log("title: " + title);
  }
  // Tabs behave like a tab control: a tab is inserted at a position and the
  // later ones move along.
  void AddTab(int slot, std::string_view text) override {
    std::size_t at = std::min<std::size_t>(static_cast<std::size_t>(slot < 0 ? 0 : slot), tabs.size());
    tabs.insert(tabs.begin() + static_cast<std::ptrdiff_t>(at), std::string(text));
    Log("add tab " + std::to_string(slot) + ": " + std::string(text));
  }
  void SetTabText(int slot, std::string_view text) override {
    if (slot >= 0 && static_cast<std::size_t>(slot) < tabs.size()) tabs[static_cast<std::size_t>(slot)] = text;
    Log("tab " + std::to_string(slot) + ": " + std::string(text));
  }
  void RemoveTab(int slot) override {
    if (slot >= 0 && static_cast<std::size_t>(slot) < tabs.size()) tabs.erase(tabs.begin() + slot);
    Log("remove tab " + std::to_string(slot));
  }
  void SelectTab(int slot) override {
    selected_tab = slot;
    Log("select tab " + std::to_string(slot));
  }
  void SetUndoState(bool enabled, std::string_view menu_text) override {
    undo_enabled = enabled;
    undo_text = std::string(menu_text);
    Log(std::string("undo ") + (enabled ? "on: " : "off: ") + undo_text);
  }
  void SelectRows(const std::vector<int>& rows) override {
    selection = rows;
    std::string s = "select rows";
    for (int r : rows) s += " " + std::to_string(r);
    Log(s);
  }
  void RefreshList() override {
    ++refreshes;
    Log("refresh");
  }
  void ClearPropertySheet() override {
    ++property_sheet_clears;
    Log("clear properties");
  }
  void ShowProgress(bool visible) override {
    progress_visible = visible;
    Log(visible ? "progress on" : "progress off");
  }
  void SetProgress(int percent) override {
    progress = percent;
    Log("progress " + std::to_string(percent));
  }
  std::string GetClipboardText() override {
    Log("get clipboard");
    return clipboard;
  }
  bool SetClipboardText(std::string_view text) override {
    Log("set clipboard");
    if (clipboard_fails) return false;
    clipboard = std::string(text);
    return true;
  }
  void AddRecentFile(std::string_view path) override {
    recent_files.erase(std::remove(recent_files.begin(), recent_files.end(), path), recent_files.end());
    recent_files.insert(recent_files.begin(), std::string(path));
    Log("add recent: " + std::string(path));
  }
  void RemoveRecentFile(std::string_view path) override {
    recent_files.erase(std::remove(recent_files.begin(), recent_files.end(), path), recent_files.end());
    Log("remove recent: " + std::string(path));
  }
  int ProgramIcon(std::string_view program) override {
    Log("program icon: " + std::string(program));
    return program_icon;
  }

  // Calls whose log line starts with prefix.
  int CountCalls(std::string_view prefix) const {
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const std::string& c) {
      return std::string_view(c).substr(0, prefix.size()) == prefix;
    }));
  }
  const Message* LastMessage() const { return messages.empty() ? nullptr : &messages.back(); }
  void ClearLog() {
    calls.clear();
    messages.clear();
  }

  std::vector<std::string> calls;  // every call in order, as one line each
  std::vector<Message> messages;
  std::deque<MessageAnswer> answers;
  int unscripted_questions = 0;

  std::string status;
  std::string title;
  std::vector<std::string> tabs;
  int selected_tab = -1;
  bool undo_enabled = false;
  std::string undo_text;
  std::vector<int> selection;
  int beeps = 0;
  int refreshes = 0;
  int property_sheet_clears = 0;
  bool progress_visible = false;
  int progress = 0;
  std::string clipboard;
  bool clipboard_fails = false;  // SetClipboardText refuses, as when another program holds it
  std::vector<std::string> recent_files;
  int program_icon = -1;

 private:
  void Log(std::string line) { calls.push_back(std::move(line)); }
};

}  // namespace zelo
