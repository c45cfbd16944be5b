#include "protocol/version.h"

#include <algorithm>

namespace oskel::protocol {

std::optional<Version> Version::parse(std::string_view text) {
  if (text.empty()) return std::nullopt;
  Version v;
  std::size_t start = 0;
  while (true) {
    std::size_t dot = text.find('.', start);
    std::string_view part = text.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
    if (part.empty() || part.size() > 9) return std::nullopt;
    std::uint32_t value = 0;
    for (char c : part) {
      if (c < '0' || c > '9') return std::nullopt;
      value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    v.parts_.push_back(value);
    if (dot == std::string_view::npos) break;
    start = dot + 1;
  }
  return v;
}

Version Version::parseOrZero(std::string_view text) {
  std::optional<Version> v = parse(text);
  return v ? *v : Version();
}

int Version::compare(const Version& a, const Version& b) {
  std::size_t n = std::max(a.parts_.size(), b.parts_.size());
  for (std::size_t i = 0; i < n; ++i) {
    std::uint32_t x = i < a.parts_.size() ? a.parts_[i] : 0;
    std::uint32_t y = i < b.parts_.size() ? b.parts_[i] : 0;
    if (x != y) return x < y ? -1 : 1;
  }
  return 0;
}

}  // namespace oskel::protocol
