#include "chart/ChartCanvas.h"

#include "platform/Rounding.h"

int PointsToPixels(int points) { return MulDiv(points, kPixelsPerInch, 72); }

int PixelsToPoints(int pixels) { return MulDiv(pixels, 72, kPixelsPerInch); }

void ChartCanvas::ResetDrawingState() {
  pen_ = TCanvasPen{};
  brush_ = TCanvasBrush{};
  font_.Color = clBlack;
  font_.Height = PointsToPixels(10);
  font_.Style = fsNone;
  font_.Escapement = 0;
  backColor_ = clWhite;
  backMode_ = TBackMode::Transparent;
}

void ChartCanvas::LineTo(int x, int y) {
  TPoint to{x, y};
  DrawLine(penPos_, to);
  penPos_ = to;
}

void ChartCanvas::Line(int x0, int y0, int x1, int y1) {
  MoveTo(x0, y0);
  LineTo(x1, y1);
}
