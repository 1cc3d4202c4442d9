// The program's one random source: the C library's classic linear
// congruential generator (values 0..32767), seeded once at start-up with the
// tick count. Tests seed it to get repeatable draws.
#pragma once

#include <cstdint>

namespace zelo {

inline constexpr int32_t kRandomMax = 32767;

void SeedRandom(uint32_t seed);
// The generator's next value, 0..kRandomMax.
int32_t NextRandom();
// A number from low to high, both included: the next value r scaled by the
// single-precision fraction r / 32769 onto the range and truncated toward
// zero. With high below low the result lies between them the other way round.
int32_t RandomInRange(int32_t low, int32_t high);

}  // namespace zelo
