#pragma once
// The off-screen bitmap of a buffered repaint: an image of the client area's size, the Qt canvas
// that draws into it while the repaint runs, and the texts that canvas has measured and drawn,
// kept from repaint to repaint for every Qt canvas of the repaint.
#include <QImage>
#include <memory>

class ChartCanvas;
class QtChartCanvas;
class TextCache;

class QtOffscreenBitmap {
 public:
  QtOffscreenBitmap();
  ~QtOffscreenBitmap();
  QtOffscreenBitmap(const QtOffscreenBitmap&) = delete;
  QtOffscreenBitmap& operator=(const QtOffscreenBitmap&) = delete;

  // The image of the last repaint (null before the first one, or after Discard).
  const QImage& Image() const { return image_; }
  // The same image for a writer that sets its pixels while the repaint draws into it: the canvas
  // writes straight into the image's memory too, so what is written lands in order with what the
  // canvas draws.
  QImage& Pixels() { return image_; }
  void Discard() { image_ = QImage(); }

  // Begins drawing into an image of the size (at least one pixel each way): the one of the last
  // repaint when it has that size, else a new one, white, monochrome when asked. Gives the
  // canvas that draws into it until End.
  ChartCanvas& Begin(int width, int height, bool monochrome);
  void End();
  // Whether canvas is the one drawing into the image now.
  bool IsCanvas(const ChartCanvas* canvas) const;
  bool Drawing() const { return canvas_ != nullptr; }

  TextCache* Texts() const { return texts_.get(); }

 private:
  QImage image_;
  std::unique_ptr<QtChartCanvas> canvas_;
  std::unique_ptr<TextCache> texts_;
};
