#include "actions/windows/window_actions.h"

#include <string>

#include "actions/screen/screen_steps.h"
#include "actions/shared/action_services.h"
#include "actions/windows/close_window.h"
#include "actions/windows/window_lookup.h"
#include "actions/windows/window_platform.h"
#include "base/text.h"
#include "engine/run_engine.h"
#include "expr/real_text.h"
#include "settings/setting_names.h"
#include "settings/settings.h"

namespace zelo {

namespace {

constexpr ActionWord<WindowAction> kWindowWords[] = {
    {"Set Window Style", WindowAction::SetStyle},
    {"Get Text", WindowAction::GetText},
    {"Activate", WindowAction::Activate},
    {"Press", WindowAction::Press},
    {"Move", WindowAction::Move},
    {"Resize", WindowAction::Resize},
    {"Maximize", WindowAction::Maximize},
    {"Minimize", WindowAction::MinimizeOrRestore},
    {"Close", WindowAction::Close},
};

constexpr char kNotConnected[] = "Window actions are not connected to field expansion";
constexpr char kNoScreen[] = "Finding a window by an image needs the screen search, which is not connected";

int AllWindows(const StepRecord& step) {
  WindowPlatform& platform = ProgramWindowPlatform();
  if (ContainsNoCase(step.action.view(), "Minimize")) {
    platform.MinimizeAll();
  } else if (ContainsNoCase(step.action.view(), "Close")) {
    for (WindowHandle window : platform.WindowsToCloseAll()) CloseWindowHard(platform, window, kCloseMinimumMs);
  }
  return 1;
}

// Image mode: the window under the top-left corner of the image file named
// by text, searched exactly on the whole screen. 1 with the window, 0 with
// the step error text, -1 when the stop key ended the search.
int WindowUnderImage(RunEngine& run, const ActionServices& services, int slot, int index, const std::string& text,
                     WindowHandle* window) {
  const std::string_view script = run.workspace().slots[static_cast<std::size_t>(slot)].file_name.view();
  std::string path;
  if (!services.resolve_path(text, &path, script == kUntitled ? std::string_view() : script)) {
    run.SetStepError(window_texts::kNoFile, path.c_str());
    return 0;
  }
  const ScreenSearchResult found = SearchWholeScreenForStep(run, services, slot, index, path);
  if (found.stopped) return -1;
  if (!found.found) {
    if (found.error.empty()) run.SetStepError(window_texts::kNoImage, path.c_str());
    return 0;
  }
  *window = WindowUnderPoint(ProgramWindowPlatform(), {found.x, found.y});
  if (*window == 0) {
    run.SetStepError(window_texts::kNoWindow, text.c_str());
    return 0;
  }
  return 1;
}

}  // namespace

const ActionWords<WindowAction> kWindowActions{kWindowWords};

WindowAction ClassifyWindowAction(std::string_view action) {
  return kWindowActions.KindOf(action, WindowAction::Invalid);
}

int RunWindowStep(RunEngine& run, const ActionServices* services, int slot, int index) {
  const StepRecord& step = run.workspace().slots[static_cast<std::size_t>(slot)].steps[static_cast<std::size_t>(index)];
  SetCurrentWindow(0);
  const bool all_windows = ContainsNoCase(step.action.view(), "all Windows");
  if (step.text.empty() && !all_windows) {
    run.SetStepError(window_texts::kMissingWindow);
    return 0;
  }
  if (!ExpandsAndSaves(services)) {
    run.SetStepError(kNotConnected);
    return 0;
  }
  const std::string text = services->expand(step.text.view(), slot, index);
  WindowPlatform& platform = ProgramWindowPlatform();

  WindowHandle window = 0;
  if (ImageModeOptions(step.options.view())) {
    if (services->resolve_path == nullptr || services->screen == nullptr) {
      run.SetStepError(kNoScreen);
      return 0;
    }
    const int found = WindowUnderImage(run, *services, slot, index, text, &window);
    if (found != 1) return found;
  }
  if (all_windows) return AllWindows(step);

  if (window == 0) {
    const WindowSearch search =
        FindWindowForStep(SearchFlagsFromOptions(step.options.view()), text, WindowQualifier::Any);
    window = search.window;
    if (window == 0) {
      run.SetStepError(window_texts::kNoWindow, text.c_str());
      return 0;
    }
    if (ReadSetting(setting::kMultipleWindowError) != 0) {
      const std::string several = SeveralMatchesError(search);
      if (!several.empty()) {
        run.SetStepError("%s", several.c_str());
        return 0;
      }
    }
  }
  SetCurrentWindow(window);
  switch (ClassifyWindowAction(step.action.view())) {
    case WindowAction::SetStyle:
      platform.SetStyle(window, services->expand(step.value(1).view(), slot, index));
      break;
    case WindowAction::GetText:
      services->save(step, slot, index, platform.FullText(window));
      break;
    case WindowAction::Activate:
      platform.Activate(window);
      break;
    case WindowAction::Press:
      SetCurrentWindow(platform.Press(window));
      break;
    case WindowAction::Move:
      platform.Move(window, TextToInt(services->expand(step.value(1).view(), slot, index)) - 1,
                    TextToInt(services->expand(step.value(2).view(), slot, index)) - 1);
      break;
    case WindowAction::Resize:
      platform.Resize(window, TextToInt(services->expand(step.value(1).view(), slot, index)) - 1,
                      TextToInt(services->expand(step.value(2).view(), slot, index)) - 1);
      break;
    case WindowAction::Maximize:
      platform.Maximize(window);
      break;
    case WindowAction::MinimizeOrRestore:
      platform.MinimizeOrRestore(window);
      break;
    case WindowAction::Close: {
      const double seconds = TextToReal(services->expand(step.timeout.view(), slot, index));
      if (!CloseWindowHard(platform, window, CloseTimeoutMs(seconds))) {
        run.SetStepError(window_texts::kStillOpen, text.c_str());
        return 0;
      }
      break;
    }
    case WindowAction::Invalid:
      run.SetStepError(window_texts::kInvalidAction, text.c_str());
      return 0;
  }
  return 1;
}

}  // namespace zelo
