#include "chart/ChartBrush.h"

TChartBrush& TChartBrush::operator=(const TChartBrush& other) {
  if (this == &other || *this == other) return *this;
  color_ = other.color_;
  style_ = other.style_;
  Changed();
  return *this;
}

void TChartBrush::SetColor(TColor value) {
  if (value == color_) return;
  color_ = value;
  Changed();
}

void TChartBrush::SetStyle(TBrushStyle value) {
  if (value == style_) return;
  style_ = value;
  Changed();
}
