#include "ui/output_log_sink_win.h"

#include <windows.h>

#include "ui/main_window_win.h"

namespace zelo {

void OutputLogSink::AppendOutput(std::string_view text) {
  if (!IsWindowVisible(window_.hwnd())) return;
  // Sent, so the caller waits until the line is shown and lines of the two
  // threads never mix.
  window_.OnMainThread([&] { window_.AppendOutput(text); });
}

void OutputLogSink::SetStatusText(int part, std::string_view text) {
  if (!IsWindowVisible(window_.hwnd())) return;
  // A log line also shown here keeps its line ends in the log only.
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.remove_suffix(1);
  window_.OnMainThread([&] { window_.SetStatusPart(part, text); });
}

}  // namespace zelo
