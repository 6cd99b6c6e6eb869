#include "chart/plan/AsideDrawings.h"

#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "chart/canvas/ChartCanvas3D.h"
#include "chart/canvas/QtChartCanvas.h"

const QImage& AsideDrawings::Draw(TChartCanvas3D& canvas, size_t slot, const QRect& reach,
                                  const std::function<void()>& draw) {
  if (asides_.size() <= slot) asides_.resize(slot + 1);
  Aside& slotted = asides_[slot];
  QImage& aside = slotted.Image;
  const QSize size = canvas.Bitmap().size();
  if (aside.size() != size) {
    aside = QImage(size, QImage::Format_RGB32);
    slotted.Clear = false;
  }
  if (!slotted.Clear) std::memset(aside.bits(), 0, size_t(aside.sizeInBytes()));
  slotted.Clear = false;
  slotted.Reach = reach & aside.rect();
  QtChartCanvas asideCanvas(&aside, canvas.Texts());
  canvas.DrawOn(asideCanvas, draw);
  return aside;
}

// The bitmap's painter writes straight into the image's memory too, so the copy lands in order
// with what it has drawn. Four pixels at a time: where the aside pixel is zero the bitmap's stays,
// elsewhere the aside's replaces it (zero bits or'ed with the aside's own); the aside is zeroed on
// the way.
void AsideDrawings::Put(TChartCanvas3D& canvas, size_t slot) {
  Aside& slotted = asides_.at(slot);
  QImage& aside = slotted.Image;
  QImage& bitmap = canvas.BitmapPixels();
  if (aside.size() != bitmap.size() || bitmap.format() != QImage::Format_RGB32) return;
  const QRect& reach = slotted.Reach;
  const int w = reach.width();
  for (int y = reach.top(); y <= reach.bottom(); ++y) {
    auto* from = reinterpret_cast<QRgb*>(aside.scanLine(y)) + reach.left();
    auto* to = reinterpret_cast<QRgb*>(bitmap.scanLine(y)) + reach.left();
    int x = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; x + 4 <= w; x += 4) {
      const __m128i f = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + x));
      const __m128i keep = _mm_cmpeq_epi32(f, zero);
      const __m128i t = _mm_loadu_si128(reinterpret_cast<const __m128i*>(to + x));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(to + x), _mm_or_si128(_mm_and_si128(keep, t), f));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(from + x), zero);
    }
#endif
    for (; x < w; ++x) {
      if (from[x] != 0) to[x] = from[x];
      from[x] = 0;
    }
  }
  slotted.Clear = true;
}
