// Category 2, "Run Program": starting programs and documents (also through
// the command interpreter and the control panel), ending a process,
// starting, stopping and configuring services, and running another script
// in a second copy of the program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "actions/programs/program_platform.h"
#include "actions/shared/action_words.h"

namespace zelo {

class RunEngine;
struct ActionServices;

enum class ProgramAction { Kill, ServiceStartupType, StartService, StopService, Start, CallScript };

// The branch of an action name, by words tested in a fixed order: "KILL",
// then "Service" ("Startup", else "Start", else "Stop"), then "Call Script";
// everything else starts a program. The table names the starting actions
// too, so that it knows every action of the category.
extern const ActionWords<ProgramAction> kProgramActions;
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

// The handler: 1 pass, 0 fail with the reason in the step error text, -1
// when the stop key or a stop request ended a wait for a program. Uses the
// services' expansion, result saving, path search, launcher and programs.
int RunProgramStep(RunEngine& run, const ActionServices* services, int slot, int index);

}  // namespace zelo
