#pragma once
// The texts of value marks, measured once per value for a repaint's planning of the marks.
#include <QString>
#include <bit>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/Geometry.h"

// A mark's text and what it measures.
struct MeasuredText {
  QString Text;
  int Width = 0, Height = 0;
  TRect TextBounds;
  // The planning's first layout of a mark with this text, by its index there; -1 until then.
  int Layout = -1;
};

// Measured texts by the exact value they show, its bits as the key: a table of a power-of-two
// size, searched from the slot that the top bits of the key times an odd constant name (a small
// whole number's bits end in many zeros, which the top bits of the product do not keep). The
// marks of a history repeat a few values many thousand times.
class MeasuredByValue {
 public:
  // The entry for the value, and whether it was made now (empty then).
  std::pair<MeasuredText*, bool> Find(double value) {
    if (2 * (used_ + 1) > slots_.size()) Grow();
    const uint64_t key = std::bit_cast<uint64_t>(value);
    const size_t mask = slots_.size() - 1;
    for (size_t k = Slot0(key);; k = (k + 1) & mask) {
      Slot& s = slots_[k];
      if (!s.Used) {
        s.Used = true;
        s.Key = key;
        ++used_;
        return {&s.Value, true};
      }
      if (s.Key == key) return {&s.Value, false};
    }
  }

 private:
  struct Slot {
    uint64_t Key = 0;
    bool Used = false;
    MeasuredText Value;
  };
  size_t Slot0(uint64_t key) const { return size_t((key * 0x9E3779B97F4A7C15ULL) >> (64 - bits_)); }
  void Grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_ = std::vector<Slot>(old.size() * 2);
    ++bits_;
    const size_t mask = slots_.size() - 1;
    for (Slot& s : old) {
      if (!s.Used) continue;
      size_t k = Slot0(s.Key);
      while (slots_[k].Used) k = (k + 1) & mask;
      slots_[k] = std::move(s);
    }
  }
  std::vector<Slot> slots_ = std::vector<Slot>(64);
  int bits_ = 6;  // slots_.size() == 1 << bits_
  size_t used_ = 0;
};
