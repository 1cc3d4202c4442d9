// One page of the "Zelomat Options" sheet: its controls, how they are filled
// from the settings when the page opens and written back when the sheet is
// confirmed. Pages never opened write nothing.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/dialog_template_win.h"
#include "ui/options/option_values.h"

namespace zelo {

class OptionsPageWin;

// What the pages of one showing of the sheet share.
struct OptionsSheetState {
  bool applied = false;         // OK or Apply wrote the settings
  bool restart_needed = false;  // a written change shows only after a restart
  int active_page = 0;
  bool loading = false;         // controls are being filled, not changed by the user
  std::vector<std::pair<OptionsPageWin*, HWND>> opened;  // pages whose controls exist
};

class OptionsPageWin {
 public:
  virtual ~OptionsPageWin() = default;
  virtual const wchar_t* Title() const = 0;
  virtual void Build(DialogTemplate& page) = 0;
  virtual void Load(HWND page) = 0;
  // Writes the page's settings; true when a change needs a restart.
  virtual bool Save(HWND page) = 0;
  // A control's notification; true when handled.
  virtual bool Command(HWND page, int id, int code) { return false; }
  // Any other message (colours of sample controls); a non-zero result is returned.
  virtual INT_PTR Other(HWND page, UINT msg, WPARAM wp, LPARAM lp) { return 0; }

  OptionsSheetState* sheet = nullptr;
  int index = 0;  // the page's number (OptionsPage), also its help topic
};

// Fills every opened page from the settings again (after a reset).
void ReloadOpenedPages(OptionsSheetState& sheet);

// The pages in the order of OptionsPage.
std::vector<std::unique_ptr<OptionsPageWin>> MakeOptionsPages();
std::unique_ptr<OptionsPageWin> MakeGeneralPage();
std::unique_ptr<OptionsPageWin> MakeRunPage();
std::unique_ptr<OptionsPageWin> MakeColorsPage();
std::unique_ptr<OptionsPageWin> MakeUiStylePage();
std::unique_ptr<OptionsPageWin> MakeLoggingPage();
std::unique_ptr<OptionsPageWin> MakeFilesPage();

// Page size in dialog units, and the usual margins.
inline constexpr short kPageWidth = 262;
inline constexpr short kPageHeight = 196;
inline constexpr short kMargin = 7;

// Control helpers over the ANSI texts of the settings.
void SetCheck(HWND page, int id, bool on);
bool GetCheck(HWND page, int id);
void SetControlText(HWND page, int id, const std::string& text);
std::string GetControlText(HWND page, int id);
void FillDropList(HWND page, int id, const std::vector<std::string>& items, int selected);
int DropListSelection(HWND page, int id);
std::string DropListText(HWND page, int id);
void ShowControl(HWND page, int id, bool shown);

// A box of the sheet: "System Message" for notices, "Zelomat Warning" for
// questions (true for Yes), "Zelomat Error" for failures.
void NoticeBox(HWND owner, const std::string& text);
bool QuestionBox(HWND owner, const std::string& text);
void FailureBox(HWND owner, const std::string& text);

// Opens a topic of the help file beside the program, or says that the help
// file is missing.
void OpenHelpTopic(HWND owner, const std::string& topic);

}  // namespace zelo
