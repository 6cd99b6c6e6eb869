#include "chart/raster/TextCache.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>

namespace {
// A font that changes its texts all the time (a clock, say) must not grow the cache without end.
constexpr size_t kMostTexts = 4096;
}  // namespace

FontTexts::FontTexts(const QFont& font) : font_(font) {
  const QFontMetrics fm(font_);
  ascent_ = fm.ascent();
  height_ = fm.ascent() + fm.descent();
}

FontTexts::Entry& FontTexts::Find(const QString& text) {
  for (const Recent& r : recent_) {
    if (r.Found != nullptr && r.Text.size() == text.size() && std::equal(text.cbegin(), text.cend(), r.Text.cbegin()))
      return *r.Found;
  }
  auto it = texts_.find(text);
  if (it == texts_.end()) {
    if (texts_.size() >= kMostTexts) {
      texts_.clear();
      recent_.fill({});
    }
    Entry entry;
    entry.Width = QFontMetrics(font_).horizontalAdvance(text);
    it = texts_.emplace(text, std::move(entry)).first;
  }
  recent_[nextRecent_] = {text, &it->second};
  nextRecent_ = (nextRecent_ + 1) % recent_.size();
  return it->second;
}

int FontTexts::Width(const QString& text) { return Find(text).Width; }

const TextGlyphs* FontTexts::Pixels(const QString& text) {
  Entry& t = Find(text);
  if (!t.Pixels) t.Pixels = Rasterise(text, t.Width);
  return t.Pixels->Whole ? &t.Pixels->Pixels : nullptr;
}

// The text is drawn the way the canvas draws it (a painter without antialiasing, the baseline at
// an integer point) into a transparent image with room around the text cell for glyphs that
// reach out of it; the fully opaque pixels become the runs, and any partly covered pixel means
// the text cannot be copied this way.
FontTexts::Mask FontTexts::Rasterise(const QString& text, int width) {
  const int margin = height_ + 2;
  QImage image(width + 2 * margin, height_ + 2 * margin, QImage::Format_ARGB32_Premultiplied);
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

TextCache::FontTexts& TextCache::For(const FontKey& key, const QFont& qfont) {
  auto it = fonts_.find(key);
  if (it == fonts_.end()) it = fonts_.insert(key, FontTexts(qfont));
  return *it;
}
