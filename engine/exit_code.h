// The process exit code: one program-wide value that "Exit Run" and "Exit
// Zelomat" set and the program returns when it ends. While it is not set the
// program returns the setting "SOFTWARE\Zelomat\FailedReturnCode" when a
// hidden run ended in failure, else "SOFTWARE\Zelomat\DefaultReturnCode".
#pragma once

#include <cstdint>

namespace zelo {

// A hidden command-line run that never got to run its script returns this:
// no file was named, the file could not be loaded, or the loaded script could
// not be started (it has no steps). Returning the default code (0) here would
// tell a scheduler or batch file that the run succeeded.
inline constexpr int32_t kExitScriptNotLoaded = 2;
// The main window could not be created, so nothing could be opened or run.
inline constexpr int32_t kExitStartFailed = 3;

// Sets the exit code; the last call wins. Safe to call from the run thread.
void SetExitCode(int32_t code);
bool ExitCodeIsSet();
// Back to "not set" (a new program session; tests).
void ClearExitCode();
// A hidden run ended because of a failure (not completed, not stopped by a
// person or by the script). Remembered for the rest of the program session,
// so that a later repeat that completes does not hide it; a code the script
// sets still wins.
void NoteRunFailed();
// The code the process returns: the set code; else, after a failed run,
// FailedReturnCode (its default, 1, when missing: a scheduler must never read
// a failure as success); else DefaultReturnCode (0 when missing).
int32_t ProcessExitCode();

}  // namespace zelo
