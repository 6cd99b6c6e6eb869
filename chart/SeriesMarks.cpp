#include "chart/SeriesMarks.h"

#include <algorithm>

#include "chart/ChartCanvas3D.h"
#include "chart/StoreChanged.h"
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
  TSeriesMarkPosition& stored = positions_.Position(index);
  if (stored.IsCustom)
    position = stored;
  else
    stored = position;

  ChartCanvas& canvas = canvas3D.Canvas();
  if (arrow_.Visible()) {
    TCanvasPen pen = arrow_.ToCanvasPen();
    if (pen.Color == pointColor || pen.Color == chartColor) pen.Color = chartColor == clBlack ? clWhite : clBlack;
    canvas.SetPen(pen);
    canvas.SetBrushStyle(TBrushStyle::Clear);
    canvas3D.MoveToZ(position.ArrowStart, MarkDepth);
    canvas3D.LineToZ(position.ArrowEnd, MarkDepth);
  }

  // The box stays flat and keeps its place relative to the arrow's projected end.
  const TPoint q = canvas3D.Project(position.ArrowEnd, MarkDepth);
  TPoint topLeft{q.X - (position.ArrowEnd.X - position.BoxTopLeft.X),
                 q.Y - (position.ArrowEnd.Y - position.BoxTopLeft.Y)};

  if (frame_.Visible() || !transparent_) {
    canvas.SetBrush({backColor_, transparent_ ? TBrushStyle::Clear : TBrushStyle::Solid});
    if (frame_.Visible())
      canvas.SetPen(frame_.ToCanvasPen());
    else
      canvas.ClearPen();
    canvas.Rectangle({topLeft.X, topLeft.Y, topLeft.X + position.BoxWidth, topLeft.Y + position.BoxHeight});
    if (frame_.Visible()) topLeft.Y += frame_.Width();
  }

  // No background behind the text: it stands on the box's fill.
  canvas.SetBrushStyle(TBrushStyle::Clear);
  canvas.SetBackMode(TBackMode::Transparent);
  canvas.SetTextAlign(THorizAlign::Center, TVertAlign::Top);
  const int lineHeight = canvas.TextHeight(kW);
  const int x = topLeft.X + position.BoxWidth / 2;
  ForEachLine(text, [&](int k, const QString& line) { canvas.TextOut(x, topLeft.Y + k * lineHeight, line); });
  canvas.SetTextAlign(THorizAlign::Left, TVertAlign::Top);
}
