// An ImageCodec for logic tests over a made-up format, so that sizes and failures can be
// chosen freely without real pixels:
//   input images   "FAKEIMG:" followed by one "WxH" per representation, ';'-separated
//                  ("FAKEIMG:100x80;2000x1500"); anything else is not an image;
//   rendered PNGs  "FAKEPNG:WxH" followed by `renderedPadding` filler bytes.
// It counts decodes, so tests can prove that refused inputs were never decoded.
#pragma once

#include <string>

#include "platform/image_codec.h"

namespace oskel {

class FakeImageCodec : public ImageCodec {
 public:
  std::optional<std::vector<PixelSize>> sizes(std::string_view bytes) const override;
  std::optional<std::string> renderPng(std::string_view bytes, std::size_t index, PixelSize size) const override;
  std::shared_ptr<const Image> decode(std::string bytes) const override;

  static std::string image(const std::vector<PixelSize>& representations);

  std::size_t renderedPadding = 0;
  bool renderFails = false;
  mutable int headerReads = 0;
  mutable int renders = 0;
  mutable std::size_t lastRenderedIndex = 0;
  mutable PixelSize lastRenderedSize;
};

}  // namespace oskel
