#include "desktop/x11/x11_workspace.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "base/files.h"
#include "desktop_test_support.h"
#include "support/temp_dir.h"

// Xlib last: its macros clash with Qt and gtest names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace oskel {
namespace {

// The test plays the window manager: it makes a real window with a class, a title and a
// pid, and points the root's _NET_ACTIVE_WINDOW at it.
class X11WorkspaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testing::haveDisplay()) GTEST_SKIP() << "needs an X display (scripts/with-desktop.sh)";
    display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    root = DefaultRootWindow(display);
    files::createDirectories(dir.path() / "share" / "applications");
    env.set("DISPLAY", std::getenv("DISPLAY"));
    env.set("HOME", dir.path().string());
    env.set("XDG_DATA_HOME", (dir.path() / "share").string());
    env.set("XDG_DATA_DIRS", (dir.path() / "none").string());
  }
  void TearDown() override {
    if (!display) return;
    XDeleteProperty(display, root, XInternAtom(display, "_NET_ACTIVE_WINDOW", False));
    XDeleteProperty(display, root, XInternAtom(display, "_NET_SUPPORTED", False));
    for (Window w : windows) XDestroyWindow(display, w);
    XCloseDisplay(display);
  }
  Window makeWindow(const char* instance, const char* className, const char* title, long pid) {
    Window w = XCreateSimpleWindow(display, root, 10, 10, 200, 100, 0, 0, 0);
    XClassHint hint{const_cast<char*>(instance), const_cast<char*>(className)};
    XSetClassHint(display, w, &hint);
    XStoreName(display, w, title);
    if (pid > 0) {
      XChangeProperty(display, w, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32, PropModeReplace,
                      reinterpret_cast<unsigned char*>(&pid), 1);
    }
    XMapWindow(display, w);
    windows.push_back(w);
    XSync(display, False);
    return w;
  }
  void setActive(Window w) {
    long value = static_cast<long>(w);
    XChangeProperty(display, root, XInternAtom(display, "_NET_ACTIVE_WINDOW", False), XA_WINDOW, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&value), 1);
    XSync(display, False);
  }
  void writeEntry(const std::string& fileName, const std::string& body) {
    ASSERT_TRUE(files::writeAtomically(dir.path() / "share" / "applications" / fileName, body));
  }

  testing::TempDir dir;
  MapEnvironment env;
  Display* display = nullptr;
  Window root = 0;
  std::vector<Window> windows;
};

TEST_F(X11WorkspaceTest, NamesTheActiveWindowsApplication) {
  X11Workspace workspace(env);
  ASSERT_TRUE(workspace.connected());
  const Window editor = makeWindow("oskel-editor", "OskelEditor", "notes.txt - Oskel Editor", getpid());
  setActive(editor);

  // No desktop entry: the window's class.
  auto app = workspace.frontmostApplication();
  ASSERT_TRUE(app);
  EXPECT_EQ(app->name, "OskelEditor");
  EXPECT_EQ(app->processId, getpid());
  EXPECT_EQ(app->window, editor);

  // An entry named after the instance, then one that claims the class: the claim wins.
  writeEntry("oskel-editor.desktop", "[Desktop Entry]\nType=Application\nName=Editor By File\n");
  EXPECT_EQ(workspace.frontmostApplication()->name, "Editor By File");
  writeEntry("other.desktop",
             "[Desktop Action x]\nName=Not this\n[Desktop Entry]\nName = Oskel Text Editor\nStartupWMClass=OskelEditor\n");
  EXPECT_EQ(workspace.frontmostApplication()->name, "Oskel Text Editor");
  writeEntry("hidden.desktop", "[Desktop Entry]\nName=Gone\nStartupWMClass=oskel-editor\nHidden=true\n");
  EXPECT_EQ(workspace.frontmostApplication()->name, "Oskel Text Editor");

  // A window without class: the command name of its process.
  const Window bare = XCreateSimpleWindow(display, root, 0, 0, 10, 10, 0, 0, 0);
  windows.push_back(bare);
  long pid = getpid();
  XChangeProperty(display, bare, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&pid), 1);
  setActive(bare);
  EXPECT_EQ(workspace.frontmostApplication()->name, "oskel_desktop_t");  // /proc/self/comm, 15 characters

  // No active window and no focus: nothing in front.
  setActive(None);
  XSetInputFocus(display, PointerRoot, RevertToPointerRoot, CurrentTime);
  XSync(display, False);
  EXPECT_FALSE(workspace.frontmostApplication());

  // A destroyed window named as active is not an error.
  const Window gone = makeWindow("gone", "Gone", "gone", 0);
  setActive(gone);
  XDestroyWindow(display, gone);
  windows.pop_back();
  XSync(display, False);
  auto ghost = workspace.frontmostApplication();
  ASSERT_TRUE(ghost);
  EXPECT_FALSE(ghost->name);
}

TEST_F(X11WorkspaceTest, EntriesThatAreSymbolicLinksKeepTheirOwnNames) {
  // Flatpak exports its entries as links into each application's own folder: the entry's
  // id is the link's name, not the name of the file it points to.
  files::createDirectories(dir.path() / "store" / "export");
  ASSERT_TRUE(files::writeAtomically(dir.path() / "store" / "export" / "target.desktop",
                                     "[Desktop Entry]\nType=Application\nName=Linked Notes\n"));
  ASSERT_EQ(::symlink((dir.path() / "store" / "export" / "target.desktop").c_str(),
                      (dir.path() / "share" / "applications" / "org.oskel.LinkedNotes.desktop").c_str()),
            0);
  X11Workspace workspace(env);
  setActive(makeWindow("org.oskel.LinkedNotes", "LinkedNotesClass", "linked", getpid()));
  auto app = workspace.frontmostApplication();
  ASSERT_TRUE(app);
  EXPECT_EQ(app->name, "Linked Notes");
}

TEST_F(X11WorkspaceTest, WithoutAWindowManagerTheFocusedWindowIsInFrontAndActivationFocusesIt) {
  X11Workspace workspace(env);
  const Window first = makeWindow("first", "First", "first", getpid());
  const Window second = makeWindow("second", "Second", "second", getpid());
  ASSERT_TRUE(testing::waitUntil([&] {
    XWindowAttributes a{};
    XGetWindowAttributes(display, second, &a);
    return a.map_state == IsViewable;
  }));
  XSetInputFocus(display, first, RevertToParent, CurrentTime);
  XSync(display, False);
  EXPECT_EQ(workspace.frontmostApplication()->name, "First");

  ASSERT_TRUE(workspace.activate(FrontmostApplication{"Second", getpid(), second}));
  Window focus = None;
  int revert = 0;
  XGetInputFocus(display, &focus, &revert);
  EXPECT_EQ(focus, second);
  EXPECT_EQ(workspace.frontmostApplication()->name, "Second");
  EXPECT_FALSE(workspace.activate(FrontmostApplication{}));
}

TEST_F(X11WorkspaceTest, WithAWindowManagerActivationIsAskedOfIt) {
  X11Workspace workspace(env);
  const Window target = makeWindow("target", "Target", "target", getpid());
  // Claim the window manager's role: the request arrives here as a client message.
  XSelectInput(display, root, SubstructureRedirectMask);
  long supported = static_cast<long>(XInternAtom(display, "_NET_ACTIVE_WINDOW", False));
  XChangeProperty(display, root, XInternAtom(display, "_NET_SUPPORTED", False), XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&supported), 1);
  XSync(display, False);

  ASSERT_TRUE(workspace.activate(FrontmostApplication{"Target", getpid(), target}));
  XEvent event{};
  bool received = testing::waitUntil([&] {
    while (XPending(display)) {
      XNextEvent(display, &event);
      if (event.type == ClientMessage) return true;
    }
    return false;
  });
  ASSERT_TRUE(received);
  EXPECT_EQ(event.xclient.window, target);
  EXPECT_EQ(event.xclient.message_type, XInternAtom(display, "_NET_ACTIVE_WINDOW", False));
  EXPECT_EQ(event.xclient.data.l[0], 2);
  EXPECT_NE(event.xclient.data.l[1], 0);  // a real server time
  XSelectInput(display, root, NoEventMask);
}

}  // namespace
}  // namespace oskel
