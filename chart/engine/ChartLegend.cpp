#include "chart/engine/ChartLegend.h"

#include "chart/engine/ChartPanel.h"

void TChartLegend::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  if (chart_ != nullptr) chart_->RequestRepaint();
}
