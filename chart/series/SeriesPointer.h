#pragma once
// The point symbol of a line series: a small box around each point.
#include <functional>

#include "chart/settings/ChartBrush.h"
#include "chart/settings/ChartPen.h"

class TChartCanvas3D;

enum TSeriesPointerStyle { psRectangle };

class TSeriesPointer {
 public:
  // Every change of a setting (the pen and the brush included) calls onChange.
  explicit TSeriesPointer(std::function<void()> onChange);
  TSeriesPointer(const TSeriesPointer&) = delete;
  TSeriesPointer& operator=(const TSeriesPointer&) = delete;

  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  TSeriesPointerStyle Style() const { return style_; }
  void SetStyle(TSeriesPointerStyle value);
  // Half the symbol's width and height in pixels.
  int HorizSize() const { return horizSize_; }
  void SetHorizSize(int value);
  int VertSize() const { return vertSize_; }
  void SetVertSize(int value);
  // Whether the axes keep room for the symbols at the ends of the data.
  bool InflateMargins() const { return inflateMargins_; }
  void SetInflateMargins(bool value);
  bool Dark3D() const { return dark3D_; }
  void SetDark3D(bool value);
  // A box as deep as the series' row instead of a flat square at its front.
  bool Draw3D() const { return draw3D_; }
  void SetDraw3D(bool value);
  TChartPen& Pen() { return pen_; }
  const TChartPen& Pen() const { return pen_; }
  // The symbol's fill; clAutoColor takes the point's colour.
  TChartBrush& Brush() { return brush_; }
  const TChartBrush& Brush() const { return brush_; }

  // Draws the symbol centred on the chart point (x, y) of a row from z0 to z1.
  void Draw(TChartCanvas3D& canvas, int x, int y, TColor pointColor, int z0, int z1) const;

 private:
  void Changed() const {
    if (onChange_) onChange_();
  }

  std::function<void()> onChange_;
  bool visible_ = true;
  TSeriesPointerStyle style_ = psRectangle;
  int horizSize_ = 4;
  int vertSize_ = 4;
  bool inflateMargins_ = true;
  bool dark3D_ = true;
  bool draw3D_ = true;
  TChartPen pen_;
  TChartBrush brush_;
};
