#pragma once
// The millisecond tick count and the high-resolution counter, behind one interface so that
// tests can put a clock of their own in place of the system's.
//
// Ticks are milliseconds of a monotonic clock as an unsigned 32-bit value, stored and
// subtracted as signed 32-bit integers: TickDiff subtracts modulo 2^32, so the wrap of the
// counter (every 49.7 days) does not disturb an elapsed time.
#include <cstdint>
#include <optional>

class TickClock {
 public:
  virtual ~TickClock() = default;
  // Milliseconds since an arbitrary start, wrapping modulo 2^32.
  virtual uint32_t TickCount() = 0;
  // The high-resolution performance counter, or nothing when it is not available.
  virtual std::optional<uint64_t> PerformanceCounter() = 0;
};

// The clock in use: the system's unless a test has installed another.
TickClock& Clock();

// Installs `clock` (not owned) as the clock in use; nullptr restores the system clock.
// Returns the clock that was in use before.
TickClock* SetClock(TickClock* clock);

// The tick count of the clock in use, as the signed 32-bit value it is stored as.
int32_t GetTickCount();

// now - then, modulo 2^32, taken as a signed 32-bit number.
constexpr int32_t TickDiff(int32_t now, int32_t then) {
  return static_cast<int32_t>(static_cast<uint32_t>(now) - static_cast<uint32_t>(then));
}
