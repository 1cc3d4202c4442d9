// Placeholders until the dialogs land: each command says that this build
// cannot do it yet. Removed by the dialogs' own implementation.
#include "ui/dialogs/editor_dialogs_win.h"

namespace zelo {
namespace {
void NotYet(HWND owner) {
  MessageBoxW(owner, L"This build cannot do that yet.", L"Zelomat Warning", MB_OK | MB_ICONWARNING | MB_TASKMODAL);
}
}  // namespace

void FindCommand(HWND owner, Workspace&, FindHow, const std::vector<int>&) { NotYet(owner); }
void GoToStepCommand(HWND owner, Workspace&) { NotYet(owner); }
void ViewXmlCommand(HWND owner, Workspace&, const std::vector<int>&) { NotYet(owner); }
void CustomXmlTagsCommand(HWND owner, Workspace&) { NotYet(owner); }
void FilePropertiesCommand(HWND owner, Workspace&) { NotYet(owner); }
void OpenLogfileCommand(HWND owner) { NotYet(owner); }
void WindowListCommand(HWND owner, WindowListKind) { NotYet(owner); }
void HelpCommand(HWND owner) { NotYet(owner); }
void StartupOptionsCommand(HWND owner) { NotYet(owner); }
void AboutCommand(HWND owner) { NotYet(owner); }
void ShowSplash(HINSTANCE, HWND, unsigned) {}

}  // namespace zelo
