#include "fakes/fake_image_codec.h"

#include <charconv>

namespace oskel {
namespace {

std::optional<PixelSize> parseSize(std::string_view text) {
  auto x = text.find('x');
  if (x == std::string_view::npos) return std::nullopt;
  PixelSize size;
  auto w = std::from_chars(text.data(), text.data() + x, size.width);
  auto h = std::from_chars(text.data() + x + 1, text.data() + text.size(), size.height);
  if (w.ec != std::errc() || h.ec != std::errc() || w.ptr != text.data() + x || h.ptr != text.data() + text.size())
    return std::nullopt;
  return size;
}

class FakeImage : public Image {
 public:
  FakeImage(PixelSize size, std::string encoded) : size_(size), encoded_(std::move(encoded)) {}
  PixelSize pixelSize() const override { return size_; }
  const std::string& encoded() const override { return encoded_; }

 private:
  PixelSize size_;
  std::string encoded_;
};

constexpr std::string_view kImagePrefix = "FAKEIMG:";
constexpr std::string_view kPngPrefix = "FAKEPNG:";

}  // namespace

std::string FakeImageCodec::image(const std::vector<PixelSize>& representations) {
  std::string out(kImagePrefix);
  for (std::size_t i = 0; i < representations.size(); ++i) {
    if (i) out += ';';
    out += std::to_string(representations[i].width) + "x" + std::to_string(representations[i].height);
  }
  return out;
}

std::optional<std::vector<PixelSize>> FakeImageCodec::sizes(std::string_view bytes) const {
  ++headerReads;
  if (bytes.substr(0, kImagePrefix.size()) != kImagePrefix) return std::nullopt;
  bytes.remove_prefix(kImagePrefix.size());
  std::vector<PixelSize> out;
  while (!bytes.empty()) {
    auto end = bytes.find(';');
    auto size = parseSize(bytes.substr(0, end));
    if (!size) return std::nullopt;
    out.push_back(*size);
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
  return out;
}

std::optional<std::string> FakeImageCodec::renderPng(std::string_view bytes, std::size_t index, PixelSize size) const {
  ++renders;
  lastRenderedIndex = index;
  lastRenderedSize = size;
  auto all = sizes(bytes);
  --headerReads;
  if (renderFails || !all || index >= all->size()) return std::nullopt;
  std::string png(kPngPrefix);
  png += std::to_string(size.width) + "x" + std::to_string(size.height);
  png.append(renderedPadding, '.');
  return png;
}

std::shared_ptr<const Image> FakeImageCodec::decode(std::string bytes) const {
  std::string_view view(bytes);
  if (view.substr(0, kPngPrefix.size()) != kPngPrefix) return nullptr;
  view.remove_prefix(kPngPrefix.size());
  auto end = view.find('.');
  auto size = parseSize(view.substr(0, end));
  if (!size) return nullptr;
  return std::make_shared<FakeImage>(*size, std::move(bytes));
}

}  // namespace oskel
