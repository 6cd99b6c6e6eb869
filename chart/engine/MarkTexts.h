#pragma once
// The texts of a series' marks for one pass over its visible points, each with what it measures
// in the canvas' current font (the marks' one). A text that is the value's alone (no label of the
// point's own, no handler to change it) is made and measured once per value; any other is made
// anew for its point.
#include "chart/engine/ChartSeries.h"
#include "chart/engine/MeasuredByValue.h"
#include "chart/settings/FormatFloat.h"

class MarkTexts {
 public:
  explicit MarkTexts(TChartSeries& series)
      : series_(series), separators_(RegionalSeparators()), valuesOnly_(series.MarksShowValuesOnly()) {}

  // The text of point index's mark (not a null point) and its measures. A text made for its
  // point alone holds until the next such one.
  MeasuredText& Of(int index);
  // Whether the text is the one of every mark of its value.
  bool SharedByValue(const MeasuredText& text) const { return &text != &own_; }

 private:
  TChartSeries& series_;
  TNumberSeparators separators_;
  MeasuredByValue byValue_;
  MeasuredText own_;
  bool valuesOnly_;
};

// Asked once for each visible point by the drawing and the planning of the marks: inlined there.
[[gnu::always_inline]] inline MeasuredText& MarkTexts::Of(int index) {
  if (!valuesOnly_ &&
      (series_.OnGetMarkText || (series_.Marks().Style() == smsLabel && series_.HasOwnLabel(index)))) {
    series_.MeasureMark(index, separators_, own_);
    return own_;
  }
  auto [found, made] = byValue_.Find(series_.MarkValue(index));
  if (made) series_.MeasureMark(index, separators_, *found);
  return *found;
}
