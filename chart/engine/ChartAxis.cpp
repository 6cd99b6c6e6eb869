#include "chart/engine/ChartAxis.h"

#include <cmath>
#include <ostream>

#include "chart/engine/AxisPanel.h"
#include "chart/settings/ChartException.h"
#include "chart/engine/ChartSeries.h"
#include "chart/settings/FormatFloat.h"
#include "chart/settings/StoreChanged.h"
#include "platform/Rounding.h"

namespace {
const QString kDefaultValuesFormat = QStringLiteral("#,##0.###");
// Label counts at or beyond this are not representable.
constexpr double kMaxPixelOffset = 2147483647.0;
constexpr double kSmallestStep = 1e-12;
constexpr double kSmallestSpan = 1e-10;
}  // namespace

TCustomChartAxis::TCustomChartAxis(TCustomAxisPanel* chart, bool horizontal, bool farSide, bool depth)
    : chart_(chart),
      horizontal_(horizontal),
      farSide_(farSide),
      depth_(depth),
      axisValuesFormat_(kDefaultValuesFormat),
      title_(chart) {
  const auto repaint = [this] { Repaint(); };
  labelsFont_.OnChange = repaint;
  for (TChartPen* pen : {static_cast<TChartPen*>(&axisPen_), static_cast<TChartPen*>(&ticks_),
                         static_cast<TChartPen*>(&ticksInner_), static_cast<TChartPen*>(&minorTicks_),
                         static_cast<TChartPen*>(&grid_), static_cast<TChartPen*>(&minorGrid_)}) {
    pen->OnChange = repaint;
  }
  tickPositions_.reserve(kMaxTickPositions);
}

TChartDepthAxis::TChartDepthAxis(TCustomAxisPanel* chart) : TCustomChartAxis(chart, false, true, true) {
  SetVisible(false);
}

void TCustomChartAxis::Repaint() const {
  if (chart_ != nullptr) chart_->RequestRepaint();
}

void TCustomChartAxis::Assign(const TCustomChartAxis& other) {
  if (this == &other) return;
  horizontal_ = other.horizontal_;
  farSide_ = other.farSide_;
  depth_ = other.depth_;
  automatic_ = other.automatic_;
  automaticMaximum_ = other.automaticMaximum_;
  automaticMinimum_ = other.automaticMinimum_;
  minimum_ = other.minimum_;
  maximum_ = other.maximum_;
  increment_ = other.increment_;
  inverted_ = other.inverted_;
  logarithmic_ = other.logarithmic_;
  logarithmicBase_ = other.logarithmicBase_;
  dateTimeFormat_ = other.dateTimeFormat_;
  exactDateTime_ = other.exactDateTime_;
  labelsSeparation_ = other.labelsSeparation_;
  labels_ = other.labels_;
  labelsAngle_ = other.labelsAngle_;
  labelsFont_ = other.labelsFont_;
  labelsOnAxis_ = other.labelsOnAxis_;
  labelsSize_ = other.labelsSize_;
  labelStyle_ = other.labelStyle_;
  labelsMultiLine_ = other.labelsMultiLine_;
  axisValuesFormat_ = other.axisValuesFormat_;
  roundFirstLabel_ = other.roundFirstLabel_;
  tickOnLabelsOnly_ = other.tickOnLabelsOnly_;
  axisPen_ = other.axisPen_;
  ticks_ = other.ticks_;
  tickLength_ = other.tickLength_;
  ticksInner_ = other.ticksInner_;
  tickInnerLength_ = other.tickInnerLength_;
  minorTicks_ = other.minorTicks_;
  minorTickLength_ = other.minorTickLength_;
  minorTickCount_ = other.minorTickCount_;
  grid_ = other.grid_;
  gridCentered_ = other.gridCentered_;
  minorGrid_ = other.minorGrid_;
  title_.Assign(other.title_);
  titleSize_ = other.titleSize_;
  visible_ = other.visible_;
  startPosition_ = other.startPosition_;
  endPosition_ = other.endPosition_;
  positionPercent_ = other.positionPercent_;
  FollowDirection();
  Repaint();
}

// --- settings ---

void TCustomChartAxis::SetAutomatic(bool value) {
  if (!StoreChanged(automatic_, value)) return;
  if (chart_ == nullptr || !chart_->Loading()) {
    automaticMinimum_ = value;
    automaticMaximum_ = value;
  }
  Repaint();
}

// The two ends switch Automatic off with themselves, and on only when both are on.
void TCustomChartAxis::SetAutomaticMaximum(bool value) {
  if (!StoreChanged(automaticMaximum_, value)) return;
  if (!value || automaticMinimum_) automatic_ = value;
  Repaint();
}

void TCustomChartAxis::SetAutomaticMinimum(bool value) {
  if (!StoreChanged(automaticMinimum_, value)) return;
  if (!value || automaticMaximum_) automatic_ = value;
  Repaint();
}

void TCustomChartAxis::StoreMinimum(double value) {
  if (StoreChanged(minimum_, value)) Repaint();
}

void TCustomChartAxis::StoreMaximum(double value) {
  if (StoreChanged(maximum_, value)) Repaint();
}

void TCustomChartAxis::SetMinimum(double value) {
  const bool loading = chart_ != nullptr && chart_->Loading();
  if (!loading && value > maximum_) {
    throw AxisException(QStringLiteral("軸の最小値は最大値以下でなければなりません"));
  }
  StoreMinimum(value);
}

void TCustomChartAxis::SetMaximum(double value) {
  const bool loading = chart_ != nullptr && chart_->Loading();
  if (!loading && value < minimum_) {
    throw AxisException(QStringLiteral("軸の最大値は最小値以上でなければなりません"));
  }
  StoreMaximum(value);
}

void TCustomChartAxis::SetIncrement(double value) {
  if (std::isnan(value) || value < 0) {
    throw AxisException(QStringLiteral("軸の増加単位は 0 以上でなければなりません"));
  }
  if (StoreChanged(increment_, value)) Repaint();
}

void TCustomChartAxis::SetLabelsSeparation(int value) {
  if (value < 0) throw AxisException(QStringLiteral("ラベルの間隔 % は 0 以上でなければなりません"));
  if (StoreChanged(labelsSeparation_, value)) Repaint();
}

void TCustomChartAxis::SetInverted(bool value) {
  if (!StoreChanged(inverted_, value)) return;
  FollowDirection();
  Repaint();
}
void TCustomChartAxis::SetLogarithmic(bool value) {
  if (StoreChanged(logarithmic_, value)) Repaint();
}
void TCustomChartAxis::SetLogarithmicBase(int value) {
  if (StoreChanged(logarithmicBase_, value)) Repaint();
}
void TCustomChartAxis::SetDateTimeFormat(const QString& value) {
  if (StoreChanged(dateTimeFormat_, value)) Repaint();
}
void TCustomChartAxis::SetExactDateTime(bool value) {
  if (StoreChanged(exactDateTime_, value)) Repaint();
}
void TCustomChartAxis::SetLabels(bool value) {
  if (StoreChanged(labels_, value)) Repaint();
}
void TCustomChartAxis::SetLabelsAngle(int value) {
  if (StoreChanged(labelsAngle_, value)) Repaint();
}
void TCustomChartAxis::SetLabelsOnAxis(bool value) {
  if (StoreChanged(labelsOnAxis_, value)) Repaint();
}
void TCustomChartAxis::SetLabelsSize(int value) {
  if (StoreChanged(labelsSize_, value)) Repaint();
}
void TCustomChartAxis::SetLabelStyle(TAxisLabelStyle value) {
  if (StoreChanged(labelStyle_, value)) Repaint();
}
void TCustomChartAxis::SetLabelsMultiLine(bool value) {
  if (StoreChanged(labelsMultiLine_, value)) Repaint();
}
void TCustomChartAxis::SetAxisValuesFormat(const QString& value) {
  if (StoreChanged(axisValuesFormat_, value)) Repaint();
}
void TCustomChartAxis::SetRoundFirstLabel(bool value) {
  if (StoreChanged(roundFirstLabel_, value)) Repaint();
}
void TCustomChartAxis::SetTickOnLabelsOnly(bool value) {
  if (StoreChanged(tickOnLabelsOnly_, value)) Repaint();
}
void TCustomChartAxis::SetTickLength(int value) {
  if (StoreChanged(tickLength_, value)) Repaint();
}
void TCustomChartAxis::SetTickInnerLength(int value) {
  if (StoreChanged(tickInnerLength_, value)) Repaint();
}
void TCustomChartAxis::SetMinorTickLength(int value) {
  if (StoreChanged(minorTickLength_, value)) Repaint();
}
void TCustomChartAxis::SetMinorTickCount(int value) {
  if (StoreChanged(minorTickCount_, value)) Repaint();
}
void TCustomChartAxis::SetGridCentered(bool value) {
  if (StoreChanged(gridCentered_, value)) Repaint();
}
void TCustomChartAxis::SetTitleSize(int value) {
  if (StoreChanged(titleSize_, value)) Repaint();
}
void TCustomChartAxis::SetVisible(bool value) {
  if (StoreChanged(visible_, value)) Repaint();
}
void TCustomChartAxis::SetStartPosition(double value) {
  if (StoreChanged(startPosition_, value)) Repaint();
}
void TCustomChartAxis::SetEndPosition(double value) {
  if (StoreChanged(endPosition_, value)) Repaint();
}
void TCustomChartAxis::SetPositionPercent(double value) {
  if (StoreChanged(positionPercent_, value)) Repaint();
}

// --- range and layout ---

void TCustomChartAxis::RefreshRange() {
  if (automatic_ || automaticMaximum_) maximum_ = chart_->SeriesExtreme(this, false);
  if (automatic_ || automaticMinimum_) minimum_ = chart_->SeriesExtreme(this, true);
  SetMapping(mapping_.StartPixel(), mapping_.EndPixel(), minimum_, maximum_);
}

int TCustomChartAxis::TickBandSize() const {
  int n = (axisPen_.Visible() ? axisPen_.Width() : 0) + (ticks_.Visible() ? tickLength_ : 0);
  if (minorTicks_.Visible()) n = std::max(n, minorTickLength_);
  return n;
}

bool TCustomChartAxis::TextAlongAxis(int angle) const {
  return horizontal_ ? (angle == 0 || angle == 180) : (angle == 90 || angle == 270);
}

namespace {
const QString kMeasureText = QStringLiteral("W");
}  // namespace

int TCustomChartAxis::TitleBandSize() const {
  if (titleSize_ != 0) return titleSize_;
  ChartCanvas& c = chart_->Canvas().Canvas();
  c.SetFont(title_.Font().ToCanvasFont());
  if (TextAlongAxis(title_.Angle())) return c.TextHeight(kMeasureText);
  return c.TextWidth(title_.Caption());
}

int TCustomChartAxis::LabelsBandSize() const {
  if (labelsSize_ != 0) return labelsSize_;
  ChartCanvas& c = chart_->Canvas().Canvas();
  c.SetFont(labelsFont_.ToCanvasFont());
  if (TextAlongAxis(labelsAngle_)) return c.TextHeight(kMeasureText);
  switch (EffectiveLabelStyle()) {
    case talValue:
      return WidestValueLabel();
    default:
      return 0;
  }
}

int TCustomChartAxis::WidestValueLabel() const {
  const double s = ComputeLabelStep();
  double lo = mapping_.ShownMinimum();
  double hi = mapping_.ShownMaximum();
  if (roundFirstLabel_) {
    lo = IntPart(mapping_.ShownMinimum() / s) * s;
    hi = IntPart(mapping_.ShownMaximum() / s) * s;
  }
  ChartCanvas& c = chart_->Canvas().Canvas();
  c.SetFont(labelsFont_.ToCanvasFont());
  return std::max(c.TextWidth(FormatAxisLabel(hi)), c.TextWidth(FormatAxisLabel(lo))) +
         c.TextWidth(QStringLiteral(" "));
}

void TCustomChartAxis::ReserveAxisSpace(TRect& r) {
  // Takes n off this axis' side of r and gives the new edge.
  const auto take = [this, &r](int n) {
    if (horizontal_) {
      if (farSide_) return r.Top += n;
      return r.Bottom -= n;
    }
    if (farSide_) return r.Right -= n;
    return r.Left += n;
  };
  if (!title_.Caption().isEmpty()) titlePos_ = take(TitleBandSize());
  if (labels_) labelsPos_ = take(LabelsBandSize());
  const int n = TickBandSize() + chart_->AxisWallSize(this);
  if (n > 0) take(n);
}

void TCustomChartAxis::PlaceOnPlotRect() {
  const TRect& plot = chart_->PlotRect();
  const int a = horizontal_ ? plot.Left : plot.Top;
  const double unit = (horizontal_ ? chart_->PlotWidth() : chart_->PlotHeight()) * 0.01;
  SetMapping(a + RoundHalfEven(unit * startPosition_), a + RoundHalfEven(unit * endPosition_),
             mapping_.ShownMinimum(), mapping_.ShownMaximum());
}

void TCustomChartAxis::SetMapping(int startPixel, int endPixel, double shownMinimum, double shownMaximum) {
  mapping_ = AxisMapping(startPixel, endPixel, shownMinimum, shownMaximum, horizontal_, inverted_);
}

void TCustomChartAxis::FollowDirection() {
  SetMapping(mapping_.StartPixel(), mapping_.EndPixel(), mapping_.ShownMinimum(), mapping_.ShownMaximum());
}

void TCustomChartAxis::WidenRangeForMargins(int before, int after) {
  const AxisMapping& m = mapping_;
  const AxisMapping narrowed(m.StartPixel() + before, m.EndPixel() - after, m.ShownMinimum(), m.ShownMaximum(),
                             horizontal_, inverted_);
  double a = narrowed.PixelToValue(m.StartPixel());
  double b = narrowed.PixelToValue(m.EndPixel());
  if (a > b) std::swap(a, b);
  PlaceOnPlotRect();
  SetMapping(mapping_.StartPixel(), mapping_.EndPixel(), a, b);
}

// --- labels ---

double TCustomChartAxis::ComputeLabelStep() const {
  int size = 0;
  if (chart_->Canvas().HasCanvas()) {
    ChartCanvas& c = chart_->Canvas().Canvas();
    c.SetFont(labelsFont_.ToCanvasFont());
    // Along the axis a label takes its width on a horizontal axis, its height on a vertical
    // one; a quarter turn exchanges the two.
    const bool turned = labelsAngle_ == 90 || labelsAngle_ == 270;
    if (horizontal_ != turned) {
      size = std::max(c.TextWidth(FormatAxisLabel(mapping_.ShownMinimum())),
                      c.TextWidth(FormatAxisLabel(mapping_.ShownMaximum())));
    } else {
      size = c.TextHeight(kMeasureText);
    }
  }
  int count = 1;
  if (size > 0) {
    const int spaced = labelsSeparation_ > 0 ? size + RoundHalfEven(labelsSeparation_ * 0.01 * size) : size;
    count = RoundHalfEven(static_cast<double>(mapping_.PixelLength()) / spaced);
  }
  return StepForLabelCount(count);
}

double TCustomChartAxis::StepForLabelCount(int count) const {
  if (count <= 0) return kSmallestStep;
  double step;
  if (increment_ > 0) {
    step = increment_;
  } else {
    step = std::fabs(mapping_.ShownRange()) >= 1 ? 1 : kSmallestStep;
  }
  if (labelsSeparation_ > 0) {
    long long n = static_cast<long long>(count) + 1;
    do {
      const double q = mapping_.ShownRange() / step;
      if (std::fabs(q) < kMaxPixelOffset) {
        n = RoundHalfEven(q);
        if (n > count) step = NextNiceStep(step);
      } else {
        step = NextNiceStep(step);
      }
    } while (n > count);
  }
  return std::max(step, kSmallestStep);
}

double TCustomChartAxis::NextNiceStep(double step) {
  if (step >= 10) return NextNiceStep(step * 0.1) * 10;
  if (step < 1) return NextNiceStep(step * 10) * 0.1;
  if (step < 2) return 2;
  if (step < 5) return 5;
  return 10;
}

namespace {
// Whether a series' point labels can stand on the axis: its values run across the axis and its
// first point has a label.
bool LabelsAcross(const TChartSeries& s, bool horizontalAxis) {
  return s.YMandatory() == horizontalAxis && s.PointCount() > 0 && !s.PointLabel(0).isEmpty();
}
}  // namespace

TAxisLabelStyle TCustomChartAxis::EffectiveLabelStyle() const {
  if (labelStyle_ != talAuto) return labelStyle_;
  TAxisLabelStyle style = talNone;
  for (const TChartSeries* s : chart_->SeriesList()) {
    if (!s->Active() || !s->AssociatedToAxis(this)) continue;
    if (LabelsAcross(*s, horizontal_)) return talText;
    style = talValue;
  }
  return style;
}

const TChartSeries* TCustomChartAxis::LabelledSeries() const {
  for (const TChartSeries* s : chart_->SeriesList()) {
    if (s->Active() && s->AssociatedToAxis(this) && LabelsAcross(*s, horizontal_)) return s;
  }
  return nullptr;
}

QString TCustomChartAxis::FormatAxisLabel(double value) const {
  return FormatFloat(axisValuesFormat_, value);
}

// --- range changes ---

void TCustomChartAxis::SetRange(double min, double max) {
  automatic_ = false;
  automaticMinimum_ = false;
  automaticMaximum_ = false;
  if (min > max) std::swap(min, max);
  StoreMinimum(min);
  StoreMaximum(max);
  if (maximum_ - minimum_ < kSmallestSpan) StoreMaximum(minimum_ + kSmallestSpan);
}

void TCustomChartAxis::ShiftRange(double delta, bool checkLimits) {
  if (checkLimits) {
    const bool dataBeyond = (delta > 0 && chart_->SeriesExtreme(this, false) > maximum_) ||
                            (delta < 0 && chart_->SeriesExtreme(this, true) < minimum_);
    if (!dataBeyond) return;
  }
  automatic_ = false;
  automaticMaximum_ = false;
  automaticMinimum_ = false;
  maximum_ += delta;
  minimum_ += delta;
  Repaint();
}

bool TCustomChartAxis::AxisHitTest(int x, int y) const {
  if (!chart_->AxisShown(this)) return false;
  const int along0 = std::min(mapping_.StartPixel(), mapping_.EndPixel());
  const int along1 = std::max(mapping_.StartPixel(), mapping_.EndPixel());
  int across0;
  int across1;
  if (labelsPos_ < axisLinePos_) {
    across0 = labelsPos_;
    across1 = axisLinePos_ + 3;
  } else {
    across0 = axisLinePos_ - 3;
    across1 = labelsPos_;
  }
  const TRect r = horizontal_ ? TRect{along0, across0, along1, across1} : TRect{across0, along0, across1, along1};
  return r.Contains(x, y);
}

std::ostream& operator<<(std::ostream& out, const AxisLabel& label) {
  out << label.Value << " at " << label.Pixel;
  if (!label.Text.isEmpty()) out << " \"" << label.Text.toStdString() << '"';
  return out;
}
