#pragma once
// The 2D drawing surface of the chart. Everything the chart draws goes through this interface:
// pen, brush, font, background, text alignment, polygons, lines, rectangles, text, clipping and
// the pen mode. The drawing state lives here; implementations read it when they draw.
//
// Pixel conventions (the same on every implementation):
// - LineTo / Line draw from the start point up to, but not including, the end point.
// - Rectangle(l, t, r, b) covers columns l..r-1 and rows t..b-1; a visible pen draws the outline
//   on the outermost of those pixels, the brush fills the inside (all of it with no pen).
// - Polygon fills with the alternate (even-odd) rule and outlines every edge, closing the figure.
// - A dotted pen (TPenStyle::Dot) is a cosmetic pen one pixel wide that sets every other pixel
//   of a line, starting with its first pixel; its width is ignored.
// - A clear pen or an invisible pen draws no line and no outline; a clear brush fills nothing.
#include <QImage>
#include <QString>
#include <span>

#include "platform/Color.h"
#include "platform/FontMap.h"
#include "platform/Geometry.h"

class CanvasHints;

enum class TPenStyle { Solid, Dot, Clear };

// Solid and clear, and the hatch patterns. A pattern is drawn in the brush colour; between its
// lines the background colour shows when the background mode is opaque.
enum class TBrushStyle { Solid, Clear, Horizontal, Vertical, FDiagonal, BDiagonal, Cross, DiagCross };

enum class TBackMode { Transparent, Opaque };

// Copy paints the pen colour; NotXor makes each pixel the inverse of (destination XOR source), so
// drawing the same figure twice restores the pixels.
enum class TPenMode { Copy, NotXor };

// Where the reference point of TextOut lies on the text: its left end, centre or right end, and
// the top or the bottom of the text cell (the cell is TextHeight high).
enum class THorizAlign { Left, Center, Right };
enum class TVertAlign { Top, Bottom };

// Font style flags.
enum TFontStyle : unsigned { fsNone = 0, fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// Screen resolution used to turn point sizes into pixel heights.
constexpr int kPixelsPerInch = 96;
// Pixel height of a font of the given point size (9 points -> 12 pixels).
int PointsToPixels(int points);
// Point size of a font of the given pixel height (12 pixels -> 9 points).
int PixelsToPoints(int pixels);

struct TCanvasPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = TPenStyle::Solid;
  bool Visible = true;
  // True when the pen leaves a mark at all.
  bool Draws() const { return Visible && Style != TPenStyle::Clear; }
  friend bool operator==(const TCanvasPen&, const TCanvasPen&) = default;
};

struct TCanvasBrush {
  TColor Color = clWhite;
  TBrushStyle Style = TBrushStyle::Solid;
  friend bool operator==(const TCanvasBrush&, const TCanvasBrush&) = default;
};

struct TCanvasFont {
  // Layout font name (mapped to an installed family by LayoutFont).
  QString Name = kFontPMincho;
  // Pixel height of the font (as given to LayoutFont); 9 points are 12 pixels.
  int Height = 12;
  TColor Color = clBlack;
  unsigned Style = fsNone;  // TFontStyle flags
  // Counter-clockwise rotation of the text in degrees: 0, 90 (reading upward), 270 (downward).
  int Escapement = 0;
  friend bool operator==(const TCanvasFont&, const TCanvasFont&) = default;
};

class ChartCanvas {
 public:
  virtual ~ChartCanvas() = default;

  // --- drawing state ---
  const TCanvasPen& Pen() const { return pen_; }
  void SetPen(const TCanvasPen& pen) { pen_ = pen; }
  void SetPenColor(TColor c) { pen_.Color = c; }
  // A clear pen of width 1.
  void ClearPen() { pen_.Style = TPenStyle::Clear; }

  const TCanvasBrush& Brush() const { return brush_; }
  void SetBrush(const TCanvasBrush& brush) { brush_ = brush; }
  void SetBrushColor(TColor c) { brush_.Color = c; }
  void SetBrushStyle(TBrushStyle s) { brush_.Style = s; }

  const TCanvasFont& Font() const { return font_; }
  void SetFont(const TCanvasFont& font) { font_ = font; }

  TBackMode BackMode() const { return backMode_; }
  void SetBackMode(TBackMode m) { backMode_ = m; }
  TColor BackColor() const { return backColor_; }
  void SetBackColor(TColor c) { backColor_ = c; }

  THorizAlign HorizAlign() const { return horizAlign_; }
  TVertAlign VertAlign() const { return vertAlign_; }
  void SetTextAlign(THorizAlign h, TVertAlign v) { horizAlign_ = h; vertAlign_ = v; }

  TPenMode PenMode() const { return penMode_; }
  void SetPenMode(TPenMode m) { penMode_ = m; }

  // The state after a repaint: pen black, width 1, solid, visible; brush white, solid; font
  // black, 10 points (name kept, no rotation); background white, transparent.
  void ResetDrawingState();

  // --- lines ---
  TPoint PenPos() const { return penPos_; }
  void MoveTo(int x, int y) { penPos_ = {x, y}; }
  void MoveTo(TPoint p) { penPos_ = p; }
  // A line from the pen position to (x, y), end pixel left out; the pen position moves there.
  void LineTo(int x, int y);
  void LineTo(TPoint p) { LineTo(p.X, p.Y); }
  // MoveTo(x0, y0) then LineTo(x1, y1).
  void Line(int x0, int y0, int x1, int y1);
  // Connected lines through the points; the last point's pixel is left out. The pen position
  // ends at the last point.
  virtual void Polyline(std::span<const TPoint> points) = 0;

  // --- areas ---
  // Filled with the brush, outlined with the pen, closed, alternate fill rule.
  virtual void Polygon(std::span<const TPoint> points) = 0;
  // Outlined with the pen, filled with the brush (see the conventions above).
  virtual void Rectangle(const TRect& r) = 0;
  // Filled with the brush only: columns l..r-1, rows t..b-1.
  virtual void FillRect(const TRect& r) = 0;

  // --- text ---
  // Draws text in the font colour with its reference point (alignment) at (x, y), rotated by the
  // font's escapement about that point. With an opaque background and a brush that is not clear
  // the text cell is first filled with the background colour.
  virtual void TextOut(int x, int y, const QString& text) = 0;
  // Advance width of the text in the current font (unrotated).
  virtual int TextWidth(const QString& text) = 0;
  // Height of the text cell in the current font (ascent + descent); the same for every text.
  virtual int TextHeight(const QString& text) = 0;
  // A rectangle holding every pixel TextOut(x, y, text) may set with the current font and
  // alignment. Here the text cell and its height again on every side, for glyphs that reach out
  // of their cell, or a square that holds the text turned about (x, y) when it is rotated.
  virtual TRect TextPixelBounds(int x, int y, const QString& text);

  // --- clipping (device pixels) ---
  // Replaces the clip region with the polygon (alternate rule).
  virtual void ClipPolygon(std::span<const TPoint> points) = 0;
  // Intersects the clip region (or the whole surface when none) with the rectangle.
  virtual void ClipRectangle(const TRect& r) = 0;
  // Removes the clip region.
  virtual void Unclip() = 0;

  // --- bitmaps ---
  // Copies an image unchanged with its top-left corner at (x, y).
  virtual void DrawImage(int x, int y, const QImage& image) = 0;

  // --- hints ---
  // What the canvas may be told to leave out or copy (CanvasHints); null for a canvas that draws
  // everything, such as one that keeps what is drawn instead of pixels.
  virtual CanvasHints* Hints() { return nullptr; }

 protected:
  // Draws the segment from a to b, end pixel left out, with the current pen.
  virtual void DrawLine(TPoint a, TPoint b) = 0;
  // The top-left corner of the unrotated text cell of the size whose reference point, by the
  // current alignment, is (x, y).
  TPoint TextCellTopLeft(int x, int y, int width, int height) const;

 private:
  TCanvasPen pen_;
  TCanvasBrush brush_;
  TCanvasFont font_;
  TBackMode backMode_ = TBackMode::Transparent;
  TColor backColor_ = clWhite;
  THorizAlign horizAlign_ = THorizAlign::Left;
  TVertAlign vertAlign_ = TVertAlign::Top;
  TPenMode penMode_ = TPenMode::Copy;
  TPoint penPos_;
};
