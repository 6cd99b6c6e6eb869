#pragma once
// A font as a chart setting: a layout font name, a pixel height, a colour and style flags.
// Its owner is told of every change; assigning copies the settings and keeps the target's
// callback.
#include <QString>
#include <functional>

#include "chart/canvas/ChartCanvas.h"
#include "platform/Color.h"

class TChartFont {
 public:
  TChartFont();
  TChartFont(const QString& name, int pixelHeight, TColor color);
  TChartFont(const TChartFont& other);
  TChartFont& operator=(const TChartFont& other);

  // The chart's default font: "ＭＳ Ｐ明朝", 9 points (12 pixels), black.
  static TChartFont ChartDefault();

  const QString& Name() const { return name_; }
  void SetName(const QString& value);
  // Character height in pixels.
  int Height() const { return height_; }
  void SetHeight(int value);
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  // TFontStyle flags.
  unsigned Style() const { return style_; }
  void SetStyle(unsigned value);

  // The canvas font it selects (unrotated).
  TCanvasFont ToCanvasFont() const;

  std::function<void()> OnChange;

  friend bool operator==(const TChartFont& a, const TChartFont& b) {
    return a.name_ == b.name_ && a.height_ == b.height_ && a.color_ == b.color_ && a.style_ == b.style_;
  }

 private:
  void Changed() const {
    if (OnChange) OnChange();
  }

  QString name_;
  int height_;
  TColor color_;
  unsigned style_ = fsNone;
};
