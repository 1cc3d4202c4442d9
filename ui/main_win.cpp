// Program entry: puts the settings in the registry, gives field expansion
// the facts of this machine, reads the command line, writes the missing
// setting defaults, lets conditions order texts by the user's locale, creates
// the main window (hidden for a command-line run), opens and runs the named
// script, runs the message loop and returns the exit code.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "actions/shared/window_number_win.h"
#include "actions/windows/window_lookup.h"
#include "base/ansi_text_win.h"
#include "base/win32_owners_win.h"
#include "expr/random.h"
#include "expr/substitution_context_win.h"
#include "expr/text_collation.h"
#include "expr/text_collation_win.h"
#include "expr/variable_store.h"
#include "settings/cached_settings.h"
#include "settings/defaults.h"
#include "settings/dialog_font_win.h"
#include "settings/registry_changes_win.h"
#include "settings/registry_settings_win.h"
#include "settings/setting_names.h"
#include "settings/settings.h"
#include "ui/command_line.h"
#include "engine/exit_code.h"
#include "engine/run_counters.h"
#include "engine/run_log.h"
#include "ui/main_window_win.h"
#include "ui/startup_actions_win.h"
#include "ui/startup_plan.h"
#include "ui/timed_message_box_win.h"
#include "ui/window_placement.h"

namespace {

zelo::CommandLine ReadCommandLine() {
  std::string full = zelo::WideToAnsi(GetCommandLineW());
  zelo::CommandLine command_line = zelo::ParseCommandLine(zelo::ArgumentsAfterProgramPath(full));
  if (command_line.help) {
    std::wstring text = zelo::AnsiToWide(zelo::kUsageText);
    std::wstring caption = zelo::AnsiToWide(zelo::kUsageCaption);
    MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_TASKMODAL | MB_SETFOREGROUND);
  }
  return command_line;
}

// Field expansion reads this machine's facts from the context for as long as
// the program runs; the portable one comes back when it ends.
class InstalledSubstitutionContext {
 public:
  explicit InstalledSubstitutionContext(zelo::SubstitutionContext* context) { zelo::UseSubstitutionContext(context); }
  ~InstalledSubstitutionContext() { zelo::UseSubstitutionContext(nullptr); }
  InstalledSubstitutionContext(const InstalledSubstitutionContext&) = delete;
  InstalledSubstitutionContext& operator=(const InstalledSubstitutionContext&) = delete;
};

// What only the program knows, for the tokens of a step's fields.
void ConnectProgramFacts(zelo::WinSubstitutionContext& facts, zelo::MainWindow& window) {
  facts.set_main_window(window.hwnd());
  zelo::SetProgramMainWindow(zelo::AsNumber(window.hwnd()));
  zelo::ProgramFacts program;
  zelo::Workspace* workspace = &window.workspace();
  program.script_file = [workspace](int slot) -> std::string {
    if (slot < 0 || slot >= zelo::kMaxSlots) return std::string();
    return workspace->slots[static_cast<std::size_t>(slot)].file_name.str();
  };
  zelo::RunEngine* run = &window.run();
  program.loop_counter = [](int slot) { return zelo::CurrentLoopCounter(slot); };
  program.run_repeats = [run](int slot) { return run->run_repeats(slot); };
  program.log = [](std::string_view line) { zelo::WriteLogText(line); };
  program.current_window = [] { return zelo::AsWindow(zelo::CurrentWindow()); };
  facts.set_program_facts(std::move(program));
}

zelo::MainWindowPlacement ChoosePlacement() {
  zelo::ScreenMetrics screen;
  screen.width = GetSystemMetrics(SM_CXSCREEN);
  screen.height = GetSystemMetrics(SM_CYSCREEN);
  screen.min_track_width = GetSystemMetrics(SM_CXMINTRACK);
  screen.min_track_height = GetSystemMetrics(SM_CYMINTRACK);
  return zelo::ChooseMainWindowPlacement(zelo::ReadStoredMainWindowRect(), screen);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  // Settings and variables are read from memory while nothing changed them;
  // writes go to the registry at once.
  zelo::RegistrySettings registry;
  zelo::RegistryChanges registry_changes(zelo::AnsiToWide(zelo::setting::kKey));
  zelo::CachedSettings settings(registry, registry_changes, zelo::setting::kKey);
  zelo::UseSettings(&settings);
  // Before anything may delete variable files: they live in the program's folder.
  zelo::WinSubstitutionContext facts;
  InstalledSubstitutionContext installed(&facts);
  // COM for the shell calls (links, recent documents, file dialogs), until
  // the program ends, whichever way it ends.
  const zelo::ComInit com;
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  zelo::SeedRandom(GetTickCount());

  zelo::CommandLine command_line = ReadCommandLine();
  zelo::ApplyLogSwitch(command_line);
  zelo::SetStartBits(command_line.start_bits);
  const bool hidden = (command_line.start_bits & zelo::START_HIDDEN) != 0;
  zelo::WriteSettingDefaults(false, {zelo::DialogFontHeight(), &zelo::DeleteVariableFiles});
  zelo::UseTextCollator(&zelo::SystemCollateText);

  zelo::MainWindow window;
  if (!window.Create(instance, ChoosePlacement(), hidden, show)) {
    const wchar_t* text = L"Unable to start Zelomat: Main window launch error";
    const UINT flags = MB_OK | MB_ICONWARNING | MB_TASKMODAL | MB_SETFOREGROUND;
    if (hidden) {
      zelo::WriteLogAlways("%s\r\n", zelo::WideToAnsi(text).c_str());
      zelo::TimedMessageBox(text, L"Zelomat Error", flags, zelo::WinEditorSeam::kUnattendedBoxMs);
    } else {
      MessageBoxW(nullptr, text, L"Zelomat Error", flags);
    }
    zelo::SetExitCode(zelo::kExitStartFailed);
    return zelo::ProcessExitCode();
  }

  ConnectProgramFacts(facts, window);
  zelo::RunEngine& run = window.run();
  run.set_hidden_program(hidden);
  window.seam().SetHiddenProgram(hidden);
  run.set_variables_from_command_line((command_line.start_bits & zelo::START_VARIABLES) != 0);
  zelo::MainWindowStartup startup(window);
  // Start-up runs the script it loaded into the first slot.
  startup.set_run_starter([&run] { return run.StartRun(0, zelo::RunCommand::Run, true); });

  // Nobody answers a hidden program's boxes: they go to the log and close
  // themselves, so a scheduler is never kept waiting.
  window.seam().SetUnattendedOnThisThread(hidden);
  const zelo::StartupOutcome outcome = zelo::RunStartup(command_line, startup);
  window.seam().SetUnattendedOnThisThread(false);
  if (outcome == zelo::StartupOutcome::EndProgram) {
    DestroyWindow(window.hwnd());
    return zelo::ProcessExitCode();
  }
  window.StartEditor((command_line.start_bits & zelo::START_RUN) != 0);
  window.RunMessageLoop();
  return zelo::ProcessExitCode();
}
