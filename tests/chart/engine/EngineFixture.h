#pragma once
// A chart that repaints straight onto a recording canvas with fixed text metrics, and a
// series with a plain point store that logs the repaint's calls.
#include <algorithm>
#include <string>
#include <vector>

#include "chart/Chart.h"
#include "chart/engine/ChartSeries.h"
#include "chart/canvas/RecordingCanvas.h"
#include "graph/ResultGraphChart.h"

class FakeSeries : public TChartSeries {
 public:
  explicit FakeSeries(std::vector<std::string>* log = nullptr, const char* name = "s") : log_(log), name_(name) {}

  std::vector<double> X;
  std::vector<double> Y;
  std::vector<QString> Labels;
  int MarginLeft = 0, MarginRight = 0, MarginTop = 0, MarginBottom = 0;
  bool Marks = false;
  bool Ordered = true;
  bool Between = false;

  void Add(double x, double y, const QString& label = {}) {
    X.push_back(x);
    Y.push_back(y);
    Labels.push_back(label);
  }

  int PointCount() const override { return static_cast<int>(X.size()); }
  double XValue(int i) const override { return X.at(static_cast<size_t>(i)); }
  QString PointLabel(int i) const override { return Labels.at(static_cast<size_t>(i)); }
  bool XValuesOrdered() const override { return Ordered; }
  double XMinimum() const override { return X.empty() ? 0 : *std::min_element(X.begin(), X.end()); }
  double XMaximum() const override { return X.empty() ? 0 : *std::max_element(X.begin(), X.end()); }
  double YMinimum() const override { return Y.empty() ? 0 : *std::min_element(Y.begin(), Y.end()); }
  double YMaximum() const override { return Y.empty() ? 0 : *std::max_element(Y.begin(), Y.end()); }
  void GetHorizMargins(int& l, int& r) override {
    l = MarginLeft;
    r = MarginRight;
  }
  void GetVertMargins(int& t, int& b) override {
    t = MarginTop;
    b = MarginBottom;
  }
  bool DrawBetweenPoints() const override { return Between; }
  // The point every press hits (-1: none).
  int HitIndex = -1;
  int Clicked(int, int) const override { return HitIndex; }
  void SetMarkDepth(int depth) override { MarkDepth = depth; }
  int MarkDepth = -1;

  void DoBeforeDrawChart() override { Log("before-chart"); }
  void DoBeforeDrawValues() override { Log("before-values"); }
  void PaintValues() override { Log("values"); }
  bool MarksVisible() const override { return Marks; }
  bool MarksClip() const override { return false; }
  void DrawMarks() override { Log("marks"); }
  void DoAfterDrawValues() override { Log("after-values"); }

 private:
  void Log(const char* what) {
    if (log_ != nullptr) log_->push_back(name_ + ":" + what);
  }
  std::vector<std::string>* log_;
  std::string name_;
};

// A chart of the given size drawing unbuffered onto a recording canvas: each character 7
// pixels wide, every text fh pixels high.
struct RecordedChart {
  explicit RecordedChart(int width = 601, int height = 449, int fh = 14) : rec(7, fh) {
    chart.resize(width, height);
    chart.Canvas().SetBuffered(false);
  }
  void Repaint() {
    rec.ClearCalls();
    chart.Draw(&rec, {0, 0, chart.width(), chart.height()});
  }
  std::vector<RecordingCanvas::Call> Calls(RecordingCanvas::Op op) const { return rec.CallsOf(op); }
  // Every text drawn, in order.
  std::vector<QString> Texts() const {
    std::vector<QString> out;
    for (const auto& c : rec.CallsOf(RecordingCanvas::Op::TextOut)) out.push_back(c.Text);
    return out;
  }

  RecordingCanvas rec;
  TChart chart;
};

// The result graph's chart layout with its two series: rates (bars) on the bottom and left
// axes, times (line) on the bottom and right axes.
inline void LayOutAsResultGraph(TChart& chart, FakeSeries& bars, FakeSeries& line) {
  ApplyResultGraphLayout(chart);
  line.SetVertAxis(aRightAxis);
  bars.SetParentChart(&chart);
  line.SetParentChart(&chart);
}

// The result graph with an empty history on a recording canvas (text 14 high, 7 wide per
// character): PlotRect (66, 53, 519, 411), depth 16.
struct RecordedResultGraph : RecordedChart {
  RecordedResultGraph() {
    LayOutAsResultGraph(chart, bars, line);
    chart.Canvas().SetBuffered(false);
  }
  // The occurrence-th text output of text, or null.
  const RecordingCanvas::Call* Text(const QString& text, int occurrence = 0) const {
    for (const auto& c : rec.Calls()) {
      if (c.Kind == RecordingCanvas::Op::TextOut && c.Text == text && occurrence-- == 0) return &c;
    }
    return nullptr;
  }
  // Whether a line from a to b was drawn with a pen of that colour, width and style.
  bool HasLine(TPoint a, TPoint b, TColor color, int width = 1, TPenStyle style = TPenStyle::Solid) const {
    for (const auto& c : rec.Calls()) {
      if (c.Kind == RecordingCanvas::Op::Line && c.Points[0] == a && c.Points[1] == b && c.Pen.Color == color &&
          c.Pen.Width == width && c.Pen.Style == style)
        return true;
    }
    return false;
  }
  FakeSeries bars;
  FakeSeries line;
};
