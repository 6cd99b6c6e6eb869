#pragma once
// The series base: what the chart's repaint and its axes ask of every series. The series
// kinds fill in the point store and the drawing; the chart walks its series list through
// these operations only.
#include <QString>

class TCustomAxisPanel;
class TCustomChartAxis;

// Which horizontal axis a series uses.
enum THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis };
// Which vertical axis a series uses.
enum TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis };

class TChartSeries {
 public:
  TChartSeries();
  virtual ~TChartSeries();
  TChartSeries(const TChartSeries&) = delete;
  TChartSeries& operator=(const TChartSeries&) = delete;

  // The chart this series belongs to. Setting it moves the series from the old chart's
  // series list to the end of the new one's and re-resolves the bound axes.
  TCustomAxisPanel* ParentChart() const { return chart_; }
  void SetParentChart(TCustomAxisPanel* chart);

  bool Active() const { return active_; }
  void SetActive(bool value);

  THorizAxis HorizAxis() const { return horizAxis_; }
  void SetHorizAxis(THorizAxis value);
  TVertAxis VertAxis() const { return vertAxis_; }
  void SetVertAxis(TVertAxis value);
  // The chart's axes that HorizAxis and VertAxis name (the bottom and left axes for the
  // "both" choices); null without a chart.
  TCustomChartAxis* GetHorizAxis() const { return horizAxisObj_; }
  TCustomChartAxis* GetVertAxis() const { return vertAxisObj_; }
  // Re-reads the axis objects from the chart; the chart calls it when it attaches the series.
  void ResolveAxes();

  // True for a horizontal axis bound through HorizAxis, a vertical one through VertAxis.
  virtual bool AssociatedToAxis(const TCustomChartAxis* axis) const;
  // Whether the series is placed along axes at all (every series kind here is).
  virtual bool UseAxis() const { return true; }
  // Whether the plotted value runs along the vertical axis (the Y values carry it).
  virtual bool YMandatory() const { return true; }

  // The point store as the chart and the axes read it.
  virtual int PointCount() const = 0;
  virtual double XValue(int index) const = 0;
  // The label of point index; empty when it has none.
  virtual QString PointLabel(int index) const = 0;
  // Whether the X values are kept in order, so that the visible range can be searched.
  virtual bool XValuesOrdered() const = 0;
  virtual double XMinimum() const = 0;
  virtual double XMaximum() const = 0;
  virtual double YMinimum() const = 0;
  virtual double YMaximum() const = 0;
  // Pixels the series needs free beyond its data at each end of its axes.
  virtual void GetHorizMargins(int& left, int& right);
  virtual void GetVertMargins(int& top, int& bottom);

  // Depth rows. A series with an automatic z order takes the chart's next one; a fixed
  // z order raises the chart's highest to at least itself.
  int ZOrder() const { return zOrder_; }
  bool AutoZOrder() const { return autoZOrder_; }
  // Fixes the z order (the series keeps it in every repaint).
  void SetZOrder(int value);
  // The z order request of the repaint: the series claims its row.
  virtual void CalcZOrder();
  // True when another active series of the chart has the same z order.
  bool MoreSameZOrder() const;

  // Drawing state set by the chart in every repaint: the depth row (0 = front) and the
  // depths in pixels of its front face, middle and back face.
  int DepthSlot = 0;
  int ZFront = 0;
  int ZMiddle = 0;
  int ZBack = 0;
  // The chart hands the marks their depth (the row's middle) after setting the z range.
  virtual void SetMarkDepth(int depth);

  // First and last point to draw; -1 when nothing is visible.
  int VisibleFrom = -1;
  int VisibleTo = -1;
  // Finds VisibleFrom and VisibleTo from the bottom axis' span of the plot rectangle.
  virtual void CalcFirstLastVisibleIndex();
  // Whether the line to the first point beyond the visible range is drawn, so that the
  // visible range keeps that point.
  virtual bool DrawBetweenPoints() const { return false; }

  // Drawing hooks of the repaint, in call order.
  virtual void DoBeforeDrawChart() {}
  virtual void DoBeforeDrawValues() {}
  // Draws the visible points (inside the chart's clip region when it clips).
  virtual void PaintValues() = 0;
  // Whether the marks are drawn, and whether they are clipped to the plot box.
  virtual bool MarksVisible() const = 0;
  virtual bool MarksClip() const = 0;
  virtual void DrawMarks() = 0;
  virtual void DoAfterDrawValues() {}

  // Asks the chart to repaint when the series is active and has a chart.
  void Repaint() const;

 protected:
  // The z order found by CalcZOrder (a kind that shares rows overrides CalcZOrder).
  void TakeZOrder(int value) { zOrder_ = value; }

 private:
  TCustomAxisPanel* chart_ = nullptr;
  bool active_ = true;
  THorizAxis horizAxis_ = aBottomAxis;
  TVertAxis vertAxis_ = aLeftAxis;
  TCustomChartAxis* horizAxisObj_ = nullptr;
  TCustomChartAxis* vertAxisObj_ = nullptr;
  int zOrder_ = 0;
  bool autoZOrder_ = true;

  friend class TCustomAxisPanel;  // detaches the series when the chart goes first
};
