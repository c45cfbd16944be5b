// One history entry: copied text, a value extracted from copied text, or a copied image.
// A plain value: all fields are set at creation; a clip is replaced, never edited.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/time.h"
#include "base/uuid.h"

namespace oskel {

struct Clip {
  Uuid id;
  std::string text;       // empty for an image clip
  std::string sourceApp;  // display name of the frontmost application, or "Unknown"
  Timestamp createdAt = 0;
  std::optional<std::string> imageFileName;  // present exactly for image clips
  std::optional<std::int64_t> imagePixelWidth;
  std::optional<std::int64_t> imagePixelHeight;
  std::optional<std::vector<std::string>> indexedValues;

  bool isImage() const { return imageFileName.has_value(); }

  // The image file name when it is a bare file name (no directory part), else nothing.
  std::optional<std::string> bareImageFileName() const;

  bool operator==(const Clip&) const = default;
};

// True when `name` names a file directly inside a directory: not empty, no "/", not "." or "..".
bool isBareFileName(std::string_view name);

}  // namespace oskel
