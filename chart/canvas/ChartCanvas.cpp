#include "chart/canvas/ChartCanvas.h"

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

TPoint ChartCanvas::TextCellTopLeft(int x, int y, int width, int height) const {
  const int dx = horizAlign_ == THorizAlign::Left ? 0 : horizAlign_ == THorizAlign::Center ? -(width / 2) : -width;
  const int dy = vertAlign_ == TVertAlign::Top ? 0 : -height;
  return {x + dx, y + dy};
}

TRect ChartCanvas::TextPixelBounds(int x, int y, const QString& text) {
  const int w = TextWidth(text), h = TextHeight(text);
  if (font_.Escapement != 0) {
    const int reach = w + 2 * h;
    return {x - reach, y - reach, x + reach + 1, y + reach + 1};
  }
  const TPoint cell = TextCellTopLeft(x, y, w, h);
  return {cell.X - h, cell.Y - h, cell.X + w + h, cell.Y + 2 * h};
}
