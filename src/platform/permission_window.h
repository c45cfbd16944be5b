// The permission-setup window: it guides the user through granting accessibility and
// input monitoring, and calls the granted handler once it has seen both granted (after
// closing itself and returning the application to the accessory policy).
#pragma once

#include <functional>

namespace oskel {

class PermissionWindow {
 public:
  virtual ~PermissionWindow() = default;
  virtual void setOnPermissionsGranted(std::function<void()> handler) = 0;
  virtual void begin() = 0;
};

}  // namespace oskel
