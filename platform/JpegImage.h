#pragma once
// JPEG pictures decoded with libjpeg.
#include <QByteArray>
#include <QImage>

#include "platform/AppError.h"

class JpegError : public AppError {
 public:
  using AppError::AppError;
};

// Decodes a JPEG file held in memory into an RGB image; raises JpegError on bad data.
QImage DecodeJpeg(const QByteArray& data);
