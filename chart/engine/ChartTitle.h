#pragma once
// The chart's title or foot: lines of text laid out against the top or the bottom of the
// plot rectangle, optionally in a framed, filled box. It takes its room from PlotRect.
#include <QStringList>

#include "chart/settings/ChartBrush.h"
#include "chart/engine/ChartFontObject.h"
#include "chart/settings/ChartPen.h"
#include "platform/Geometry.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TChartTitle : public TChartFontObject {
 public:
  // Gap in pixels between a title with lines and the plot.
  static constexpr int TitleGap = 5;

  explicit TChartTitle(TCustomChartPanel* chart);

  bool AdjustFrame() const { return adjustFrame_; }
  void SetAdjustFrame(bool value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TChartBrush& Brush() { return brush_; }
  const TChartBrush& Brush() const { return brush_; }
  void SetBrush(const TChartBrush& value) { brush_ = value; }
  // clAutoColor: no box fill of its own.
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  TChartPen& Frame() { return frame_; }
  const TChartPen& Frame() const { return frame_; }
  void SetFrame(const TChartPen& value) { frame_ = value; }
  const QStringList& Text() const { return text_; }
  void SetText(const QStringList& value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);

  // The area of the last layout, for hit tests.
  const TRect& TitleBounds() const { return bounds_; }

  // Draws the lines against the top (isFoot false) or the bottom of plot and takes their room
  // from it.
  void Draw(TRect& plot, bool isFoot);

 private:
  // The steps of Draw: the box's fill on the canvas, the box (of the lines' area, or as wide as
  // the widest line with AdjustFrame), the lines. wWidth: the width of "W" in the font.
  void SelectFill(ChartCanvas& c) const;
  void DrawBox(ChartCanvas& c, const TRect& area, int wWidth) const;
  void DrawLines(ChartCanvas& c, const TRect& area, int lineHeight, int wWidth) const;

  bool adjustFrame_ = true;
  TAlignment alignment_ = taCenter;
  TChartBrush brush_;
  TColor color_ = clAutoColor;
  TChartHiddenPen frame_;
  QStringList text_;
  bool visible_ = true;
  TRect bounds_;
};
