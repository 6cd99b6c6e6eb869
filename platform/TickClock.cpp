#include "platform/TickClock.h"

#include <ctime>

namespace {

class SystemClock final : public TickClock {
 public:
  uint32_t TickCount() override {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    uint64_t ms = static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(ms);
  }

  std::optional<uint64_t> PerformanceCounter() override {
    timespec ts{};
    if (clock_gettime(CLOCK_MONOTONIC_RAW, &ts) != 0) return std::nullopt;
    return static_cast<uint64_t>(ts.tv_sec) * 1000000000u + static_cast<uint64_t>(ts.tv_nsec);
  }
};

SystemClock systemClock;
TickClock* current = &systemClock;

}  // namespace

TickClock& Clock() { return *current; }

TickClock* SetClock(TickClock* clock) {
  TickClock* previous = current;
  current = clock != nullptr ? clock : &systemClock;
  return previous;
}

int32_t GetTickCount() { return static_cast<int32_t>(Clock().TickCount()); }
