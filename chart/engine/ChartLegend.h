#pragma once
// The chart's legend switch. The result graph hides its legend; a legend is not drawn by
// this chart.
class TCustomChartPanel;

class TChartLegend {
 public:
  explicit TChartLegend(TCustomChartPanel* chart) : chart_(chart) {}

  bool Visible() const { return visible_; }
  void SetVisible(bool value);

 private:
  TCustomChartPanel* chart_;
  bool visible_ = true;
};
