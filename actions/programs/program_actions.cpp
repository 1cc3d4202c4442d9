#include "actions/programs/program_actions.h"

#include <algorithm>
#include <limits>

#include "base/printf_text.h"
#include "base/text.h"
#include "engine/handler_table.h"
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

struct ActionWord {
  const char* word;
  ProgramAction action;
};

// Tested in this order; the first word the name holds decides, and a
// service action with neither stops the service. The words nest: "Service
// Startup Type" also holds "Start".
constexpr ActionWord kServiceWords[] = {
    {"Startup", ProgramAction::ServiceStartupType},
    {"Start", ProgramAction::StartService},
};

struct StartupWord {
  const char* word;
  StartupType type;
};
constexpr StartupWord kStartupWords[] = {
    {"Automatic", StartupType::Automatic},
    {"Manual", StartupType::Manual},
    {"Disabled", StartupType::Disabled},
};

ProgramServices g_services;

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

int StartProgram(RunEngine& run, int slot, int index, ProgramAction action) {
  const StepRecord& step = StepAt(run, slot, index);
  ProgramPlatform& platform = *g_services.platform;
  const std::string text = g_services.expand(step.text.view(), slot, index);
  if (text.empty()) {
    run.SetStepError("%s", kNoProgram);
    return 0;
  }
  std::string command;
  platform.ResolvePath(text, ScriptPath(run, slot), &command);
  const bool call_script = action == ProgramAction::CallScript;
  if (call_script) command = CallScriptCommand(platform.ProgramPath(), command);
  if (step.run_count == 1) WriteLog(kTranslated, command.c_str());

  const StartOptions options = ParseStartOptions(step.options.view());
  if (options.single && !call_script) {
    uint64_t window = 0;
    if (platform.FindProcessWindow(command, false, &window) == 0) platform.FindProcessWindow(command, true, &window);
    if (window != 0) {
      platform.ActivateWindow(window);
      return 1;
    }
  }

  const bool waits = options.wait || call_script;
  const int32_t wait_ms = waits ? WaitLimitMs(g_services.expand(step.timeout.view(), slot, index)) : 0;
  const int result = platform.LaunchCommand(command, !options.hidden, wait_ms, StopOf(run));
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
  g_services.save(step, slot, index, waits ? PrintfText("%d", result) : std::string("1"));
  return 1;
}

int KillProcess(RunEngine& run, int slot, int index) {
  const std::string text = g_services.expand(StepAt(run, slot, index).text.view(), slot, index);
  ProgramPlatform& platform = *g_services.platform;
  bool ended = false;
  std::string error;
  if (platform.EndProcess(text, false, &ended, &error) == 0 && platform.EndProcess(text, true, &ended, &error) == 0) {
    run.SetStepError(kNoProcess, text.c_str());
    return 0;
  }
  if (!ended) {
    run.SetStepError(kNotEnded, text.c_str(), error.c_str());
    return 0;
  }
  return 1;
}

int ControlService(RunEngine& run, int slot, int index, ProgramAction action) {
  const StepRecord& step = StepAt(run, slot, index);
  const std::string name = g_services.expand(step.text.view(), slot, index);
  ServiceRequest request = ServiceRequest::Start;
  StartupType type = StartupType::Unknown;
  if (action == ProgramAction::ServiceStartupType) {
    request = ServiceRequest::SetStartupType;
    type = ParseStartupType(g_services.expand(step.value(1).view(), slot, index));
  } else if (action == ProgramAction::StopService) {
    request = ServiceRequest::Stop;
  }
  std::string error;
  if (g_services.platform->ControlService(name, request, type, &error)) return 1;
  run.SetStepError("%s", error.c_str());
  return 0;
}

}  // namespace

ProgramAction ClassifyProgramAction(std::string_view action) {
  if (ContainsNoCase(action, "KILL")) return ProgramAction::Kill;
  if (ContainsNoCase(action, "Service")) {
    for (const ActionWord& w : kServiceWords)
      if (ContainsNoCase(action, w.word)) return w.action;
    return ProgramAction::StopService;
  }
  if (ContainsNoCase(action, "Call Script")) return ProgramAction::CallScript;
  return ProgramAction::Start;
}

StartOptions ParseStartOptions(std::string_view options) {
  StartOptions o;
  o.single = ContainsNoCase(options, "Single");
  o.hidden = ContainsNoCase(options, "hidden");
  o.wait = ContainsNoCase(options, "Wait");
  return o;
}

StartupType ParseStartupType(std::string_view value) {
  for (const StartupWord& w : kStartupWords)
    if (ContainsNoCase(value, w.word)) return w.type;
  return StartupType::Unknown;
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

int RunProgramStep(RunEngine& run, int slot, int index) {
  if (g_services.expand == nullptr || g_services.save == nullptr || g_services.platform == nullptr) {
    run.SetStepError("%s", kNotConnected);
    return 0;
  }
  const ProgramAction action = ClassifyProgramAction(StepAt(run, slot, index).action.view());
  switch (action) {
    case ProgramAction::Kill:
      return KillProcess(run, slot, index);
    case ProgramAction::ServiceStartupType:
    case ProgramAction::StartService:
    case ProgramAction::StopService:
      return ControlService(run, slot, index, action);
    case ProgramAction::Start:
    case ProgramAction::CallScript:
      break;
  }
  return StartProgram(run, slot, index, action);
}

void RegisterProgramActions(HandlerTable& table, const ProgramServices& services) {
  g_services = services;
  table.Set(CAT_RUN_PROGRAM, &RunProgramStep);
}

}  // namespace zelo
