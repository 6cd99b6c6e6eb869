#pragma once
// A ChartCanvas that draws nothing and keeps every drawing call with its exact coordinates and
// the drawing state in force, for tests. Text is measured with fixed metrics chosen by the test:
// a width per character (or a table of whole texts) and one text height.
#include <map>
#include <vector>

#include "chart/canvas/ChartCanvas.h"

class RecordingCanvas : public ChartCanvas {
 public:
  enum class Op { Line, Polyline, Polygon, Rectangle, FillRect, TextOut, ClipPolygon, ClipRectangle, Unclip, DrawImage };

  struct Call {
    Op Kind;
    std::vector<TPoint> Points;  // Line: start and end; Polyline, Polygon, ClipPolygon: the points;
                                 // TextOut, DrawImage: the reference point
    TRect Rect;                  // Rectangle, FillRect, ClipRectangle; DrawImage: the image's area
    QString Text;                // TextOut
    // The state when the call was made.
    TCanvasPen Pen;
    TCanvasBrush Brush;
    TCanvasFont Font;
    TBackMode BackMode;
    TColor BackColor;
    THorizAlign HorizAlign;
    TVertAlign VertAlign;
    TPenMode PenMode;
  };

  // Every character is charWidth wide, every text textHeight high.
  explicit RecordingCanvas(int charWidth = 7, int textHeight = 14);

  // A fixed width for one whole text, used instead of the per-character width.
  void SetTextWidthOf(const QString& text, int width);

  const std::vector<Call>& Calls() const { return calls_; }
  // The calls of one kind, in order.
  std::vector<Call> CallsOf(Op kind) const;
  void ClearCalls() { calls_.clear(); }

  void Polyline(std::span<const TPoint> points) override;
  void Polygon(std::span<const TPoint> points) override;
  void Rectangle(const TRect& r) override;
  void FillRect(const TRect& r) override;
  void TextOut(int x, int y, const QString& text) override;
  int TextWidth(const QString& text) override;
  int TextHeight(const QString& text) override;
  void ClipPolygon(std::span<const TPoint> points) override;
  void ClipRectangle(const TRect& r) override;
  void Unclip() override;
  void DrawImage(int x, int y, const QImage& image) override;

 protected:
  void DrawLine(TPoint a, TPoint b) override;

 private:
  Call& Record(Op kind);

  int charWidth_;
  int textHeight_;
  std::map<QString, int> widths_;
  std::vector<Call> calls_;
};
