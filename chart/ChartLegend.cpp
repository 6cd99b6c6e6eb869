#include "chart/ChartLegend.h"

#include "chart/ChartPanel.h"

void TChartLegend::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  if (chart_ != nullptr) chart_->RequestRepaint();
}
