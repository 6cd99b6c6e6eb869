#pragma once
// A brush as a chart setting (colour and style); its owner is told of every change.
// Assigning copies the settings and keeps the target's own change callback.
#include <functional>

#include "chart/canvas/ChartCanvas.h"
#include "platform/Color.h"

class TChartBrush {
 public:
  explicit TChartBrush(TColor color = clAutoColor, TBrushStyle style = TBrushStyle::Solid)
      : color_(color), style_(style) {}
  TChartBrush(const TChartBrush& other) : color_(other.color_), style_(other.style_) {}
  TChartBrush& operator=(const TChartBrush& other);

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle value);

  std::function<void()> OnChange;

  friend bool operator==(const TChartBrush& a, const TChartBrush& b) {
    return a.color_ == b.color_ && a.style_ == b.style_;
  }

 private:
  void Changed() const {
    if (OnChange) OnChange();
  }

  TColor color_;
  TBrushStyle style_;
};
