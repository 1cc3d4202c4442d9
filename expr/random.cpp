#include "expr/random.h"

#include <atomic>

namespace zelo {

namespace {
std::atomic<uint32_t> g_state{1};  // the C library's state before any seeding
}  // namespace

void SeedRandom(uint32_t seed) { g_state.store(seed); }

int32_t NextRandom() {
  uint32_t state = g_state.load();
  uint32_t next;
  do {
    next = state * 214013u + 2531011u;
  } while (!g_state.compare_exchange_weak(state, next));
  return static_cast<int32_t>((next >> 16) & 0x7FFF);
}

int32_t RandomInRange(int32_t low, int32_t high) {
  const float fraction = static_cast<float>(NextRandom()) / 32769.0f;
  // The span in 64 bits: the full int32 range has 2^32 values.
  const int64_t span = static_cast<int64_t>(high) - low + 1;
  const int64_t offset = static_cast<int64_t>(fraction * static_cast<float>(span));
  return static_cast<int32_t>(low + offset);
}

}  // namespace zelo
