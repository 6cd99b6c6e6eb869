#include "chart/series/SeriesPointer.h"

#include "chart/canvas/ChartCanvas3D.h"
#include "chart/settings/StoreChanged.h"

TSeriesPointer::TSeriesPointer(std::function<void()> onChange) : onChange_(std::move(onChange)) {
  pen_.OnChange = [this] { Changed(); };
  brush_.OnChange = [this] { Changed(); };
}

void TSeriesPointer::SetVisible(bool value) {
  if (StoreChanged(visible_, value)) Changed();
}

void TSeriesPointer::SetStyle(TSeriesPointerStyle value) {
  if (StoreChanged(style_, value)) Changed();
}

void TSeriesPointer::SetHorizSize(int value) {
  if (StoreChanged(horizSize_, value)) Changed();
}

void TSeriesPointer::SetVertSize(int value) {
  if (StoreChanged(vertSize_, value)) Changed();
}

void TSeriesPointer::SetInflateMargins(bool value) {
  if (StoreChanged(inflateMargins_, value)) Changed();
}

void TSeriesPointer::SetDark3D(bool value) {
  if (StoreChanged(dark3D_, value)) Changed();
}

void TSeriesPointer::SetDraw3D(bool value) {
  if (StoreChanged(draw3D_, value)) Changed();
}

void TSeriesPointer::Draw(TChartCanvas3D& canvas3D, int x, int y, TColor pointColor, int z0, int z1) const {
  ChartCanvas& canvas = canvas3D.Canvas();
  if (pen_.Visible())
    canvas.SetPen(pen_.ToCanvasPen());
  else
    canvas.ClearPen();
  canvas.SetBrush({brush_.Color() == clAutoColor ? pointColor : brush_.Color(), brush_.Style()});
  const int left = x - horizSize_, right = x + horizSize_;
  const int top = y - vertSize_, bottom = y + vertSize_;
  if (draw3D_ && canvas3D.Is3D())
    canvas3D.Box(left, right, top, bottom, z0, z1, dark3D_);
  else
    canvas3D.RectAtZ({left, top, right, bottom}, z0);
}
