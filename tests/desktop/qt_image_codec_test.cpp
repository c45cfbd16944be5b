#include "desktop/qt/qt_image_codec.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>

#include "base/files.h"
#include "desktop_test_support.h"
#include "history/image_intake.h"
#include "support/temp_dir.h"

namespace oskel {
namespace {

std::string encode(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(QImageWriter(&buffer, format).write(image));
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QImage decodeBytes(const std::string& bytes) {
  return QImage::fromData(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

// IHDR: bytes 24 and 25 are the bit depth and colour type (6 = RGBA).
void expectRgba8Png(const std::string& png) {
  ASSERT_GT(png.size(), 26u);
  EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  EXPECT_EQ(png[24], 8);
  EXPECT_EQ(png[25], 6);
  EXPECT_EQ(png.find("iCCP"), std::string::npos);  // no colour profile: plain device RGB
}

TEST(QtImageCodecTest, ReadsSizesFromHeadersOnlyAndRefusesNonImages) {
  QtImageCodec codec;
  EXPECT_EQ(codec.sizes(encode(testing::testImage(300, 200, true), "png")), (std::vector<PixelSize>{{300, 200}}));
  EXPECT_EQ(codec.sizes(encode(testing::testImage(30, 20, false), "jpeg")), (std::vector<PixelSize>{{30, 20}}));
  EXPECT_EQ(codec.sizes(testing::pngClaiming(60000, 60000)), (std::vector<PixelSize>{{60000, 60000}}));
  EXPECT_FALSE(codec.sizes("plain text, not an image"));
  EXPECT_FALSE(codec.sizes(""));
  // Every page of a TIFF is a representation, in file order.
  const std::string tiff = testing::multiPageTiff({{40, 30}, {200, 100}, {60, 60}});
  EXPECT_EQ(codec.sizes(tiff), (std::vector<PixelSize>{{40, 30}, {200, 100}, {60, 60}}));
  // Claims without pixels cannot be rendered.
  EXPECT_FALSE(codec.renderPng(testing::pngClaiming(60000, 60000), 0, {4096, 4096}));
}

TEST(QtImageCodecTest, RendersAnRgbaPngOfTheAskedSizeKeepingAlpha) {
  QtImageCodec codec;
  const QImage source = testing::testImage(400, 200, true);
  auto png = codec.renderPng(encode(source, "png"), 0, {200, 100});
  ASSERT_TRUE(png);
  expectRgba8Png(*png);
  const QImage stored = decodeBytes(*png).convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(stored.size(), QSize(200, 100));
  // Same size: exact pixels, straight alpha preserved (the copy operation).
  auto same = codec.renderPng(encode(source, "png"), 0, {400, 200});
  ASSERT_TRUE(same);
  const QImage copy = decodeBytes(*same).convertToFormat(QImage::Format_ARGB32);
  int mismatches = 0;
  for (int y = 0; y < 200; y += 7)
    for (int x = 0; x < 400; x += 7) {
      const QRgb a = source.pixel(x, y), b = copy.pixel(x, y);
      if (qAlpha(a) != qAlpha(b)) ++mismatches;
      if (qAlpha(a) > 64 && std::abs(qRed(a) - qRed(b)) > 4) ++mismatches;
    }
  EXPECT_EQ(mismatches, 0);
  // An opaque JPEG becomes an RGBA PNG too.
  auto fromJpeg = codec.renderPng(encode(testing::testImage(64, 48, false), "jpeg"), 0, {32, 24});
  ASSERT_TRUE(fromJpeg);
  expectRgba8Png(*fromJpeg);
  EXPECT_FALSE(codec.renderPng("garbage", 0, {10, 10}));
  EXPECT_FALSE(codec.renderPng(encode(source, "png"), 1, {10, 10}));  // no second page
}

TEST(QtImageCodecTest, DecodeKeepsTheEncodedBytesAndTheQImage) {
  QtImageCodec codec;
  const std::string png = encode(testing::testImage(12, 9, true), "png");
  auto image = codec.decode(png);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->pixelSize(), (PixelSize{12, 9}));
  EXPECT_EQ(image->encoded(), png);
  EXPECT_EQ(QtImageCodec::toQImage(*image).size(), QSize(12, 9));
  EXPECT_FALSE(codec.decode("nope"));
}

class QtImageIntakeTest : public ::testing::Test {
 protected:
  QSize storedSizeOf(const Clip& clip) {
    auto image = intake.image(clip);
    return image ? QtImageCodec::toQImage(*image).size() : QSize();
  }
  testing::TempDir dir;
  NotificationCenter center;
  MemoryStore store{MemoryStore::Options{DataPaths::in(dir.path()), &center}};
  QtImageCodec codec;
  ImageIntake intake{store, codec};
};

TEST_F(QtImageIntakeTest, StoresRealImagesScaledAndJudgesTiffsByTheLargestPage) {
  ASSERT_TRUE(intake.add(encode(testing::testImage(12000, 1, false), "png"), "Viewer"));
  EXPECT_EQ(storedSizeOf(store.clips()[0]), QSize(4096, 1));
  EXPECT_EQ(store.clips()[0].imagePixelWidth, 12000);

  ASSERT_TRUE(intake.add(encode(testing::testImage(1000, 800, true), "png"), "Viewer"));
  EXPECT_EQ(storedSizeOf(store.clips()[0]), QSize(1000, 800));
  expectRgba8Png(*files::read(store.paths().imagesDirectory / *store.clips()[0].imageFileName));

  ASSERT_TRUE(intake.add(testing::multiPageTiff({{40, 30}, {200, 100}, {60, 60}}), "Scanner"));
  EXPECT_EQ(store.clips()[0].imagePixelWidth, 200);
  EXPECT_EQ(store.clips()[0].imagePixelHeight, 100);
  EXPECT_EQ(storedSizeOf(store.clips()[0]), QSize(200, 100));

  // A claimed 60000 x 60000 is refused from its header; 12000 x 3334 too.
  EXPECT_FALSE(intake.add(testing::pngClaiming(60000, 60000), "X"));
  EXPECT_FALSE(intake.add(testing::pngClaiming(12000, 3334), "X"));
  EXPECT_FALSE(intake.add("\x89PNG not really", "X"));
  EXPECT_EQ(store.clips().size(), 3u);
}

}  // namespace
}  // namespace oskel
