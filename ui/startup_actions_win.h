// The main window's side of start-up: what RunStartup asks of the program.
// Scripts load as the Open command loads them. Starting a run is handed in by
// whoever links the run engine into the program; until then a run fails with
// an error box instead of pretending to work.
#pragma once

#include <functional>
#include <utility>
#include <string_view>

#include "ui/main_window_win.h"
#include "ui/startup_plan.h"

namespace zelo {

class MainWindowStartup : public StartupActions {
 public:
  // Starts a full run of the first slot; false when no run started.
  using RunStarter = std::function<bool()>;

  explicit MainWindowStartup(MainWindow& window) : window_(window) {}
  void set_run_starter(RunStarter starter) { run_starter_ = std::move(starter); }

  void SetUserVariable(std::string_view name, std::string_view value) override;
  bool LoadScript(std::string_view path) override;
  void OpenUntitled() override;
  bool StartRun() override;
  bool FileExists(std::string_view path) override;

 private:
  MainWindow& window_;
  RunStarter run_starter_;
};

}  // namespace zelo
