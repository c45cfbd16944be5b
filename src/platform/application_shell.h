// The application object as the controller needs it: its activation policy, the global
// left-mouse-down monitor, and the windows that are created on first use. Main thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/permission_window.h"
#include "platform/welcome_window.h"

namespace oskel {

enum class ActivationPolicy {
  regular,    // a normal application with windows (while the welcome window is shown)
  accessory,  // status-bar only
};

class ApplicationShell {
 public:
  using MonitorToken = std::uint64_t;
  virtual ~ApplicationShell() = default;

  virtual void setActivationPolicy(ActivationPolicy policy) = 0;

  // Calls the handler for each left mouse button press in another application. Returns
  // a token for removeMonitor, 0 when no monitor could be added.
  virtual MonitorToken addGlobalLeftMouseDownMonitor(std::function<void()> handler) = 0;
  virtual void removeMonitor(MonitorToken token) = 0;

  virtual std::unique_ptr<WelcomeWindow> makeWelcomeWindow() = 0;
  virtual std::unique_ptr<PermissionWindow> makePermissionWindow() = 0;

  // Ends the application's event loop (the menu's Quit).
  virtual void terminate() = 0;
};

}  // namespace oskel
