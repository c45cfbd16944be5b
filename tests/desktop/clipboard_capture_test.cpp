// The whole capture path on a real X server: another client copies, the watcher reads the
// X11 clipboard through QtPasteboard, names the source through X11Workspace, and the store
// and image intake keep what they should; oskelctl then shows it as stored.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QBuffer>
#include <QImageWriter>

#include "app/json_file_defaults.h"
#include "app/settings.h"
#include "base/files.h"
#include "base/manual_main_queue.h"
#include "desktop/qt/qt_image_codec.h"
#include "desktop/qt/qt_main_queue.h"
#include "desktop/qt/qt_pasteboard.h"
#include "desktop/x11/x11_workspace.h"
#include "desktop_test_support.h"
#include "history/clipboard_watcher.h"
#include "history/image_intake.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace oskel {
namespace {

class ClipboardCaptureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testing::haveDisplay()) GTEST_SKIP() << "needs an X display (scripts/with-desktop.sh)";
    env.set("DISPLAY", std::getenv("DISPLAY"));
    env.set("XDG_DATA_HOME", (dir.path() / "share").string());
    env.set("XDG_DATA_DIRS", (dir.path() / "none").string());
    files::createDirectories(dir.path() / "share" / "applications");
    ASSERT_TRUE(files::writeAtomically(dir.path() / "share" / "applications" / "oskel-notes.desktop",
                                       "[Desktop Entry]\nType=Application\nName=Notes\nStartupWMClass=OskelNotes\n"));
    // The application in front: a real window, made active as a window manager would.
    display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 100, 100, 0, 0, 0);
    XClassHint hint{const_cast<char*>("oskel-notes"), const_cast<char*>("OskelNotes")};
    XSetClassHint(display, window, &hint);
    XStoreName(display, window, "Notes");
    long active = static_cast<long>(window);
    XChangeProperty(display, DefaultRootWindow(display), XInternAtom(display, "_NET_ACTIVE_WINDOW", False), XA_WINDOW,
                    32, PropModeReplace, reinterpret_cast<unsigned char*>(&active), 1);
    XSync(display, False);
    workspace = std::make_unique<X11Workspace>(env);
    watcher = std::make_unique<ClipboardWatcher>(
        ClipboardWatcher::Dependencies{pasteboard, *workspace, defaults, queue, store, intake});
  }
  void TearDown() override {
    if (!display) return;
    XDeleteProperty(display, DefaultRootWindow(display), XInternAtom(display, "_NET_ACTIVE_WINDOW", False));
    XDestroyWindow(display, window);
    XCloseDisplay(display);
  }
  std::string file(const std::string& name, const std::string& bytes) {
    auto path = dir.path() / name;
    EXPECT_TRUE(files::writeAtomically(path, bytes));
    return path.string();
  }
  // Waits until the watcher has something new to take, then lets it.
  bool capture() {
    const auto before = watcher->lastChange();
    if (!testing::waitUntil([&] { return pasteboard.changeCount() != before; })) return false;
    return watcher->captureIfChanged();
  }

  testing::TempDir dir;
  MapEnvironment env;
  Display* display = nullptr;
  Window window = 0;
  NotificationCenter center;
  MemoryStore store{MemoryStore::Options{DataPaths::in(dir.path() / "data"), &center}};
  QtImageCodec codec;
  ImageIntake intake{store, codec};
  QtPasteboard pasteboard;
  JsonFileDefaults defaults{dir.path() / "settings.json"};
  ManualMainQueue queue;
  std::unique_ptr<X11Workspace> workspace;
  std::unique_ptr<ClipboardWatcher> watcher;
};

TEST_F(ClipboardCaptureTest, CopiesFromOtherClientsEnterTheHistoryWithTheirApplication) {
  auto text = testing::ClipboardOwner::xclip("UTF8_STRING", file("a.txt", "  Email: anna@example.com\n"));
  ASSERT_TRUE(capture());
  ASSERT_EQ(store.clips().size(), 2u);
  EXPECT_EQ(store.clips()[0].text, "Email: anna@example.com");
  EXPECT_EQ(store.clips()[0].sourceApp, "Notes");
  EXPECT_EQ(store.clips()[1].text, "anna@example.com");

  // A password manager's copy: dealt with, never stored.
  auto secret = testing::ClipboardOwner::source(
      {"text/plain=" + file("p.txt", "correct horse battery"), "x-kde-passwordManagerHint=" + file("h", "secret")});
  EXPECT_FALSE(capture());
  EXPECT_EQ(store.clips().size(), 2u);
  EXPECT_EQ(watcher->lastChange(), pasteboard.changeCount());

  // Paused: the change is dealt with and not captured after resuming either.
  defaults.setBoolean(settings_key::kClipboardCapturePaused, true);
  auto paused = testing::ClipboardOwner::xclip("UTF8_STRING", file("b.txt", "while paused"));
  EXPECT_FALSE(capture());
  defaults.setBoolean(settings_key::kClipboardCapturePaused, false);
  EXPECT_FALSE(watcher->captureIfChanged());

  // An image with a caption: only the image, stored at most 4096 wide, sized as copied.
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(QImageWriter(&buffer, "png").write(testing::testImage(5000, 100, true)));
  auto image = testing::ClipboardOwner::source(
      {"image/png=" + file("i.png", png.toStdString()), "text/plain=" + file("c.txt", "a caption")});
  ASSERT_TRUE(capture());
  ASSERT_EQ(store.clips().size(), 3u);
  const Clip clip = store.clips()[0];
  ASSERT_TRUE(clip.isImage());
  EXPECT_EQ(clip.sourceApp, "Notes");
  EXPECT_EQ(clip.imagePixelWidth, 5000);
  EXPECT_EQ(clip.imagePixelHeight, 100);
  auto stored = intake.image(clip);
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->pixelSize(), (PixelSize{4096, 82}));

  // oskelctl shows the image clip with the pixel size as stored in the history file.
  store.waitUntilSaved();
  auto shown = testing::runCommand({OSKELCTL_PATH, "history", "--data-dir", (dir.path() / "data").string()});
  EXPECT_EQ(shown.exitStatus, 0);
  const std::string expected = "\"imageFileName\":\"" + *clip.imageFileName +
                               "\",\"imagePixelWidth\":5000,\"imagePixelHeight\":100}";
  EXPECT_NE(shown.out.find(expected), std::string::npos) << shown.out;
}

TEST_F(ClipboardCaptureTest, TheWatcherPollsOnQtsLoopOnceStarted) {
  // The program's own loop: nothing is captured until the 0.6 s poll runs, then the copy is.
  QtMainQueue mainQueue;
  ClipboardWatcher polling(ClipboardWatcher::Dependencies{pasteboard, *workspace, defaults, mainQueue, store, intake});
  polling.start();
  auto text = testing::ClipboardOwner::xclip("UTF8_STRING", file("p.txt", "polled on the event loop"));
  ASSERT_TRUE(testing::waitUntil([&] { return !store.clips().empty(); }));
  EXPECT_EQ(store.clips()[0].text, "polled on the event loop");
  EXPECT_EQ(store.clips()[0].sourceApp, "Notes");
}

TEST_F(ClipboardCaptureTest, OwnWritesAreNotCapturedOnceSynced) {
  ASSERT_TRUE(pasteboard.writeString("pasted by Oskel"));
  watcher->syncToPasteboard();
  EXPECT_FALSE(watcher->captureIfChanged());
  EXPECT_TRUE(store.clips().empty());
}

}  // namespace
}  // namespace oskel
