#include "actions/wait/wait_actions.h"

#include "actions/keyboard/key_token.h"
#include "actions/shared/action_services.h"
#include "actions/wait/wait_step.h"
#include "engine/run_log.h"
#include "engine/run_texts.h"
#include "engine/step_timeout.h"
#include "settings/defaults.h"

namespace zelo {

namespace {

constexpr const char* kNotKeyName = "'%s' is not a key name";
constexpr const char* kNotConnected = "Wait actions are not connected to field expansion";

// "Masked Image" before "Image", and "Disappear" before "Appear", which it
// holds.
constexpr ActionWord<WaitAction> kWaitWords[] = {
    {"Freeze", WaitAction::Freeze},
    {"Delay", WaitAction::Delay},
    {"Keypress", WaitAction::Keypress},
    {"Mouse Click", WaitAction::MouseClick},
    {"Mouse Move", WaitAction::MouseMovement},
    {"Pixel", WaitAction::Pixel},
    {"Masked Image", WaitAction::MaskedImage},
    {"Image", WaitAction::Image},
    {"Window to Disappear", WaitAction::WindowToDisappear},
    {"Window to Appear", WaitAction::WindowToAppear},
    {"Wait for File", WaitAction::File},
};

const StepRecord& StepAt(RunEngine& run, int slot, int index) {
  return run.workspace().slots[static_cast<std::size_t>(slot)].steps[static_cast<std::size_t>(index)];
}

}  // namespace

const ActionWords<WaitAction> kWaitActions{kWaitWords};

bool ReadAwaitedKey(std::string_view text, AwaitedInput* awaited, std::string* error) {
  *awaited = AwaitedInput{};
  if (text.empty()) return true;
  const KeyToken token = ParseKeyToken(text, 0, true);
  // A brace that starts no key name would be read as the brace key itself,
  // which nobody waiting for "{Nonsense}" means; a pause or a character no
  // key produces is no key either.
  if ((text[0] == '{' && !token.is_token && text.size() > 1) || token.kind != KeyTokenKind::kKey || token.vk == 0) {
    *error = FormatLogText(kNotKeyName, std::string(text).c_str());
    return false;
  }
  awaited->kind = AwaitedInput::OneKey;
  awaited->vk = token.vk;
  return true;
}

WaitStep::WaitStep(RunEngine& run, const ActionServices& services, int slot, int index)
    : run(run),
      services(services),
      waits(*services.waits),
      slot(slot),
      index(index),
      step(StepAt(run, slot, index)),
      timeout_text(services.expand(step.timeout.view(), slot, index)),
      wait_ms(StepTimeoutMs(timeout_text)),
      start_(run.clock().Ticks()),
      stop_key_(StopKeySetting()) {}

bool WaitStep::StopAsked() const {
  if (run.stop_requested()) return true;
  if (!run.input().KeyPressed(stop_key_)) return false;
  run.RequestStop();
  return true;
}

int WaitStep::Unavailable() const {
  run.SetStepError(run_texts::kActionNotAvailable, step.action.c_str());
  run.state().failure_is_final = true;
  return 0;
}

int RunWaitStep(RunEngine& run, const ActionServices* services, int slot, int index) {
  if (!ExpandsAndSaves(services) || services->resolve_path == nullptr || services->waits == nullptr ||
      services->waits->system == nullptr || services->waits->screen == nullptr ||
      services->waits->windows == nullptr) {
    run.SetStepError("%s", kNotConnected);
    return 0;
  }
  const StepRecord& step = StepAt(run, slot, index);
  const WaitAction action = kWaitActions.KindOf(step.action.view(), WaitAction::Other);
  if (action == WaitAction::Other) return 1;
  const WaitStep w(run, *services, slot, index);
  switch (action) {
    case WaitAction::Freeze:
      return DelayStep(w, false);
    case WaitAction::Delay:
      return DelayStep(w, true);
    case WaitAction::Keypress:
      return AwaitInputStep(w, false);
    case WaitAction::MouseClick:
      return AwaitInputStep(w, true);
    case WaitAction::MouseMovement:
      return AwaitMovementStep(w);
    case WaitAction::Pixel:
      return PixelStep(w);
    case WaitAction::MaskedImage:
      return ImageStep(w, true);
    case WaitAction::Image:
      return ImageStep(w, false);
    case WaitAction::WindowToDisappear:
      return WindowStep(w, false);
    case WaitAction::WindowToAppear:
      return WindowStep(w, true);
    case WaitAction::File:
      return FileStep(w);
    case WaitAction::Other:
      break;
  }
  return 1;
}

}  // namespace zelo
