// Pasteboard over the X11 CLIPBOARD selection through QClipboard.
//
// The change count counts QClipboard's changed(Clipboard) signals: every new owner seen
// through XFixes, the owner going away, and this program's own writes (signalled
// synchronously inside the write). It is only as fresh as the events Qt's loop has run,
// which is where the watcher's timer runs too. Reading data is a blocking transfer from
// the owning client. The contents are always one item. Main (GUI) thread only; needs a
// QGuiApplication.
#pragma once

#include <QObject>
#include <atomic>
#include <memory>

#include "platform/pasteboard.h"

namespace oskel {

class QtPasteboard : public QObject, public Pasteboard {
  Q_OBJECT

 public:
  explicit QtPasteboard(QObject* parent = nullptr);
  ~QtPasteboard() override;

  std::int64_t changeCount() const override { return changeCount_; }
  std::vector<std::string> types() const override;
  std::optional<std::string> data(std::string_view type) const override;
  std::optional<std::string> otherImageData() const override;
  std::optional<std::string> string() const override;
  std::vector<PasteboardItem> items() const override;
  bool clearContents() override;
  bool writeString(std::string_view text) override;
  bool writeImage(std::string_view pngBytes) override;
  bool writeItems(const std::vector<PasteboardItem>& items) override;
  std::int64_t ownContentFetchCount() const override { return fetches_->load(); }

  // Types that only belong to the selection protocol (TARGETS, MULTIPLE, ...) or to Qt's
  // in-process image copy, left out of snapshots.
  static bool isBookkeepingType(std::string_view type);

 private:
  bool take(class FetchCountingMimeData* mime);

  std::int64_t changeCount_ = 0;
  std::shared_ptr<std::atomic<std::int64_t>> fetches_ = std::make_shared<std::atomic<std::int64_t>>(0);
  // True while this object reads its own contents, so those reads are not counted as fetches.
  std::shared_ptr<std::atomic<bool>> readingOwn_ = std::make_shared<std::atomic<bool>>(false);
};

}  // namespace oskel
