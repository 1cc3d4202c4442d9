// EditorSeam: how the script model talks to whatever shows it. The main window
// implements it with message boxes, the status bar, tabs and the grid; tests
// and the command-line tools record the calls instead. Every text the user
// sees from editing, loading and saving goes through here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelo {

enum class MessageButtons { Ok, YesNo, YesNoCancel, OkCancel };
enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageAnswer { Ok, Yes, No, Cancel };

class EditorSeam {
 public:
  virtual ~EditorSeam() = default;

  // A task-modal message box brought to the foreground.
  virtual MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageButtons buttons,
                                    MessageIcon icon) = 0;
  virtual void SetStatusText(std::string_view text) = 0;
  virtual void Beep() = 0;

  // Window title ("%s - Zelomat" / "* %s - Zelomat") and the tab of a slot.
  virtual void SetWindowTitle(std::string_view title) = 0;
  virtual void AddTab(int slot, std::string_view text) = 0;
  virtual void SetTabText(int slot, std::string_view text) = 0;
  virtual void RemoveTab(int slot) = 0;
  virtual void SelectTab(int slot) = 0;

  // Undo command: enabled state and menu text ("Undo Add Step\tCtrl+Z", ...).
  virtual void SetUndoState(bool enabled, std::string_view menu_text) = 0;

  // The grid: selected rows after an operation, a full refresh, the property sheet.
  virtual void SelectRows(const std::vector<int>& rows) = 0;
  virtual void RefreshList() = 0;
  virtual void ClearPropertySheet() = 0;

  // Progress window for long loads and saves (percent 0..100).
  virtual void ShowProgress(bool visible) = 0;
  virtual void SetProgress(int percent) = 0;

  // Plain-text clipboard.
  virtual std::string GetClipboardText() = 0;
  virtual bool SetClipboardText(std::string_view text) = 0;

  // Recent-file list.
  virtual void AddRecentFile(std::string_view path) = 0;
  virtual void RemoveRecentFile(std::string_view path) = 0;

  // Program-start steps show the started program's first icon; returns the
  // image-list index, or -1 when the icon cannot be had.
  virtual int ProgramIcon(std::string_view program) { (void)program; return -1; }
};

// A seam that does nothing and answers every question with its first button
// (Ok/Yes). The native tools and early start-up use it.
class SilentEditorSeam : public EditorSeam {
 public:
  MessageAnswer ShowMessage(std::string_view, std::string_view, MessageButtons b, MessageIcon) override {
    return b == MessageButtons::Ok || b == MessageButtons::OkCancel ? MessageAnswer::Ok : MessageAnswer::Yes;
  }
  void SetStatusText(std::string_view) override {}
  void Beep() override {}
  void SetWindowTitle(std::string_view) override {}
  void AddTab(int, std::string_view) override {}
  void SetTabText(int, std::string_view) override {}
  void RemoveTab(int) override {}
  void SelectTab(int) override {}
  void SetUndoState(bool, std::string_view) override {}
  void SelectRows(const std::vector<int>&) override {}
  void RefreshList() override {}
  void ClearPropertySheet() override {}
  void ShowProgress(bool) override {}
  void SetProgress(int) override {}
  std::string GetClipboardText() override { return clipboard_; }
  bool SetClipboardText(std::string_view t) override {
    clipboard_ = std::string(t);
    return true;
  }
  void AddRecentFile(std::string_view) override {}
  void RemoveRecentFile(std::string_view) override {}

 private:
  std::string clipboard_;
};

}  // namespace zelo
