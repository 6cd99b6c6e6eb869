#pragma once
// The value marks of a series: a box with the point's text, joined to the point by an arrow.
// The series computes where a mark stands; the marks measure and draw it.
#include <QString>
#include <functional>

#include "chart/settings/ChartFont.h"
#include "chart/settings/ChartPen.h"
#include "chart/engine/SeriesMarksPositions.h"

class TChartCanvas3D;
class ChartCanvas;

enum TSeriesMarksStyle {
  smsValue,  // the point's value
  smsLabel,  // the point's label, its value when it has none
};

// The arrow of a mark: white, one pixel, solid.
class TChartArrowPen : public TChartPen {
 public:
  TChartArrowPen() : TChartPen(clWhite, 1) {}
  using TChartPen::operator=;
};

class TSeriesMarks {
 public:
  // Every change of a setting (the pens and the font included) calls onChange.
  explicit TSeriesMarks(std::function<void()> onChange);
  TSeriesMarks(const TSeriesMarks&) = delete;
  TSeriesMarks& operator=(const TSeriesMarks&) = delete;

  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  TSeriesMarksStyle Style() const { return style_; }
  void SetStyle(TSeriesMarksStyle value);
  // Pixels from the point to the box.
  int ArrowLength() const { return arrowLength_; }
  void SetArrowLength(int value);
  TChartArrowPen& Arrow() { return arrow_; }
  const TChartArrowPen& Arrow() const { return arrow_; }
  void SetArrow(const TChartPen& pen) { arrow_ = pen; }
  TChartPen& Frame() { return frame_; }
  const TChartPen& Frame() const { return frame_; }
  void SetFrame(const TChartPen& pen) { frame_ = pen; }
  TColor BackColor() const { return backColor_; }
  void SetBackColor(TColor value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  // Whether the marks are clipped to the plot box like the values.
  bool Clip() const { return clip_; }
  void SetClip(bool value);
  TChartFont& Font() { return font_; }
  const TChartFont& Font() const { return font_; }
  void SetFont(const TChartFont& font) { font_ = font; }

  // Depth at which the arrows are drawn; the chart sets it in every repaint.
  int MarkDepth = 0;

  TSeriesMarksPositions& Positions() { return positions_; }
  const TSeriesMarksPositions& Positions() const { return positions_; }

  // The canvas font of the marks for a repaint: Font, scaled by the view's zoom when text
  // zoom is on.
  TCanvasFont CanvasFont(const TChartCanvas3D& canvas) const;
  // Width and height of the box for text in the canvas' current font: the widest line plus
  // the width of "W", the lines times the height of "W", and the frame on either side.
  void MeasureBox(ChartCanvas& canvas, const QString& text, int& width, int& height) const;
  // Draws the mark of point index: arrow, box and text. position is the computed place; a
  // stored custom position replaces it, otherwise it is stored. chartColor is the panel's
  // colour, pointColor the point's colour (the arrow keeps clear of both).
  void DrawItem(TChartCanvas3D& canvas, TColor chartColor, int index, TColor pointColor,
                const QString& text, TSeriesMarkPosition position);

  // The two halves of DrawItem. Place gives the position the mark of index is drawn at (the
  // stored custom one, or the computed one, which it stores; the reference holds until the next
  // Place); Paint draws it there.
  const TSeriesMarkPosition& Place(int index, const TSeriesMarkPosition& computed) {
    TSeriesMarkPosition& stored = positions_.Position(index);
    if (!stored.IsCustom) stored = computed;
    return stored;
  }
  void Paint(TChartCanvas3D& canvas, TColor chartColor, TColor pointColor, const QString& text,
             const TSeriesMarkPosition& placed);

  // Where Paint's pixels go, for the canvas' current font. Arrow, Box and Text each hold every
  // pixel of their part (empty for a part not drawn); Cover is the part of the box that Paint
  // surely sets opaquely (empty when the box lets what lies below show through).
  struct TMarkPixels {
    TRect Arrow, Box, Text, Cover;
  };
  // textBounds: TextBounds of the mark's text.
  TMarkPixels Pixels(const TChartCanvas3D& canvas, const TRect& textBounds, const TSeriesMarkPosition& placed) const;
  // Whether the projection moves every pixel of a mark as far across as its position moves: in
  // 2D, or in 3D at a zoom of exactly 1 (a zoomed projection rounds each point anew).
  bool PixelsMoveAcross(const TChartCanvas3D& canvas) const;
  // Pixels of a placed position, moved dx across: Pixels at that position moved as far, when
  // PixelsMoveAcross and the canvas is as it was for them.
  // Every part moves; a part Pixels left empty stays empty, which is all an empty part tells.
  static TMarkPixels MovedAcross(const TMarkPixels& pixels, int dx) {
    auto moved = [dx](const TRect& r) { return TRect{r.Left + dx, r.Top, r.Right + dx, r.Bottom}; };
    return {moved(pixels.Arrow), moved(pixels.Box), moved(pixels.Text), moved(pixels.Cover)};
  }
  // Where Paint's text pixels go relative to the point it writes the first line at, for the
  // canvas' current font: the same for every mark with this text.
  TRect TextBounds(ChartCanvas& canvas, const QString& text) const;

 private:
  void Changed() const {
    if (onChange_) onChange_();
  }
  // The flat places of a placed mark: the arrow's projected ends, the box, and the reference
  // point of the text's first line (centred, top-aligned).
  struct TLayout {
    TPoint ArrowFrom, ArrowTo;
    TRect Box;
    TPoint Text;
  };
  TLayout LayOut(const TChartCanvas3D& canvas, const TSeriesMarkPosition& placed) const;
  bool DrawsBox() const { return frame_.Visible() || !transparent_; }
  // Whether the box drawn sets its pixels opaquely, for Pixels' Cover.
  bool BoxCovers(const TChartCanvas3D& canvas) const;

  std::function<void()> onChange_;
  bool visible_ = false;
  TSeriesMarksStyle style_ = smsLabel;
  int arrowLength_ = 8;
  TChartArrowPen arrow_;
  TChartPen frame_;
  TColor backColor_ = RGBColor(255, 255, 128);
  bool transparent_ = false;
  bool clip_ = false;
  TChartFont font_;
  TSeriesMarksPositions positions_;
};
