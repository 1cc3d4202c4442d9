// Settings the run engine and the run log read and write, by their full paths
// under the program's key.
#pragma once

namespace zelo::run_settings {

inline constexpr const char* kLog = "SOFTWARE\\Zelomat\\Log";
inline constexpr const char* kLogfile = "SOFTWARE\\Zelomat\\Logfile";
inline constexpr const char* kDefaultLogfile = "C:\\ZelomatLog.txt";
inline constexpr const char* kRestartLog = "SOFTWARE\\Zelomat\\RestartLog";
inline constexpr const char* kLogLevel = "SOFTWARE\\Zelomat\\LogLevel";
inline constexpr const char* kProgress = "SOFTWARE\\Zelomat\\Progress";
inline constexpr const char* kStopKey = "SOFTWARE\\Zelomat\\StopKey";
inline constexpr int kDefaultStopKey = 19;  // the Pause key
// Per slot; the slot number is filled in.
inline constexpr const char* kStepDelayPattern = "SOFTWARE\\Zelomat\\InterStepDelay-%d";
inline constexpr const char* kHiliteRunningStep = "SOFTWARE\\Zelomat\\HiliteRunningStep";
inline constexpr const char* kResetUserVariables = "SOFTWARE\\Zelomat\\ResetUserVariables";
inline constexpr const char* kDisableScreenSaver = "SOFTWARE\\Zelomat\\DisableScreenSaver";
inline constexpr const char* kKeptScreenSaver = "SOFTWARE\\Zelomat\\ScreenSaver";
inline constexpr const char* kMinimizeStart = "SOFTWARE\\Zelomat\\MinimizeStart";
inline constexpr const char* kReturnWhenDone = "SOFTWARE\\Zelomat\\ReturnWhenDone";
inline constexpr const char* kDefaultReturnCode = "SOFTWARE\\Zelomat\\DefaultReturnCode";
inline constexpr const char* kFailedReturnCode = "SOFTWARE\\Zelomat\\FailedReturnCode";

}  // namespace zelo::run_settings
