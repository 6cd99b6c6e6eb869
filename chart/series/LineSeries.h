#pragma once
// Line series: the points joined by a ribbon as deep as the series' row, with an optional
// symbol at each point. A null point breaks the line; a segment that rises faster than the
// row's own slant is drawn darker so that it reads as the ribbon's underside.
#include "chart/engine/ChartSeries.h"
#include "chart/series/SeriesPointer.h"
#include "chart/settings/ChartBrush.h"
#include "chart/settings/ChartPen.h"

class TCustomSeries : public TChartSeries {
 public:
  TCustomSeries();

  TChartPen& LinePen() { return linePen_; }
  const TChartPen& LinePen() const { return linePen_; }
  // Fill style of the ribbon (its colour is the point's).
  TChartBrush& LineBrush() { return lineBrush_; }
  const TChartBrush& LineBrush() const { return lineBrush_; }
  // Darkens the segments that rise steeper than SlopeLimit.
  bool Dark3D() const { return dark3D_; }
  void SetDark3D(bool value);
  TSeriesPointer& Pointer() { return pointer_; }
  const TSeriesPointer& Pointer() const { return pointer_; }

  // Drawing state of a paint: the pixel of the previously drawn point, the colour of the
  // previously visited point, and the steepest slope drawn in the plain colour.
  TPoint PrevPoint;
  TColor PrevColor = clNone;
  double SlopeLimit = 1.0;

  // The line runs on to the first point beyond the visible range.
  bool DrawBetweenPoints() const override { return true; }
  // A point stands at its value's pixels, for every kind of line: the passes over every point
  // call these directly.
  int CalcXPos(int index) const final { return XPixel(index); }
  int CalcYPos(int index) const final { return YPixel(index); }
  // Whether a point at the pixel p is drawn at all: one farther out is left out and the line
  // joins its neighbours directly.
  static bool Drawable(TPoint p) {
    return p.X >= -kMaxDrawablePixel && p.X <= kMaxDrawablePixel && p.Y >= -kMaxDrawablePixel &&
           p.Y <= kMaxDrawablePixel;
  }
  void PaintValues() override;
  void PaintValue(int index) override;
  // At the row's front, ArrowLength above the point.
  void PlaceMark(TSeriesMarkPosition& position) override;
  // A solid one-pixel outline and a solid fill, and no point symbols.
  bool ValuesPaintOpaquely() const override;
  // Room for a visible point symbol when it inflates the margins.
  void GetHorizMargins(int& left, int& right) override;
  void GetVertMargins(int& top, int& bottom) override;
  // A press on a point of the last repaint, or inside the ribbon from a point to the next
  // (which hits the first of the two), taken back to the series' front plane.
  int Clicked(int x, int y) const override;

 protected:
  // Draws the point symbol at the pixel p.
  virtual void DrawPointer(TPoint p, TColor color);

 private:
  // The ribbon from PrevPoint to p in colour pc.
  void DrawSegment(TPoint p, TColor pc);
  // PrevPoint for the first visible point when points lie left of the view: the line's
  // height at the plot's edge, between points index - 1 and index.
  TPoint EdgePoint(int index) const;

  // Pixel positions beyond this are left out of the drawing.
  static constexpr int kMaxDrawablePixel = 32766;

  TChartPen linePen_;
  TChartBrush lineBrush_;
  bool dark3D_ = true;
  TSeriesPointer pointer_;
  bool prevInside_ = false;  // some point of this paint lay inside the drawable range
};

class TLineSeries : public TCustomSeries {
 public:
  TLineSeries();
};
