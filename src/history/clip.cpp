#include "history/clip.h"

namespace oskel {

bool isBareFileName(std::string_view name) {
  return !name.empty() && name.find('/') == std::string_view::npos && name != "." && name != ".." &&
         name.find('\0') == std::string_view::npos;
}

std::optional<std::string> Clip::bareImageFileName() const {
  if (imageFileName && isBareFileName(*imageFileName)) return imageFileName;
  return std::nullopt;
}

}  // namespace oskel
