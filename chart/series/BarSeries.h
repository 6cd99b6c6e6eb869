#pragma once
// Bar series: one shaded 3D box per point, from the series' origin up (or down) to the
// value, with its mark above the bar. Bar series of one kind stand side by side in one row.
#include <algorithm>

#include "chart/engine/ChartSeries.h"
#include "chart/settings/ChartBrush.h"
#include "chart/settings/ChartPen.h"

enum TBarStyle { bsRectangle };

// How bar series of one kind share a point: each in its own depth row, or side by side.
enum TMultiBar { mbNone, mbSide };

class TCustomBarSeries : public TChartSeries {
 public:
  TCustomBarSeries();

  // Share of the room per point a bar takes, 1 to 100 (BarException otherwise).
  int BarWidthPercent() const { return barWidthPercent_; }
  void SetBarWidthPercent(int value);
  // Shift of the bars by a share of their width, -100 to 100 (BarException otherwise).
  int OffsetPercent() const { return offsetPercent_; }
  void SetOffsetPercent(int value);
  // Keeps half a room free beyond the first and the last point.
  bool SideMargins() const { return sideMargins_; }
  void SetSideMargins(bool value);
  TBarStyle BarStyle() const { return barStyle_; }
  void SetBarStyle(TBarStyle value);
  // Shades the side and the top of a bar darker than its front.
  bool Dark3D() const { return dark3D_; }
  void SetDark3D(bool value);
  TMultiBar MultiBar() const { return multiBar_; }
  void SetMultiBar(TMultiBar value);
  // Bars stand on YOrigin (otherwise on the bottom of the vertical axis).
  bool UseYOrigin() const { return useYOrigin_; }
  void SetUseYOrigin(bool value);
  double YOrigin() const { return yOrigin_; }
  void SetYOrigin(double value);
  // Room per point from the axis range instead of the point count.
  bool AutoBarSize() const { return autoBarSize_; }
  void SetAutoBarSize(bool value);
  // A fixed bar width in pixels; 0 computes it.
  int CustomBarWidth() const { return customBarWidth_; }
  void SetCustomBarWidth(int value);
  TChartPen& BarPen() { return barPen_; }
  const TChartPen& BarPen() const { return barPen_; }
  // The fill of the bars; its colour gives way to the point's colour.
  TChartBrush& BarBrush() { return barBrush_; }
  const TChartBrush& BarBrush() const { return barBrush_; }

  // The bar width of the current layout, in pixels (set by ComputeBarWidth).
  int BarPixelWidth = 0;
  // The bar being drawn and its colour.
  TRect BarBounds;
  TColor NormalBarColor = clNone;

  // Bar series of the same kind in the chart: either is an instance of the other's class.
  bool SameFamily(const TChartSeries& other) const;
  // Active bar series of the same kind in the chart (this one included), and this one's
  // place among them from 1.
  int NumSameFamily() const;
  int OrderInFamily() const;

  // BarPixelWidth from the bottom axis' length, the point count and BarWidthPercent.
  void ComputeBarWidth();

  // Reaches down (or up) to YOrigin with UseYOrigin.
  double YMinimum() const override;
  double YMaximum() const override;
  // Side-by-side bars take the row of the first earlier bar series of their kind.
  void CalcZOrder() override;
  // Right to left when the bottom axis is inverted.
  bool DrawValuesForward() const override;

 protected:
  // Whether s is an instance of this series' class; each bar class answers for itself.
  virtual bool IsInstanceOfMyClass(const TChartSeries& s) const;
  // Text height of the marks, for the room the marks take above the bars.
  virtual int MarkTextHeight() const = 0;

 private:
  int barWidthPercent_ = 70;
  int offsetPercent_ = 0;
  bool sideMargins_ = true;
  TBarStyle barStyle_ = bsRectangle;
  bool dark3D_ = true;
  TMultiBar multiBar_ = mbSide;
  bool useYOrigin_ = true;
  double yOrigin_ = 0;
  bool autoBarSize_ = false;
  int customBarWidth_ = 0;
  TChartPen barPen_;
  TChartBrush barBrush_;
};

class TBarSeries : public TCustomBarSeries {
 public:
  TBarSeries() = default;

  // The left edge of the bar of point index, and the pixel of its value, for every kind of bar:
  // the passes over every bar call these directly.
  int CalcXPos(int index) const final { return XPixel(index) + barShift_; }
  int CalcYPos(int index) const final { return YPixel(index); }
  // The bar of point index in chart pixels, before the projection: BarPixelWidth wide from its
  // left edge, from its value's pixel to the origin's (Top <= Bottom), as the paint, the click
  // test and the planner take it. origin is OriginPixel(), asked once for a pass over many bars.
  TRect BarRect(int index, int origin) const {
    const int left = CalcXPos(index), y = CalcYPos(index);
    return {left, std::min(y, origin), left + BarPixelWidth, std::max(y, origin)};
  }
  TRect BarRect(int index) const { return BarRect(index, OriginPixel()); }
  // The origin's pixel on the vertical axis: YOrigin, or the axis' end without UseYOrigin.
  int OriginPixel() const;
  // The pixels from a point's X pixel to its bar's left edge, for the current layout.
  void ComputeBarShift();
  void PaintValue(int index) override;
  // The shaded box of point index between the pixels top and bottom (top <= bottom).
  virtual void PaintBar(int index, int top, int bottom);
  // Over the middle of the bar's top (below the bar when it hangs from its origin).
  void PlaceMark(TSeriesMarkPosition& position) override;
  // A solid one-pixel outline and a solid fill.
  bool ValuesPaintOpaquely() const override;
  // The bar width on either side, from ComputeBarWidth.
  void GetHorizMargins(int& left, int& right) override;
  // Room for the marks beyond the bars' ends.
  void GetVertMargins(int& top, int& bottom) override;
  void PaintValues() override;
  // A press on a bar of the last repaint, taken back to the series' front plane.
  int Clicked(int x, int y) const override;

 protected:
  bool IsInstanceOfMyClass(const TChartSeries& s) const override;
  int MarkTextHeight() const override;

 private:
  int barShift_ = 0;  // ComputeBarShift's
};
