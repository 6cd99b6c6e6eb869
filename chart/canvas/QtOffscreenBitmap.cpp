#include "chart/canvas/QtOffscreenBitmap.h"

#include "chart/canvas/QtChartCanvas.h"
#include "chart/raster/TextCache.h"

QtOffscreenBitmap::QtOffscreenBitmap() : texts_(std::make_unique<TextCache>()) {}

QtOffscreenBitmap::~QtOffscreenBitmap() = default;

ChartCanvas& QtOffscreenBitmap::Begin(int width, int height, bool monochrome) {
  if (!image_.isNull() && (image_.width() != width || image_.height() != height)) image_ = QImage();
  if (image_.isNull()) {
    if (monochrome) {
      image_ = QImage(width, height, QImage::Format_Mono);
      image_.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
      image_.fill(1);
    } else {
      image_ = QImage(width, height, QImage::Format_RGB32);
      image_.fill(Qt::white);
    }
  }
  canvas_ = std::make_unique<QtChartCanvas>(&image_, texts_.get());
  return *canvas_;
}

void QtOffscreenBitmap::End() { canvas_.reset(); }

bool QtOffscreenBitmap::IsCanvas(const ChartCanvas* canvas) const {
  return canvas != nullptr && canvas == canvas_.get();
}
