#include "desktop/qt/qt_pasteboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QMimeData>

namespace oskel {

// Mime data this program puts on the clipboard; counts the requests of other clients.
class FetchCountingMimeData : public QMimeData {
 public:
  FetchCountingMimeData(std::shared_ptr<std::atomic<std::int64_t>> fetches, std::shared_ptr<std::atomic<bool>> own)
      : fetches_(std::move(fetches)), own_(std::move(own)) {}

 protected:
  QVariant retrieveData(const QString& mimeType, QMetaType type) const override {
    if (!own_->load()) ++*fetches_;
    return QMimeData::retrieveData(mimeType, type);
  }

 private:
  std::shared_ptr<std::atomic<std::int64_t>> fetches_;
  std::shared_ptr<std::atomic<bool>> own_;
};

namespace {

QClipboard* clipboard() { return QGuiApplication::clipboard(); }

std::string toStd(const QByteArray& bytes) { return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())); }
QString toQ(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
QByteArray toBytes(std::string_view s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); }

// Marks reads of our own contents for the duration of a scope.
class OwnRead {
 public:
  explicit OwnRead(std::atomic<bool>& flag) : flag_(flag) { flag_ = true; }
  ~OwnRead() { flag_ = false; }

 private:
  std::atomic<bool>& flag_;
};

}  // namespace

QtPasteboard::QtPasteboard(QObject* parent) : QObject(parent) {
  connect(clipboard(), &QClipboard::changed, this, [this](QClipboard::Mode mode) {
    if (mode == QClipboard::Clipboard) ++changeCount_;
  });
}

QtPasteboard::~QtPasteboard() = default;

bool QtPasteboard::isBookkeepingType(std::string_view type) {
  return type == "TARGETS" || type == "MULTIPLE" || type == "TIMESTAMP" || type == "SAVE_TARGETS" ||
         type == "application/x-qt-image" || type == "DELETE" || type == "INSERT_SELECTION" ||
         type == "INSERT_PROPERTY";
}

std::vector<std::string> QtPasteboard::types() const {
  OwnRead own(*readingOwn_);
  std::vector<std::string> out;
  const QMimeData* mime = clipboard()->mimeData(QClipboard::Clipboard);
  if (!mime) return out;
  for (const QString& format : mime->formats()) out.push_back(format.toStdString());
  return out;
}

std::optional<std::string> QtPasteboard::data(std::string_view type) const {
  OwnRead own(*readingOwn_);
  const QMimeData* mime = clipboard()->mimeData(QClipboard::Clipboard);
  const QString format = toQ(type);
  if (!mime || !mime->hasFormat(format)) return std::nullopt;
  return toStd(mime->data(format));
}

std::optional<std::string> QtPasteboard::otherImageData() const {
  OwnRead own(*readingOwn_);
  const QMimeData* mime = clipboard()->mimeData(QClipboard::Clipboard);
  if (!mime) return std::nullopt;
  const QList<QByteArray> readable = QImageReader::supportedMimeTypes();
  for (const QString& format : mime->formats()) {
    if (!format.startsWith(QLatin1String("image/")) || format == QLatin1String("image/png") ||
        format == QLatin1String("image/tiff"))
      continue;
    if (!readable.contains(format.toLatin1())) continue;
    QByteArray bytes = mime->data(format);
    if (!bytes.isEmpty()) return toStd(bytes);
  }
  // An image only Qt itself can hand over (our own process): convert it to TIFF.
  if (mime->hasImage()) {
    const QImage image = qvariant_cast<QImage>(mime->imageData());
    if (image.isNull()) return std::nullopt;
    QByteArray tiff;
    QBuffer buffer(&tiff);
    buffer.open(QIODevice::WriteOnly);
    if (QImageWriter(&buffer, "tiff").write(image)) return toStd(tiff);
  }
  return std::nullopt;
}

std::optional<std::string> QtPasteboard::string() const {
  OwnRead own(*readingOwn_);
  const QMimeData* mime = clipboard()->mimeData(QClipboard::Clipboard);
  if (!mime) return std::nullopt;
  // hasText() looks for "text/plain" alone; an owner may offer its text only as
  // "text/plain;charset=utf-8", which text() reads first.
  if (!mime->hasText() && !mime->hasFormat(QStringLiteral("text/plain;charset=utf-8"))) return std::nullopt;
  return mime->text().toStdString();
}

std::vector<PasteboardItem> QtPasteboard::items() const {
  OwnRead own(*readingOwn_);
  const QMimeData* mime = clipboard()->mimeData(QClipboard::Clipboard);
  if (!mime) return {};
  PasteboardItem item;
  for (const QString& format : mime->formats()) {
    const std::string type = format.toStdString();
    if (isBookkeepingType(type) || item.data(type)) continue;
    item.representations.emplace_back(type, toStd(mime->data(format)));
  }
  if (item.representations.empty()) return {};
  return {std::move(item)};
}

bool QtPasteboard::take(FetchCountingMimeData* mime) {
  *fetches_ = 0;
  const std::int64_t before = changeCount_;
  clipboard()->setMimeData(mime, QClipboard::Clipboard);  // the clipboard owns `mime` now
  if (changeCount_ == before) ++changeCount_;             // a write always counts as a change
  return clipboard()->ownsClipboard();
}

bool QtPasteboard::clearContents() {
  // An empty offer rather than QClipboard::clear(): giving up the selection would leave
  // other clients' requests unanswered, and the change would not always be signalled.
  return take(new FetchCountingMimeData(fetches_, readingOwn_));
}

bool QtPasteboard::writeString(std::string_view text) {
  auto* mime = new FetchCountingMimeData(fetches_, readingOwn_);
  mime->setText(toQ(text));
  return take(mime);
}

bool QtPasteboard::writeImage(std::string_view pngBytes) {
  auto* mime = new FetchCountingMimeData(fetches_, readingOwn_);
  mime->setData(QStringLiteral("image/png"), toBytes(pngBytes));
  return take(mime);
}

bool QtPasteboard::writeItems(const std::vector<PasteboardItem>& items) {
  auto* mime = new FetchCountingMimeData(fetches_, readingOwn_);
  // The X11 clipboard holds one item: the first; the others have nowhere to go.
  if (!items.empty())
    for (const auto& [type, bytes] : items.front().representations)
      if (!isBookkeepingType(type)) mime->setData(toQ(type), toBytes(bytes));
  return take(mime);
}

}  // namespace oskel
