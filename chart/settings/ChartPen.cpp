#include "chart/settings/ChartPen.h"

#include "chart/settings/StoreChanged.h"

TChartPen::TChartPen(TColor color, int width, TPenStyle style, bool visible)
    : color_(color), width_(width), style_(style), visible_(visible) {}

TChartPen::TChartPen(const TChartPen& other)
    : color_(other.color_),
      width_(other.width_),
      style_(other.style_),
      visible_(other.visible_),
      smallDots_(other.smallDots_) {}

TChartPen& TChartPen::operator=(const TChartPen& other) {
  if (this == &other || *this == other) return *this;
  color_ = other.color_;
  width_ = other.width_;
  style_ = other.style_;
  visible_ = other.visible_;
  smallDots_ = other.smallDots_;
  Changed();
  return *this;
}

void TChartPen::Changed() const {
  if (OnChange) OnChange();
}

void TChartPen::SetColor(TColor value) {
  if (StoreChanged(color_, value)) Changed();
}

void TChartPen::SetWidth(int value) {
  if (StoreChanged(width_, value)) Changed();
}

void TChartPen::SetStyle(TPenStyle value) {
  if (StoreChanged(style_, value)) Changed();
}

void TChartPen::SetVisible(bool value) {
  if (StoreChanged(visible_, value)) Changed();
}

void TChartPen::SetSmallDots(bool value) {
  if (StoreChanged(smallDots_, value)) Changed();
}

TCanvasPen TChartPen::ToCanvasPen() const {
  TCanvasPen pen;
  pen.Color = color_;
  pen.Width = width_;
  pen.Style = smallDots_ && width_ == 1 && style_ != TPenStyle::Clear ? TPenStyle::Dot : style_;
  pen.Visible = visible_;
  return pen;
}
