#include "actions/system/system_actions.h"

#include "engine/run_engine.h"
#include "engine/run_texts.h"

namespace zelo {

namespace {

// Tested in this order; the first that holds decides. "Comment" is compared
// whole.
constexpr ActionWord<SystemAction> kSystemWords[] = {
    {"Variable", SystemAction::Variable},
    {"Step Delay", SystemAction::StepDelay},
    {"Write to Log", SystemAction::WriteToLog},
    {"Set Clipboard", SystemAction::SetClipboard},
    {"Paste Clipboard", SystemAction::PasteClipboard},
    {"Clear Clipboard", SystemAction::ClearClipboard},
    {"Capture", SystemAction::Capture},
    {"Video Display", SystemAction::VideoDisplay},
    {"Screen Saver", SystemAction::ScreenSaver},
    {"Registry", SystemAction::Registry},
    {"Logoff", SystemAction::EndSession},
    {"Restart", SystemAction::EndSession},
    {"Shutdown", SystemAction::EndSession},
    {"Comment", SystemAction::Other, WordMatch::Whole},
};

}  // namespace

const ActionWords<SystemAction> kSystemActions{kSystemWords};

SystemAction ClassifySystemAction(std::string_view action) {
  return kSystemActions.KindOf(action, SystemAction::Other);
}

int RunSystemStep(RunEngine& run, const ActionServices*, int slot, int index) {
  const StepRecord& step = run.workspace().slots[static_cast<std::size_t>(slot)].steps[static_cast<std::size_t>(index)];
  if (ClassifySystemAction(step.action.view()) == SystemAction::Other) return 1;
  // The other branches come with variable substitution, the clipboard, the
  // screen and the registry actions; until then the step says so and fails.
  run.SetStepError(run_texts::kActionNotAvailable, step.action.c_str());
  return 0;
}

}  // namespace zelo
