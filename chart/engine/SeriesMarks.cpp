#include "chart/engine/SeriesMarks.h"

#include <algorithm>

#include "chart/canvas/ChartCanvas3D.h"
#include "chart/settings/StoreChanged.h"
#include "platform/Rounding.h"

namespace {

const QString kW = QStringLiteral("W");
constexpr QChar kLineBreak = u'\r';

// Calls f(lineIndex, line) for every line of text; a text without line breaks is passed on as
// it is, so the usual one-line mark costs no copy.
template <typename F>
void ForEachLine(const QString& text, F f) {
  if (!text.contains(kLineBreak)) {
    f(0, text);
    return;
  }
  const QStringList lines = text.split(kLineBreak);
  for (int k = 0; k < lines.size(); ++k) f(k, lines[k]);
}

}  // namespace

TSeriesMarks::TSeriesMarks(std::function<void()> onChange) : onChange_(std::move(onChange)) {
  arrow_.OnChange = [this] { Changed(); };
  frame_.OnChange = [this] { Changed(); };
  font_.OnChange = [this] { Changed(); };
}

void TSeriesMarks::SetVisible(bool value) {
  if (StoreChanged(visible_, value)) Changed();
}

void TSeriesMarks::SetStyle(TSeriesMarksStyle value) {
  if (StoreChanged(style_, value)) Changed();
}

void TSeriesMarks::SetArrowLength(int value) {
  if (StoreChanged(arrowLength_, value)) Changed();
}

void TSeriesMarks::SetBackColor(TColor value) {
  if (StoreChanged(backColor_, value)) Changed();
}

void TSeriesMarks::SetTransparent(bool value) {
  if (StoreChanged(transparent_, value)) Changed();
}

void TSeriesMarks::SetClip(bool value) {
  if (StoreChanged(clip_, value)) Changed();
}

TCanvasFont TSeriesMarks::CanvasFont(const TChartCanvas3D& canvas) const {
  TCanvasFont font = font_.ToCanvasFont();
  if (canvas.Is3D() && canvas.TextZoom() && canvas.ZoomScale() != 1.0) {
    const int points = std::max(1, RoundHalfEven(PixelsToPoints(font.Height) * canvas.ZoomScale()));
    font.Height = PointsToPixels(points);
  }
  return font;
}

void TSeriesMarks::MeasureBox(ChartCanvas& canvas, const QString& text, int& width, int& height) const {
  int widest = 0;
  int lines = 0;
  ForEachLine(text, [&](int, const QString& line) {
    widest = std::max(widest, canvas.TextWidth(line));
    ++lines;
  });
  width = widest + canvas.TextWidth(kW);
  height = lines * canvas.TextHeight(kW);
  if (frame_.Visible()) {
    width += 2 * frame_.Width();
    height += 2 * frame_.Width();
  }
}

void TSeriesMarks::DrawItem(TChartCanvas3D& canvas3D, TColor chartColor, int index, TColor pointColor,
                            const QString& text, TSeriesMarkPosition position) {
  Paint(canvas3D, chartColor, pointColor, text, Place(index, position));
}

// The box stays flat and keeps its place relative to the arrow's projected end.
TSeriesMarks::TLayout TSeriesMarks::LayOut(const TChartCanvas3D& canvas3D, const TSeriesMarkPosition& placed) const {
  TLayout l;
  l.ArrowFrom = canvas3D.Project(placed.ArrowStart, MarkDepth);
  l.ArrowTo = canvas3D.Project(placed.ArrowEnd, MarkDepth);
  const TPoint topLeft{l.ArrowTo.X - (placed.ArrowEnd.X - placed.BoxTopLeft.X),
                       l.ArrowTo.Y - (placed.ArrowEnd.Y - placed.BoxTopLeft.Y)};
  l.Box = {topLeft.X, topLeft.Y, topLeft.X + placed.BoxWidth, topLeft.Y + placed.BoxHeight};
  l.Text = {topLeft.X + placed.BoxWidth / 2, topLeft.Y + (frame_.Visible() ? frame_.Width() : 0)};
  return l;
}

void TSeriesMarks::Paint(TChartCanvas3D& canvas3D, TColor chartColor, TColor pointColor, const QString& text,
                         const TSeriesMarkPosition& placed) {
  ChartCanvas& canvas = canvas3D.Canvas();
  const TLayout l = LayOut(canvas3D, placed);
  if (arrow_.Visible()) {
    TCanvasPen pen = arrow_.ToCanvasPen();
    if (pen.Color == pointColor || pen.Color == chartColor) pen.Color = chartColor == clBlack ? clWhite : clBlack;
    canvas.SetPen(pen);
    canvas.SetBrushStyle(TBrushStyle::Clear);
    canvas.MoveTo(l.ArrowFrom);
    canvas.LineTo(l.ArrowTo);
  }

  if (DrawsBox()) {
    canvas.SetBrush({backColor_, transparent_ ? TBrushStyle::Clear : TBrushStyle::Solid});
    if (frame_.Visible())
      canvas.SetPen(frame_.ToCanvasPen());
    else
      canvas.ClearPen();
    canvas.Rectangle(l.Box);
  }

  // No background behind the text: it stands on the box's fill.
  canvas.SetBrushStyle(TBrushStyle::Clear);
  canvas.SetBackMode(TBackMode::Transparent);
  canvas.SetTextAlign(THorizAlign::Center, TVertAlign::Top);
  const int lineHeight = canvas.TextHeight(kW);
  ForEachLine(text, [&](int k, const QString& line) { canvas.TextOut(l.Text.X, l.Text.Y + k * lineHeight, line); });
  canvas.SetTextAlign(THorizAlign::Left, TVertAlign::Top);
}

TSeriesMarks::TMarkPixels TSeriesMarks::Pixels(const TChartCanvas3D& canvas3D, const TRect& textBounds,
                                               const TSeriesMarkPosition& placed) const {
  const TLayout l = LayOut(canvas3D, placed);
  TMarkPixels pixels;
  if (arrow_.Visible()) {
    // A wide pen reaches half its width around the line, rounded ends included.
    const int reach = arrow_.Width() / 2 + 1;
    pixels.Arrow = {std::min(l.ArrowFrom.X, l.ArrowTo.X) - reach, std::min(l.ArrowFrom.Y, l.ArrowTo.Y) - reach,
                    std::max(l.ArrowFrom.X, l.ArrowTo.X) + reach + 1, std::max(l.ArrowFrom.Y, l.ArrowTo.Y) + reach + 1};
  }
  if (DrawsBox()) {
    const int reach = frame_.Visible() && frame_.Width() > 1 ? frame_.Width() / 2 + 1 : 0;
    pixels.Box = {l.Box.Left - reach, l.Box.Top - reach, l.Box.Right + reach, l.Box.Bottom + reach};
    if (BoxCovers(canvas3D)) pixels.Cover = l.Box;
  }
  pixels.Text = {textBounds.Left + l.Text.X, textBounds.Top + l.Text.Y, textBounds.Right + l.Text.X,
                 textBounds.Bottom + l.Text.Y};
  return pixels;
}

bool TSeriesMarks::BoxCovers(const TChartCanvas3D& canvas3D) const {
  return !transparent_ && canvas3D.Canvas().PenMode() == TPenMode::Copy;
}

bool TSeriesMarks::PixelsMoveAcross(const TChartCanvas3D& canvas3D) const {
  return !canvas3D.Is3D() || canvas3D.ZoomScale() == 1.0;
}

// The text as Paint writes it: brush clear, transparent, centred and top-aligned.
TRect TSeriesMarks::TextBounds(ChartCanvas& canvas, const QString& text) const {
  const TCanvasBrush brush = canvas.Brush();
  const TBackMode backMode = canvas.BackMode();
  const THorizAlign horizontal = canvas.HorizAlign();
  const TVertAlign vertical = canvas.VertAlign();
  canvas.SetBrushStyle(TBrushStyle::Clear);
  canvas.SetBackMode(TBackMode::Transparent);
  canvas.SetTextAlign(THorizAlign::Center, TVertAlign::Top);
  const int lineHeight = canvas.TextHeight(kW);
  TRect bounds;
  ForEachLine(text, [&](int k, const QString& line) {
    bounds = Union(bounds, canvas.TextPixelBounds(0, k * lineHeight, line));
  });
  canvas.SetBrush(brush);
  canvas.SetBackMode(backMode);
  canvas.SetTextAlign(horizontal, vertical);
  return bounds;
}
