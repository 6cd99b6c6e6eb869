// Texts drawn from the cache of their glyph pixels against the painter drawing them: the same
// pixels for every font of the layout, styles, alignments and an opaque background, and the
// bounds the canvas gives hold every pixel a text sets.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPixmap>

#include "tests/chart/canvas/PixelImage.h"
#include "chart/canvas/QtChartCanvas.h"
#include "chart/raster/TextCache.h"
#include "platform/FontMap.h"

namespace {

struct TextCase {
  const char* name;
  QString font;
  int height;
  unsigned style;
  QString text;
  THorizAlign horizontal;
  TVertAlign vertical;
  bool opaque;
};

void Draw(ChartCanvas& canvas, const TextCase& c) {
  TCanvasFont font;
  font.Name = c.font;
  font.Height = c.height;
  font.Style = c.style;
  font.Color = clRed;
  canvas.SetFont(font);
  canvas.SetBrush({clYellow, c.opaque ? TBrushStyle::Solid : TBrushStyle::Clear});
  canvas.SetBackMode(c.opaque ? TBackMode::Opaque : TBackMode::Transparent);
  canvas.SetBackColor(clBlue);
  canvas.SetTextAlign(c.horizontal, c.vertical);
  canvas.TextOut(60, 30, c.text);
}

class TextCacheTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextCacheTest, SamePixelsAsThePainterAndInsideTheBounds) {
  const TextCase& c = GetParam();
  TextCache cache;
  QImage cached = WhiteImage(120, 60);
  TRect bounds;
  for (int repaint = 0; repaint < 2; ++repaint) {  // the second one draws from the cache
    cached = WhiteImage(120, 60);
    QtChartCanvas canvas(&cached, &cache);
    Draw(canvas, c);
    bounds = canvas.TextPixelBounds(60, 30, c.text);
  }
  QPixmap pixmap(120, 60);
  pixmap.fill(Qt::white);
  {
    QtChartCanvas painterOnly(&pixmap);
    Draw(painterOnly, c);
  }
  const QImage reference = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_FALSE(Ink(reference).empty());
  EXPECT_EQ(Ink(cached), Ink(reference));
  for (auto [x, y] : Ink(cached)) EXPECT_TRUE(bounds.Contains(x, y)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextCacheTest,
    ::testing::Values(
        TextCase{"MarkValue", kFontPMincho, 12, fsNone, "100", THorizAlign::Center, TVertAlign::Top, false},
        TextCase{"AxisLabel", kFontPGothic, 12, fsNone, "10,000", THorizAlign::Right, TVertAlign::Top, false},
        TextCase{"Japanese", kFontPGothic, 16, fsNone, "正答率(%)", THorizAlign::Left, TVertAlign::Bottom, false},
        TextCase{"FixedPitchBold", kFontGothic, 13, fsBold, "OK 12＋7", THorizAlign::Left, TVertAlign::Top, false},
        TextCase{"ItalicUnderlined", kFontPMincho, 20, fsItalic | fsUnderline, "Wjfg", THorizAlign::Center,
                 TVertAlign::Bottom, false},
        TextCase{"OpaqueBackground", kFontPMincho, 12, fsNone, "95", THorizAlign::Center, TVertAlign::Top, true}),
    [](const auto& info) { return std::string(info.param.name); });

// Texts asked for in turn, of one length or repeating after others, and more texts than the
// cache keeps: each gets its own width and glyph pixels, as a cache that saw it alone gives.
TEST(TextCache, TextsInTurnKeepTheirOwnWidthAndPixels) {
  const TextCache::FontKey font{kFontPMincho, 12, fsNone, 0};
  const QFont qfont = LayoutFont(font.Name, font.Height);
  const QFontMetrics metrics(qfont);
  TextCache cache;
  TextCache::FontTexts& texts = cache.For(font, qfont);
  std::vector<QString> turns = {"95", "96", "W", "95", "100", "96", "W", "1", "7", "3", "4", "5", "95", "96"};
  for (int k = 0; k < 5000; ++k) turns.push_back(QString::number(k));
  turns.insert(turns.end(), {"96", "95", "W"});
  for (const QString& text : turns) {
    ASSERT_EQ(texts.Width(text), metrics.horizontalAdvance(text)) << text.toStdString();
    if (text.size() > 3) continue;
    TextCache alone;
    const TextCache::FontTexts::Glyphs* own = alone.For(font, qfont).Pixels(text);
    const TextCache::FontTexts::Glyphs* got = texts.Pixels(text);
    ASSERT_TRUE(own != nullptr && got != nullptr) << text.toStdString();
    EXPECT_EQ(got->Runs, own->Runs) << text.toStdString();
  }
}

}  // namespace
