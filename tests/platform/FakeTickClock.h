#pragma once
// A clock that tests set and advance by hand; installed for its lifetime.
#include <cstdint>
#include <optional>

#include "platform/TickClock.h"

class FakeTickClock final : public TickClock {
 public:
  explicit FakeTickClock(uint32_t ticks = 0, std::optional<uint64_t> counter = 0)
      : ticks_(ticks), counter_(counter), previous_(SetClock(this)) {}
  ~FakeTickClock() override { SetClock(previous_); }
  FakeTickClock(const FakeTickClock&) = delete;
  FakeTickClock& operator=(const FakeTickClock&) = delete;

  uint32_t TickCount() override { return ticks_; }
  std::optional<uint64_t> PerformanceCounter() override { return counter_; }

  void Advance(uint32_t ms) { ticks_ += ms; }
  void Set(uint32_t ticks) { ticks_ = ticks; }
  void SetCounter(std::optional<uint64_t> counter) { counter_ = counter; }

 private:
  uint32_t ticks_;
  std::optional<uint64_t> counter_;
  TickClock* previous_;
};
