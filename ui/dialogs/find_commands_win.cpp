// "&Find...", "Find Ne&xt", "Find Pre&vious" and "&Go to Step...".
#include <string>

#include "ui/dialogs/editor_dialogs_win.h"
#include "ui/dialogs/find_steps.h"
#include "ui/dialogs/text_prompts_win.h"

namespace zelo {

void FindCommand(HWND owner, Workspace& ws, FindHow how, const std::vector<int>& selection) {
  FindRequest request{StoredFindText(), StoredFindDirection()};
  if (how == FindHow::Next) request.direction = SearchDirection::Down;
  if (how == FindHow::Previous) request.direction = SearchDirection::Up;
  // Next and Previous without a text to look for ask for one first.
  if (how == FindHow::Dialog || request.text.empty()) {
    std::optional<FindRequest> asked = AskFind(owner, request);
    if (!asked) return;
    request = *asked;
    StoreFindText(request.text);
    if (how == FindHow::Dialog) StoreFindDirection(request.direction);
  }
  FindInScript(ws, request.text, request.direction, selection);
}

void GoToStepCommand(HWND owner, Workspace& ws) {
  const int count = ws.current_slot().step_count;
  if (count <= 0) {
    GoToStep(ws, "");  // reports the empty script
    return;
  }
  // Eleven characters hold any step number, with a sign.
  std::optional<std::string> input = AskText(owner, "Go to Step Number", "\nEnter Step Number:", std::to_string(count), 11);
  if (input) GoToStep(ws, *input);
}

}  // namespace zelo
