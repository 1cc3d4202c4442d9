// The one player of input the program runs at a time: buffered typing (and,
// in the same way, the playback of a recording) feed their events from a
// thread of the program's own while the run loop waits. The run loop sees
// the player through the run's journal-active flag, which the player clears
// when it ends; the end of a run stops a player still playing.
#pragma once

#include <atomic>
#include <functional>

namespace zelo {

// play runs on the player's thread and should return soon after stop turns
// true. playing is set before the thread starts and cleared after play has
// returned. False, with playing clear, when a player is still active or no
// thread could be started.
using InputPlay = std::function<void(const std::atomic<bool>& stop)>;
bool StartInputPlayer(InputPlay play, std::atomic<bool>* playing);

// A player is playing.
bool InputPlayerActive();

// Asks the player to end and waits until it has (at most three seconds);
// nothing when none plays.
void StopInputPlayer();

}  // namespace zelo
