#pragma once
// The plan of a bar series' values. Bars of one pixel column standing on one base line: a later
// bar at least as tall sets every pixel of an earlier one again (its front, side and top cover the
// earlier box's), provided nothing shows through the later one and the view moves every corner
// alike (a zoomed view rounds each projected corner by itself, and the earlier box may then stick
// out by a pixel). And where the next bar stands on the same base line from a bar's left edge or
// right of it, it sets every pixel of its rows from its own left edge rightwards again, so the
// bar's pixels there may be left out.
#include <vector>

#include "chart/plan/PlannedSeries.h"

class TBarSeries;

class BarsPlan : public PlannedSeries {
 public:
  explicit BarsPlan(TBarSeries& bars);

  // The bars whose box, front, side and top, lies in covered, besides those that later bars of
  // their column paint over.
  void PlanCovered(const CoveredPixels& covered) override;
  void PlanValues(CanvasHints* hints) override;
  void ValuesDrawn() override;
  void BeforeShape(int index) const override;
  void AfterShape() const override;

 private:
  // The visible bars that later bars paint over entirely, by index - VisibleFrom; empty when
  // none can be.
  std::vector<char> OverpaintedBars() const;
  // Whether the bars are drawn left to right on one base line, with nothing showing through, in
  // a view that moves every corner alike and sends the depth up and right at one row per column.
  bool NextBarsCover() const;

  TBarSeries& bars_;
  std::vector<char> covered_;  // from PlanCovered; empty when not planned
  CanvasHints* hints_ = nullptr;
  bool nextCovers_ = false;
};
