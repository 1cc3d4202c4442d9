// The run log's lines on the screen: appended to the Output palette and shown
// in the status bar of the main window, from the run thread as well as the
// main thread. The run thread leaves them in the window's run display and
// goes on; a hidden program shows nothing, so its runs skip the work.
#pragma once

#include "engine/log_sink.h"

namespace zelo {

class MainWindow;

class OutputLogSink : public LogSink {
 public:
  explicit OutputLogSink(MainWindow& window) : window_(window) {}
  void AppendOutput(std::string_view text) override;
  void SetStatusText(int part, std::string_view text) override;

 private:
  MainWindow& window_;
};

}  // namespace zelo
