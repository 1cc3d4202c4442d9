// Small modal dialogs built in memory (the program has no resource script):
// a dialog template with its controls, and the ANSI text helpers the
// dialogs share.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace zelo {

class DialogTemplate {
 public:
  // Size in dialog units; the dialog uses the shell's dialog font.
  DialogTemplate(std::wstring_view title, short width, short height, DWORD style);
  // cls is one of the system's control classes ("BUTTON", "EDIT", "STATIC"...).
  void Add(WORD id, const wchar_t* cls, std::wstring_view text, DWORD style, short x, short y, short width,
           short height, DWORD ex_style = 0);
  // DialogBoxIndirectParamW with the template; its result.
  INT_PTR Run(HWND owner, DLGPROC proc, LPARAM param) const;

 private:
  void AddWords(std::wstring_view text);
  void Align();
  std::vector<WORD> words_;
};

// The text of a control in the ANSI code page, at most max_chars characters.
std::string DialogItemText(HWND dialog, int id, std::size_t max_chars);
void SetDialogItemText(HWND dialog, int id, std::string_view text);
// A task-modal message box brought to the foreground, as every message of
// the editor is shown; the button pressed.
int ShowEditorBox(HWND owner, std::string_view text, std::string_view caption, UINT flags);
// A file in the program's own folder.
std::string ProgramFolderFile(std::string_view name);
// Centres a window over its owner (or the screen without one).
void CentreOverOwner(HWND window);

}  // namespace zelo
