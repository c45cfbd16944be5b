#include "desktop/qt/qt_pasteboard.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>
#include <algorithm>

#include "base/files.h"
#include "desktop_test_support.h"
#include "support/temp_dir.h"

namespace oskel {
namespace {

class QtPasteboardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testing::haveDisplay()) GTEST_SKIP() << "needs an X display (scripts/with-desktop.sh)";
  }
  std::string file(const std::string& name, const std::string& bytes) {
    auto path = dir.path() / name;
    EXPECT_TRUE(files::writeAtomically(path, bytes));
    return path.string();
  }
  // Waits for the clipboard to change after `before`.
  bool changedSince(std::int64_t before) {
    return testing::waitUntil([&] { return pasteboard.changeCount() > before; });
  }
  static std::string encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  }
  static bool contains(const std::vector<std::string>& list, const std::string& value) {
    return std::find(list.begin(), list.end(), value) != list.end();
  }

  testing::TempDir dir;
  QtPasteboard pasteboard;
};

TEST_F(QtPasteboardTest, SeesOtherClientsCopiesOfTextAndImages) {
  auto before = pasteboard.changeCount();
  auto text = testing::ClipboardOwner::xclip("UTF8_STRING", file("t.txt", "Grüße, anna@example.com"));
  ASSERT_TRUE(changedSince(before));
  EXPECT_EQ(pasteboard.string(), "Grüße, anna@example.com");
  EXPECT_FALSE(pasteboard.data("image/png"));
  EXPECT_FALSE(pasteboard.otherImageData());

  // Text offered only under its MIME name with a charset is plain text too.
  before = pasteboard.changeCount();
  auto mimeText = testing::ClipboardOwner::xclip("text/plain;charset=utf-8", file("u.txt", "Grüße aus MIME"));
  ASSERT_TRUE(changedSince(before));
  EXPECT_EQ(pasteboard.string(), "Grüße aus MIME");

  const std::string png = encode(testing::testImage(64, 32, true), "png");
  before = pasteboard.changeCount();
  auto image = testing::ClipboardOwner::xclip("image/png", file("i.png", png));
  ASSERT_TRUE(changedSince(before));
  EXPECT_EQ(pasteboard.data("image/png"), png);  // byte for byte
  EXPECT_TRUE(contains(pasteboard.types(), "image/png"));

  const std::string jpeg = encode(testing::testImage(64, 32, false), "jpeg");
  before = pasteboard.changeCount();
  auto other = testing::ClipboardOwner::xclip("image/jpeg", file("i.jpg", jpeg));
  ASSERT_TRUE(changedSince(before));
  EXPECT_FALSE(pasteboard.data("image/png"));
  EXPECT_EQ(pasteboard.otherImageData(), jpeg);

  // Several types at once, as a password manager offers them.
  before = pasteboard.changeCount();
  auto secret = testing::ClipboardOwner::source(
      {"text/plain=" + file("p.txt", "hunter2"), "x-kde-passwordManagerHint=" + file("h.txt", "secret")});
  ASSERT_TRUE(changedSince(before));
  EXPECT_TRUE(contains(pasteboard.types(), "x-kde-passwordManagerHint"));
  EXPECT_EQ(pasteboard.data("x-kde-passwordManagerHint"), "secret");
  EXPECT_EQ(pasteboard.string(), "hunter2");

  // The owner goes away: the contents vanish, which is a change too.
  before = pasteboard.changeCount();
  secret.reset();
  ASSERT_TRUE(changedSince(before));
  EXPECT_FALSE(pasteboard.string());
  EXPECT_TRUE(pasteboard.items().empty());
}

TEST_F(QtPasteboardTest, OwnWritesCountAsChangesAndSnapshotsRestoreEveryType) {
  const std::string png = encode(testing::testImage(20, 10, true), "png");
  auto before = pasteboard.changeCount();
  auto owner = testing::ClipboardOwner::source(
      {"image/png=" + file("i.png", png), "text/html=" + file("c.html", "<b>caption</b>")});
  ASSERT_TRUE(changedSince(before));
  const auto snapshot = pasteboard.items();
  ASSERT_EQ(snapshot.size(), 1u);
  ASSERT_TRUE(snapshot[0].data("image/png"));
  EXPECT_EQ(*snapshot[0].data("image/png"), png);
  EXPECT_EQ(*snapshot[0].data("text/html"), "<b>caption</b>");
  for (const auto& [type, bytes] : snapshot[0].representations) EXPECT_FALSE(QtPasteboard::isBookkeepingType(type));

  // Each write raises the count at once, inside the call.
  before = pasteboard.changeCount();
  ASSERT_TRUE(pasteboard.writeString("from Oskel"));
  EXPECT_EQ(pasteboard.changeCount(), before + 1);
  EXPECT_EQ(pasteboard.ownContentFetchCount(), 0);
  EXPECT_EQ(testing::readClipboardAs("UTF8_STRING"), "from Oskel");  // another client pastes
  EXPECT_GE(pasteboard.ownContentFetchCount(), 1);

  ASSERT_TRUE(pasteboard.writeImage(png));
  EXPECT_EQ(pasteboard.changeCount(), before + 2);
  EXPECT_EQ(testing::readClipboardAs("image/png"), png);

  ASSERT_TRUE(pasteboard.clearContents());
  EXPECT_EQ(pasteboard.changeCount(), before + 3);
  EXPECT_FALSE(pasteboard.string());

  // Restore the snapshot: another client reads every type back as it was.
  ASSERT_TRUE(pasteboard.writeItems(snapshot));
  EXPECT_EQ(pasteboard.changeCount(), before + 4);
  EXPECT_EQ(testing::readClipboardAs("image/png"), png);
  EXPECT_EQ(testing::readClipboardAs("text/html"), "<b>caption</b>");
  EXPECT_EQ(pasteboard.items(), snapshot);
}

}  // namespace
}  // namespace oskel
