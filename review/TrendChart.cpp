#include "review/TrendChart.h"

#include <QHelpEvent>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "platform/FontMap.h"
#include "platform/Rounding.h"

namespace {

constexpr int kFontPixels = 12;
// The scales leave this share of the data's span free above and below it, and at least the
// least margin; their ends are multiples of the step.
constexpr double kMarginShare = 0.1;
constexpr double kLeastRateMargin = 5;
constexpr double kLeastSecondsMargin = 5;
constexpr double kStep = 10;

struct Range {
  double Min;
  double Max;
};

// A scale around the values from lowest to highest, within floor..ceiling.
Range FittedRange(double lowest, double highest, double leastMargin, double floor, double ceiling) {
  const double margin = std::max((highest - lowest) * kMarginShare, leastMargin);
  return {std::max(floor, std::floor((lowest - margin) / kStep) * kStep),
          std::min(ceiling, std::ceil((highest + margin) / kStep) * kStep)};
}

QString DayText(const QDate& day) { return day.toString(QStringLiteral("yyyy/MM/dd")); }
// A day as the bottom axis names it; the axis' title gives the years.
QString DayLabel(const QDate& day) { return day.toString(QStringLiteral("M/d")); }

}  // namespace

TrendChart::TrendChart(QWidget* parent) : TChart(parent) {
  BeginLoading();
  SetView3D(false);
  Title().SetText({QStringLiteral("日ごとの推移（ドリルのみ）")});
  Legend().SetVisible(false);
  BackWall().Brush().SetColor(clWhite);

  const TChartFont font(kFontPGothic, kFontPixels, clBlack);
  for (TCustomChartAxis* axis : AxesList()) {
    axis->SetLabelsFont(font);
    axis->Title().SetFont(font);
  }
  LeftAxis()->Title().SetCaption(QStringLiteral("正答率（％）"));
  RightAxis()->Title().SetCaption(QStringLiteral("平均所要時間（秒）"));

  rate_.SetTitle(QStringLiteral("正答率"));
  rate_.SetSeriesColor(clRed);
  rate_.SetUseYOrigin(false);
  rate_.Marks().SetVisible(false);
  seconds_.SetTitle(QStringLiteral("平均所要時間"));
  seconds_.SetSeriesColor(clBlue);
  seconds_.SetVertAxis(aRightAxis);
  seconds_.Marks().SetVisible(false);
  seconds_.Pointer().SetVisible(true);
  seconds_.Pointer().SetStyle(psRectangle);
  rate_.SetParentChart(this);
  seconds_.SetParentChart(this);
  EndLoading();
  setAccessibleName(QStringLiteral("日ごとの推移"));
  setAccessibleDescription(QStringLiteral("日ごとの正答率と平均所要時間"));
}

void TrendChart::Plot(const std::vector<DayTrend>& days) {
  days_ = days;
  rate_.ClearPoints();
  seconds_.ClearPoints();
  if (days.empty()) {
    BottomAxis()->Title().SetCaption(QStringLiteral("まだドリルの記録がありません"));
    return;
  }
  for (size_t i = 0; i < days.size(); ++i) {
    rate_.AddPoint(double(i), days[i].Rate, DayLabel(days[i].Day));
    seconds_.AddPoint(double(i), days[i].Seconds);
  }
  const auto [lowRate, highRate] = std::minmax_element(days.begin(), days.end(), [](auto& a, auto& b) { return a.Rate < b.Rate; });
  const auto [fast, slow] = std::minmax_element(days.begin(), days.end(), [](auto& a, auto& b) { return a.Seconds < b.Seconds; });
  const Range rate = FittedRange(lowRate->Rate, highRate->Rate, kLeastRateMargin, 0, 100);
  const Range seconds = FittedRange(fast->Seconds, slow->Seconds, kLeastSecondsMargin, 0, HUGE_VAL);
  LeftAxis()->SetRange(rate.Min, rate.Max);
  RightAxis()->SetRange(seconds.Min, seconds.Max);
  BottomAxis()->Title().SetCaption(QStringLiteral("練習した日ごと（%1 〜 %2、%3日）")
                                       .arg(DayText(days.front().Day), DayText(days.back().Day))
                                       .arg(days.size()));
}

bool TrendChart::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return TChart::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const int i = RoundHalfEven(BottomAxis()->PixelToValue(help->pos().x()));
  if (days_.empty() || i < 0 || i >= int(days_.size()) || !PlotRect().Contains(help->pos().x(), help->pos().y())) {
    QToolTip::hideText();
    return true;
  }
  const DayTrend& day = days_[size_t(i)];
  const int seconds = RoundHalfEven(day.Seconds);
  QToolTip::showText(help->globalPos(), QStringLiteral("%1: ドリル%2回・正答率%3％・平均所要時間 %4分%5秒")
                                            .arg(DayText(day.Day))
                                            .arg(day.Drills)
                                            .arg(RoundHalfEven(day.Rate))
                                            .arg(seconds / 60)
                                            .arg(seconds % 60, 2, 10, QLatin1Char('0')),
                     this);
  return true;
}
