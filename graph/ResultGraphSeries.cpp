#include "graph/ResultGraphSeries.h"

#include "platform/FontMap.h"

namespace {
constexpr int kMarksFontPixels = 12;
}  // namespace

void ApplyResultGraphSeriesLayout(TBarSeries& series1, TLineSeries& series2) {
  const TChartFont marksFont(kFontPMincho, kMarksFontPixels, clBlack);

  series1.SetTitle(QStringLiteral("正答率"));
  series1.SetSeriesColor(clRed);
  series1.Marks().SetVisible(true);
  series1.Marks().SetArrowLength(20);
  series1.Marks().SetFont(marksFont);

  series2.SetTitle(QStringLiteral("所要時間"));
  series2.SetSeriesColor(clBlue);
  series2.SetVertAxis(aRightAxis);
  series2.Marks().SetVisible(false);
  series2.Marks().SetArrowLength(8);
  series2.Marks().SetFont(marksFont);
  series2.Pointer().SetVisible(false);
  series2.Pointer().SetStyle(psRectangle);
  series2.Pointer().SetInflateMargins(true);
}
