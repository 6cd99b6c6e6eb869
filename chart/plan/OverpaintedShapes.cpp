#include "chart/plan/OverpaintedShapes.h"

bool PaintsOpaquely(const TChartPen& outline, const TChartBrush& fill) {
  return outline.Visible() && outline.Style() == TPenStyle::Solid && outline.Width() == 1 &&
         fill.Style() == TBrushStyle::Solid;
}
