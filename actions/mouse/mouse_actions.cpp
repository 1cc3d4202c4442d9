#include "actions/mouse/mouse_actions.h"

#include <string>

#include "actions/mouse/glide.h"
#include "actions/mouse/mouse_device.h"
#include "actions/screen/image_search.h"
#include "actions/screen/screen_steps.h"
#include "actions/shared/action_services.h"
#include "actions/shared/held_input.h"
#include "actions/windows/window_lookup.h"
#include "actions/windows/window_platform.h"
#include "base/text.h"
#include "engine/run_engine.h"
#include "settings/setting_names.h"
#include "settings/settings.h"

namespace zelo {

namespace {

// Tested in this order on the action name.
constexpr ActionWord<MouseTarget> kTargetWords[] = {
    {"Return to Saved Position", MouseTarget::SavedPosition},
    {"Move to Control", MouseTarget::Control},
    {"Move to Window", MouseTarget::Window},
    {"Image", MouseTarget::Image},
    {"Move", MouseTarget::Coordinates},
    {"Button", MouseTarget::Coordinates},
    {"Mouse Wheel", MouseTarget::Coordinates},
    {"Save Current Position", MouseTarget::Coordinates},
};

constexpr ActionWord<MouseButtons> kButtonWords[] = {
    {"Left Button Click", MouseButtons::LeftClick},
    {"Right Button Click", MouseButtons::RightClick},
    {"Left Button Double-Click", MouseButtons::DoubleClick},
    {"Left Button Down + Hold", MouseButtons::LeftDown},
    {"Left Button Up", MouseButtons::LeftUp},
    {"Mouse Wheel Up", MouseButtons::WheelUp},
    {"Mouse Wheel Down", MouseButtons::WheelDown},
    {"Save Current Position", MouseButtons::SavePosition},
};
constexpr ActionWords<MouseButtons> kMouseButtons{kButtonWords};

constexpr char kSavedX[] = ZELO_SETTINGS_KEY "\\UserVariables\\SavedMousePosition_X";
constexpr char kSavedY[] = ZELO_SETTINGS_KEY "\\UserVariables\\SavedMousePosition_Y";
constexpr char kNotConnected[] = "Mouse actions are not connected to field expansion";
constexpr uint32_t kForegroundWaitMs = 250;
constexpr int32_t kWheelNotch = 120;

// "X, Y": each field read from its digits and minus signs.
ScreenPoint ReadPoint(std::string_view text) {
  const std::size_t comma = text.find(',');
  const std::string_view x = text.substr(0, comma);
  const std::string_view rest = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
  return {TextToInt(x), TextToInt(rest.substr(0, rest.find(',')))};
}

// The window "Relative To: Window" counts from: CurrentWindow, or, when that
// is gone or hidden, the foreground window, which then becomes current.
WindowHandle RelativeWindow(WindowPlatform& platform, MouseDevice& mouse) {
  const WindowHandle current = CurrentWindow();
  if (current != 0 && platform.Exists(current) && platform.IsVisible(current)) return current;
  mouse.Sleep(kForegroundWaitMs);
  SetCurrentWindow(platform.Foreground());
  return CurrentWindow();
}

bool PressButtons(MouseDevice& mouse, MouseButtons buttons) {
  switch (buttons) {
    case MouseButtons::LeftClick:
      return mouse.Button(MouseButtonEvent::LeftDown) && mouse.Button(MouseButtonEvent::LeftUp);
    case MouseButtons::RightClick:
      return mouse.Button(MouseButtonEvent::RightDown) && mouse.Button(MouseButtonEvent::RightUp);
    case MouseButtons::DoubleClick:
      if (!mouse.Button(MouseButtonEvent::LeftDown) || !mouse.Button(MouseButtonEvent::LeftUp)) return false;
      mouse.Sleep(mouse.DoubleClickMs() / 2);
      return mouse.Button(MouseButtonEvent::LeftDown) && mouse.Button(MouseButtonEvent::LeftUp);
    case MouseButtons::LeftDown:
      // Noted first: the end of the run releases it even if the press was half taken.
      NoteHeld(HELD_LEFT_BUTTON);
      return mouse.Button(MouseButtonEvent::LeftDown);
    case MouseButtons::LeftUp:
      NoteReleased(HELD_LEFT_BUTTON);
      return mouse.Button(MouseButtonEvent::LeftUp);
    case MouseButtons::WheelUp:
      return mouse.Wheel(kWheelNotch);
    case MouseButtons::WheelDown:
      return mouse.Wheel(-kWheelNotch);
    case MouseButtons::SavePosition: {
      const ScreenPoint p = mouse.Position();
      WriteSettingNumber(kSavedX, static_cast<uint32_t>(p.x));
      WriteSettingNumber(kSavedY, static_cast<uint32_t>(p.y));
      return true;
    }
    case MouseButtons::None:
      break;
  }
  return true;
}

int Refused(RunEngine& run) {
  run.SetStepError("%s", kMouseInputBlockedMessage);
  return 0;
}

}  // namespace

const ActionWords<MouseTarget> kMouseActions{kTargetWords};

MouseTarget ClassifyMouseTarget(std::string_view action) {
  return kMouseActions.KindOf(action, MouseTarget::Coordinates);
}
MouseButtons ClassifyMouseButtons(std::string_view action) { return kMouseButtons.KindOf(action, MouseButtons::None); }

int RunMouseStep(RunEngine& run, const ActionServices* services, int slot, int index) {
  const StepRecord& step = run.workspace().slots[static_cast<std::size_t>(slot)].steps[static_cast<std::size_t>(index)];
  if (!ExpandsAndSaves(services)) {
    run.SetStepError(kNotConnected);
    return 0;
  }
  MouseDevice& mouse = ProgramMouse();
  WindowPlatform& platform = ProgramWindowPlatform();
  const std::string_view action = step.action.view();
  const bool snap = ContainsNoCase(step.value(1).view(), "Snap");

  ScreenPoint target;
  bool click_image = false;
  switch (ClassifyMouseTarget(action)) {
    case MouseTarget::SavedPosition:
      target = {ReadSetting(kSavedX), ReadSetting(kSavedY)};
      break;
    case MouseTarget::Control:
    case MouseTarget::Window: {
      const std::string text = services->expand(step.text.view(), slot, index);
      const WindowHandle window =
          FindWindowForStep(SearchFlagsFromOptions(step.options.view()), text, WindowQualifier::Any).window;
      WindowBox box;
      if (window == 0 || !platform.Box(window, &box)) {
        run.SetStepError(mouse_texts::kNoWindow, text.c_str());
        return 0;
      }
      platform.Activate(window);
      const ScreenPoint point = ClassifyMouseTarget(action) == MouseTarget::Window
                                    ? ScreenPoint{box.left, box.top}
                                    : ScreenPoint{box.left + (box.right - box.left) / 2,
                                                  box.top + (box.bottom - box.top) / 2};
      return GlideTo(mouse, point, snap) ? 1 : Refused(run);
    }
    case MouseTarget::Image: {
      if (services->resolve_path == nullptr || services->screen == nullptr) {
        run.SetStepError(mouse_texts::kNoImageSearch, services->expand(step.text.view(), slot, index).c_str());
        return 0;
      }
      const uint32_t mask = ContainsNoCase(action, "Masked") ? kMaskMagenta : kNoMask;
      const ScreenSearchResult found = SearchImageForStep(run, *services, slot, index, mask);
      if (found.stopped) return -1;
      if (!found.found) return 0;
      target = {found.x + found.width / 2, found.y + found.height / 2};
      click_image = ContainsNoCase(action, "Click");
      break;
    }
    case MouseTarget::Coordinates:
      target = ReadPoint(services->expand(step.text.view(), slot, index));
      break;
  }

  const MouseButtons buttons = ClassifyMouseButtons(action);
  const bool wheel = buttons == MouseButtons::WheelUp || buttons == MouseButtons::WheelDown;
  // A target of (0, 0) means "where the pointer is": nothing moves.
  if (!(target == ScreenPoint{}) && buttons != MouseButtons::SavePosition && !wheel) {
    const std::string_view relative = step.options.view();
    if (ContainsNoCase(relative, "window")) {
      WindowBox box;
      if (platform.Box(RelativeWindow(platform, mouse), &box)) {
        target.x += box.left;
        target.y += box.top;
      }
    } else if (ContainsNoCase(relative, "current")) {
      const ScreenPoint here = mouse.Position();
      target.x += here.x;
      target.y += here.y;
    }
    if (!(target == ScreenPoint{}) || ContainsNoCase(action, "Move")) {
      if (!GlideTo(mouse, target, snap)) return Refused(run);
    } else {
      mouse.ShowPointer();
    }
  }
  if (click_image && !PressButtons(mouse, MouseButtons::LeftClick)) return Refused(run);
  return PressButtons(mouse, buttons) ? 1 : Refused(run);
}

}  // namespace zelo
