// Every text the run engine itself writes to the log, the status bar and its
// message boxes, in one place. Line formats end with CR LF as the log needs.
#pragma once

#include <cstddef>

namespace zelo::run_texts {

inline constexpr const char* kRunHeader =
    "----------------------------------------\r\nStarting Run at %d:%02d:%02d%s%s\r\n";
inline constexpr const char* kForFile = " for ";
inline constexpr const char* kStepLine = "[STEP %d]: %s %s%s%s\r\n";
inline constexpr const char* kSkipping = "Skipping [STEP %d]\r\n";
inline constexpr const char* kBreakpoint = "Breakpoint on [STEP %d]\r\n";
inline constexpr const char* kUnknownActionLine = "\t%s\r\n";
inline constexpr const char* kUnknownAction = "Unknown Action (%d) \"%s\"";
// Keystrokes, clicks or a playback the system refused (SendInput took fewer
// events than it was given).
inline constexpr const char* kInputRefused =
    "Keystrokes were blocked by the system (the focused program may run with higher rights, or the desktop is "
    "locked)";
inline constexpr const char* kStopRequest = "Stop request: aborting run at [STEP %d]\r\n\r\n";
inline constexpr const char* kAttemptingStop = "\r\nAttempting to stop script...\r\n";
inline constexpr const char* kCancellingStop = "\r\nCancelling stop request - continuing script execution\r\n";
inline constexpr const char* kForciblyTerminated = "\r\nRun forcibly terminated\r\n\r\n";
inline constexpr const char* kRunCompleted = "Run Completed at %d:%02d:%02d (Elapsed Time: %s)\r\n\r\n";
inline constexpr const char* kCriticalError =
    "Critical internal error in Run Core at [STEP %d]!  Discontinuing Execution\r\n";

// Failure lines of a step.
inline constexpr const char* kErrorLineWithText = "ERROR while running [STEP %d] %s: %s\r\n";
inline constexpr const char* kErrorLine = "ERROR while running [STEP %d] %s\r\n";
inline constexpr const char* kErrorMessage = "Error while running [STEP %d]:  %s";
inline constexpr const char* kRunFailed = "RUN FAILED\r\n";
inline constexpr std::size_t kMaxErrorMessage = 253;

// A category in the handler range whose handler this build does not have.
inline constexpr const char* kActionNotAvailable = "The \"%s\" action is not available in this version";

// Elapsed time in the "Run Completed" line.
inline constexpr const char* kLessThanASecond = "less than 1 second";
inline constexpr const char* kSeconds = "%d second%s";
inline constexpr const char* kMinutesSeconds = "%d:%02d";
inline constexpr const char* kHoursMinutesSeconds = "%d:%02d:%02d";

// Message boxes.
inline constexpr const char* kEmptyScript = "The file is empty.\n\nPlease add commands before using this feature.";
inline constexpr const char* kSystemMessageCaption = "System Message";
inline constexpr const char* kForceStopQuestion =
    "The script is still running the current step.\n\nDo you want to force it to stop?";
inline constexpr const char* kStopProcessCaption = "Stop Process";
inline constexpr const char* kRunFailureCaption = "Run Failure";
inline constexpr const char* kErrorCaption = "Zelomat Error";
inline constexpr const char* kRunThreadFailed = "Unable to start the run: %s";

}  // namespace zelo::run_texts
