// The program's one input player: a thread of the program's own that feeds
// recorded or buffered input into the system's input stream while the run
// thread waits for it. It stands where a journal-playback hook stood, which
// the system no longer calls (Wine never did, Windows 11 dropped it): one
// playback at a time, asked about by the run loop ("is one playing?") and
// ended by the end of a run.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

namespace zelo {

class InputPlayer {
 public:
  // Plays until it is done or until cancel is set, then returns.
  using Body = std::function<void(const std::atomic<bool>& cancel)>;

  InputPlayer() = default;
  ~InputPlayer();
  InputPlayer(const InputPlayer&) = delete;
  InputPlayer& operator=(const InputPlayer&) = delete;

  // Whether a playback is going on: from Start until its body has returned.
  bool Busy() const { return busy_.load(); }
  // Starts the body on a thread of its own. False when a playback is going
  // on or no thread could be made.
  bool Start(Body body);
  // Asks the playback to end; Busy turns false once it has.
  void RequestStop() { cancel_.store(true); }
  // Asks the playback to end and waits for its thread. A caller whose thread
  // the playback may be waiting on (a log line shown by the main window)
  // waits for Busy to turn false in its own way first.
  void Stop();

 private:
  std::atomic<bool> busy_{false};
  std::atomic<bool> cancel_{false};
  std::mutex thread_mutex_;  // guards thread_
  std::thread thread_;
};

// The program's player.
InputPlayer& ProgramInputPlayer();

}  // namespace zelo
