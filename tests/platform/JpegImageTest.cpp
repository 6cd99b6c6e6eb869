#include "platform/JpegImage.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

QByteArray Logo() {
  QFile f(QStringLiteral(LOGO_JPEG));
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  return f.readAll();
}

TEST(JpegImage, DecodesTheLogo) {
  QImage image = DecodeJpeg(Logo());
  EXPECT_EQ(image.size(), QSize(192, 27));
  EXPECT_FALSE(image.isNull());
}

class BadJpeg : public testing::TestWithParam<QByteArray> {};

TEST_P(BadJpeg, RaisesJpegError) { EXPECT_THROW(DecodeJpeg(GetParam()), JpegError); }

INSTANTIATE_TEST_SUITE_P(Cases, BadJpeg,
                         testing::Values(QByteArray(), QByteArray("not a picture"), QByteArray("\xFF\xD8\xFF", 3),
                                         QByteArray(600, '\xFF')));

TEST(JpegImage, TruncatedPictureStillGivesAnImage) {
  // libjpeg fills the missing rows and warns; the picture keeps its size.
  QByteArray data = Logo();
  QImage image = DecodeJpeg(data.left(data.size() * 2 / 3));
  EXPECT_EQ(image.size(), QSize(192, 27));
}

}  // namespace
