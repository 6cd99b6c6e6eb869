// Drawing of one axis: title, value labels, axis line, ticks, grid and minor ticks.
#include <cmath>
#include <cstdlib>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "platform/Rounding.h"

namespace {
// No labels are drawn when a range would need this many or more.
constexpr double kMaxLabelCount = 10000;
constexpr double kLabelLimitOffset = 1e-12;
constexpr double kLabelLimitScale = 1.000000000001;
const QString kMeasureText = QStringLiteral("W");
}  // namespace

int TCustomChartAxis::DrawDepth() const { return farSide_ ? chart_->ChartDepth() : 0; }

void TCustomChartAxis::AddTickPosition(int p) {
  if (static_cast<int>(tickPositions_.size()) < kMaxTickPositions) tickPositions_.push_back(p);
}

void TCustomChartAxis::DrawAxisText(int x, int y, const QString& text, int angle) {
  TChartCanvas3D& c3 = chart_->Canvas();
  ChartCanvas& c = c3.Canvas();
  const int z = DrawDepth();
  if (angle == 0) {
    if (horizontal_) {
      c.SetTextAlign(THorizAlign::Center, farSide_ ? TVertAlign::Bottom : TVertAlign::Top);
    } else {
      const int h = c.TextHeight(kMeasureText);
      c.SetTextAlign(farSide_ ? THorizAlign::Left : THorizAlign::Right, TVertAlign::Top);
      y -= h / 2;
    }
    c3.TextOutZ(x, y, text, z);
  } else {
    // Turned text: centred along the axis, the text's bottom side on the anchor, so that it
    // reads upward left of the anchor at 90 degrees and downward right of it at 270.
    c.SetTextAlign(THorizAlign::Center, TVertAlign::Bottom);
    c3.RotatedTextOutZ(x, y, angle, text, z);
  }
  c.SetTextAlign(THorizAlign::Left, TVertAlign::Top);
}

std::vector<AxisLabel> TCustomChartAxis::PointLabels() const {
  std::vector<AxisLabel> labels;
  const TChartSeries* s = LabelledSeries();
  if (s == nullptr) return labels;
  const AxisMapping& m = mapping_;
  ChartCanvas& c = chart_->Canvas().Canvas();
  c.SetFont(labelsFont_.ToCanvasFont());
  const int gap = c.TextWidth(QStringLiteral(" "));
  const bool alongAxis = TextAlongAxis(labelsAngle_);
  int lastPixel = 0, lastHalf = 0;
  for (int i = 0; i < s->PointCount(); ++i) {
    const QString text = s->PointLabel(i);
    const double v = s->YMandatory() ? s->XValue(i) : s->YValue(i);
    if (text.isEmpty() || v < m.ShownMinimum() || v > m.ShownMaximum()) continue;
    const int p = m.ValueToPixel(v);
    const int half = (alongAxis ? c.TextWidth(text) : c.TextHeight(text)) / 2;
    if (!labels.empty() && std::abs(p - lastPixel) < lastHalf + gap + half) continue;
    labels.push_back({v, p, text});
    lastPixel = p;
    lastHalf = half;
  }
  return labels;
}

std::vector<AxisLabel> TCustomChartAxis::LabelValues(double step) const {
  std::vector<AxisLabel> labels;
  const AxisMapping& m = mapping_;
  const TAxisLabelStyle style = EffectiveLabelStyle();
  if (style == talText) return PointLabels();
  if (!(step > 0) || m.ShownMaximum() < m.ShownMinimum() || style != talValue) return labels;
  if (std::fabs(m.ShownRange() / step) >= kMaxLabelCount) return labels;
  double v = m.ShownMaximum();
  if (m.ShownMinimum() != m.ShownMaximum() && roundFirstLabel_) v = IntPart(m.ShownMaximum() / step) * step;
  while (v > m.ShownMaximum()) v -= step;
  const double limit = (m.ShownMinimum() - kLabelLimitOffset) / kLabelLimitScale;
  for (; v >= limit; v -= step) {
    const int p = m.ValueToPixel(v);
    if (labelsOnAxis_ || (m.StartPixel() < p && p < m.EndPixel())) labels.push_back({v, p});
  }
  return labels;
}

void TCustomChartAxis::DrawLabels(double step) {
  ChartCanvas& c = chart_->Canvas().Canvas();
  for (const AxisLabel& label : LabelValues(step)) {
    if (!tickOnLabelsOnly_) AddTickPosition(label.Pixel);
    if (!labels_) continue;
    if (tickOnLabelsOnly_) AddTickPosition(label.Pixel);
    c.SetFont(labelsFont_.ToCanvasFont());
    c.SetBrushStyle(TBrushStyle::Clear);
    const QString text = label.Text.isEmpty() ? FormatAxisLabel(label.Value) : label.Text;
    if (horizontal_) {
      DrawAxisText(label.Pixel, labelsPos_, text, labelsAngle_);
    } else {
      DrawAxisText(labelsPos_, label.Pixel, text, labelsAngle_);
    }
  }
}

void TCustomChartAxis::DrawAxis() {
  // Only the four side axes have a drawing; the depth axis is laid out but not drawn.
  if (depth_) return;
  ChartCanvas& c = chart_->Canvas().Canvas();
  c.SetFont(labelsFont_.ToCanvasFont());
  const double step = ComputeLabelStep();
  const TRect& plot = chart_->PlotRect();
  if (horizontal_) {
    axisLinePos_ = farSide_ ? plot.Top : plot.Bottom;
  } else {
    axisLinePos_ = farSide_ ? plot.Right : plot.Left;
  }
  if (!title_.Caption().isEmpty()) {
    c.SetFont(title_.Font().ToCanvasFont());
    c.SetBrushStyle(TBrushStyle::Clear);
    if (horizontal_) {
      DrawAxisText(mapping_.CenterPixel(), titlePos_, title_.Caption(), title_.Angle());
    } else {
      DrawAxisText(titlePos_, mapping_.CenterPixel(), title_.Caption(), title_.Angle());
    }
  }
  tickPositions_.clear();
  DrawLabels(step);
  DrawLines();
}

void TCustomChartAxis::DrawTicks(const TChartPen& pen, const std::vector<int>& positions, int offset,
                                 int length) {
  if (!pen.Visible() || length == 0) return;
  TChartCanvas3D& c3 = chart_->Canvas();
  c3.Canvas().SetPen(pen.ToCanvasPen());
  const int z = DrawDepth();
  // offset and length count away from the plot, negative values point into it; ticks outside
  // the plot start beyond the wall of a near-side axis.
  const int w = farSide_ || offset < 0 ? 0 : chart_->AxisWallSize(this);
  for (int p : positions) {
    if (horizontal_) {
      const int dir = farSide_ ? -1 : 1;
      const int start = axisLinePos_ + dir * (offset + w);
      c3.VertLineZ(p, start, start + dir * length, z);
    } else {
      const int dir = farSide_ ? 1 : -1;
      const int start = axisLinePos_ + dir * (offset + w);
      c3.HorizLineZ(start, start + dir * length, p, z);
    }
  }
}

void TCustomChartAxis::DrawGridLines(const TChartPen& pen, const std::vector<int>& positions) {
  if (!pen.Visible()) return;
  TChartCanvas3D& c3 = chart_->Canvas();
  ChartCanvas& c = c3.Canvas();
  TCanvasPen gridPen = pen.ToCanvasPen();
  if (gridPen.Color == clAutoColor) gridPen.Color = clGray;
  c.SetPen(gridPen);
  c.SetBrushStyle(TBrushStyle::Clear);
  c.SetBackMode(TBackMode::Transparent);
  const TRect& plot = chart_->PlotRect();
  const int d = chart_->ChartDepth();
  for (int p : positions) {
    if (horizontal_) {
      if (!farSide_ && d != 0) c3.DepthLine(p, axisLinePos_, 0, d);
      c3.VertLineZ(p, plot.Top, plot.Bottom, d);
    } else {
      if (!farSide_ && d != 0) c3.DepthLine(axisLinePos_, p, 0, d);
      c3.HorizLineZ(plot.Left, plot.Right, p, d);
    }
  }
  c.SetBackMode(TBackMode::Opaque);
}

std::vector<int> TCustomChartAxis::MinorTickPositions() const {
  std::vector<int> result;
  const std::vector<int>& p = tickPositions_;
  const size_t n = p.size();
  const int k = minorTickCount_;
  const auto keep = [this, &result](int q) {
    if (mapping_.StartPixel() < q && q < mapping_.EndPixel()) result.push_back(q);
  };
  if (n >= 2) {
    const double d = static_cast<double>(p[1] - p[0]) / (k + 1);
    for (int j = 1; j <= k; ++j) {
      keep(p[0] - RoundHalfEven(j * d));
      keep(p[n - 1] + RoundHalfEven(j * d));
    }
  }
  for (size_t i = 1; i < n; ++i) {
    const double d = static_cast<double>(p[i] - p[i - 1]) / (k + 1);
    for (int j = 1; j <= k; ++j) keep(p[i] - RoundHalfEven(j * d));
  }
  return result;
}

void TCustomChartAxis::DrawLines() {
  TChartCanvas3D& c3 = chart_->Canvas();
  const int w = chart_->AxisWallSize(this);
  const int wl = chart_->AxisWallSize(chart_->LeftAxis());
  const int wb = chart_->AxisWallSize(chart_->BottomAxis());
  const int z = DrawDepth();
  const int start = mapping_.StartPixel(), end = mapping_.EndPixel();
  if (axisPen_.Visible()) {
    c3.Canvas().SetPen(axisPen_.ToCanvasPen());
    if (horizontal_) {
      if (farSide_) {
        c3.HorizLineZ(start, end, axisLinePos_, z);
      } else {
        c3.HorizLineZ(start - wl, end, axisLinePos_ + w, z);
      }
    } else if (farSide_) {
      c3.VertLineZ(axisLinePos_, start, end, z);
    } else {
      c3.VertLineZ(axisLinePos_ - w, start, end + wb, z);
    }
  }
  DrawTicks(ticks_, tickPositions_, 1, tickLength_);
  if (gridCentered_) {
    std::vector<int> centred;
    for (size_t i = 1; i < tickPositions_.size(); ++i) {
      centred.push_back(RoundHalfEven((tickPositions_[i] + tickPositions_[i - 1]) * 0.5));
    }
    DrawGridLines(grid_, centred);
  } else {
    DrawGridLines(grid_, tickPositions_);
  }
  // Inner ticks start one pixel on the plot side and run into the plot.
  DrawTicks(ticksInner_, tickPositions_, -1, -tickInnerLength_);
  if (tickPositions_.empty()) return;
  const std::vector<int> minor = MinorTickPositions();
  DrawTicks(minorTicks_, minor, 1, minorTickLength_);
  DrawGridLines(minorGrid_, minor);
}
