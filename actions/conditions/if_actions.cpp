#include "actions/conditions/if_actions.h"

#include <string>

#include "actions/screen/screen_steps.h"
#include "actions/shared/action_services.h"
#include "actions/shared/file_routines.h"
#include "actions/windows/window_lookup.h"
#include "actions/windows/window_platform.h"
#include "base/text.h"
#include "engine/block_steps.h"
#include "engine/flow_texts.h"
#include "engine/run_engine.h"
#include "expr/condition.h"
#include "expr/expand_text.h"

namespace zelo {

namespace {

// Tested in this order; the first that holds decides. "ELSE" and "END IF"
// are compared whole.
constexpr ActionWord<IfCondition> kIfWords[] = {
    {"IF File Exists", IfCondition::FileExists},
    {"IF Folder Exists", IfCondition::FolderExists},
    {"IF Window Exists", IfCondition::WindowExists},
    {"IF Control Exists", IfCondition::WindowExists},
    {"Pixel", IfCondition::PixelOrImage},
    {"Image", IfCondition::PixelOrImage},
    {"IF Control Is Checked", IfCondition::ControlChecked},
    {"IF Caps Lock is On", IfCondition::CapsLock},
    {"IF Clipboard Equals", IfCondition::ClipboardEquals},
    {"IF Expression", IfCondition::Expression},
    {kElseAction, IfCondition::Else, WordMatch::Whole},
    {kEndIfAction, IfCondition::Other, WordMatch::Whole},
};

std::string ExpandedText(const StepRecord& step, int slot, int index) {
  ExpandText(step.text.view(), slot, index);
  return ExpansionBuffer();
}

// A condition this build cannot look at: the step fails as any step does
// (its failure mode applies), rather than going quietly false.
int Undecided(RunEngine& run, const StepRecord& step) {
  run.SetStepError(flow_texts::kConditionNotAvailable, step.action.c_str());
  run.state().condition_undecided = true;
  return 0;
}

// "IF Pixel is Visible", "IF Image is Visible", "IF Masked Image is Visible":
// true when the search finds it; a found image's corner is the result.
int ScreenShows(RunEngine& run, const ActionServices* services, int slot, int index, const StepRecord& step) {
  if (!ExpandsAndSaves(services) || !services->resolve_path || !services->screen) return Undecided(run, step);
  const uint32_t mask = ContainsNoCase(step.action.view(), "Masked") ? kMaskMagenta : kNoMask;
  const ScreenSearchResult r = ContainsNoCase(step.action.view(), "Pixel")
                                   ? SearchPixelForStep(run, *services, slot, index)
                                   : SearchImageForStep(run, *services, slot, index, mask);
  // An image that cannot be read or a screen that cannot be captured decides
  // nothing: the step fails as any step does. A missing file is plain false.
  if (!r.error.empty()) run.state().condition_undecided = true;
  return r.found;
}

}  // namespace

const ActionWords<IfCondition> kIfActions{kIfWords};

IfCondition ClassifyIf(std::string_view action) { return kIfActions.KindOf(action, IfCondition::Other); }

int RunIfStep(RunEngine& run, const ActionServices* services, int slot, int index) {
  const StepRecord& step = run.workspace().slots[static_cast<std::size_t>(slot)].steps[static_cast<std::size_t>(index)];
  run.state().condition_undecided = false;
  switch (ClassifyIf(step.action.view())) {
    case IfCondition::FileExists:
      return FileExists(ExpandedText(step, slot, index)) ? 1 : 0;
    case IfCondition::FolderExists:
      return FolderExists(ExpandedText(step, slot, index)) ? 1 : 0;
    case IfCondition::WindowExists: {
      // A window must be framed; a control is any window with that text.
      const WindowQualifier qualifier = ContainsNoCase(step.action.view(), "IF Control")
                                            ? WindowQualifier::Any
                                            : WindowQualifier::Framed;
      return FindWindowForStep(SEARCH_TITLE, ExpandedText(step, slot, index), qualifier).window != 0 ? 1 : 0;
    }
    case IfCondition::ControlChecked: {
      const WindowHandle control =
          FindWindowForStep(SEARCH_TITLE, ExpandedText(step, slot, index), WindowQualifier::Any).window;
      return control != 0 && ProgramWindowPlatform().IsChecked(control) ? 1 : 0;
    }
    case IfCondition::PixelOrImage:
      return ScreenShows(run, services, slot, index, step) ? 1 : 0;
    case IfCondition::CapsLock:
      return run.input().CapsLockOn() ? 1 : 0;
    case IfCondition::ClipboardEquals:
      return run.messages().GetClipboardText() == ExpandedText(step, slot, index) ? 1 : 0;
    case IfCondition::Expression: {
      std::string text = ExpandedText(step, slot, index);
      if (text.size() > Field::kMaxLength) text.resize(Field::kMaxLength);
      return EvaluateCondition(text) ? 1 : 0;
    }
    case IfCondition::Else:
      return 0;
    case IfCondition::Other:
      break;
  }
  return 1;
}

}  // namespace zelo
