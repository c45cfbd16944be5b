// ImageCodec through Qt's image readers (QImageReader, with the image-format plugins, so
// TIFF works) and its PNG writer.
//
// sizes() reads headers only (QImageReader::size() before any read()); a TIFF gives one
// representation per page, any other format its first image. renderPng() decodes one
// representation, scales it smoothly to the asked size, drops any colour profile (the
// stored bitmap is plain device RGB) and writes an 8-bit RGBA PNG. Thread-safe: every call
// uses its own reader.
#pragma once

#include <QImage>

#include "platform/image_codec.h"

namespace oskel {

class QtImageCodec : public ImageCodec {
 public:
  // Pages of a TIFF looked at, at most; further pages are ignored.
  static constexpr int kMaximumPages = 64;

  std::optional<std::vector<PixelSize>> sizes(std::string_view bytes) const override;
  std::optional<std::string> renderPng(std::string_view bytes, std::size_t index, PixelSize size) const override;
  std::shared_ptr<const Image> decode(std::string bytes) const override;

  // The QImage of an Image this codec decoded; a null QImage for any other Image.
  static QImage toQImage(const Image& image);
  // Encodes as PNG; nothing when the writer fails.
  static std::optional<std::string> encodePng(const QImage& image);
};

}  // namespace oskel
