#include "ui/win_editor_seam_win.h"

#include "engine/run_log.h"
#include "ui/main_window_win.h"
#include "ui/timed_message_box_win.h"
#include "ui/recent_files_win.h"
#include "base/ansi_text_win.h"
#include "base/clipboard_text_win.h"

namespace zelo {

namespace {

// A box's text as log lines: CR LF line ends.
std::string LogLines(std::string_view text) {
  std::string lines;
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n') lines += '\r';
    lines += c;
  }
  return lines;
}

}  // namespace

MessageAnswer WinEditorSeam::ShowMessage(std::string_view text, std::string_view caption, MessageButtons buttons,
                                         MessageIcon icon) {
  // Task-modal and in front: the user must see it even while another program
  // has the focus during a run.
  UINT flags = MB_TASKMODAL | MB_SETFOREGROUND;
  switch (buttons) {
    case MessageButtons::Ok: flags |= MB_OK; break;
    case MessageButtons::YesNo: flags |= MB_YESNO; break;
    case MessageButtons::YesNoCancel: flags |= MB_YESNOCANCEL; break;
    case MessageButtons::OkCancel: flags |= MB_OKCANCEL; break;
  }
  switch (icon) {
    case MessageIcon::Information: flags |= MB_ICONINFORMATION; break;
    case MessageIcon::Warning: flags |= MB_ICONWARNING; break;
    case MessageIcon::Error: flags |= MB_ICONERROR; break;
    case MessageIcon::Question: flags |= MB_ICONQUESTION; break;
    case MessageIcon::None: break;
  }
  const std::wstring wide_text = AnsiToWide(text), wide_caption = AnsiToWide(caption);
  int r;
  if (buttons == MessageButtons::Ok && unattended_thread_.load() == GetCurrentThreadId()) {
    // Written first, so the reason is there even if the program is killed.
    WriteLogAlways("%s\r\n", LogLines(text).c_str());
    r = TimedMessageBox(wide_text.c_str(), wide_caption.c_str(), flags, kUnattendedBoxMs);
  } else if (hidden_program_.load()) {
    bool timed_out = false;
    r = TimedMessageBox(wide_text.c_str(), wide_caption.c_str(), flags, kHiddenRunBoxMs, &timed_out);
    if (timed_out) {
      WriteLog("\tNobody answered the \"%.*s\" box within %lu seconds: it was closed with %s\r\n",
               static_cast<int>(caption.size()), caption.data(), static_cast<unsigned long>(kHiddenRunBoxMs / 1000),
               r == IDNO ? "No" : r == IDCANCEL ? "Cancel" : "OK");
    }
  } else {
    r = MessageBoxW(nullptr, wide_text.c_str(), wide_caption.c_str(), flags);
  }
  switch (r) {
    case IDYES: return MessageAnswer::Yes;
    case IDNO: return MessageAnswer::No;
    case IDCANCEL: return MessageAnswer::Cancel;
    default: return MessageAnswer::Ok;
  }
}

void WinEditorSeam::SetStatusText(std::string_view text) { window_->SetStatusText(text); }
void WinEditorSeam::Beep() { MessageBeep(MB_OK); }
void WinEditorSeam::SetWindowTitle(std::string_view title) { window_->SetTitle(title); }
void WinEditorSeam::AddTab(int slot, std::string_view text) { window_->AddTab(slot, text); }
void WinEditorSeam::SetTabText(int slot, std::string_view text) { window_->SetTabText(slot, text); }
void WinEditorSeam::RemoveTab(int slot) { window_->RemoveTab(slot); }
void WinEditorSeam::SelectTab(int slot) { window_->SelectTab(slot); }
void WinEditorSeam::SetUndoState(bool enabled, std::string_view menu_text) { window_->SetUndoState(enabled, menu_text); }
void WinEditorSeam::SelectRows(const std::vector<int>& rows) { window_->SelectRows(rows); }
void WinEditorSeam::RefreshList() { window_->RefreshList(); }
void WinEditorSeam::ClearPropertySheet() { window_->ClearPropertySheet(); }
void WinEditorSeam::ShowProgress(bool visible) { window_->ShowProgress(visible); }
void WinEditorSeam::SetProgress(int percent) { window_->SetProgress(percent); }

std::string WinEditorSeam::GetClipboardText() { return ReadClipboardText(window_->hwnd()); }

bool WinEditorSeam::SetClipboardText(std::string_view text) { return WriteClipboardText(window_->hwnd(), text); }

void WinEditorSeam::AddRecentFile(std::string_view path) { NoteRecentFile(path); }
void WinEditorSeam::RemoveRecentFile(std::string_view path) { ForgetRecentFile(path); }

}  // namespace zelo
