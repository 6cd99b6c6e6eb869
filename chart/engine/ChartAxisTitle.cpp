#include "chart/engine/ChartAxisTitle.h"

#include "chart/settings/StoreChanged.h"

void TChartAxisTitle::SetAngle(int value) {
  if (StoreChanged(angle_, value)) Repaint();
}

void TChartAxisTitle::SetCaption(const QString& value) {
  if (StoreChanged(caption_, value)) Repaint();
}

void TChartAxisTitle::Assign(const TChartAxisTitle& other) {
  SetAngle(other.angle_);
  SetCaption(other.caption_);
  SetFont(other.Font());
}
