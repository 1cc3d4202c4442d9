#include "actions/menu/menu_actions.h"

#include <string>

#include "actions/keyboard/key_sender.h"
#include "actions/keyboard/key_tables.h"
#include "actions/menu/menu_path.h"
#include "actions/menu/menu_platform.h"
#include "actions/shared/action_services.h"
#include "actions/windows/window_lookup.h"
#include "actions/windows/window_platform.h"
#include "base/text.h"
#include "engine/run_engine.h"

namespace zelo {

namespace {

constexpr ActionWord<MenuAction> kMenuWords[] = {
    {"Show Popup Menu", MenuAction::Popup},
    {"Select System Menu", MenuAction::SystemMenu},
    {"Select Menu Item", MenuAction::MenuItem},
};

constexpr char kNotConnected[] = "Menu actions are not connected to field expansion";
constexpr uint32_t kForegroundWaitMs = 250;
constexpr std::size_t kChoiceMax = 258;
constexpr uint8_t kSpaceKey = 0x20;

int ShowPopup(RunEngine& run, const ActionServices& services, const StepRecord& step, int slot, int index,
              const std::string& text) {
  const std::vector<PopupLine> lines = PopupMenuLines(text);
  const int chosen = ProgramMenuPlatform().ChoosePopupLine(lines);
  if (chosen <= 0 || chosen > static_cast<int>(lines.size())) return 0;
  services.save(step, slot, index, lines[static_cast<std::size_t>(chosen - 1)].text.substr(0, kChoiceMax));
  return 1;
}

void SelectSystemMenu(WindowHandle window, const std::string& text) {
  MenuPlatform& menus = ProgramMenuPlatform();
  const SystemMenuCommand command = SystemMenuWord(text);
  if (command != SystemMenuCommand::None && menus.HasSystemMenu(window)) {
    menus.SystemCommand(window, command);
    return;
  }
  const std::size_t amp = text.find('&');
  if (amp == std::string::npos || amp + 1 >= text.size()) return;
  ProgramWindowPlatform().Activate(window);
  KeySender* keys = menus.Keys();
  if (keys == nullptr) return;
  KeySequence sequence;
  KeyStrokeEvents(0x12, false, 1, &sequence.events);
  KeyStrokeEvents(kSpaceKey, false, 1, &sequence.events);
  KeyStrokeEvents(kSpaceKey, false, 2, &sequence.events);
  KeyStrokeEvents(0x12, false, 2, &sequence.events);
  const CharacterKey key = CharacterKeyFor(static_cast<unsigned char>(text[amp + 1]));
  KeyStrokeEvents(key.vk, key.shifted, 1, &sequence.events);
  KeyStrokeEvents(key.vk, key.shifted, 2, &sequence.events);
  PlayKeySequence(*keys, sequence);
}

int SelectMenuItem(RunEngine& run, WindowHandle window, const std::string& text) {
  MenuPlatform& menus = ProgramMenuPlatform();
  const std::string wanted = MenuPathWanted(text);
  MenuNode bar;
  uint32_t command = 0;
  if (menus.ReadMenuBar(window, &bar) && FindMenuCommand(bar, wanted, &command)) {
    menus.PostCommand(window, command);
    return 1;
  }
  run.SetStepError(menu_texts::kTryingKeyboard, text.c_str());
  KeySequence sequence;
  const bool complete = MenuKeySequence(wanted, &sequence);
  ProgramWindowPlatform().Activate(window);
  KeySender* keys = menus.Keys();
  if (keys != nullptr && !PlayKeySequence(*keys, sequence)) {
    run.SetStepError("%s", kKeystrokesBlockedMessage);
    return 0;
  }
  if (!complete || keys == nullptr) {
    run.SetStepError(menu_texts::kNoMenu, text.c_str());
    return 0;
  }
  return 1;
}

}  // namespace

const ActionWords<MenuAction> kMenuActions{kMenuWords};

MenuAction ClassifyMenuAction(std::string_view action) { return kMenuActions.KindOf(action, MenuAction::Other); }

int RunMenuStep(RunEngine& run, const ActionServices* services, int slot, int index) {
  const StepRecord& step = run.workspace().slots[static_cast<std::size_t>(slot)].steps[static_cast<std::size_t>(index)];
  if (!ExpandsAndSaves(services)) {
    run.SetStepError(kNotConnected);
    return 0;
  }
  const std::string text = services->expand(step.text.view(), slot, index);
  WindowHandle window = CurrentWindow();
  if (window == 0) {
    ProgramMenuPlatform().Sleep(kForegroundWaitMs);
    window = ProgramWindowPlatform().Foreground();
    SetCurrentWindow(window);
  }
  switch (ClassifyMenuAction(step.action.view())) {
    case MenuAction::Popup:
      return ShowPopup(run, *services, step, slot, index, text);
    case MenuAction::SystemMenu:
      SelectSystemMenu(window, text);
      return 1;
    case MenuAction::MenuItem:
      return SelectMenuItem(run, window, text);
    case MenuAction::Other:
      break;
  }
  return 1;
}

}  // namespace zelo
