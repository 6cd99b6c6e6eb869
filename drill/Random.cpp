#include "drill/Random.h"

int Random::Below(int n) {
  Seed = Seed * 134775813u + 1u;
  return static_cast<int>((static_cast<uint64_t>(Seed) * static_cast<uint32_t>(n)) >> 32);
}

void Random::SeedFrom(TickClock& clock) {
  if (auto counter = clock.PerformanceCounter()) {
    Seed = static_cast<uint32_t>(*counter);
  } else {
    Seed = clock.TickCount();
  }
}

Random& ProgramRandom() {
  static Random random;
  return random;
}
