#include "chart/canvas/RecordingCanvas.h"

RecordingCanvas::RecordingCanvas(int charWidth, int textHeight)
    : charWidth_(charWidth), textHeight_(textHeight) {}

void RecordingCanvas::SetTextWidthOf(const QString& text, int width) { widths_[text] = width; }

std::vector<RecordingCanvas::Call> RecordingCanvas::CallsOf(Op kind) const {
  std::vector<Call> out;
  for (const Call& c : calls_)
    if (c.Kind == kind) out.push_back(c);
  return out;
}

RecordingCanvas::Call& RecordingCanvas::Record(Op kind) {
  Call c{kind, {}, {}, {}, Pen(), Brush(), Font(), BackMode(), BackColor(), HorizAlign(), VertAlign(), PenMode()};
  calls_.push_back(std::move(c));
  return calls_.back();
}

void RecordingCanvas::DrawLine(TPoint a, TPoint b) { Record(Op::Line).Points = {a, b}; }

void RecordingCanvas::Polyline(std::span<const TPoint> points) {
  Record(Op::Polyline).Points.assign(points.begin(), points.end());
  if (!points.empty()) MoveTo(points.back());
}

void RecordingCanvas::Polygon(std::span<const TPoint> points) {
  Record(Op::Polygon).Points.assign(points.begin(), points.end());
}

void RecordingCanvas::Rectangle(const TRect& r) { Record(Op::Rectangle).Rect = r; }

void RecordingCanvas::FillRect(const TRect& r) { Record(Op::FillRect).Rect = r; }

void RecordingCanvas::TextOut(int x, int y, const QString& text) {
  Call& c = Record(Op::TextOut);
  c.Points = {{x, y}};
  c.Text = text;
}

int RecordingCanvas::TextWidth(const QString& text) {
  auto it = widths_.find(text);
  if (it != widths_.end()) return it->second;
  return charWidth_ * static_cast<int>(text.size());
}

int RecordingCanvas::TextHeight(const QString&) { return textHeight_; }

void RecordingCanvas::ClipPolygon(std::span<const TPoint> points) {
  Record(Op::ClipPolygon).Points.assign(points.begin(), points.end());
}

void RecordingCanvas::ClipRectangle(const TRect& r) { Record(Op::ClipRectangle).Rect = r; }

void RecordingCanvas::Unclip() { Record(Op::Unclip); }

void RecordingCanvas::DrawImage(int x, int y, const QImage& image) {
  Call& c = Record(Op::DrawImage);
  c.Points = {{x, y}};
  c.Rect = {x, y, x + image.width(), y + image.height()};
}
