// LogSink: where the run log's lines are shown besides the log file — the
// Output palette and the status bar of the main window. The main window
// installs its own; until then nothing is shown.
#pragma once

#include <string_view>

namespace zelo {

class LogSink {
 public:
  virtual ~LogSink() = default;
  // One formatted log line, as written to the file (CR LF included). Called
  // from the run thread and the main window's thread; a palette that lives on
  // the main thread must be updated there (the Win32 side sends it messages,
  // so the caller waits until the line is shown).
  virtual void AppendOutput(std::string_view text) = 0;
  // Sets a part of the status bar (0: the message, 1: the counters). The text
  // may end with CR LF when it is also a log line; the display drops them.
  virtual void SetStatusText(int part, std::string_view text) = 0;
};

// The program-wide sink; nullptr shows nothing.
LogSink* CurrentLogSink();
void UseLogSink(LogSink* sink);

}  // namespace zelo
