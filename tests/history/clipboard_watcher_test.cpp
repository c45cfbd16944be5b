#include "history/clipboard_watcher.h"

#include <gtest/gtest.h>

#include "app/settings.h"
#include "base/manual_main_queue.h"
#include "fakes/fake_defaults.h"
#include "fakes/fake_image_codec.h"
#include "fakes/fake_pasteboard.h"
#include "fakes/fake_workspace.h"
#include "history/image_intake.h"
#include "support/temp_dir.h"

namespace oskel {
namespace {

PasteboardItem item(std::vector<std::pair<std::string, std::string>> reps) { return PasteboardItem{std::move(reps)}; }

class ClipboardWatcherTest : public ::testing::Test {
 protected:
  ClipboardWatcherTest() { pasteboard.copyText("already there"); }

  std::unique_ptr<ClipboardWatcher> makeWatcher() {
    return std::make_unique<ClipboardWatcher>(
        ClipboardWatcher::Dependencies{pasteboard, workspace, defaults, queue, *store, intake});
  }
  std::vector<std::string> texts() {
    std::vector<std::string> out;
    store->clips().forEach([&](const Clip& c) {
      out.push_back(c.isImage() ? "<image " + c.sourceApp + ">" : c.text + " @" + c.sourceApp);
      return true;
    });
    return out;
  }

  testing::TempDir dir;
  NotificationCenter center;
  std::unique_ptr<MemoryStore> store =
      std::make_unique<MemoryStore>(MemoryStore::Options{DataPaths::in(dir.path()), &center});
  FakeImageCodec codec;
  ImageIntake intake{*store, codec};
  FakePasteboard pasteboard;
  FakeWorkspace workspace;
  FakeDefaults defaults;
  ManualMainQueue queue;
};

TEST_F(ClipboardWatcherTest, PollsEverySixTenthsAndCapturesOnlyNewContent) {
  auto watcher = makeWatcher();
  watcher->start();
  workspace.bringToFront("Text Editor");
  queue.advance(1.2);
  EXPECT_TRUE(texts().empty());  // what was there at start is never captured

  pasteboard.copyText("first");
  queue.advance(0.59);
  EXPECT_TRUE(texts().empty());
  queue.advance(0.01);
  EXPECT_EQ(texts(), std::vector<std::string>{"first @Text Editor"});

  // Two copies within one interval: one capture, of the later one.
  pasteboard.copyText("second");
  pasteboard.copyText("third");
  queue.advance(0.6);
  EXPECT_EQ(texts(), (std::vector<std::string>{"third @Text Editor", "first @Text Editor"}));
  EXPECT_EQ(watcher->lastChange(), pasteboard.changeCount());

  // No frontmost application, or one without a name.
  workspace.frontmost.reset();
  pasteboard.copyText("fourth");
  EXPECT_TRUE(watcher->captureIfChanged());
  EXPECT_FALSE(watcher->captureIfChanged());
  workspace.frontmost = FrontmostApplication{std::string(), 7, 1};
  pasteboard.copyText("fifth");
  EXPECT_TRUE(watcher->captureIfChanged());
  EXPECT_EQ(texts()[0], "fifth @Unknown");
  EXPECT_EQ(texts()[1], "fourth @Unknown");
}

TEST_F(ClipboardWatcherTest, IdleTicksReadOnlyTheChangeCount) {
  auto watcher = makeWatcher();
  watcher->start();
  pasteboard.changeCountReads = 0;
  pasteboard.contentReads = 0;
  queue.advance(60.3);  // 100 ticks
  EXPECT_EQ(pasteboard.changeCountReads, 100);
  EXPECT_EQ(pasteboard.contentReads, 0);
  EXPECT_EQ(workspace.frontmostReads, 0);
}

TEST_F(ClipboardWatcherTest, PausedChangesAreDealtWithAndNeverCapturedLater) {
  auto watcher = makeWatcher();
  defaults.setBoolean(settings_key::kClipboardCapturePaused, true);
  pasteboard.copyText("while paused");
  EXPECT_FALSE(watcher->captureIfChanged());
  EXPECT_EQ(pasteboard.contentReads, 0);
  defaults.setBoolean(settings_key::kClipboardCapturePaused, false);
  EXPECT_FALSE(watcher->captureIfChanged());
  EXPECT_TRUE(texts().empty());
  pasteboard.copyText("after");
  EXPECT_TRUE(watcher->captureIfChanged());
  EXPECT_EQ(texts(), std::vector<std::string>{"after @Unknown"});
}

TEST_F(ClipboardWatcherTest, PasswordManagerContentIsNeverStored) {
  auto watcher = makeWatcher();
  for (const std::string& hint : {std::string("secret"), std::string("secret\n"), std::string("secret\0", 7)}) {
    pasteboard.copyFromOtherApplication(
        {item({{"text/plain;charset=utf-8", "hunter2-password"}, {pasteboard_type::kPasswordManagerHint, hint}})});
    EXPECT_FALSE(watcher->captureIfChanged());
  }
  pasteboard.copyFromOtherApplication({item({{"text/plain", "mac secret"}, {pasteboard_type::kConcealed, ""}})});
  EXPECT_FALSE(watcher->captureIfChanged());
  EXPECT_TRUE(texts().empty());
  EXPECT_EQ(watcher->lastChange(), pasteboard.changeCount());
  // Another hint value is not a secret mark.
  pasteboard.copyFromOtherApplication(
      {item({{"text/plain", "shared note"}, {pasteboard_type::kPasswordManagerHint, "public"}})});
  EXPECT_TRUE(watcher->captureIfChanged());
  EXPECT_EQ(texts(), std::vector<std::string>{"shared note @Unknown"});
}

TEST_F(ClipboardWatcherTest, ImagesWinOverTextInPngTiffOtherOrder) {
  auto watcher = makeWatcher();
  workspace.bringToFront("GIMP");
  const std::string png = FakeImageCodec::image({{10, 20}});
  const std::string tiff = FakeImageCodec::image({{30, 40}});
  pasteboard.copyFromOtherApplication(
      {item({{"text/plain", "caption"}, {pasteboard_type::kTIFF, tiff}, {pasteboard_type::kPNG, png}})});
  EXPECT_TRUE(watcher->captureIfChanged());
  pasteboard.copyFromOtherApplication({item({{"text/plain", "caption"}, {pasteboard_type::kTIFF, tiff}})});
  EXPECT_TRUE(watcher->captureIfChanged());
  pasteboard.copyFromOtherApplication({item({{"text/plain", "caption"}, {pasteboard_type::kPNG, ""}})});
  pasteboard.setOtherImage(FakeImageCodec::image({{50, 60}}));
  EXPECT_TRUE(watcher->captureIfChanged());
  ASSERT_EQ(store->clips().size(), 3u);
  EXPECT_EQ(store->clips()[0].imagePixelWidth, 50);
  EXPECT_EQ(store->clips()[1].imagePixelWidth, 30);
  EXPECT_EQ(store->clips()[2].imagePixelWidth, 10);
  EXPECT_EQ(store->clips()[0].sourceApp, "GIMP");

  // An image the intake refuses still counts as handed over; the text is not used instead.
  pasteboard.copyFromOtherApplication({item({{"text/plain", "caption"}, {pasteboard_type::kPNG, "broken"}})});
  EXPECT_TRUE(watcher->captureIfChanged());
  EXPECT_EQ(store->clips().size(), 3u);

  // Neither image nor text: ignored.
  pasteboard.copyFromOtherApplication({item({{"application/x-other", "zz"}})});
  EXPECT_FALSE(watcher->captureIfChanged());
  pasteboard.clearContents();
  EXPECT_FALSE(watcher->captureIfChanged());
  EXPECT_EQ(store->clips().size(), 3u);
}

TEST_F(ClipboardWatcherTest, OwnWritesAreSkippedAfterSyncAndAGoneWatcherIgnoresTicks) {
  auto watcher = makeWatcher();
  watcher->start();
  pasteboard.writeString("pasted by us");
  watcher->syncToPasteboard();
  queue.advance(0.6);
  EXPECT_TRUE(texts().empty());
  // Text the store refuses (sensitive) is still "handed over".
  pasteboard.copyText("4111 1111 1111 1111");
  EXPECT_TRUE(watcher->captureIfChanged());
  EXPECT_TRUE(texts().empty());

  watcher.reset();
  pasteboard.copyText("after the watcher");
  queue.advance(1.2);
  EXPECT_TRUE(texts().empty());
  EXPECT_EQ(queue.pendingCount(), 0u);
}

}  // namespace
}  // namespace oskel
