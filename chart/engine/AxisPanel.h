#pragma once
// The chart panel with its five axes and its series: the layout of the axes, the series'
// depth rows and the repaint from the panel to the series' marks.
#include <memory>
#include <vector>

#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartPanelExtended.h"
#include "chart/engine/RepaintPlanner.h"

class TChartSeries;

class TCustomAxisPanel : public TCustomChartPanelExtended {
  Q_OBJECT

 public:
  explicit TCustomAxisPanel(QWidget* parent = nullptr);
  ~TCustomAxisPanel() override;

  // The axes in layout and drawing order: bottom, top, left, right, depth.
  const std::vector<TCustomChartAxis*>& AxesList() const { return axesList_; }
  TChartAxis* BottomAxis() const { return bottomAxis_.get(); }
  TChartAxis* TopAxis() const { return topAxis_.get(); }
  TChartAxis* LeftAxis() const { return leftAxis_.get(); }
  TChartAxis* RightAxis() const { return rightAxis_.get(); }
  TChartDepthAxis* DepthAxis() const { return depthAxis_.get(); }

  // The series in drawing order. The chart does not own them; a series leaves the list when
  // it is destroyed or given another chart (TChartSeries::SetParentChart).
  const std::vector<TChartSeries*>& SeriesList() const { return seriesList_; }
  int SeriesCount() const { return static_cast<int>(seriesList_.size()); }
  TChartSeries* Series(int index) const { return seriesList_.at(static_cast<size_t>(index)); }
  // Appends a series (no effect when it is already in the list) and binds it to this chart.
  void AddSeries(TChartSeries* series);
  void RemoveSeries(TChartSeries* series);
  // True when at least one series is active.
  bool HasActiveSeries() const;

  bool AxisVisible() const { return axisVisible_; }
  void SetAxisVisible(bool value);
  bool View3DWalls() const { return view3DWalls_; }
  void SetView3DWalls(bool value);
  bool ClipPoints() const { return clipPoints_; }
  void SetClipPoints(bool value);
  // The planner the repaint calls to leave out the shapes and marks that later ones paint over
  // entirely; none (null) draws every shape. The picture is the same either way.
  RepaintPlanner* Planner() const { return planner_.get(); }
  void SetPlanner(std::unique_ptr<RepaintPlanner> planner) { planner_ = std::move(planner); }
  // Axes drawn before the series (otherwise after them).
  bool AxesFirst() const { return axesFirst_; }
  void SetAxesFirst(bool value);

  // The highest z order handed out in the current repaint; series raise it in CalcZOrder.
  int MaxZOrder() const { return maxZOrder_; }
  void SetMaxZOrder(int value) { maxZOrder_ = value; }
  // Depth of one series row in the current repaint.
  int SeriesDepth() const { return seriesDepth_; }

  // Whether an axis is laid out and drawn: it must be visible, and some active series must
  // be bound to it (any axis, when no series is active); the depth axis only in 3D.
  bool AxisShown(const TCustomChartAxis* axis) const;
  // The smallest or largest value of the series bound to the axis, in its direction.
  double SeriesExtreme(const TCustomChartAxis* axis, bool wantMinimum) const;
  // Thickness of the wall behind an axis (the chart with walls overrides it).
  virtual int AxisWallSize(const TCustomChartAxis* axis) const;

  // Ranges of all axes, the 3D depth, and the room of the shown axes taken off PlotRect.
  void LayOutAxes();
  // The top, left, right and bottom axes widened by their series' pixel margins.
  void ApplySeriesMargins();
  // Clipping is allowed when drawing to the screen.
  bool CanClip() const { return true; }
  // Draws every visible value of the series, inside the plot box's clip when the chart clips
  // them.
  void PaintSeriesValues(TChartSeries& series);

 protected:
  void InternalDraw() override;
  // Title and foot, drawn flat (the chart with titles overrides it).
  virtual void DrawTitlesAndLegend();
  // The walls of the 3D box (the chart with walls overrides it).
  virtual void DrawWalls();
  // Extra room that the back wall takes behind the plot in the orthogonal 3D view.
  virtual int BackWallSize() const;

 private:
  // Depth rows of the active series and their DepthSlot.
  void CalcSeriesZOrder();
  // SeriesDepth and ChartDepth from PlotWidth.
  void CalcSeriesDepth();
  // ZFront, ZBack, ZMiddle and the marks' depth of every active series.
  void CalcSeriesZRanges();
  void DrawAxes();
  // The active series' values (through the planner, when there is one), then their marks.
  void DrawSeries(TChartSeries& series);

  std::unique_ptr<TChartAxis> bottomAxis_;
  std::unique_ptr<TChartAxis> topAxis_;
  std::unique_ptr<TChartAxis> leftAxis_;
  std::unique_ptr<TChartAxis> rightAxis_;
  std::unique_ptr<TChartDepthAxis> depthAxis_;
  std::vector<TCustomChartAxis*> axesList_;
  std::vector<TChartSeries*> seriesList_;
  bool axisVisible_ = true;
  bool view3DWalls_ = true;
  bool clipPoints_ = true;
  std::unique_ptr<RepaintPlanner> planner_;
  bool axesFirst_ = true;
  int maxZOrder_ = 0;
  int seriesDepth_ = 0;
};
