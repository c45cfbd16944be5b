#include "fakes/fake_pasteboard.h"

namespace oskel {

std::int64_t FakePasteboard::changeCount() const {
  ++changeCountReads;
  return changeCount_;
}

std::vector<std::string> FakePasteboard::types() const {
  ++contentReads;
  std::vector<std::string> out;
  for (const auto& item : items_)
    for (const auto& [type, bytes] : item.representations) out.push_back(type);
  return out;
}

std::optional<std::string> FakePasteboard::data(std::string_view type) const {
  ++contentReads;
  if (items_.empty()) return std::nullopt;
  if (const std::string* bytes = items_.front().data(type)) return *bytes;
  return std::nullopt;
}

std::optional<std::string> FakePasteboard::otherImageData() const {
  ++contentReads;
  return otherImage_;
}

std::optional<std::string> FakePasteboard::string() const {
  ++contentReads;
  if (items_.empty()) return std::nullopt;
  for (const char* type : {"text/plain;charset=utf-8", "UTF8_STRING", "text/plain"})
    if (const std::string* bytes = items_.front().data(type)) return *bytes;
  return std::nullopt;
}

std::vector<PasteboardItem> FakePasteboard::items() const {
  ++contentReads;
  return items_;
}

bool FakePasteboard::replace(std::vector<PasteboardItem> items) {
  if (writesFail_) return false;
  items_ = std::move(items);
  otherImage_.reset();
  ++changeCount_;
  fetches_ = 0;
  return true;
}

bool FakePasteboard::clearContents() {
  ++writes;
  return replace({});
}

bool FakePasteboard::writeString(std::string_view text) {
  ++writes;
  return replace({PasteboardItem{{{"text/plain;charset=utf-8", std::string(text)}}}});
}

bool FakePasteboard::writeImage(std::string_view pngBytes) {
  ++writes;
  return replace({PasteboardItem{{{pasteboard_type::kPNG, std::string(pngBytes)}}}});
}

bool FakePasteboard::writeItems(const std::vector<PasteboardItem>& items) {
  ++writes;
  return replace(items);
}

void FakePasteboard::copyFromOtherApplication(std::vector<PasteboardItem> items) {
  items_ = std::move(items);
  otherImage_.reset();
  ++changeCount_;
  fetches_ = 0;
}

void FakePasteboard::copyText(const std::string& text) {
  copyFromOtherApplication({PasteboardItem{{{"text/plain;charset=utf-8", text}, {"UTF8_STRING", text}}}});
}

}  // namespace oskel
