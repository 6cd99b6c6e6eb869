#pragma once
// ChartCanvas drawn with QPainter on a paint device (the off-screen QImage during a repaint, a
// widget in its paint event), antialiasing off, with the pixel conventions of ChartCanvas.
// Fonts come from LayoutFont; text is measured with QFontMetrics (width = horizontal advance,
// height = ascent + descent).
#include <QPainter>
#include <vector>

#include "chart/ChartCanvas.h"

class QtChartCanvas : public ChartCanvas {
 public:
  // Begins painting on the device; painting ends when the canvas is destroyed.
  explicit QtChartCanvas(QPaintDevice* device);
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
  void ClipPolygon(std::span<const TPoint> points) override;
  void ClipRectangle(const TRect& r) override;
  void Unclip() override;
  void DrawImage(int x, int y, const QImage& image) override;

 protected:
  void DrawLine(TPoint a, TPoint b) override;

 private:
  // Puts the pen mode on the painter.
  void ApplyPenMode();
  // Selects the canvas brush (or none) on the painter, with the background for patterns.
  void ApplyBrush();
  // The painter pen for solid outlines, or no pen when the canvas pen does not draw.
  void ApplySolidPen();
  // The Qt font of the canvas font (cached while the canvas font stays the same).
  const QFont& CurrentQFont();

  QPainter painter_;
  std::vector<QPoint> qpoints_;  // scratch for point lists, reused from call to call
  TCanvasFont cachedFont_;
  QFont qfont_;
  bool fontValid_ = false;
};
