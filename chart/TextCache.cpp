#include "chart/TextCache.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace {
// A font that changes its texts all the time (a clock, say) must not grow the cache without end.
constexpr qsizetype kMostTexts = 4096;
}  // namespace

TextCache::FontTexts::FontTexts(const QFont& font) : font_(font) {
  const QFontMetrics fm(font_);
  ascent_ = fm.ascent();
  height_ = fm.ascent() + fm.descent();
}

int TextCache::FontTexts::Width(const QString& text) {
  auto it = widths_.constFind(text);
  if (it != widths_.constEnd()) return *it;
  if (widths_.size() >= kMostTexts) widths_.clear();
  const int width = QFontMetrics(font_).horizontalAdvance(text);
  widths_.insert(text, width);
  return width;
}

const TextCache::FontTexts::Glyphs* TextCache::FontTexts::Pixels(const QString& text) {
  auto it = masks_.constFind(text);
  if (it == masks_.constEnd()) {
    if (masks_.size() >= kMostTexts) masks_.clear();
    it = masks_.insert(text, Rasterise(text));
  }
  return it->Whole ? &it->Pixels : nullptr;
}

// The text is drawn the way the canvas draws it (a painter without antialiasing, the baseline at
// an integer point) into a transparent image with room around the text cell for glyphs that
// reach out of it; the fully opaque pixels become the runs, and any partly covered pixel means
// the text cannot be copied this way.
TextCache::FontTexts::Mask TextCache::FontTexts::Rasterise(const QString& text) {
  const int margin = height_ + 2;
  QImage image(Width(text) + 2 * margin, height_ + 2 * margin, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font_);
    painter.setPen(Qt::black);
    painter.drawText(margin, margin + ascent_, text);
  }
  Mask mask;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width();) {
      const int alpha = qAlpha(line[x]);
      if (alpha != 0 && alpha != 255) return {};
      if (alpha == 0) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < image.width() && qAlpha(line[x]) == 255) ++x;
      const QRect run(QPoint(start - margin, y - margin), QPoint(x - 1 - margin, y - margin));
      mask.Pixels.Runs.push_back(run);
      mask.Pixels.Bounds |= run;
    }
  }
  mask.Whole = true;
  return mask;
}

TextCache::FontTexts& TextCache::For(const TCanvasFont& font, const QFont& qfont) {
  const FontKey key{font.Name, font.Height, font.Style, font.Escapement};
  auto it = fonts_.find(key);
  if (it == fonts_.end()) it = fonts_.insert(key, FontTexts(qfont));
  return *it;
}
