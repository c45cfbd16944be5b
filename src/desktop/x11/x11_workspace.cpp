#include "desktop/x11/x11_workspace.h"

// Qt first: Xlib's macros (None, Bool, Status...) break Qt's headers.
#include <QDesktopServices>
#include <QUrl>
#include <fstream>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace oskel {

struct X11Workspace::Connection {
  Display* display = nullptr;
  Window helper = 0;  // an unmapped window of ours, for reading the server time
  ~Connection() {
    if (!display) return;
    if (helper) XDestroyWindow(display, helper);
    XCloseDisplay(display);
  }
};

namespace {

// Reads a property of 32-bit items; empty when absent.
std::vector<unsigned long> longProperty(Display* d, Window w, const char* name, Atom type) {
  std::vector<unsigned long> out;
  Atom actualType;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(d, w, XInternAtom(d, name, False), 0, 64, False, type, &actualType, &format, &count, &after,
                         &data) == Success &&
      data && format == 32) {
    auto* items = reinterpret_cast<unsigned long*>(data);
    out.assign(items, items + count);
  }
  if (data) XFree(data);
  return out;
}

std::string stringProperty(Display* d, Window w, const char* name) {
  std::string out;
  Atom actualType;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(d, w, XInternAtom(d, name, False), 0, 1024, False, AnyPropertyType, &actualType, &format,
                         &count, &after, &data) == Success &&
      data && format == 8)
    out.assign(reinterpret_cast<char*>(data), count);
  if (data) XFree(data);
  return out;
}

bool hasClass(Display* d, Window w) {
  XClassHint hint{};
  if (!XGetClassHint(d, w, &hint)) return false;
  XFree(hint.res_name);
  XFree(hint.res_class);
  return true;
}

// The client window for a focus window: up to the top level, then down to a window that
// has WM_CLASS (a reparenting window manager puts a frame in between).
Window clientOfFocus(Display* d, Window w) {
  const Window root = DefaultRootWindow(d);
  if (w == None || w == PointerRoot || w == root) return None;
  for (Window current = w;;) {
    if (hasClass(d, current)) return current;
    Window rootReturn, parent;
    Window* children = nullptr;
    unsigned int n = 0;
    if (!XQueryTree(d, current, &rootReturn, &parent, &children, &n)) return None;
    if (children) XFree(children);
    if (parent == root || parent == None) {
      // A frame: look one and two levels down.
      if (!XQueryTree(d, current, &rootReturn, &parent, &children, &n)) return None;
      Window found = None;
      for (unsigned int i = 0; i < n && found == None; ++i) {
        if (hasClass(d, children[i])) found = children[i];
        Window* grand = nullptr;
        unsigned int m = 0;
        Window r2, p2;
        if (found == None && XQueryTree(d, children[i], &r2, &p2, &grand, &m)) {
          for (unsigned int j = 0; j < m && found == None; ++j)
            if (hasClass(d, grand[j])) found = grand[j];
        }
        if (grand) XFree(grand);
      }
      if (children) XFree(children);
      return found;
    }
    current = parent;
  }
}

// Errors for windows that vanish between the calls must not end the program.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

X11Workspace::X11Workspace(const Environment& env) : x_(std::make_unique<Connection>()), entries_(env) {
  const auto name = env.value("DISPLAY");
  if (!name || name->empty()) return;
  x_->display = XOpenDisplay(name->c_str());
}

X11Workspace::~X11Workspace() = default;

bool X11Workspace::connected() const { return x_->display != nullptr; }

std::optional<FrontmostApplication> X11Workspace::frontmostApplication() const {
  Display* d = x_->display;
  if (!d) return std::nullopt;
  auto previous = XSetErrorHandler(ignoreErrors);
  const Window root = DefaultRootWindow(d);
  Window window = None;
  auto active = longProperty(d, root, "_NET_ACTIVE_WINDOW", XA_WINDOW);
  if (!active.empty() && active[0] != None) {
    window = static_cast<Window>(active[0]);
  } else if (longProperty(d, root, "_NET_SUPPORTED", XA_ATOM).empty()) {
    // No EWMH window manager: the window with the input focus.
    Window focus = None;
    int revert = 0;
    XGetInputFocus(d, &focus, &revert);
    window = clientOfFocus(d, focus);
  }
  std::optional<FrontmostApplication> result;
  if (window != None) {
    FrontmostApplication app;
    app.window = window;
    if (auto pid = longProperty(d, window, "_NET_WM_PID", XA_CARDINAL); !pid.empty())
      app.processId = static_cast<std::int64_t>(pid[0]);
    std::string instance, className;
    XClassHint hint{};
    if (XGetClassHint(d, window, &hint)) {
      if (hint.res_name) instance = hint.res_name;
      if (hint.res_class) className = hint.res_class;
      XFree(hint.res_name);
      XFree(hint.res_class);
    }
    app.name = entries_.displayName(instance, className, stringProperty(d, window, "_GTK_APPLICATION_ID"));
    if (!app.name && !className.empty()) app.name = className;
    if (!app.name && app.processId > 0) {
      std::ifstream comm("/proc/" + std::to_string(app.processId) + "/comm");
      std::string command;
      if (std::getline(comm, command) && !command.empty()) app.name = command;
    }
    result = app;
  }
  XSync(d, False);
  XSetErrorHandler(previous);
  return result;
}

bool X11Workspace::activate(const FrontmostApplication& application) {
  Display* d = x_->display;
  if (!d || application.window == 0) return false;
  auto previous = XSetErrorHandler(ignoreErrors);
  const Window root = DefaultRootWindow(d);
  const Window window = static_cast<Window>(application.window);
  if (!longProperty(d, root, "_NET_SUPPORTED", XA_ATOM).empty()) {
    // The server's current time: change a property of our own window and read the event.
    if (!x_->helper) {
      x_->helper = XCreateSimpleWindow(d, root, -10, -10, 1, 1, 0, 0, 0);
      XSelectInput(d, x_->helper, PropertyChangeMask);
    }
    const Atom stamp = XInternAtom(d, "_OSKEL_TIMESTAMP", False);
    XChangeProperty(d, x_->helper, stamp, XA_STRING, 8, PropModeAppend, nullptr, 0);
    XEvent event;
    XWindowEvent(d, x_->helper, PropertyChangeMask, &event);
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = XInternAtom(d, "_NET_ACTIVE_WINDOW", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = 2;  // a pager: the request comes from the user
    message.xclient.data.l[1] = static_cast<long>(event.xproperty.time);
    XSendEvent(d, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &message);
  } else {
    XRaiseWindow(d, window);
    XSetInputFocus(d, window, RevertToParent, CurrentTime);
  }
  XSync(d, False);
  XSetErrorHandler(previous);
  return true;
}

bool X11Workspace::openURL(const std::string& url) {
  const QUrl address(QString::fromStdString(url));
  return address.isValid() && QDesktopServices::openUrl(address);
}

}  // namespace oskel
