#pragma once
// The unmarked entries of a list of flags, one per point, in order. A planning marks the shapes
// and marks that later ones paint over, most of them in a dense chart; a run of marked entries is
// passed by with one search for the next unmarked one.
#include <cstddef>
#include <cstring>
#include <span>

// f(k) for each k whose flag is zero; f may change the flags from k on.
template <class F>
void ForEachUnmarked(std::span<const char> flags, F f) {
  const char* marked = flags.data();
  const size_t count = flags.size();
  for (size_t k = 0; k < count;) {
    if (marked[k] == 0) {
      f(k++);
      continue;
    }
    const void* next = std::memchr(marked + k, 0, count - k);
    k = next != nullptr ? size_t(static_cast<const char*>(next) - marked) : count;
  }
}
