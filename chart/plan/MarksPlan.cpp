#include "chart/plan/MarksPlan.h"

#include <optional>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/MarkTexts.h"
#include "chart/raster/CoverageMask.h"

bool MarksPlannable(const TChartSeries& series) {
  return !series.OnGetMarkText && !series.BeforeDrawValues && !series.AfterDrawValues;
}

// From the last mark to the first, so that the marks drawn later are in covered when an earlier one
// is looked at.
std::vector<char> HiddenMarks(TChartSeries& series, CoverageMask& covered) {
  std::vector<char> hidden;
  const int from = series.VisibleFrom, to = series.VisibleTo;
  if (from < 0 || to < from) return hidden;
  TChartCanvas3D& canvas3D = series.ParentChart()->Canvas();
  ChartCanvas& canvas = canvas3D.Canvas();
  TSeriesMarks& marks = series.Marks();
  const TCanvasFont font = canvas.Font();
  canvas.SetFont(marks.CanvasFont(canvas3D));
  MarkTexts texts(series);
  struct LaidOut {
    TPoint At;  // the point's pixel
    TSeriesMarkPosition Placed;
    TSeriesMarks::TMarkPixels Pixels;
    // The mark planned last with this text, unless its position was a custom one: its point's
    // pixel and the position it was given.
    bool HasLast = false;
    TPoint LastAt;
    TSeriesMarkPosition LastPosition;
  };
  std::vector<LaidOut> layouts;
  const bool movesAcross = marks.PixelsMoveAcross(canvas3D);
  // Many marks ask quicker of a table of what was drawn after them (box, text and arrow: some
  // forty rows each), and the bits then only for what the marks kept so far add.
  std::optional<CoverageMask::Table> later;
  if (covered.TableIsSooner(40LL * (to - from + 1))) later.emplace(covered);
  hidden.assign(size_t(to - from + 1), 0);
  for (int i = to; i >= from; --i) {
    if (series.IsNull(i)) continue;
    MeasuredText& m = texts.Of(i);
    if (m.Text.isEmpty()) continue;
    const TPoint at{series.CalcXPos(i), series.CalcYPos(i)};
    const bool shares = movesAcross && texts.SharedByValue(m);
    LaidOut* laid = shares && m.Layout >= 0 ? &layouts[size_t(m.Layout)] : nullptr;
    if (laid != nullptr && laid->HasLast && laid->LastAt == at) {
      // The same text at the same point as a mark drawn after it: that mark sets every pixel
      // this one would (the point's colour changes only the arrow's colour, not its pixels),
      // whatever lies between them.
      if (!marks.Place(i, laid->LastPosition).IsCustom) {
        hidden[size_t(i - from)] = 1;
        continue;
      }
    }
    TSeriesMarks::TMarkPixels pixels;
    TSeriesMarkPosition position;
    bool custom = false;
    if (laid != nullptr && laid->At.Y == at.Y) {
      const int dx = at.X - laid->At.X;
      position = laid->Placed;
      position.ArrowStart.X += dx;
      position.ArrowEnd.X += dx;
      position.BoxTopLeft.X += dx;
      const TSeriesMarkPosition placed = marks.Place(i, position);
      custom = placed.IsCustom;
      pixels = custom ? marks.Pixels(canvas3D, m.TextBounds, placed) : TSeriesMarks::MovedAcross(laid->Pixels, dx);
    } else {
      position = TChartSeries::MarkPositionAt(at, m.Width, m.Height);
      series.PlaceMark(position);
      const TSeriesMarkPosition placed = marks.Place(i, position);
      custom = placed.IsCustom;
      pixels = marks.Pixels(canvas3D, m.TextBounds, placed);
      if (shares && !custom) {
        if (laid == nullptr) {
          m.Layout = int(layouts.size());
          laid = &layouts.emplace_back();
        }
        laid->At = at;
        laid->Placed = placed;
        laid->Pixels = pixels;
      }
    }
    if (laid != nullptr && !custom) {
      laid->HasLast = true;
      laid->LastAt = at;
      laid->LastPosition = position;
    }
    // The text normally stands inside its box.
    const bool textInBox = Intersect(pixels.Text, pixels.Box) == pixels.Text;
    auto covers = [&](const TRect& r) { return (later && later->Covers(r)) || covered.Covers(r); };
    if (covers(pixels.Box) && (textInBox || covers(pixels.Text)) && covers(pixels.Arrow))
      hidden[size_t(i - from)] = 1;
    else
      covered.Cover(pixels.Cover);
  }
  canvas.SetFont(font);
  return hidden;
}
