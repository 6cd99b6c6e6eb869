#pragma once
// The stored layout of the result graph's chart: where it sits in its window and the
// settings that differ from a chart's defaults (title, hidden legend, clear white back wall,
// fixed left and right scales with their titles, the axis fonts). The series are the
// window's own and are not touched.
#include "chart/Chart.h"

// Place and size of the chart in the result graph window.
inline constexpr TRect kResultGraphChartBounds{0, 0, 601, 449};

void ApplyResultGraphLayout(TChart& chart);
