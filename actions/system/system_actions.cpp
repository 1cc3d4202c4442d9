#include "actions/system/system_actions.h"

#include "base/text.h"
#include "engine/run_engine.h"
#include "engine/run_texts.h"

namespace zelo {

namespace {

struct ActionWord {
  const char* word;
  SystemAction action;
};

// Case-insensitive substring tests; the first that holds decides.
constexpr ActionWord kActionWords[] = {
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
};

}  // namespace

SystemAction ClassifySystemAction(std::string_view action) {
  for (const ActionWord& w : kActionWords)
    if (ContainsNoCase(action, w.word)) return w.action;
  return SystemAction::Other;
}

int RunSystemStep(RunEngine& run, int slot, int index) {
  const StepRecord& step = run.workspace().slots[static_cast<std::size_t>(slot)].steps[static_cast<std::size_t>(index)];
  if (ClassifySystemAction(step.action.view()) == SystemAction::Other) return 1;
  // The other branches come with variable substitution, the clipboard, the
  // screen and the registry actions; until then the step says so and fails.
  run.SetStepError(run_texts::kActionNotAvailable, step.action.c_str());
  return 0;
}

}  // namespace zelo
