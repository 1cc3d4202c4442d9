#include "ui/output_log_sink_win.h"

#include <windows.h>

#include "ui/command_line.h"
#include "ui/main_window_win.h"
#include "ui/startup_plan.h"

namespace zelo {

namespace {

// A hidden program's window is never shown: its lines cost nothing here.
bool HiddenProgram() { return (StartBits() & START_HIDDEN) != 0; }

}  // namespace

void OutputLogSink::AppendOutput(std::string_view text) {
  if (HiddenProgram()) return;
  // Left for the window, which shows it at its next tick; a line of the
  // window's own thread is shown at once, after the run's lines before it.
  window_.run_display().AddLine(text);
  if (window_.OnWindowThread()) window_.ShowRunDisplay();
}

void OutputLogSink::SetStatusText(int part, std::string_view text) {
  if (HiddenProgram()) return;
  // A log line also shown here keeps its line ends in the log only.
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.remove_suffix(1);
  window_.run_display().SetStatus(part, text);
  if (window_.OnWindowThread()) window_.ShowRunDisplay();
}

}  // namespace zelo
