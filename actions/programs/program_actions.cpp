#include "actions/programs/program_actions.h"

#include <algorithm>
#include <limits>

#include "actions/shared/action_services.h"
#include "actions/shared/launch_command.h"
#include "base/printf_text.h"
#include "base/text.h"
#include "engine/run_engine.h"
#include "engine/run_log.h"
#include "settings/defaults.h"
#include "settings/setting_names.h"
#include "expr/real_text.h"
#include "settings/settings.h"

namespace zelo {

namespace {

// The texts this category writes to the step error text and the log.
constexpr const char* kNoProgram = "No program name or command line provided";
constexpr const char* kNoProcess = "Unable to find process '%s'";
constexpr const char* kNotEnded = "Unable to end process '%s': %s";
constexpr const char* kStillRunning = "Program still running after timeout limit of %s seconds";
constexpr const char* kNotStarted = "Unable to start '%s'";
constexpr const char* kTranslated = "\tTranslated run buffer: [%s]\r\n";
constexpr const char* kNotConnected = "Run Program actions are not connected to field expansion";

// Tested in this order; the first word the name holds decides. "Service"
// stands for the three service actions, told apart by kServiceWords. The
// starting actions share one path, which every other name takes as well.
constexpr ActionWord<ProgramAction> kProgramWords[] = {
    {"KILL", ProgramAction::Kill},
    {"Service", ProgramAction::StopService},
    {"Call Script", ProgramAction::CallScript},
    {"Start", ProgramAction::Start},
    {"Launch Document", ProgramAction::Start},
    {"MS-DOS Command", ProgramAction::Start},
    {"Control Panel", ProgramAction::Start},
};

// A service action with neither word stops the service. The words nest:
// "Service Startup Type" also holds "Start".
constexpr ActionWord<ProgramAction> kServiceWords[] = {
    {"Startup", ProgramAction::ServiceStartupType},
    {"Start", ProgramAction::StartService},
};
constexpr ActionWords<ProgramAction> kServiceActions{kServiceWords};

constexpr ActionWord<StartupType> kStartupWords[] = {
    {"Automatic", StartupType::Automatic},
    {"Manual", StartupType::Manual},
    {"Disabled", StartupType::Disabled},
};
constexpr ActionWords<StartupType> kStartupTypes{kStartupWords};

const StepRecord& StepAt(RunEngine& run, int slot, int index) {
  return run.workspace().slots[static_cast<std::size_t>(slot)].steps[static_cast<std::size_t>(index)];
}

// The running script's file, which adds its folder to the path search.
std::string ScriptPath(RunEngine& run, int slot) {
  const std::string_view name = run.workspace().slots[static_cast<std::size_t>(slot)].file_name.view();
  return name == kUntitled ? std::string() : std::string(name);
}

// The stop key and the Pause command end a wait for a program; the program
// itself keeps running.
StopCheck StopOf(RunEngine& run) {
  const int key = StopKeySetting();
  return [&run, key] {
    if (run.stop_requested()) return true;
    if (!run.input().KeyPressed(key)) return false;
    run.RequestStop();
    return true;
  };
}

int StartProgram(RunEngine& run, const ActionServices& services, int slot, int index, ProgramAction action) {
  const StepRecord& step = StepAt(run, slot, index);
  const std::string text = services.expand(step.text.view(), slot, index);
  if (text.empty()) {
    run.SetStepError("%s", kNoProgram);
    return 0;
  }
  std::string command;
  services.resolve_path(text, &command, ScriptPath(run, slot));
  const bool call_script = action == ProgramAction::CallScript;
  if (call_script) command = CallScriptCommand(services.programs->ProgramPath(), command);
  if (step.run_count == 1) WriteLog(kTranslated, command.c_str());

  const StartOptions options = ParseStartOptions(step.options.view());
  if (options.single && !call_script) {
    ProgramPlatform& programs = *services.programs;
    uint64_t window = 0;
    if (programs.FindProcessWindow(command, false, &window) == 0) programs.FindProcessWindow(command, true, &window);
    if (window != 0) {
      programs.ActivateWindow(window);
      return 1;
    }
  }

  const bool waits = options.wait || call_script;
  const int32_t wait_ms = waits ? WaitLimitMs(services.expand(step.timeout.view(), slot, index)) : 0;
  const int result = services.launch(command, !options.hidden, wait_ms, StopOf(run));
  switch (result) {
    case kLaunchFailed:
      run.SetStepError(kNotStarted, command.c_str());
      return 0;
    case kLaunchStillRunning:
      if (!waits) break;
      run.SetStepError(kStillRunning, step.timeout.c_str());
      return 0;
    case kLaunchStopped:
      if (!waits) break;
      return -1;
    default:
      break;
  }
  services.save(step, slot, index, waits ? PrintfText("%d", result) : std::string("1"));
  return 1;
}

int KillProcess(RunEngine& run, const ActionServices& services, int slot, int index) {
  const std::string text = services.expand(StepAt(run, slot, index).text.view(), slot, index);
  ProgramPlatform& programs = *services.programs;
  bool ended = false;
  std::string error;
  if (programs.EndProcess(text, false, &ended, &error) == 0 && programs.EndProcess(text, true, &ended, &error) == 0) {
    run.SetStepError(kNoProcess, text.c_str());
    return 0;
  }
  if (!ended) {
    run.SetStepError(kNotEnded, text.c_str(), error.c_str());
    return 0;
  }
  return 1;
}

int ControlService(RunEngine& run, const ActionServices& services, int slot, int index, ProgramAction action) {
  const StepRecord& step = StepAt(run, slot, index);
  const std::string name = services.expand(step.text.view(), slot, index);
  ServiceRequest request = ServiceRequest::Start;
  StartupType type = StartupType::Unknown;
  if (action == ProgramAction::ServiceStartupType) {
    request = ServiceRequest::SetStartupType;
    type = ParseStartupType(services.expand(step.value(1).view(), slot, index));
  } else if (action == ProgramAction::StopService) {
    request = ServiceRequest::Stop;
  }
  std::string error;
  if (services.programs->ControlService(name, request, type, &error)) return 1;
  run.SetStepError("%s", error.c_str());
  return 0;
}

}  // namespace

const ActionWords<ProgramAction> kProgramActions{kProgramWords};

ProgramAction ClassifyProgramAction(std::string_view action) {
  const ProgramAction found = kProgramActions.KindOf(action, ProgramAction::Start);
  if (found != ProgramAction::StopService) return found;
  return kServiceActions.KindOf(action, ProgramAction::StopService);
}

StartOptions ParseStartOptions(std::string_view options) {
  StartOptions o;
  o.single = ContainsNoCase(options, "Single");
  o.hidden = ContainsNoCase(options, "hidden");
  o.wait = ContainsNoCase(options, "Wait");
  return o;
}

StartupType ParseStartupType(std::string_view value) {
  return kStartupTypes.KindOf(value, StartupType::Unknown);
}

int32_t WaitLimitMs(std::string_view timeout) {
  const double seconds = TextToReal(timeout);
  if (!(seconds > 0)) return -1;
  const double ms = seconds * 1000.0;
  if (ms >= static_cast<double>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
  // A time-out of a fraction of a millisecond still limits the wait: 0
  // would mean "do not wait" to the launcher.
  return std::max<int32_t>(static_cast<int32_t>(ms), 1);
}

std::string CallScriptCommand(std::string_view program_path, std::string_view script) {
  std::string quoted(script);
  if (quoted.empty() || quoted.front() != '"') quoted.insert(0, 1, '"');
  if (quoted.size() < 2 || quoted.back() != '"') quoted += '"';
  return "\"" + std::string(program_path) + "\" /r " + quoted;
}

int RunProgramStep(RunEngine& run, const ActionServices* services, int slot, int index) {
  if (!ExpandsAndSaves(services) || services->resolve_path == nullptr || services->launch == nullptr ||
      services->programs == nullptr) {
    run.SetStepError("%s", kNotConnected);
    return 0;
  }
  const ProgramAction action = ClassifyProgramAction(StepAt(run, slot, index).action.view());
  switch (action) {
    case ProgramAction::Kill:
      return KillProcess(run, *services, slot, index);
    case ProgramAction::ServiceStartupType:
    case ProgramAction::StartService:
    case ProgramAction::StopService:
      return ControlService(run, *services, slot, index, action);
    case ProgramAction::Start:
    case ProgramAction::CallScript:
      break;
  }
  return StartProgram(run, *services, slot, index, action);
}

}  // namespace zelo
