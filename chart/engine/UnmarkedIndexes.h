#pragma once
// The unmarked entries of a list of flags, one per point, in order. A planning marks the shapes
// and marks that later ones paint over, most of them in a dense chart; a run of marked entries is
// passed by with one search for the next unmarked one.
#include <cstddef>
#include <cstring>
#include <span>

// f(k) for each k below count whose flag is zero, every k when there are no flags (else there is
// one for each k); f may change the flags from k on.
template <class F>
void ForEachUnmarked(std::span<const char> flags, size_t count, F f) {
  if (flags.empty()) {
    for (size_t k = 0; k < count; ++k) f(k);
    return;
  }
  const char* marked = flags.data();
  for (size_t k = 0; k < count;) {
    if (marked[k] == 0) {
      f(k++);
      continue;
    }
    const void* next = std::memchr(marked + k, 0, count - k);
    k = next != nullptr ? size_t(static_cast<const char*>(next) - marked) : count;
  }
}
