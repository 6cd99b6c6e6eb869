#pragma once
// An axis of the chart: turns values into pixel positions along one side of the plot
// rectangle, takes its room from that rectangle and draws its scale (line, ticks, grid,
// value labels and title) in the 3D view.
#include <QString>
#include <iosfwd>
#include <span>
#include <vector>

#include "chart/engine/AxisMapping.h"
#include "chart/engine/ChartAxisTitle.h"
#include "chart/settings/ChartFont.h"
#include "chart/settings/ChartPen.h"
#include "platform/Geometry.h"

class TCustomAxisPanel;
class TChartSeries;

enum TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };

// A label of an axis: the value and the pixel along the axis it stands at, and for a point's
// label its text (a value label's text is the formatted value).
struct AxisLabel {
  double Value;
  int Pixel;
  QString Text = {};
  friend bool operator==(const AxisLabel&, const AxisLabel&) = default;
};
// "95 at 71", or "95 at 71 "05/01"" for a point's label, for test output.
std::ostream& operator<<(std::ostream& out, const AxisLabel& label);

class TCustomChartAxis {
 public:
  // Most label positions an axis collects in one draw.
  static constexpr int kMaxTickPositions = 2000;

  TCustomChartAxis(TCustomAxisPanel* chart, bool horizontal, bool farSide, bool depth);
  virtual ~TCustomChartAxis() = default;
  TCustomChartAxis(const TCustomChartAxis&) = delete;
  TCustomChartAxis& operator=(const TCustomChartAxis&) = delete;

  // Copies every setting (pens, fonts, title and the three kind flags) from another axis.
  virtual void Assign(const TCustomChartAxis& other);

  TCustomAxisPanel* ParentChart() const { return chart_; }
  bool IsHorizontal() const { return horizontal_; }
  bool IsFarSide() const { return farSide_; }
  bool IsDepth() const { return depth_; }

  // Scale.
  bool Automatic() const { return automatic_; }
  void SetAutomatic(bool value);
  bool AutomaticMaximum() const { return automaticMaximum_; }
  void SetAutomaticMaximum(bool value);
  bool AutomaticMinimum() const { return automaticMinimum_; }
  void SetAutomaticMinimum(bool value);
  double Minimum() const { return minimum_; }
  // Raises AxisException when the value is above Maximum (not while the chart loads).
  void SetMinimum(double value);
  double Maximum() const { return maximum_; }
  // Raises AxisException when the value is below Minimum (not while the chart loads).
  void SetMaximum(double value);
  double Increment() const { return increment_; }
  // Raises AxisException for a negative value or one that is not a number.
  void SetIncrement(double value);
  bool Inverted() const { return inverted_; }
  void SetInverted(bool value);
  bool Logarithmic() const { return logarithmic_; }
  void SetLogarithmic(bool value);
  int LogarithmicBase() const { return logarithmicBase_; }
  void SetLogarithmicBase(int value);
  const QString& DateTimeFormat() const { return dateTimeFormat_; }
  void SetDateTimeFormat(const QString& value);
  bool ExactDateTime() const { return exactDateTime_; }
  void SetExactDateTime(bool value);

  // Labels.
  int LabelsSeparation() const { return labelsSeparation_; }
  // Raises AxisException for a negative value.
  void SetLabelsSeparation(int value);
  bool Labels() const { return labels_; }
  void SetLabels(bool value);
  int LabelsAngle() const { return labelsAngle_; }
  void SetLabelsAngle(int value);
  TChartFont& LabelsFont() { return labelsFont_; }
  const TChartFont& LabelsFont() const { return labelsFont_; }
  void SetLabelsFont(const TChartFont& value) { labelsFont_ = value; }
  bool LabelsOnAxis() const { return labelsOnAxis_; }
  void SetLabelsOnAxis(bool value);
  int LabelsSize() const { return labelsSize_; }
  void SetLabelsSize(int value);
  TAxisLabelStyle LabelStyle() const { return labelStyle_; }
  void SetLabelStyle(TAxisLabelStyle value);
  bool LabelsMultiLine() const { return labelsMultiLine_; }
  void SetLabelsMultiLine(bool value);
  const QString& AxisValuesFormat() const { return axisValuesFormat_; }
  void SetAxisValuesFormat(const QString& value);
  bool RoundFirstLabel() const { return roundFirstLabel_; }
  void SetRoundFirstLabel(bool value);
  bool TickOnLabelsOnly() const { return tickOnLabelsOnly_; }
  void SetTickOnLabelsOnly(bool value);

  // Lines.
  TChartPen& Axis() { return axisPen_; }
  const TChartPen& Axis() const { return axisPen_; }
  void SetAxis(const TChartPen& value) { axisPen_ = value; }
  TChartPen& Ticks() { return ticks_; }
  const TChartPen& Ticks() const { return ticks_; }
  void SetTicks(const TChartPen& value) { ticks_ = value; }
  int TickLength() const { return tickLength_; }
  void SetTickLength(int value);
  TChartPen& TicksInner() { return ticksInner_; }
  const TChartPen& TicksInner() const { return ticksInner_; }
  void SetTicksInner(const TChartPen& value) { ticksInner_ = value; }
  int TickInnerLength() const { return tickInnerLength_; }
  void SetTickInnerLength(int value);
  TChartPen& MinorTicks() { return minorTicks_; }
  const TChartPen& MinorTicks() const { return minorTicks_; }
  void SetMinorTicks(const TChartPen& value) { minorTicks_ = value; }
  int MinorTickLength() const { return minorTickLength_; }
  void SetMinorTickLength(int value);
  int MinorTickCount() const { return minorTickCount_; }
  void SetMinorTickCount(int value);
  TChartPen& Grid() { return grid_; }
  const TChartPen& Grid() const { return grid_; }
  void SetGrid(const TChartPen& value) { grid_ = value; }
  bool GridCentered() const { return gridCentered_; }
  void SetGridCentered(bool value);
  TChartPen& MinorGrid() { return minorGrid_; }
  const TChartPen& MinorGrid() const { return minorGrid_; }
  void SetMinorGrid(const TChartPen& value) { minorGrid_ = value; }

  // Title and placement.
  TChartAxisTitle& Title() { return title_; }
  const TChartAxisTitle& Title() const { return title_; }
  void SetTitle(const TChartAxisTitle& value) { title_.Assign(value); }
  int TitleSize() const { return titleSize_; }
  void SetTitleSize(int value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  double StartPosition() const { return startPosition_; }
  void SetStartPosition(double value);
  double EndPosition() const { return endPosition_; }
  void SetEndPosition(double value);
  double PositionPercent() const { return positionPercent_; }
  void SetPositionPercent(double value);

  // Computed in every repaint (pixels in unprojected chart coordinates): where the values go
  // along the axis, and across it where the axis line, the labels and the title stand.
  const AxisMapping& Mapping() const { return mapping_; }
  int AxisLinePos() const { return axisLinePos_; }
  int LabelsPos() const { return labelsPos_; }
  int TitlePos() const { return titlePos_; }
  // The pixels of the ticks of the last drawing: one per label drawn, at most kMaxTickPositions.
  const std::vector<int>& TickPositions() const { return tickPositions_; }
  // Puts a span and a shown range in place as the layout does, the values running the axis' way.
  void SetMapping(int startPixel, int endPixel, double shownMinimum, double shownMaximum);

  // Range from the series (automatic ends) or as set; the shown range starts equal to it.
  void RefreshRange();
  // Takes the title, labels and tick bands off this axis' side of r.
  void ReserveAxisSpace(TRect& r);
  // Span along the side of the chart's PlotRect.
  void PlaceOnPlotRect();
  // Narrows the span by margins in pixels (before: left or top; after: right or bottom) and
  // widens the shown range so that the data keep to the narrowed span.
  void WidenRangeForMargins(int before, int after);
  // The mapping's conversions.
  int ValueToPixel(double value) const { return mapping_.ValueToPixel(value); }
  void ValuesToPixels(std::span<const double> values, int* pixels) const { mapping_.ValuesToPixels(values, pixels); }
  double PixelToValue(int pixel) const { return mapping_.PixelToValue(pixel); }
  // The value distance between neighbouring labels.
  double ComputeLabelStep() const;
  // The labels the axis draws. Value labels for the step, from the top of the shown range down,
  // each with its pixel: those inside the span, or every one with LabelsOnAxis; none when the
  // axis would need 10,000 labels or more. Point labels (talText): those of the labelled series'
  // points within the shown range, in the points' order, leaving out a label that would come
  // closer than a space to the one before it.
  std::vector<AxisLabel> LabelValues(double step) const;
  double StepForLabelCount(int count) const;
  static double NextNiceStep(double step);
  TAxisLabelStyle EffectiveLabelStyle() const;
  QString FormatAxisLabel(double value) const;
  // Fixes the scale at min..max (swapped when given the other way round).
  void SetRange(double min, double max);
  // Moves both ends by delta; with checkLimits only towards data beyond the current end.
  void ShiftRange(double delta, bool checkLimits);
  bool AxisHitTest(int x, int y) const;

  // Band sizes of ReserveAxisSpace, measured with the chart's canvas.
  int TickBandSize() const;
  int TitleBandSize() const;
  int LabelsBandSize() const;
  int WidestValueLabel() const;

  // Draws title, labels, axis line, ticks and grid (called by the chart's repaint).
  void DrawAxis();
  // Places one label or title at the anchor (x, y) by the axis' side and the angle.
  void DrawAxisText(int x, int y, const QString& text, int angle);

 protected:
  // Asks the chart to repaint.
  void Repaint() const;

 private:
  // The mapping anew with the axis' direction (horizontal, inverted) as it is now.
  void FollowDirection();
  // Stores a value without check and repaints when it changed.
  void StoreMinimum(double value);
  void StoreMaximum(double value);
  // The depth at which this axis is drawn: 0 in front, the chart depth for far-side axes.
  int DrawDepth() const;
  // Whether a text at this angle lies along the axis (its height is measured across it).
  bool TextAlongAxis(int angle) const;
  // The first active series bound to the axis whose values run across it and whose first point
  // has a label: the series whose point labels a talText axis shows.
  const TChartSeries* LabelledSeries() const;
  std::vector<AxisLabel> PointLabels() const;
  // Draws the labels of LabelValues and collects their ticks.
  void DrawLabels(double step);
  void DrawLines();
  void DrawTicks(const TChartPen& pen, const std::vector<int>& positions, int offset, int length);
  void DrawGridLines(const TChartPen& pen, const std::vector<int>& positions);
  std::vector<int> MinorTickPositions() const;
  void AddTickPosition(int p);

  TCustomAxisPanel* chart_;
  bool horizontal_;
  bool farSide_;
  bool depth_;

  AxisMapping mapping_;
  int axisLinePos_ = 0;
  int labelsPos_ = 0;
  int titlePos_ = 0;
  std::vector<int> tickPositions_;

  bool automatic_ = true;
  bool automaticMaximum_ = true;
  bool automaticMinimum_ = true;
  double minimum_ = 0;
  double maximum_ = 0;
  double increment_ = 0;
  bool inverted_ = false;
  bool logarithmic_ = false;
  int logarithmicBase_ = 10;
  QString dateTimeFormat_;
  bool exactDateTime_ = true;

  int labelsSeparation_ = 10;
  bool labels_ = true;
  int labelsAngle_ = 0;
  TChartFont labelsFont_;
  bool labelsOnAxis_ = true;
  int labelsSize_ = 0;
  TAxisLabelStyle labelStyle_ = talAuto;
  bool labelsMultiLine_ = false;
  QString axisValuesFormat_;
  bool roundFirstLabel_ = true;
  bool tickOnLabelsOnly_ = true;

  TChartAxisPen axisPen_;
  TDarkGrayPen ticks_;
  int tickLength_ = 4;
  TDarkGrayPen ticksInner_;
  int tickInnerLength_ = 0;
  TDarkGrayPen minorTicks_;
  int minorTickLength_ = 2;
  int minorTickCount_ = 3;
  TDottedGrayPen grid_;
  bool gridCentered_ = false;
  TChartHiddenPen minorGrid_;

  TChartAxisTitle title_;
  int titleSize_ = 0;
  bool visible_ = true;
  double startPosition_ = 0;
  double endPosition_ = 100;
  double positionPercent_ = 0;
};

// The four side axes (bottom, top, left, right).
class TChartAxis : public TCustomChartAxis {
 public:
  using TCustomChartAxis::TCustomChartAxis;
};

// The depth axis: hidden unless switched on, shown only in the 3D view.
class TChartDepthAxis : public TCustomChartAxis {
 public:
  explicit TChartDepthAxis(TCustomAxisPanel* chart);
};
