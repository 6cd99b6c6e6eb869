#pragma once
// The result graph's chart with its two series, repainting straight onto a recording canvas
// whose characters are 7 pixels wide and whose texts are fh pixels high.
#include <vector>

#include "graph/ResultGraphChart.h"
#include "graph/ResultGraphSeries.h"
#include "chart/canvas/RecordingCanvas.h"

struct ResultGraph {
  explicit ResultGraph(int fh = 14) : rec(7, fh) {
    ApplyResultGraphLayout(chart);
    chart.Canvas().SetBuffered(false);
    ApplyResultGraphSeriesLayout(bars, line);
    bars.SetParentChart(&chart);
    line.SetParentChart(&chart);
  }
  // One drill: its rate as a bar, its time as a line point.
  void Add(double rate, double seconds) {
    const int i = bars.PointCount();
    bars.AddPoint(i, rate);
    line.AddPoint(i, seconds);
  }
  void Repaint() {
    rec.ClearCalls();
    chart.Draw(&rec, {0, 0, chart.width(), chart.height()});
  }
  std::vector<RecordingCanvas::Call> Calls(RecordingCanvas::Op op) const { return rec.CallsOf(op); }

  RecordingCanvas rec;
  TChart chart;
  TBarSeries bars;
  TLineSeries line;
};
