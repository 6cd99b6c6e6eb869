#include "chart/engine/ChartWall.h"

#include "chart/engine/ChartPanel.h"
#include "chart/settings/StoreChanged.h"

TCustomChartWall::TCustomChartWall(TCustomChartPanel* chart) : chart_(chart) {
  brush_.OnChange = [this] { Repaint(); };
  pen_.OnChange = [this] { Repaint(); };
}

void TCustomChartWall::Repaint() const {
  if (chart_ != nullptr) chart_->RequestRepaint();
}

void TCustomChartWall::SetColor(TColor value) {
  if (StoreChanged(color_, value)) Repaint();
}

void TCustomChartWall::SetDark3D(bool value) {
  if (StoreChanged(dark3D_, value)) Repaint();
}

void TCustomChartWall::SetSize(int value) {
  if (StoreChanged(size_, value)) Repaint();
}

void TCustomChartWall::PrepareCanvas() const {
  ChartCanvas& c = chart_->Canvas().Canvas();
  if (pen_.Visible()) {
    c.SetPen(pen_.ToCanvasPen());
  } else {
    c.ClearPen();
  }
  const TBrushStyle style = brush_.Style();
  if (color_ == clAutoColor && style == TBrushStyle::Solid) {
    c.SetBrushStyle(TBrushStyle::Clear);
    return;
  }
  const TColor fill = ColorToRGB(color_);
  c.SetBrush({fill, style});
  if (style == TBrushStyle::Solid || style == TBrushStyle::Clear) {
    c.SetBackMode(TBackMode::Transparent);
    return;
  }
  // A pattern in the fill colour itself would vanish: it is drawn in black (white on black)
  // over an opaque background of the brush colour.
  const TColor patternBack = ColorToRGB(brush_.Color());
  if (patternBack == fill) c.SetBrushColor(fill == clBlack ? clWhite : clBlack);
  c.SetBackColor(patternBack);
  c.SetBackMode(TBackMode::Opaque);
}
