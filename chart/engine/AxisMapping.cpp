#include "chart/engine/AxisMapping.h"

#include <cmath>
#include <ostream>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/Rounding.h"

namespace {
// Offsets at or beyond this many pixels are not representable and go to the centre.
constexpr double kMaxPixelOffset = 2147483647.0;
}  // namespace

int AxisMapping::ValueToPixel(double value) const {
  const double range = ShownRange();
  if (range == 0) return CenterPixel();
  const double t = (value - minimum_) * PixelLength() / range;
  if (std::fabs(t) >= kMaxPixelOffset) return CenterPixel();
  const bool fromStart = horizontal_ != inverted_;
  return fromStart ? start_ + RoundHalfEven(t) : end_ - RoundHalfEven(t);
}

// Two values a step through the same operations, each exact in IEEE arithmetic, so each pixel is
// the one ValueToPixel gives; a pair with an offset beyond the representable goes to it.
void AxisMapping::ValuesToPixels(std::span<const double> values, int* pixels) const {
  size_t k = 0;
#if defined(__SSE2__)
  if (ShownRange() != 0) {
    const bool fromStart = horizontal_ != inverted_;
    const __m128d minimum = _mm_set1_pd(minimum_), length = _mm_set1_pd(PixelLength()), range = _mm_set1_pd(ShownRange());
    const __m128d magnitude = _mm_castsi128_pd(_mm_set1_epi64x(0x7fffffffffffffffLL)), limit = _mm_set1_pd(kMaxPixelOffset);
    for (; k + 2 <= values.size(); k += 2) {
      const __m128d t = _mm_div_pd(_mm_mul_pd(_mm_sub_pd(_mm_loadu_pd(values.data() + k), minimum), length), range);
      if (_mm_movemask_pd(_mm_cmplt_pd(_mm_and_pd(t, magnitude), limit)) != 3) {
        pixels[k] = ValueToPixel(values[k]);
        pixels[k + 1] = ValueToPixel(values[k + 1]);
        continue;
      }
      const __m128i whole = _mm_cvttpd_epi32(RoundHalfEvenPair(t));
      const int first = _mm_cvtsi128_si32(whole), second = _mm_cvtsi128_si32(_mm_srli_si128(whole, 4));
      pixels[k] = fromStart ? start_ + first : end_ - first;
      pixels[k + 1] = fromStart ? start_ + second : end_ - second;
    }
  }
#endif
  for (; k < values.size(); ++k) pixels[k] = ValueToPixel(values[k]);
}

double AxisMapping::PixelToValue(int pixel) const {
  if (PixelLength() <= 0) return 0;
  const int from = inverted_ ? end_ : start_;
  const double t = static_cast<double>(inverted_ ? from - pixel : pixel - from) * ShownRange() / PixelLength();
  return horizontal_ ? minimum_ + t : maximum_ - t;
}

std::ostream& operator<<(std::ostream& out, const AxisMapping& m) {
  const bool up = !m.Horizontal() && !m.Inverted(), right = m.Horizontal() && !m.Inverted();
  return out << "pixels " << m.StartPixel() << ".." << m.EndPixel() << " show " << m.ShownMinimum() << ".."
             << m.ShownMaximum() << (right ? " rightwards" : up ? " upwards" : m.Horizontal() ? " leftwards" : " downwards");
}
