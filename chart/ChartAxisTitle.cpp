#include "chart/ChartAxisTitle.h"

void TChartAxisTitle::SetAngle(int value) {
  if (value == angle_) return;
  angle_ = value;
  Repaint();
}

void TChartAxisTitle::SetCaption(const QString& value) {
  if (value == caption_) return;
  caption_ = value;
  Repaint();
}

void TChartAxisTitle::Assign(const TChartAxisTitle& other) {
  SetAngle(other.angle_);
  SetCaption(other.caption_);
  SetFont(other.Font());
}
