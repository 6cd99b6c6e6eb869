#pragma once
// The series base: the point store (X and Y values, colours and labels in step), the
// settings every series has, and what the chart's repaint and its axes ask of every series.
// The series kinds add their drawing; the chart walks its series list through these
// operations only.
#include <QString>
#include <functional>
#include <span>
#include <vector>

#include "chart/engine/ChartValueList.h"
#include "chart/engine/ChartValueLists.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/engine/SeriesPlan.h"
#include "chart/settings/FormatFloat.h"
#include "platform/Color.h"

struct MeasuredText;
class TChartBrush;
class TChartPen;
class TCustomAxisPanel;
class TCustomChartAxis;

// Which horizontal axis a series uses.
enum THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis };
// Which vertical axis a series uses.
enum TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis };

class TChartSeries;

// Asked before a point is added; answering false refuses the point.
using TSeriesOnBeforeAdd = std::function<bool(TChartSeries& sender)>;
// Told the index at which a point was stored.
using TSeriesOnAfterAdd = std::function<void(TChartSeries& sender, int index)>;
// Told of a series event (points cleared, values about to be drawn, values drawn).
using TSeriesNotify = std::function<void(TChartSeries& sender)>;
// May change the text of the mark of point index.
using TSeriesOnGetMarkText = std::function<void(TChartSeries& sender, int index, QString& text)>;

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
  // The chart's series list binds the series to itself as it takes it in (and to none as it lets
  // it go): the chart and the axes are set, the plan of a repaint is dropped.
  void BindChart(TCustomAxisPanel* chart);

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

  // --- settings ---
  // The colour of every point stored as clAutoColor.
  TColor SeriesColor() const { return seriesColor_; }
  void SetSeriesColor(TColor value);
  const QString& Title() const { return title_; }
  void SetTitle(const QString& value);
  // Pattern of the mark texts (see FormatFloat).
  const QString& ValueFormat() const { return valueFormat_; }
  void SetValueFormat(const QString& value);
  TSeriesMarks& Marks() { return marks_; }
  const TSeriesMarks& Marks() const { return marks_; }

  // --- point store ---
  // X values ("X", ascending) and Y values ("Y", no order), listed in ValuesList.
  TChartValueList& XValues() { return xValues_; }
  const TChartValueList& XValues() const { return xValues_; }
  TChartValueList& YValues() { return yValues_; }
  const TChartValueList& YValues() const { return yValues_; }
  const TChartValueLists& ValuesList() const { return valuesList_; }

  // Stores a point: x is placed by the X values' order at index k, y, the colour and the
  // label go to k as well. Answers k, or -1 when OnBeforeAdd refused the point. Only asks
  // the chart to repaint, so a run of additions is drawn once.
  virtual int AddPoint(double x, double y, const QString& label = QString(), TColor color = clAutoColor);
  // Drops every point and every stored mark position.
  virtual void ClearPoints();

  // The point store as the chart and the axes read it.
  virtual int PointCount() const { return xValues_.Count(); }
  virtual double XValue(int index) const { return xValues_.ValueAt(index); }
  virtual double YValue(int index) const { return yValues_.ValueAt(index); }
  // The label of point index; empty when it has none.
  virtual QString PointLabel(int index) const { return labels_[static_cast<size_t>(index)]; }
  // The colour of point index: SeriesColor for clAutoColor or beyond the stored colours;
  // clNone marks a null point.
  TColor ValueColor(int index) const {
    if (index < 0 || index >= static_cast<int>(colors_.size())) return seriesColor_;
    const TColor c = colors_[static_cast<size_t>(index)];
    return c == clAutoColor ? seriesColor_ : c;
  }
  bool IsNull(int index) const { return ValueColor(index) == clNone; }
  // Whether the X values are kept in order, so that the visible range can be searched.
  virtual bool XValuesOrdered() const { return xValues_.Order() != loNone; }
  // The value ranges the series needs on its axes; 0 for an empty series.
  virtual double XMinimum() const;
  virtual double XMaximum() const;
  virtual double YMinimum() const;
  virtual double YMaximum() const;
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
  virtual void SetMarkDepth(int depth) { marks_.MarkDepth = depth; }

  // First and last point to draw; -1 when nothing is visible.
  int VisibleFrom = -1;
  int VisibleTo = -1;
  // How many points VisibleFrom..VisibleTo holds; 0 when none is visible.
  size_t VisibleCount() const {
    return VisibleFrom >= 0 && VisibleTo >= VisibleFrom ? size_t(VisibleTo - VisibleFrom + 1) : 0;
  }
  // Finds VisibleFrom and VisibleTo from the bottom axis' span of the plot rectangle.
  virtual void CalcFirstLastVisibleIndex();
  // Whether the line to the first point beyond the visible range is drawn, so that the
  // visible range keeps that point.
  virtual bool DrawBetweenPoints() const { return false; }

  // Drawing hooks of the repaint, in call order.
  virtual void DoBeforeDrawChart() {}
  // Runs BeforeDrawValues.
  virtual void DoBeforeDrawValues();
  // The plan of the repaint's planner for the series' drawing (none when null: every shape and
  // every mark is drawn). The planner sets it before the series are drawn and clears it after.
  const SeriesPlan* Plan() const { return plan_; }
  void SetPlan(const SeriesPlan* plan) { plan_ = plan; }
  // Draws the visible points (inside the chart's clip region when it clips) with PaintValue,
  // left to right, or right to left when DrawValuesForward says so; the shapes the plan leaves
  // out are passed by.
  virtual void PaintValues();
  // PaintValues for the points not marked in hidden (by index - VisibleFrom, one for each visible
  // point, or none: every point drawn).
  void PaintValuesBut(std::span<const char> hidden);
  // Whether the marks are drawn, and whether they are clipped to the plot box.
  virtual bool MarksVisible() const { return marks_.Visible(); }
  virtual bool MarksClip() const { return marks_.Clip(); }
  // Draws the marks of the visible points, left to right, but those the plan leaves out; null
  // points and empty texts get none.
  virtual void DrawMarks();
  // Runs AfterDrawValues.
  virtual void DoAfterDrawValues();

  // Draws one point; the base draws nothing.
  virtual void PaintValue(int) {}
  // Whether every shape PaintValues draws sets its pixels in solid colours whatever the canvas'
  // state before, so the pixels it sets are known by drawing it elsewhere; the base says no.
  virtual bool ValuesPaintOpaquely() const { return false; }
  // Draws the mark of point index at a computed position, moved first by PlaceMark.
  void PaintMark(int index, const QString& text, TSeriesMarkPosition& position);
  // Moves a mark's computed position to where the kind draws it; the base leaves it. How far
  // it moves a position does not depend on where the position stands across: the planning of
  // the marks moves one placed mark sideways for the others of its text at its height.
  virtual void PlaceMark(TSeriesMarkPosition&) {}
  // The computed position of a mark with a box of the size at the point's pixel p.
  static TSeriesMarkPosition MarkPositionAt(TPoint p, int boxWidth, int boxHeight);
  // The value a mark shows: the Y value.
  virtual double MarkValue(int index) const { return YValue(index); }
  // The text of the mark of point index by Marks.Style, then OnGetMarkText.
  QString MarkText(int index) const;
  // Whether every mark's text is made from its value alone: no handler changes it and no point
  // has a label it would show.
  bool MarksShowValuesOnly() const { return !OnGetMarkText && (marks_.Style() != smsLabel || labelled_ == 0); }
  // Whether point index has a label of its own in the store.
  bool HasOwnLabel(int index) const { return !labels_[size_t(index)].isEmpty(); }
  // Makes the text of point index's mark into m and measures it in the canvas' current font.
  void MeasureMark(int index, const TNumberSeparators& separators, MeasuredText& m);
  // Pixel of point index on the bound horizontal and vertical axis.
  virtual int CalcXPos(int index) const;
  virtual int CalcYPos(int index) const;
  // The pixels of point index's X and Y value on the bound axes: the ones kept, or computed.
  int XPixel(int index) const {
    const size_t k = size_t(index - keptFrom_);
    return k < keptX_.size() ? keptX_[k] : ConvertedXPixel(index);
  }
  int YPixel(int index) const {
    const size_t k = size_t(index - keptFrom_);
    return k < keptY_.size() ? keptY_[k] : ConvertedYPixel(index);
  }
  // Keeps each visible point's X and Y pixel while a repaint's passes run over the visible points
  // with the axes fixed: every value is converted once, not once a pass. DropPixels forgets them
  // before the axes change.
  void KeepPixels();
  void DropPixels();
  // Whether PaintValues runs left to right.
  virtual bool DrawValuesForward() const { return true; }

  // --- mouse ---
  // The index of the first visible point (of the last repaint) that a press at the chart
  // pixel (x, y) hits, or -1; the base hits nothing.
  virtual int Clicked(int x, int y) const;
  // 0 for the chart's own cursor; otherwise the Qt::CursorShape shown over a point.
  int Cursor() const { return cursor_; }
  void SetCursor(int value) { cursor_ = value; }
  virtual void MouseMove(int, int) {}
  virtual void MouseRelease(int, int) {}
  // Told of a click or double click on point index.
  std::function<void(TChartSeries& sender, int index)> OnClick;
  std::function<void(TChartSeries& sender, int index)> OnDblClick;

  // Events, unassigned by default.
  TSeriesOnBeforeAdd OnBeforeAdd;
  TSeriesOnAfterAdd OnAfterAdd;
  TSeriesNotify OnClearValues;
  TSeriesOnGetMarkText OnGetMarkText;
  TSeriesNotify BeforeDrawValues;
  TSeriesNotify AfterDrawValues;

  // Asks the chart to repaint when the series is active and has a chart.
  void Repaint() const;

 protected:
  // The z order found by CalcZOrder (a kind that shares rows overrides CalcZOrder).
  void TakeZOrder(int value) { zOrder_ = value; }
  // MarkText with the separators read once for a whole paint.
  QString MarkTextWith(int index, const TNumberSeparators& separators) const;
  // The computed position of a mark with a box of the size at point index (CalcXPos, CalcYPos).
  TSeriesMarkPosition MarkPositionAt(int index, int boxWidth, int boxHeight) const;
  // The values' shapes the plan leaves out (see SeriesPlan::HiddenValues).
  std::span<const char> HiddenValues() const { return plan_ != nullptr ? plan_->HiddenValues() : std::span<const char>(); }

 private:
  TCustomAxisPanel* chart_ = nullptr;
  bool active_ = true;
  THorizAxis horizAxis_ = aBottomAxis;
  TVertAxis vertAxis_ = aLeftAxis;
  TCustomChartAxis* horizAxisObj_ = nullptr;
  TCustomChartAxis* vertAxisObj_ = nullptr;
  int zOrder_ = 0;
  bool autoZOrder_ = true;

  int cursor_ = 0;
  TColor seriesColor_ = clAutoColor;
  QString title_;
  QString valueFormat_ = QStringLiteral("#,##0.###");
  TSeriesMarks marks_;
  TChartValueList xValues_;
  TChartValueList yValues_;
  TChartValueLists valuesList_;
  std::vector<TColor> colors_;
  std::vector<QString> labels_;  // a null string for a point without label
  size_t labelled_ = 0;          // how many points have a label
  const SeriesPlan* plan_ = nullptr;
  // Point index's X and Y value converted by its axis now.
  int ConvertedXPixel(int index) const;
  int ConvertedYPixel(int index) const;
  // KeepPixels' pixels, from keptFrom_ on.
  std::vector<int> keptX_, keptY_;
  int keptFrom_ = 0;
};

// Whether shapes drawn with this outline and fill set every pixel they touch opaquely: a solid
// one-pixel outline and a solid fill.
bool PaintsOpaquely(const TChartPen& outline, const TChartBrush& fill);
