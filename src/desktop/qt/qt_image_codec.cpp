#include "desktop/qt/qt_image_codec.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>

namespace oskel {
namespace {

class QtImage : public Image {
 public:
  QtImage(QImage image, std::string encoded) : image_(std::move(image)), encoded_(std::move(encoded)) {}
  PixelSize pixelSize() const override { return PixelSize{image_.width(), image_.height()}; }
  const std::string& encoded() const override { return encoded_; }
  const QImage& image() const { return image_; }

 private:
  QImage image_;
  std::string encoded_;
};

// A reader over the caller's bytes, without copying them.
struct Reader {
  explicit Reader(std::string_view bytes)
      : data(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()))), buffer(&data) {
    buffer.open(QIODevice::ReadOnly);
    reader.setDevice(&buffer);
    reader.setAutoTransform(false);
  }
  bool isTiff() { return reader.format() == "tiff"; }

  QByteArray data;
  QBuffer buffer;
  QImageReader reader;
};

PixelSize headerSize(QImageReader& reader) {
  const QSize size = reader.size();
  if (!size.isValid()) return PixelSize{0, 0};
  return PixelSize{size.width(), size.height()};
}

}  // namespace

std::optional<std::vector<PixelSize>> QtImageCodec::sizes(std::string_view bytes) const {
  if (bytes.empty()) return std::nullopt;
  Reader r(bytes);
  if (!r.reader.canRead()) return std::nullopt;
  if (!r.isTiff()) return std::vector<PixelSize>{headerSize(r.reader)};
  // Page by page, jumping to each before asking its size (the size of page 0 must not be
  // asked first: the reader would then not move on to the other pages).
  std::vector<PixelSize> out;
  const int pages = std::clamp(r.reader.imageCount(), 1, kMaximumPages);
  for (int page = 0; page < pages && r.reader.jumpToImage(page); ++page) out.push_back(headerSize(r.reader));
  if (out.empty()) return std::nullopt;
  return out;
}

std::optional<std::string> QtImageCodec::renderPng(std::string_view bytes, std::size_t index, PixelSize size) const {
  if (size.width < 1 || size.height < 1 || index >= static_cast<std::size_t>(kMaximumPages)) return std::nullopt;
  Reader r(bytes);
  if (!r.reader.canRead()) return std::nullopt;
  // The caller has checked the size from the header; allow the decode of up to
  // 40 million pixels at 16 bits a channel.
  r.reader.setAllocationLimit(512);
  if (index > 0 && !(r.isTiff() && r.reader.jumpToImage(static_cast<int>(index)))) return std::nullopt;
  QImage image;
  if (!r.reader.read(&image) || image.isNull()) return std::nullopt;

  // Straight-alpha sources become premultiplied in place, which the smooth scaler works on
  // directly; otherwise it would make another full-size copy first.
  if (image.format() == QImage::Format_ARGB32) image.convertTo(QImage::Format_ARGB32_Premultiplied);
  if (image.width() != size.width || image.height() != size.height) {
    image = image.scaled(static_cast<int>(size.width), static_cast<int>(size.height), Qt::IgnoreAspectRatio,
                         Qt::SmoothTransformation);
    if (image.isNull()) return std::nullopt;
  }
  image.convertTo(QImage::Format_RGBA8888);
  image.setColorSpace(QColorSpace());
  return encodePng(image);
}

std::optional<std::string> QtImageCodec::encodePng(const QImage& image) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  // zlib level 2 (Qt maps quality q to level (100 - q) * 9 / 91): the intake of a large
  // photo takes about half the time it takes at the default level (bench_image_intake).
  writer.setQuality(70);
  if (!writer.write(image)) return std::nullopt;
  return std::string(png.constData(), static_cast<std::size_t>(png.size()));
}

std::shared_ptr<const Image> QtImageCodec::decode(std::string bytes) const {
  QImage image;
  {
    Reader r(bytes);
    if (!r.reader.canRead() || !r.reader.read(&image) || image.isNull()) return nullptr;
  }
  return std::make_shared<QtImage>(std::move(image), std::move(bytes));
}

QImage QtImageCodec::toQImage(const Image& image) {
  if (auto* qt = dynamic_cast<const QtImage*>(&image)) return qt->image();
  return QImage();
}

}  // namespace oskel
