#include "engine/run_log.h"

#include <atomic>
#include <cstdio>
#include <cstring>

#include "engine/log_file.h"
#include "engine/log_sink.h"
#include "settings/defaults.h"
#include "settings/setting_names.h"
#include "settings/settings.h"

namespace zelo {

namespace {

std::atomic<LogSink*> g_sink{nullptr};

// Lines from the run thread and the main thread are written whole, one after
// the other, through one writer that keeps the file open.
LogFileWriter& Writer() {
  static LogFileWriter writer;
  return writer;
}

void WriteToFile(std::string_view text) { Writer().Append(LogFilePath(), text); }

}  // namespace

LogSink* CurrentLogSink() { return g_sink.load(std::memory_order_acquire); }
void UseLogSink(LogSink* sink) { g_sink.store(sink, std::memory_order_release); }

std::string FormatLogText(const char* format, va_list args) {
  if (!format) return std::string();
  std::size_t n = std::strlen(format);
  if (n >= kMaxFormattedFormat) return std::string(format, kMaxFormattedFormat);
  char buf[kMaxLogLine + 1];
  int r = std::vsnprintf(buf, sizeof buf, format, args);
  if (r < 0) return std::string();
  return std::string(buf, static_cast<std::size_t>(r) < kMaxLogLine ? static_cast<std::size_t>(r) : kMaxLogLine);
}

std::string FormatLogText(const char* format, ...) {
  va_list ap;
  va_start(ap, format);
  std::string s = FormatLogText(format, ap);
  va_end(ap);
  return s;
}

bool LoggingOn() { return ReadSetting(setting::kLog) != 0; }

std::string LogFilePath() {
  std::string path = ReadSettingText(setting::kLogfile, 259);
  return path.empty() ? DefaultText(setting::kLogfileName) : path;
}

void WriteLogText(std::string_view text, bool file_even_when_off) {
  if (file_even_when_off || LoggingOn()) WriteToFile(text);
  if (LogSink* sink = CurrentLogSink()) sink->AppendOutput(text);
}

void WriteLog(const char* format, ...) {
  va_list ap;
  va_start(ap, format);
  std::string s = FormatLogText(format, ap);
  va_end(ap);
  WriteLogText(s);
}

void WriteLogAlways(const char* format, ...) {
  va_list ap;
  va_start(ap, format);
  std::string s = FormatLogText(format, ap);
  va_end(ap);
  WriteLogText(s, true);
}

void ShowStatusText(int part, std::string_view text) {
  if (part < 0) return;
  if (LogSink* sink = CurrentLogSink()) sink->SetStatusText(part, text);
}

void ShowStatus(int part, const char* format, ...) {
  if (part < 0 || !CurrentLogSink()) return;
  va_list ap;
  va_start(ap, format);
  std::string s = FormatLogText(format, ap);
  va_end(ap);
  ShowStatusText(part, s);
}

bool AppendToLogFileAlways(std::string_view text) { return Writer().Append(LogFilePath(), text); }

void DeleteLogFile() { Writer().Remove(LogFilePath()); }

void CloseLogFile() { Writer().Close(); }

std::unique_lock<std::mutex> LockLogFile() { return std::unique_lock<std::mutex>(Writer().mutex()); }

}  // namespace zelo
