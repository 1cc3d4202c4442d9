#include "actions/shared/input_player.h"

#include <chrono>
#include <mutex>
#include <system_error>
#include <thread>

namespace zelo {

namespace {

struct Player {
  std::mutex mutex;  // guards thread
  std::thread thread;
  std::atomic<bool> active{false};
  std::atomic<bool> stop{false};

  void Join() {
    stop.store(true);
    if (thread.joinable()) thread.join();
  }
  // A player still going when the program ends is stopped, not abandoned.
  ~Player() { Join(); }
};

Player& ThePlayer() {
  static Player player;
  return player;
}

}  // namespace

bool StartInputPlayer(InputPlay play, std::atomic<bool>* playing) {
  Player& p = ThePlayer();
  std::lock_guard<std::mutex> lock(p.mutex);
  if (p.active.load()) return false;
  if (p.thread.joinable()) p.thread.join();  // the last one has finished
  p.stop.store(false);
  p.active.store(true);
  playing->store(true);
  try {
    p.thread = std::thread([&p, play = std::move(play), playing] {
      play(p.stop);
      playing->store(false);
      p.active.store(false);
    });
  } catch (const std::system_error&) {
    playing->store(false);
    p.active.store(false);
    return false;
  }
  return true;
}

bool InputPlayerActive() { return ThePlayer().active.load(); }

void StopInputPlayer() {
  Player& p = ThePlayer();
  std::lock_guard<std::mutex> lock(p.mutex);
  p.stop.store(true);
  // The player may be handing a log line to the main window's thread, which
  // may be the one waiting here: a player that does not end within three
  // seconds is left to end by itself rather than hang the program.
  for (int waited = 0; p.active.load() && waited < 3000; waited += 10)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  if (p.active.load())
    p.thread.detach();
  else if (p.thread.joinable())
    p.thread.join();
}

}  // namespace zelo
