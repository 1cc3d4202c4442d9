// Placeholders until the Options sheet lands: each command says that this
// build cannot do it yet. Removed by the sheet's own implementation.
#include "ui/options/options_sheet_win.h"

namespace zelo {
namespace {
void NotYet(HWND owner) {
  MessageBoxW(owner, L"This build cannot do that yet.", L"Zelomat Warning", MB_OK | MB_ICONWARNING | MB_TASKMODAL);
}
}  // namespace

bool ShowOptionsSheet(HWND owner, OptionsPage) {
  NotYet(owner);
  return false;
}
bool RegisterFileAssociation(const std::string&, unsigned, int, std::string* error) {
  if (error) *error = "This build cannot register the file association yet.";
  return false;
}
void CheckForUpdatesCommand(HWND owner) { NotYet(owner); }
void AutomaticUpdateCheck(HWND) {}

}  // namespace zelo
