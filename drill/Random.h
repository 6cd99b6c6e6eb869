#pragma once
// The program's random numbers: a 32-bit linear congruential generator.
#include <cstdint>

#include "platform/TickClock.h"

class Random {
 public:
  // seed <- seed * 134775813 + 1 (mod 2^32); the result is the high word of seed * n,
  // which lies in 0 .. n-1 (n > 0).
  int Below(int n);

  // Seeds from the high-resolution counter (its low 32 bits), or from the tick count when
  // the counter is not available.
  void SeedFrom(TickClock& clock);

  uint32_t Seed = 0;
};

// The one generator of the program; its seed is 0 until the first drill seeds it.
Random& ProgramRandom();
