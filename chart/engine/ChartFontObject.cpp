#include "chart/engine/ChartFontObject.h"

#include "chart/engine/ChartPanel.h"

TChartFontObject::TChartFontObject(TCustomChartPanel* chart) : chart_(chart) {
  font_.OnChange = [this] { Repaint(); };
}

void TChartFontObject::Repaint() const {
  if (chart_ != nullptr) chart_->RequestRepaint();
}
