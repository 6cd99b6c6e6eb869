#include "chart/settings/ChartBrush.h"

#include "chart/settings/StoreChanged.h"

TChartBrush& TChartBrush::operator=(const TChartBrush& other) {
  if (this == &other || *this == other) return *this;
  color_ = other.color_;
  style_ = other.style_;
  Changed();
  return *this;
}

void TChartBrush::SetColor(TColor value) {
  if (StoreChanged(color_, value)) Changed();
}

void TChartBrush::SetStyle(TBrushStyle value) {
  if (StoreChanged(style_, value)) Changed();
}
