#include "chart/engine/ChartPanelExtended.h"

#include "chart/settings/StoreChanged.h"

TCustomChartPanelExtended::TCustomChartPanelExtended(QWidget* parent) : TCustomChartPanel(parent) {}

void TCustomChartPanelExtended::SetGradientVisible(bool value) {
  if (StoreChanged(gradientVisible_, value)) RequestRepaint();
}

void TCustomChartPanelExtended::SetBackImage(const QImage& value) {
  if (StoreChanged(backImage_, value)) RequestRepaint();
}

void TCustomChartPanelExtended::SetBackImageMode(TBackImageMode value) {
  if (StoreChanged(backImageMode_, value)) RequestRepaint();
}

void TCustomChartPanelExtended::SetBackImageInside(bool value) {
  if (StoreChanged(backImageInside_, value)) RequestRepaint();
}

void TCustomChartPanelExtended::SetAllowZoom(bool value) {
  if (StoreChanged(allowZoom_, value)) RequestRepaint();
}

void TCustomChartPanelExtended::SetAllowPanning(TPanningMode value) {
  if (StoreChanged(allowPanning_, value)) RequestRepaint();
}

void TCustomChartPanelExtended::SetAnimatedZoom(bool value) {
  if (StoreChanged(animatedZoom_, value)) RequestRepaint();
}

void TCustomChartPanelExtended::SetAnimatedZoomSteps(int value) {
  if (StoreChanged(animatedZoomSteps_, value)) RequestRepaint();
}
