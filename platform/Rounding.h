#pragma once
// The rounding rules of the program, each under its own name. Every conversion of a real
// to an integer goes through one of these, so the rule in force is visible at the call.
#include <cmath>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// Below 2^51 in size, adding and taking away 1.5 * 2^52 leaves the nearest integer, ties to even,
// in the default rounding mode: the sum has no bits for a fraction. It is inline, where the
// library's nearbyint is a call that saves and restores the floating-point state; the chart
// rounds every projected point this way.
constexpr double kRoundHalfEvenShift = 6755399441055744.0;  // 1.5 * 2^52
inline int RoundHalfEven(double v) {
  if (std::fabs(v) < 2251799813685248.0) return static_cast<int>((v + kRoundHalfEvenShift) - kRoundHalfEvenShift);  // 2^51
  return static_cast<int>(std::nearbyint(v));
}

#if defined(__SSE2__)
// RoundHalfEven of two values at once, each below 2^51 in size, as whole reals.
inline __m128d RoundHalfEvenPair(__m128d v) {
  const __m128d shift = _mm_set1_pd(kRoundHalfEvenShift);
  return _mm_sub_pd(_mm_add_pd(v, shift), shift);
}
#endif

// Nearest integer, halves away from zero (2.5 -> 3, -2.5 -> -3).
inline int RoundHalfAwayFromZero(double v) { return static_cast<int>(std::round(v)); }

// Drops the fraction toward zero and gives an integer (Trunc).
inline int TruncToInt(double v) { return static_cast<int>(std::trunc(v)); }

// Drops the fraction toward zero and stays a real (Int).
inline double IntPart(double v) { return std::trunc(v); }

// a * b / c in 64 bits, rounded to the nearest integer with halves away from zero.
// Percentages of the panel are scaled with it. c == 0 gives -1, as the platform call does.
inline int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  int64_t num = static_cast<int64_t>(a) * b;
  int64_t den = c;
  if (den < 0) { num = -num; den = -den; }
  // Adding half the divisor before the truncating division rounds halves away from zero.
  int64_t q = (num >= 0 ? num + den / 2 : num - den / 2) / den;
  return static_cast<int>(q);
}
