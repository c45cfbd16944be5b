// Image decoding and PNG encoding for the history's image clips.
//
// The work is split so that limits can be checked on the header alone: sizes() reads only
// the header(s) of every representation (the pages of a TIFF, the frames of an animation);
// renderPng() then decodes one representation and redraws it. Implementations are
// stateless and may be called from any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace oskel {

struct PixelSize {
  std::int64_t width = 0;   // 0 (or negative) when the representation has no pixel size
  std::int64_t height = 0;
  bool operator==(const PixelSize&) const = default;
};

// A decoded image, as the timeline shows it and the paste path writes it back. Adapters
// subclass it to carry their toolkit's image (see QtImageCodec::toQImage).
class Image {
 public:
  virtual ~Image() = default;
  virtual PixelSize pixelSize() const = 0;
  // The encoded bytes the image was decoded from (a PNG for stored clips).
  virtual const std::string& encoded() const = 0;
};

class ImageCodec {
 public:
  virtual ~ImageCodec() = default;

  // The pixel size of every representation, in file order, read from the headers without
  // decoding any pixel; nothing when the bytes are not an image.
  virtual std::optional<std::vector<PixelSize>> sizes(std::string_view bytes) const = 0;

  // Decodes representation `index` and draws all of it into a `size` RGBA bitmap (8 bits a
  // channel, straight alpha, copying the source's alpha), encoded as PNG; nothing on failure.
  virtual std::optional<std::string> renderPng(std::string_view bytes, std::size_t index,
                                               PixelSize size) const = 0;

  // The decoded image, or nothing when the bytes cannot be decoded.
  virtual std::shared_ptr<const Image> decode(std::string bytes) const = 0;
};

}  // namespace oskel
