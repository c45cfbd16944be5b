// The history's entry for copied images: add(imageData, sourceApp) refuses what is too
// large to handle, redraws the image at no more than 4096 pixels on its longer side,
// stores it as an RGBA PNG in the images directory and puts an image clip at the front of
// the store (which saves and notifies). image(clip) reads a stored image back.
//
// Limits (MemoryStore's constants): at most 26214400 input bytes; the largest
// representation (by pixel area, the first on ties) at least 1 x 1, at most 12000 pixels
// a side and 40000000 in all. These are checked on the header alone, before any pixel is
// decoded, so a small file that claims a huge size costs nothing. On any refusal nothing
// changes and nothing is written. Main thread only, like the store.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "base/time.h"
#include "history/clip.h"
#include "history/memory_store.h"
#include "platform/image_codec.h"

namespace oskel {

class ImageIntake {
 public:
  ImageIntake(MemoryStore& store, const ImageCodec& codec, std::function<Timestamp()> clock = currentTimestamp);

  // Stores a captured image. True when a clip was added.
  bool add(std::string_view imageData, std::string_view sourceApp);

  // The stored image of an image clip; nothing when the clip has no image, its file name
  // is not a bare file name, or the file is missing or cannot be decoded.
  std::shared_ptr<const Image> image(const Clip& clip) const;

  // The representation judged: largest area (negative sides count as zero), first on ties.
  static std::size_t largestRepresentation(const std::vector<PixelSize>& sizes);
  // Whether a source of this size is accepted.
  static bool acceptable(PixelSize source);
  // The stored size: scaled to at most 4096 on the longer side (never enlarged), each side
  // rounded half away from zero and at least 1.
  static PixelSize storedSize(PixelSize source);

 private:
  MemoryStore& store_;
  const ImageCodec& codec_;
  std::function<Timestamp()> clock_;
};

}  // namespace oskel
