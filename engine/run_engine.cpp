#include "engine/run_engine.h"

#include <algorithm>
#include <chrono>
#include <system_error>

#include "base/text.h"
#include "settings/defaults.h"
#include "settings/setting_names.h"
#include "engine/run_texts.h"
#include "engine/handle_failure.h"
#include "settings/settings.h"

namespace zelo {

namespace {

bool ValidSlot(int slot) { return slot >= 0 && slot < kMaxSlots; }

// The text a step line shows: the comment of a "Comment" step, else its
// text; at most 259 characters, without CR and LF. The line is written as
// text, not used as a format, so a "%" in the step shows as it is.
std::string ShownStepText(const StepRecord& step) {
  std::string_view source = EqualsNoCase(step.action.view(), "Comment") ? step.comment.view() : step.text.view();
  source = source.substr(0, std::min<std::size_t>(source.size(), Field::kMaxLength));
  std::string shown;
  shown.reserve(source.size());
  for (char c : source) {
    if (c == '\r' || c == '\n') continue;
    shown += c;
  }
  return shown;
}

}  // namespace

RunEngine::RunEngine(Workspace& workspace, const RunSeams& seams)
    : workspace_(workspace), seams_(seams), failure_handler_(&HandleFailure) {}

RunEngine::~RunEngine() {
  RequestStop();
  {
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [this] { return !active_ && live_threads_ == 0; });
  }
  std::list<RunThread> rest;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    rest.swap(threads_);
  }
  for (RunThread& t : rest)
    if (t.thread.joinable()) t.thread.join();
}

bool RunEngine::RunActive() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return active_;
}

bool RunEngine::WaitUntilIdle(uint32_t timeout_ms) {
  bool idle;
  {
    std::unique_lock<std::mutex> lock(mutex_);
    idle = idle_.wait_for(lock, std::chrono::milliseconds(timeout_ms),
                          [this] { return !active_ && live_threads_ == 0; });
  }
  JoinFinishedThreads();
  return idle;
}

void RunEngine::SetStepError(const char* format, ...) {
  va_list ap;
  va_start(ap, format);
  char buf[kStepErrorBytes];
  std::vsnprintf(buf, sizeof buf, format, ap);
  va_end(ap);
  state_.step_error = buf;
}

int32_t RunEngine::run_repeats(int slot) const {
  return ValidSlot(slot) ? state_.run_repeats[static_cast<std::size_t>(slot)].load() : kNoRepeats;
}

void RunEngine::set_run_repeats(int slot, int32_t value) {
  if (ValidSlot(slot)) state_.run_repeats[static_cast<std::size_t>(slot)].store(value);
}

bool RunEngine::StartRun(int slot, RunCommand command, bool user_start) {
  if (!ValidSlot(slot)) return false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (active_) return false;
    active_ = true;  // reserved: a second start while this one prepares does nothing
    running_slot_ = slot;
  }
  JoinFinishedThreads();
  ScriptSlot& s = workspace_.slots[static_cast<std::size_t>(slot)];
  if (user_start) set_run_repeats(slot, kNoRepeats);

  if (s.step_count <= 0) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      active_ = false;
      running_slot_ = -1;
    }
    idle_.notify_all();
    messages().ShowMessage(run_texts::kEmptyScript, run_texts::kSystemMessageCaption, MessageButtons::Ok,
                           MessageIcon::Warning);
    // A hidden program has nothing else to do and no window to be closed by.
    if (hidden_program_) window().CloseMainWindow();
    return false;
  }

  // Read before a "Pixel" step's selection is removed, so Run From Here still
  // starts at that step.
  const int selected = window().FirstSelectedStep(slot);
  if (selected >= 0 && selected < s.step_count && selected < s.capacity() &&
      ContainsNoCase(s.steps[static_cast<std::size_t>(selected)].action.view(), "Pixel"))
    window().ClearSelection(slot);

  // Every start with RestartLog deletes the old log; before the header, so
  // the new log begins with it.
  if (ReadSetting(setting::kRestartLog)) DeleteLogFile();
  if (command == RunCommand::Run) PrepareFullRun(slot);

  if (ReadSetting(setting::kDisableScreenSaver)) {
    WriteSetting(setting::kKeptScreenSaver, system().ScreenSaverActive() ? "1" : "0");
    system().SetScreenSaverActive(false);
  }
  if (ReadSetting(setting::kProgress)) {
    window().ShowProgress(true);
    window().SetProgress(0);
  }
  window().SetRunningState(true);
  state_.stop_request.store(false);
  if (ReadSetting(setting::kMinimizeStart)) window().MinimizeMainWindow();

  RunStart start;
  start.slot = slot;
  start.first = command == RunCommand::Run ? 0 : std::max(selected, 0);
  start.single_step = command == RunCommand::RunSingleStep;

  std::string failure;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    start.id = ++next_id_;
    live_run_id_.store(start.id);
    state_.last_announced = -1;
    try {
      threads_.push_back(RunThread{start.id, std::thread(&RunEngine::RunThreadMain, this, start), false});
      ++live_threads_;
    } catch (const std::system_error& e) {
      failure = e.what();
      live_run_id_.store(0);
      active_ = false;
      running_slot_ = -1;
    }
  }
  if (failure.empty()) return true;
  idle_.notify_all();
  messages().ShowMessage(FormatLogText(run_texts::kRunThreadFailed, failure.c_str()), run_texts::kErrorCaption,
                         MessageButtons::Ok, MessageIcon::Error);
  set_run_repeats(slot, kNoRepeats);  // a repeat could not start either
  CleanUp(slot);
  return false;
}

void RunEngine::PrepareFullRun(int slot) {
  if (ReadSetting(setting::kResetUserVariables) && !variables_from_command_line_ &&
      !system().OtherInstanceRunning())
    system().DeleteAllUserVariables();
  input().ForgetHeldModifiers();
  for (auto& reset : full_run_resets_) reset(slot);
  DeleteSetting(SettingPath(setting::kStepDelayPattern, slot));

  ScriptSlot& s = workspace_.slots[static_cast<std::size_t>(slot)];
  const int count = std::min(s.step_count, s.capacity());
  for (int i = 0; i < count; ++i) s.steps[static_cast<std::size_t>(i)].run_count = 0;

  const CivilTime now = clock().Now();
  const bool named = !s.file_name.empty() && s.file_name != kUntitled;
  WriteLog(run_texts::kRunHeader, now.hour, now.minute, now.second, named ? run_texts::kForFile : "",
           named ? s.file_name.c_str() : "");
}

void RunEngine::AnnounceStep(int slot, int index) {
  state_.step_start_tick.store(clock().Ticks());
  state_.last_announced = index;
  if (!ValidSlot(slot)) return;
  ScriptSlot& s = workspace_.slots[static_cast<std::size_t>(slot)];
  if (index < 0 || index >= s.step_count || index >= s.capacity()) return;
  const StepRecord& step = s.steps[static_cast<std::size_t>(index)];

  const std::string shown = ShownStepText(step);
  const char* quote = shown.empty() ? "" : "\"";
  const std::string line =
      FormatLogText(run_texts::kStepLine, index + 1, step.action.c_str(), quote, shown.c_str(), quote);
  WriteLogText(line);
  if (window().ProgressVisible())
    window().SetProgress(static_cast<int>((static_cast<int64_t>(index) + 1) * 100 / (s.step_count + 1)));
  else
    ShowStatusText(0, line);
  if (ReadSetting(setting::kHiliteRunningStep) && slot == workspace_.current) window().FollowStep(slot, index);
}

void RunEngine::StopRun(int slot, StopHow how) {
  if (how != StopHow::EndOfRun) {
    int running_slot;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      running_slot = active_ ? running_slot_ : -1;
    }
    if (running_slot >= 0) {
      if (how == StopHow::PauseCommand) {
        // The first press only asks; the run ends after its current step.
        RequestStop();
        WriteLogText(run_texts::kAttemptingStop);
        window().CloseRunFailureBox();
        window().ArmStopTimer();
        return;
      }
      MessageAnswer answer = messages().ShowMessage(run_texts::kForceStopQuestion, run_texts::kStopProcessCaption,
                                                    MessageButtons::OkCancel, MessageIcon::Question);
      if (answer != MessageAnswer::Ok) {
        WriteLogText(run_texts::kCancellingStop);
        state_.stop_request.store(false);
        return;
      }
      set_run_repeats(running_slot, kNoRepeats);
      if (ForceEnd()) WriteLogText(run_texts::kForciblyTerminated);
      slot = running_slot;
    }
  }
  CleanUp(slot);
}

bool RunEngine::ForceStop() {
  int slot;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    slot = active_ ? running_slot_ : -1;
  }
  if (slot < 0) return false;
  set_run_repeats(slot, kNoRepeats);
  // A run that ended by itself meanwhile has cleaned up on its own.
  if (!ForceEnd()) return false;
  WriteLogText(run_texts::kForciblyTerminated);
  CleanUp(slot);
  return true;
}

bool RunEngine::ForceEnd() {
  std::lock_guard<std::mutex> lock(mutex_);
  const uint64_t id = live_run_id_.load();
  if (!active_ || id == 0) return false;  // ended meanwhile, or a start still preparing
  auto it = std::find_if(threads_.begin(), threads_.end(), [id](const RunThread& t) { return t.id == id; });
  live_run_id_.store(0);
  active_ = false;
  running_slot_ = -1;
  if (it != threads_.end()) {
    // With the engine's lock and the log file's lock held here, the thread
    // cannot be ended while it holds either.
    auto log_lock = LockLogFile();
    if (system().TerminateThread(it->thread)) {
      it->finished = true;
      --live_threads_;
    }
  }
  idle_.notify_all();
  return true;
}

void RunEngine::CleanUp(int slot) {
  // Nothing holds the log between runs; the next line opens it again.
  CloseLogFile();
  if (input().JournalHookInstalled()) {
    clock().Sleep(1000);  // lets the playback's last events arrive before the hook goes
    input().RemoveJournalHook();
  }
  input().ReleaseHeldInput();
  if (ReadSetting(setting::kDisableScreenSaver) && SettingExists(setting::kKeptScreenSaver)) {
    system().SetScreenSaverActive(ReadSetting(setting::kKeptScreenSaver) != 0);
    DeleteSetting(setting::kKeptScreenSaver);
  }

  // Decided before the window may close: a hidden program runs its
  // remaining repeats first and closes after the last one.
  bool repeat = false;
  if (ValidSlot(slot)) {
    int32_t left = run_repeats(slot);
    if (left > 0) {
      if (left != kRepeatForever) --left;
      set_run_repeats(slot, left == 0 ? kRepeatsFinished : left);
      repeat = true;
    }
  }

  if (hidden_program_) {
    if (!repeat) window().CloseMainWindow();
  } else if (ReadSetting(setting::kReturnWhenDone)) {
    window().RestoreMainWindow();
  }
  window().ShowProgress(false);
  window().SetRunningState(false);

  if (repeat && !StartRun(slot, RunCommand::Run, false) && hidden_program_ && !RunActive())
    window().CloseMainWindow();
}

void RunEngine::FinishThread(uint64_t id) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    for (RunThread& t : threads_) {
      if (t.id == id) {
        t.finished = true;
        break;
      }
    }
    --live_threads_;
  }
  idle_.notify_all();
}

void RunEngine::JoinFinishedThreads() {
  std::list<RunThread> done;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    const std::thread::id self = std::this_thread::get_id();
    for (auto it = threads_.begin(); it != threads_.end();) {
      if (it->finished && it->thread.get_id() != self) {
        auto next = std::next(it);
        done.splice(done.end(), threads_, it);
        it = next;
      } else {
        ++it;
      }
    }
  }
  for (RunThread& t : done)
    if (t.thread.joinable()) t.thread.join();
}

}  // namespace zelo
