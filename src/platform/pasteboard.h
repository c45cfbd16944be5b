// The system clipboard ("general pasteboard"): a change counter, the typed data of the
// current contents, plain text, and writes.
//
// Types are the clipboard's own type names: MIME types such as "image/png" or
// "text/plain;charset=utf-8" on X11 (the constants below name the common ones). The
// contents are one or more items; each item offers its data in one or more types. On X11
// there is always at most one item.
//
// The change count rises on every change of the contents, the program's own writes
// included, and never goes down while the program runs. Reading it is cheap; reading data
// may be a blocking transfer from the owning application. Main thread only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace oskel {

namespace pasteboard_type {
inline constexpr const char* kPNG = "image/png";
inline constexpr const char* kTIFF = "image/tiff";
inline constexpr const char* kPlainText = "text/plain";
// Marks of content that a password manager put on the clipboard.
inline constexpr const char* kPasswordManagerHint = "x-kde-passwordManagerHint";
inline constexpr const char* kConcealed = "org.nspasteboard.ConcealedType";
}  // namespace pasteboard_type

// One item of the contents: its data in every type it offers, in the owner's order.
struct PasteboardItem {
  std::vector<std::pair<std::string, std::string>> representations;  // (type, bytes)

  // The bytes of `type`, or nothing.
  const std::string* data(std::string_view type) const {
    for (const auto& [t, bytes] : representations)
      if (t == type) return &bytes;
    return nullptr;
  }
  bool operator==(const PasteboardItem&) const = default;
};

class Pasteboard {
 public:
  virtual ~Pasteboard() = default;

  virtual std::int64_t changeCount() const = 0;

  // The types the current contents offer (without their data), or empty when the
  // clipboard is empty.
  virtual std::vector<std::string> types() const = 0;

  // The bytes of the current contents in `type`, or nothing when it is not offered.
  virtual std::optional<std::string> data(std::string_view type) const = 0;

  // Any image of the current contents in a form other than PNG and TIFF, as encoded bytes
  // that an ImageCodec decodes (e.g. JPEG or BMP as offered, or converted to TIFF), or
  // nothing when the contents hold no other image.
  virtual std::optional<std::string> otherImageData() const = 0;

  // The plain-text content (UTF-8), or nothing when none is offered.
  virtual std::optional<std::string> string() const = 0;

  // A full snapshot of the contents, every item with all of its types' bytes, for
  // writeItems() to put back later. Clipboard-protocol bookkeeping types (X11 TARGETS,
  // MULTIPLE, TIMESTAMP, SAVE_TARGETS) are left out.
  virtual std::vector<PasteboardItem> items() const = 0;

  // Each write replaces the whole contents and raises the change count; false when the
  // clipboard could not be taken.
  virtual bool clearContents() = 0;
  virtual bool writeString(std::string_view text) = 0;
  virtual bool writeImage(std::string_view pngBytes) = 0;  // offered as "image/png"
  virtual bool writeItems(const std::vector<PasteboardItem>& items) = 0;

  // How many times other applications have fetched data of contents this program wrote
  // since its last write. X11 pastes are lazy: the target asks for the data when it pastes,
  // so a paste path can wait for this to move before restoring the previous contents.
  virtual std::int64_t ownContentFetchCount() const = 0;
};

}  // namespace oskel
