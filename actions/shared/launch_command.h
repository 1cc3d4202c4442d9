// LaunchCommand: starts a command line the way a user would expect a
// "Start" step to — a program, a program with arguments, or a document
// through the program registered for it — and optionally waits for it.
// The order of attempts and the waiting are decided here; LaunchSystem
// carries out the single system calls, so the rules are tested natively.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace zelo {

// Results besides a waited process's exit code.
inline constexpr int kLaunchStarted = 1;           // started without waiting, or through the shell
inline constexpr int kLaunchStillRunning = -12348;  // the wait limit passed first
inline constexpr int kLaunchFailed = -12349;        // nothing could be started
inline constexpr int kLaunchStopped = -12350;       // the caller's stop check ended the wait

// Asked between the waits; true ends the wait (the process keeps running).
using StopCheck = std::function<bool()>;

// A started process; the destructor gives up the handle to it.
class LaunchedProcess {
 public:
  virtual ~LaunchedProcess() = default;
  virtual uint32_t Id() = 0;
  enum class Idle { Ready, Busy, NoInput };
  // Waits at most ms for the process to be ready for input. NoInput: it has
  // no input queue to wait for (a console program) or the wait failed.
  virtual Idle WaitForInputIdle(uint32_t ms) = 0;
  // True with the exit code once the process has ended.
  virtual bool Ended(int32_t* exit_code) = 0;
};

class LaunchSystem {
 public:
  virtual ~LaunchSystem() = default;
  virtual uint64_t ForegroundWindow() = 0;
  // Starts command_line; folder nullptr inherits this program's current
  // folder. Hidden starts get neither a shown window nor a console window.
  virtual std::unique_ptr<LaunchedProcess> StartProcess(const std::string& command_line, const std::string* folder,
                                                         bool visible) = 0;
  virtual bool ResolvePath(std::string_view name, std::string* out) = 0;
  // The program the shell would open the file with.
  virtual bool ExecutableFor(const std::string& file, std::string* program) = 0;
  virtual bool AssociationCommand(std::string_view type, const std::string& file, std::string* program) = 0;
  // The shell's "open" verb on file, owned by the given window.
  virtual bool ShellOpen(const std::string& file, uint64_t owner, bool visible) = 0;
  // The main window of a process: 0 when it has none.
  virtual uint64_t WindowOfProcess(uint32_t process_id) = 0;
  virtual bool WindowVisible(uint64_t window) = 0;
  virtual void HideWindow(uint64_t window) = 0;
  virtual void SetForegroundWindow(uint64_t window) = 0;
  virtual uint32_t Ticks() = 0;
  virtual void Sleep(uint32_t ms) = 0;
};

// The system's launcher.
LaunchSystem& SystemLaunchSystem();

// The command as the first attempt runs it: enclosed in double quotes when
// it holds none, so that a path with blanks stays one name.
std::string QuotedWorkCopy(std::string_view command);
// The folder the first attempt starts in: the command up to its last
// backslash, without quotes ("C:" becomes "C:\"). False when the command
// has no backslash (the current folder is inherited).
bool StartingFolder(std::string_view command, std::string* folder);
// The file type the fourth attempt asks about: from the first "." for at
// most 14 characters; empty without a ".".
std::string FileTypeOf(std::string_view command);
// What the shell is asked to open: the text after ".exe " when the command
// holds it (a program's argument), else the whole command.
std::string ShellOpenTarget(std::string_view command);

// Starts command (visible or hidden) and waits: wait_ms 0 does not wait, a
// negative value waits without limit. Returns the exit code after a wait,
// or one of the kLaunch results. stop may be empty.
int LaunchCommandWith(LaunchSystem& system, std::string_view command, bool visible, int32_t wait_ms,
                      const StopCheck& stop = {});
int LaunchCommand(std::string_view command, bool visible, int32_t wait_ms, const StopCheck& stop = {});

}  // namespace zelo
