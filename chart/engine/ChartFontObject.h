#pragma once
// A chart part that owns a font (titles of the chart and of the axes). Changes of the font
// or of the part's own settings ask the chart to repaint.
#include "chart/settings/ChartFont.h"

class TCustomChartPanel;

class TChartFontObject {
 public:
  explicit TChartFontObject(TCustomChartPanel* chart);
  virtual ~TChartFontObject() = default;
  TChartFontObject(const TChartFontObject&) = delete;
  TChartFontObject& operator=(const TChartFontObject&) = delete;

  TCustomChartPanel* ParentChart() const { return chart_; }
  TChartFont& Font() { return font_; }
  const TChartFont& Font() const { return font_; }
  // Copies the settings of value into this part's own font.
  void SetFont(const TChartFont& value) { font_ = value; }

 protected:
  // Asks the owning chart to repaint.
  void Repaint() const;

 private:
  TCustomChartPanel* chart_;
  TChartFont font_;
};
