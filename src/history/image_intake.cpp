#include "history/image_intake.h"

#include <algorithm>
#include <cmath>

#include "base/files.h"
#include "base/uuid.h"

namespace oskel {

ImageIntake::ImageIntake(MemoryStore& store, const ImageCodec& codec, std::function<Timestamp()> clock)
    : store_(store), codec_(codec), clock_(std::move(clock)) {}

std::size_t ImageIntake::largestRepresentation(const std::vector<PixelSize>& sizes) {
  std::size_t best = 0;
  long double bestArea = -1;
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    // long double: a header may claim sides whose product overflows 64 bits.
    const long double area = static_cast<long double>(std::max<std::int64_t>(sizes[i].width, 0)) *
                             static_cast<long double>(std::max<std::int64_t>(sizes[i].height, 0));
    if (area > bestArea) {
      best = i;
      bestArea = area;
    }
  }
  return best;
}

bool ImageIntake::acceptable(PixelSize s) {
  if (s.width < 1 || s.height < 1) return false;
  if (s.width > MemoryStore::maximumPixelDimension || s.height > MemoryStore::maximumPixelDimension) return false;
  return s.width * s.height <= MemoryStore::maximumPixelCount;  // both <= 12000: no overflow
}

PixelSize ImageIntake::storedSize(PixelSize s) {
  const double longer = static_cast<double>(std::max(s.width, s.height));
  const double scale = std::min(1.0, static_cast<double>(MemoryStore::storedPixelDimension) / longer);
  auto side = [scale](std::int64_t n) {
    return std::max<std::int64_t>(1, static_cast<std::int64_t>(std::round(static_cast<double>(n) * scale)));
  };
  return PixelSize{side(s.width), side(s.height)};
}

bool ImageIntake::add(std::string_view imageData, std::string_view sourceApp) {
  if (imageData.empty() || static_cast<std::int64_t>(imageData.size()) > MemoryStore::maximumInputBytes) return false;

  auto sizes = codec_.sizes(imageData);
  if (!sizes || sizes->empty()) return false;
  const std::size_t chosen = largestRepresentation(*sizes);
  const PixelSize source = (*sizes)[chosen];
  if (!acceptable(source)) return false;

  auto png = codec_.renderPng(imageData, chosen, storedSize(source));
  if (!png || static_cast<std::int64_t>(png->size()) > MemoryStore::maximumInputBytes) return false;

  const Uuid id = Uuid::random();
  const std::string fileName = id.lowerString() + ".png";
  const auto& directory = store_.paths().imagesDirectory;
  files::createDirectories(directory);  // the folder may have been removed while running
  if (!files::writeAtomically(directory / fileName, *png, 0600)) return false;

  Clip clip;
  clip.id = id;
  clip.sourceApp = std::string(sourceApp);
  clip.createdAt = clock_();
  clip.imageFileName = fileName;
  clip.imagePixelWidth = source.width;
  clip.imagePixelHeight = source.height;
  store_.insertAtFront(std::move(clip));
  return true;
}

std::shared_ptr<const Image> ImageIntake::image(const Clip& clip) const {
  auto name = clip.bareImageFileName();
  if (!name) return nullptr;
  auto bytes = files::read(store_.paths().imagesDirectory / *name);
  if (!bytes) return nullptr;
  return codec_.decode(std::move(*bytes));
}

}  // namespace oskel
