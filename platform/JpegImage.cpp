#include "platform/JpegImage.h"

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
  auto* err = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, err->message);
  std::longjmp(err->jump, 1);
}

// The decoding itself, free of objects with destructors so that the jump back is safe.
// Returns false with the library's message in err.message.
bool Decode(const unsigned char* data, unsigned long size, QImage* image, ErrorManager* err) {
  jpeg_decompress_struct info;
  info.err = jpeg_std_error(&err->base);
  err->base.error_exit = OnError;
  if (setjmp(err->jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, size);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB888);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& data) {
  if (data.isEmpty()) throw JpegError(QStringLiteral("JPEG data is empty"));
  ErrorManager err{};
  QImage image;
  if (!Decode(reinterpret_cast<const unsigned char*>(data.constData()), static_cast<unsigned long>(data.size()),
              &image, &err))
    throw JpegError(QStringLiteral("JPEG error #%1: %2").arg(err.base.msg_code).arg(QString::fromLocal8Bit(err.message)));
  return image;
}
