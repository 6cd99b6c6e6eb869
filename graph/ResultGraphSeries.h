#pragma once
// The stored layout of the result graph's two series: the correct rates as red bars with
// their value marks on the left scale, the drill times as a blue ribbon on the right scale.
#include "chart/series/BarSeries.h"
#include "chart/series/LineSeries.h"

// Settings of Series1 (bars) and Series2 (line) that differ from their kinds' defaults.
// Attach them to the chart afterwards, Series1 first.
void ApplyResultGraphSeriesLayout(TBarSeries& series1, TLineSeries& series2);
