#include "actions/shared/launch_command.h"

#include <algorithm>

#include "base/text.h"

namespace zelo {

namespace {

// A new program gets this long to be ready for input even when nobody waits
// for it, so that the next step finds its window.
constexpr uint32_t kMinIdleWaitMs = 5000;
// The wait ends this much after its limit: the limit counts from when the
// program was ready, and the poll only looks every kPollMs.
constexpr uint32_t kLimitSlackMs = 500;
constexpr uint32_t kPollMs = 100;
// How long a hidden program has to show its window before it is hidden.
constexpr uint32_t kHideDelayMs = 100;
// How long a document opened through the shell has to come to the front.
constexpr uint32_t kShellShowDelayMs = 2000;
// Characters of the file type asked about in the fourth attempt.
constexpr std::size_t kMaxFileType = 14;

std::string QuotedUnlessQuoted(std::string_view text) {
  if (text.find('"') != std::string_view::npos) return std::string(text);
  return "\"" + std::string(text) + "\"";
}

bool Stopped(const StopCheck& stop) { return stop && stop(); }

// Waits until the process is ready for input, at most limit_ms (negative:
// no limit). False when the stop check ended the wait.
bool WaitUntilReady(LaunchSystem& system, LaunchedProcess& process, int64_t limit_ms, const StopCheck& stop) {
  const uint32_t start = system.Ticks();
  for (;;) {
    uint32_t slice = kPollMs;
    if (limit_ms >= 0) {
      const uint32_t elapsed = system.Ticks() - start;
      if (elapsed >= limit_ms) return true;
      slice = static_cast<uint32_t>(std::min<int64_t>(slice, limit_ms - elapsed));
    }
    if (process.WaitForInputIdle(slice) != LaunchedProcess::Idle::Busy) return true;
    if (Stopped(stop)) return false;
  }
}

std::unique_ptr<LaunchedProcess> CreateByAttempts(LaunchSystem& system, const std::string& command, bool visible) {
  // 1: the command as one name, in its own folder.
  std::string folder;
  const bool has_folder = StartingFolder(command, &folder);
  std::unique_ptr<LaunchedProcess> process =
      system.StartProcess(QuotedWorkCopy(command), has_folder ? &folder : nullptr, visible);
  if (process) return process;
  // 2: a program with arguments; the system splits the command line.
  if (ContainsNoCase(command, ".EXE")) {
    std::string resolved;
    system.ResolvePath(command, &resolved);
    process = system.StartProcess(resolved, nullptr, visible);
    if (process) return process;
  }
  // 3: a document, opened by the program the shell names for it.
  if (command.find(".EXE") == std::string::npos) {
    std::string program;
    if (system.ExecutableFor(command, &program) && !program.empty()) {
      if (program.find(' ') != std::string::npos) program = QuotedUnlessQuoted(program);
      process = system.StartProcess(program + " " + QuotedUnlessQuoted(command), nullptr, visible);
      if (process) return process;
    }
  }
  // 4: a document, by the program registered for its type.
  if (command.find('.') != std::string::npos) {
    std::string program;
    if (system.AssociationCommand(FileTypeOf(command), command, &program) && !program.empty())
      process = system.StartProcess(program + " " + command, nullptr, visible);
  }
  return process;
}

}  // namespace

std::string QuotedWorkCopy(std::string_view command) { return QuotedUnlessQuoted(command); }

bool StartingFolder(std::string_view command, std::string* folder) {
  folder->clear();
  const std::size_t slash = command.rfind('\\');
  if (slash == std::string_view::npos) return false;
  for (char c : command.substr(0, slash))
    if (c != '"') *folder += c;
  if (folder->size() == 2 && (*folder)[1] == ':') *folder += '\\';
  return true;
}

std::string FileTypeOf(std::string_view command) {
  const std::size_t dot = command.find('.');
  if (dot == std::string_view::npos) return std::string();
  return std::string(command.substr(dot, kMaxFileType));
}

std::string ShellOpenTarget(std::string_view command) {
  constexpr std::string_view kExe = ".exe ";
  const std::size_t at = FindNoCase(command, kExe);
  if (at == std::string_view::npos) return std::string(command);
  return std::string(command.substr(at + kExe.size()));
}

int LaunchCommandWith(LaunchSystem& system, std::string_view command_view, bool visible, int32_t wait_ms,
                      const StopCheck& stop) {
  if (command_view.empty()) return kLaunchFailed;
  const std::string command(command_view);
  const uint64_t foreground = visible ? 0 : system.ForegroundWindow();

  std::unique_ptr<LaunchedProcess> process = CreateByAttempts(system, command, visible);
  if (!process) {
    // 5: whatever the shell can open; there is no process to wait for.
    if (!system.ShellOpen(ShellOpenTarget(command), system.ForegroundWindow(), visible)) return kLaunchFailed;
    if (!visible) {
      system.Sleep(kShellShowDelayMs);
      const uint64_t now = system.ForegroundWindow();
      if (now != foreground) {
        system.HideWindow(now);
        system.SetForegroundWindow(foreground);
      }
    }
    return kLaunchStarted;
  }

  const int64_t ready_limit = wait_ms < 0 ? -1 : std::max<int64_t>(wait_ms, kMinIdleWaitMs);
  const bool ready = WaitUntilReady(system, *process, ready_limit, stop);
  if (!visible) {
    // Programs that ignore the hidden start show their window anyway.
    system.Sleep(kHideDelayMs);
    const uint64_t window = system.WindowOfProcess(process->Id());
    if (window != 0 && system.WindowVisible(window)) system.HideWindow(window);
  }
  if (wait_ms == 0) return kLaunchStarted;
  if (!ready) return kLaunchStopped;

  const uint32_t start = system.Ticks();
  const int64_t limit = wait_ms < 0 ? -1 : static_cast<int64_t>(wait_ms) + kLimitSlackMs;
  for (;;) {
    int32_t exit_code = 0;
    if (process->Ended(&exit_code)) return exit_code;
    if (limit >= 0 && static_cast<int64_t>(system.Ticks() - start) >= limit) return kLaunchStillRunning;
    if (Stopped(stop)) return kLaunchStopped;
    system.Sleep(kPollMs);
  }
}

int LaunchCommand(std::string_view command, bool visible, int32_t wait_ms, const StopCheck& stop) {
  return LaunchCommandWith(SystemLaunchSystem(), command, visible, wait_ms, stop);
}

}  // namespace zelo
