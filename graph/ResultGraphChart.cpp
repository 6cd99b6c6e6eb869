#include "graph/ResultGraphChart.h"

#include "platform/FontMap.h"

namespace {
constexpr int kAxisFontPixels = 12;
}  // namespace

void ApplyResultGraphLayout(TChart& chart) {
  chart.BeginLoading();
  chart.setGeometry(kResultGraphChartBounds.Left, kResultGraphChartBounds.Top,
                    kResultGraphChartBounds.Width(), kResultGraphChartBounds.Height());
  chart.Title().SetText({QStringLiteral("結果グラフ")});
  chart.Legend().SetVisible(false);
  chart.BackWall().Brush().SetColor(clWhite);
  chart.BackWall().Brush().SetStyle(TBrushStyle::Clear);

  const TChartFont axisFont(kFontPMincho, kAxisFontPixels, clBlack);
  for (TCustomChartAxis* axis : chart.AxesList()) {
    axis->SetLabelsFont(axisFont);
    axis->Title().SetFont(axisFont);
  }

  TChartAxis& left = *chart.LeftAxis();
  left.SetAutomatic(false);
  left.SetAutomaticMaximum(false);
  left.SetAutomaticMinimum(false);
  left.SetMaximum(100);
  left.Title().SetCaption(QStringLiteral("正答率（％）"));

  TChartAxis& right = *chart.RightAxis();
  right.SetAutomatic(false);
  right.SetAutomaticMaximum(false);
  right.SetAutomaticMinimum(false);
  right.SetMaximum(300);
  right.SetMinimum(100);
  right.Title().SetCaption(QStringLiteral("所要時間（秒）"));
  chart.EndLoading();
}
