// The main window's side of start-up: what RunStartup asks of the program.
// Loading a script and starting a run are handed in by whoever links the
// script loader and the run engine into the program; until they are, an open
// or a run fails with an error box instead of pretending to work.
#pragma once

#include <functional>
#include <string_view>

#include "ui/main_window_win.h"
#include "ui/startup_plan.h"

namespace zelo {

class MainWindowStartup : public StartupActions {
 public:
  // Loads the file into the first slot; false when it could not (the loader
  // shows why).
  using ScriptLoader = std::function<bool(std::string_view path)>;
  // Starts a full run of the first slot; false when no run started.
  using RunStarter = std::function<bool()>;

  explicit MainWindowStartup(MainWindow& window) : window_(window) {}
  void set_loader(ScriptLoader loader) { loader_ = std::move(loader); }
  void set_run_starter(RunStarter starter) { run_starter_ = std::move(starter); }

  void SetUserVariable(std::string_view name, std::string_view value) override;
  bool LoadScript(std::string_view path) override;
  void OpenUntitled() override;
  bool StartRun() override;
  bool FileExists(std::string_view path) override;

 private:
  MainWindow& window_;
  ScriptLoader loader_;
  RunStarter run_starter_;
};

}  // namespace zelo
