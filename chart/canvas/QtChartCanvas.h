#pragma once
// ChartCanvas drawn with QPainter on a paint device (the off-screen QImage during a repaint, a
// widget in its paint event), antialiasing off, with the pixel conventions of ChartCanvas.
// Fonts come from LayoutFont; text is measured with QFontMetrics (width = horizontal advance,
// height = ascent + descent). On a 32-bit image it sets most pixels itself, without the painter,
// and takes hints (CanvasHints) of what it may leave out or copy.
#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <memory>
#include <vector>

#include "chart/canvas/CanvasHints.h"
#include "chart/canvas/ChartCanvas.h"

class FontTexts;
class ImagePixels;
class TextCache;
struct PixelDots;
struct TextGlyphs;

class QtChartCanvas : public ChartCanvas, private CanvasHints {
 public:
  // Begins painting on the device; painting ends when the canvas is destroyed. With a text cache
  // texts are measured once each, and on a 32-bit image their glyph pixels are copied from it.
  explicit QtChartCanvas(QPaintDevice* device, TextCache* texts = nullptr);
  ~QtChartCanvas() override;
  QtChartCanvas(const QtChartCanvas&) = delete;
  QtChartCanvas& operator=(const QtChartCanvas&) = delete;

  void Polyline(std::span<const TPoint> points) override;
  void Polygon(std::span<const TPoint> points) override;
  void Rectangle(const TRect& r) override;
  void FillRect(const TRect& r) override;
  void TextOut(int x, int y, const QString& text) override;
  int TextWidth(const QString& text) override;
  int TextHeight(const QString& text) override;
  // Exact when the text's glyph pixels are cached: their bounds, with the background cell.
  TRect TextPixelBounds(int x, int y, const QString& text) override;
  void ClipPolygon(std::span<const TPoint> points) override;
  void ClipRectangle(const TRect& r) override;
  void Unclip() override;
  void DrawImage(int x, int y, const QImage& image) override;
  // The hints while the canvas sets pixels itself (on a 32-bit image); null otherwise.
  CanvasHints* Hints() override;

 protected:
  void DrawLine(TPoint a, TPoint b) override;

 private:
  // Puts the pen mode on the painter.
  void ApplyPenMode();
  // Selects the canvas brush (or none) on the painter, with the background for patterns.
  void ApplyBrush();
  // True for the pens whose pixels are set one by one: width 1, and every dotted pen.
  bool ThinPen() const;
  // Whether nothing the current pen and a fill draw within the box (inclusive) would stay: the
  // direct writer's covered pixels hold all of it.
  bool Hidden(const QRect& box);
  // The painter pen for pens wider than one pixel (round ends and joins).
  void ApplyWidePen();
  // Appends the pixels of the segment a..b (end pixel left out, dots skipped) to pixels_; a
  // horizontal or vertical segment goes to runs_ as one run when solid, to dots_ when dotted.
  void AddSegmentPixels(TPoint a, TPoint b);
  // The outline through the points with the canvas pen, closed back to the first when asked.
  void StrokePath(std::span<const TPoint> points, bool closed);
  // The Qt font of the canvas font (cached while the canvas font stays the same).
  const QFont& CurrentQFont();
  // The cached texts of the canvas font; null without a cache.
  FontTexts* CurrentTexts();
  // The text's cached glyph pixels, when it can be drawn by copying them (no rotation, an image
  // to write into); null otherwise.
  const TextGlyphs* DirectTextPixels(const QString& text);
  // Sets the text's glyph pixels straight in the image when the cache has them; false when the
  // painter must draw the text.
  bool TextOutDirect(int left, int top, const QString& text);
  // The direct pixel writer when the pixels of the current pen mode can be set without the
  // painter (an image device, copy mode); null otherwise.
  ImagePixels* Direct();
  // CanvasHints: only the pixels the canvas sets itself are left out or copied; what the painter
  // draws is drawn whole.
  void LeaveOutRows(int top, int bottom) override;
  void LeaveOutColumns(int left, int top, int bottom) override;
  void LeaveOutCovered(const CoveredPixels* covered) override;
  void BeginRepeatedRows(int from, int to, int left, int right) override;
  void EndRepeatedRows() override;
  // Fills r's pixels (Left..Right-1, Top..Bottom-1) straight in the image when the brush is solid
  // and the direct writer is at hand; false when the painter must fill.
  bool FillDirect(const TRect& r);
  // Fills the polygon's inside (odd-even rule) straight in the image when the brush is solid and
  // the direct writer is at hand; false when the painter must fill.
  bool FillPolygonDirect(std::span<const TPoint> points);
  // Hands the painter's clip to the direct pixel writer.
  void SyncDirectClip();

  QPainter painter_;
  std::unique_ptr<ImagePixels> direct_;
  std::vector<QPoint> qpoints_;  // scratch for point lists, reused from call to call
  std::vector<QPoint> pixels_;   // scratch for the single pixels of a thin outline
  std::vector<QRect> runs_;      // scratch for its horizontal and vertical runs
  std::vector<PixelDots> dots_;  // scratch for the dots of its dotted rows and columns
  unsigned dotPhase_ = 0;        // position in the dot rhythm along the current outline
  TCanvasFont cachedFont_;
  QFont qfont_;
  bool fontValid_ = false;
  // The painter's composition mode, set only when it changes (a fresh painter's is SourceOver).
  QPainter::CompositionMode compositionMode_ = QPainter::CompositionMode_SourceOver;
  bool repeating_ = false;  // between BeginRepeatedRows and EndRepeatedRows, when the writer repeats
  TextCache* texts_;
  FontTexts* fontTexts_ = nullptr;  // of cachedFont_, while fontValid_
  QPolygon clipPolygon_;       // the last polygon ClipPolygon was given
  QRegion clipPolygonRegion_;  // and its region
};
