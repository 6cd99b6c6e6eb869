#pragma once
// A pen as a chart setting: the canvas pen plus a Visible switch. Its owner is told of every
// change, so a chart part can ask for a repaint. Assigning one pen to another copies the
// settings and keeps the target's own change callback.
#include <functional>

#include "chart/canvas/ChartCanvas.h"
#include "platform/Color.h"

class TChartPen {
 public:
  TChartPen(TColor color = clBlack, int width = 1, TPenStyle style = TPenStyle::Solid, bool visible = true);
  TChartPen(const TChartPen& other);
  TChartPen& operator=(const TChartPen& other);
  virtual ~TChartPen() = default;

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  int Width() const { return width_; }
  void SetWidth(int value);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  // Dotted one-pixel pens draw every other pixel instead of the platform's dash pattern.
  bool SmallDots() const { return smallDots_; }
  void SetSmallDots(bool value);

  // The canvas pen it selects; a one-pixel pen with SmallDots becomes the dotted pen.
  TCanvasPen ToCanvasPen() const;

  // Called after every change of a setting.
  std::function<void()> OnChange;

  friend bool operator==(const TChartPen& a, const TChartPen& b) {
    return a.color_ == b.color_ && a.width_ == b.width_ && a.style_ == b.style_ &&
           a.visible_ == b.visible_ && a.smallDots_ == b.smallDots_;
  }

 private:
  void Changed() const;

  TColor color_;
  int width_;
  TPenStyle style_;
  bool visible_;
  bool smallDots_ = false;
};

// The axis line: black, 2 pixels.
class TChartAxisPen : public TChartPen {
 public:
  TChartAxisPen() : TChartPen(clBlack, 2) {}
  using TChartPen::operator=;
};

// Ticks: gray, 1 pixel.
class TDarkGrayPen : public TChartPen {
 public:
  TDarkGrayPen() : TChartPen(clGray, 1) {}
  using TChartPen::operator=;
};

// Grid lines: gray, 1 pixel, dotted.
class TDottedGrayPen : public TChartPen {
 public:
  TDottedGrayPen() : TChartPen(clGray, 1, TPenStyle::Dot) {}
  using TChartPen::operator=;
};

// A frame or a minor grid that is off until switched on: black, 1 pixel, not visible.
class TChartHiddenPen : public TChartPen {
 public:
  TChartHiddenPen() : TChartPen(clBlack, 1, TPenStyle::Solid, false) {}
  using TChartPen::operator=;
};
