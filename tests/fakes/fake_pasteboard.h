// An in-memory Pasteboard for logic tests. Tests play the other applications with
// copyFromOtherApplication(); the counters show which reads the code under test made.
#pragma once

#include "platform/pasteboard.h"

namespace oskel {

class FakePasteboard : public Pasteboard {
 public:
  std::int64_t changeCount() const override;
  std::vector<std::string> types() const override;
  std::optional<std::string> data(std::string_view type) const override;
  std::optional<std::string> otherImageData() const override;
  std::optional<std::string> string() const override;
  std::vector<PasteboardItem> items() const override;
  bool clearContents() override;
  bool writeString(std::string_view text) override;
  bool writeImage(std::string_view pngBytes) override;
  bool writeItems(const std::vector<PasteboardItem>& items) override;
  std::int64_t ownContentFetchCount() const override { return fetches_; }

  // Another application replaces the contents (the change count rises by one).
  void copyFromOtherApplication(std::vector<PasteboardItem> items);
  void copyText(const std::string& text);  // offered as "text/plain;charset=utf-8" and "UTF8_STRING"
  // Another application reads what the program wrote (a lazy X11 paste).
  void fetchByOtherApplication() { ++fetches_; }
  // Any other image format (as a converted image), offered beside `items`.
  void setOtherImage(std::optional<std::string> bytes) { otherImage_ = std::move(bytes); }
  // Makes every write fail, as when the clipboard cannot be owned.
  void setWritesFail(bool fail) { writesFail_ = fail; }

  const std::vector<PasteboardItem>& contents() const { return items_; }
  mutable int changeCountReads = 0;
  mutable int contentReads = 0;  // types/data/otherImageData/string/items
  int writes = 0;

 private:
  bool replace(std::vector<PasteboardItem> items);

  std::vector<PasteboardItem> items_;
  std::optional<std::string> otherImage_;
  std::int64_t changeCount_ = 0;
  std::int64_t fetches_ = 0;
  bool writesFail_ = false;
};

}  // namespace oskel
