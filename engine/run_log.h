// The run log: everything a run reports goes through WriteLog. Each line is
// shown in the Output palette (through the LogSink) and, with logging on,
// appended to the log file. A log file that cannot be written is ignored: the
// run goes on and the palette still shows the line.
#pragma once

#include <cstdarg>
#include <mutex>
#include <string>
#include <string_view>

#if defined(__GNUC__)
#define ZELO_PRINTF_FORMAT(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define ZELO_PRINTF_FORMAT(fmt, args)
#endif

namespace zelo {

inline constexpr std::size_t kMaxLogLine = 1024;        // characters of one formatted line
inline constexpr std::size_t kMaxFormattedFormat = 992;  // longer formats are taken as they are

// printf-style formatting with the log's limits: at most kMaxLogLine
// characters; a format of kMaxFormattedFormat characters or more is not
// formatted and its first kMaxFormattedFormat characters are the result.
std::string FormatLogText(const char* format, va_list args);
std::string FormatLogText(const char* format, ...) ZELO_PRINTF_FORMAT(1, 2);

// The one log writer.
void WriteLog(const char* format, ...) ZELO_PRINTF_FORMAT(1, 2);
// WriteLog whose line reaches the log file even while logging is off (a
// step's error line when its failure settings ask for it).
void WriteLogAlways(const char* format, ...) ZELO_PRINTF_FORMAT(1, 2);
// An already formatted text, through the same channels as WriteLog.
void WriteLogText(std::string_view text, bool file_even_when_off = false);

// Sets a part of the main window's status bar; formats as WriteLog does.
// Negative parts are ignored.
void ShowStatus(int part, const char* format, ...) ZELO_PRINTF_FORMAT(2, 3);
void ShowStatusText(int part, std::string_view text);

// "Log" non-zero: lines go to the log file.
bool LoggingOn();
// The log file's path: "Logfile", or the default when it is not set.
std::string LogFilePath();
// Appends text to the log file whatever "Log" says ("Write to Log" keeps a
// copy there in every case). Returns false when the file cannot be written.
bool AppendToLogFileAlways(std::string_view text);
// Deletes the log file (a run start with "RestartLog" on).
void DeleteLogFile();
// Lets go of the log file, which is kept open while lines come (the end of a run).
void CloseLogFile();

// Holds the log file's lock. A forced stop takes it before it ends the run
// thread, so that thread is never ended in the middle of a line and the lock
// is never left held by a thread that no longer exists.
std::unique_lock<std::mutex> LockLogFile();

}  // namespace zelo
