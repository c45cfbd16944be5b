// Workspace on X11 through EWMH.
//
// The frontmost application is the owner of the root window's _NET_ACTIVE_WINDOW (without
// an EWMH window manager: the top-level window holding the input focus). Its display name
// is the Name of its .desktop entry (DesktopEntries), else its WM_CLASS class, else the
// process's command name from /proc/<_NET_WM_PID>/comm. activate() asks the window manager
// with a _NET_ACTIVE_WINDOW client message (source: a pager, with a real server time),
// or raises and focuses the window itself when there is no window manager. openURL() goes
// through QDesktopServices. Opens its own X connection; main thread only.
#pragma once

#include <memory>

#include "desktop/x11/desktop_entries.h"
#include "platform/environment.h"
#include "platform/workspace.h"

namespace oskel {

class X11Workspace : public Workspace {
 public:
  // Connects to $DISPLAY; without a display every query answers nothing.
  explicit X11Workspace(const Environment& env);
  ~X11Workspace() override;
  X11Workspace(const X11Workspace&) = delete;
  X11Workspace& operator=(const X11Workspace&) = delete;

  bool connected() const;
  std::optional<FrontmostApplication> frontmostApplication() const override;
  bool activate(const FrontmostApplication& application) override;
  bool openURL(const std::string& url) override;

 private:
  struct Connection;
  std::unique_ptr<Connection> x_;
  mutable DesktopEntries entries_;
};

}  // namespace oskel
