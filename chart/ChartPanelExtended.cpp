#include "chart/ChartPanelExtended.h"

TCustomChartPanelExtended::TCustomChartPanelExtended(QWidget* parent) : TCustomChartPanel(parent) {}

void TCustomChartPanelExtended::SetGradientVisible(bool value) {
  if (value == gradientVisible_) return;
  gradientVisible_ = value;
  RequestRepaint();
}

void TCustomChartPanelExtended::SetBackImage(const QImage& value) {
  if (value == backImage_) return;
  backImage_ = value;
  RequestRepaint();
}

void TCustomChartPanelExtended::SetBackImageMode(TBackImageMode value) {
  if (value == backImageMode_) return;
  backImageMode_ = value;
  RequestRepaint();
}

void TCustomChartPanelExtended::SetBackImageInside(bool value) {
  if (value == backImageInside_) return;
  backImageInside_ = value;
  RequestRepaint();
}

void TCustomChartPanelExtended::SetAllowZoom(bool value) {
  if (value == allowZoom_) return;
  allowZoom_ = value;
  RequestRepaint();
}

void TCustomChartPanelExtended::SetAllowPanning(TPanningMode value) {
  if (value == allowPanning_) return;
  allowPanning_ = value;
  RequestRepaint();
}

void TCustomChartPanelExtended::SetAnimatedZoom(bool value) {
  if (value == animatedZoom_) return;
  animatedZoom_ = value;
  RequestRepaint();
}

void TCustomChartPanelExtended::SetAnimatedZoomSteps(int value) {
  if (value == animatedZoomSteps_) return;
  animatedZoomSteps_ = value;
  RequestRepaint();
}
