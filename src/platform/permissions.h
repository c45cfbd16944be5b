// The two permissions Smart Paste needs: accessibility trust (reading and writing the
// focused field) and input monitoring (the keyboard tap). Checks never prompt.
#pragma once

namespace oskel {

class Permissions {
 public:
  virtual ~Permissions() = default;
  virtual bool isAccessibilityTrusted() const = 0;
  virtual bool isInputMonitoringAllowed() const = 0;
  // Ask the system to prompt the user, where it can.
  virtual void requestAccessibility() = 0;
  virtual void requestInputMonitoring() = 0;
};

}  // namespace oskel
