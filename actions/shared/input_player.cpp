#include "actions/shared/input_player.h"

#include <system_error>

namespace zelo {

InputPlayer::~InputPlayer() { Stop(); }

bool InputPlayer::Start(Body body) {
  bool idle = false;
  if (!busy_.compare_exchange_strong(idle, true)) return false;
  std::lock_guard<std::mutex> lock(thread_mutex_);
  // The previous playback's thread has returned from its body (Busy was
  // false); only its end is still to be collected.
  if (thread_.joinable()) thread_.join();
  cancel_.store(false);
  try {
    thread_ = std::thread([this, body = std::move(body)] {
      body(cancel_);
      busy_.store(false);
    });
  } catch (const std::system_error&) {
    busy_.store(false);
    return false;
  }
  return true;
}

void InputPlayer::Stop() {
  RequestStop();
  std::lock_guard<std::mutex> lock(thread_mutex_);
  if (thread_.joinable()) thread_.join();
}

InputPlayer& ProgramInputPlayer() {
  static InputPlayer player;
  return player;
}

}  // namespace zelo
