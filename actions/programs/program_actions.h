// Category 2, "Run Program": starting programs and documents (also through
// the command interpreter and the control panel), ending a process,
// starting, stopping and configuring services, and running another script
// in a second copy of the program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "actions/programs/program_platform.h"
#include "model/step_record.h"

namespace zelo {

class HandlerTable;
class RunEngine;

enum class ProgramAction { Kill, ServiceStartupType, StartService, StopService, Start, CallScript };

// The branch of an action name, by words tested in a fixed order: "KILL",
// then "Service" ("Startup", else "Start", else "Stop"), then "Call Script";
// everything else starts a program.
ProgramAction ClassifyProgramAction(std::string_view action);

struct StartOptions {
  bool single = false;  // "Single": activate a running copy instead
  bool hidden = false;  // "Hidden"
  bool wait = false;    // "Wait For Exit"
};
StartOptions ParseStartOptions(std::string_view options);

// "Automatic", "Manual" or "Disabled" anywhere in the text, in that order.
StartupType ParseStartupType(std::string_view value);

// The launcher's wait limit for an expanded time-out: seconds (fractions
// allowed) as milliseconds; -1 (no limit) for 0, empty or a text that does
// not start with a number.
int32_t WaitLimitMs(std::string_view timeout);

// The command line of "Call Script": the program itself, "/r" and the
// script, each in double quotes.
std::string CallScriptCommand(std::string_view program_path, std::string_view script);

// What the handler takes from substitution and result saving.
struct ProgramServices {
  std::string (*expand)(std::string_view field, int slot, int step) = nullptr;
  void (*save)(const StepRecord& step, int slot, int step_index, std::string_view data) = nullptr;
  ProgramPlatform* platform = nullptr;
};

// The handler: 1 pass, 0 fail with the reason in the step error text, -1
// when the stop key or a stop request ended a wait for a program.
int RunProgramStep(RunEngine& run, int slot, int index);

// Makes RunProgramStep the category's handler in table, using services.
void RegisterProgramActions(HandlerTable& table, const ProgramServices& services);

}  // namespace zelo
