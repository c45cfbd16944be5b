// The program's persisted settings: their keys, and the two choices read from them.
//
// Settings are read afresh from Defaults at every use and never cached, so a change made
// from the menu takes effect at the next key press or request. A stored value selects
// the second case of a choice only when it equals that case's raw value exactly;
// anything else (absent, empty, misspelt, other letter case) selects the first case.
#pragma once

#include <string_view>

#include "platform/defaults.h"

namespace oskel {

namespace settings_key {
inline constexpr const char* kSmartPasteShortcut = "oskel.smartPasteShortcut";
inline constexpr const char* kSmartPasteBackendMode = "oskel.smartPasteBackendMode";
inline constexpr const char* kClipboardCapturePaused = "oskel.clipboardCapturePaused";
inline constexpr const char* kHasShownFirstLaunchUI = "oskel.hasShownFirstLaunchUI";
inline constexpr const char* kDeviceToken = "oskel.deviceToken";
inline constexpr const char* kInstallID = "oskel.installID";
}  // namespace settings_key

namespace environment_variable {
inline constexpr const char* kDataDirectory = "OSKEL_DATA_DIRECTORY";
inline constexpr const char* kKeychainService = "OSKEL_KEYCHAIN_SERVICE";
inline constexpr const char* kPermissionOnboardingPreview = "OSKEL_PERMISSION_ONBOARDING_PREVIEW";
}  // namespace environment_variable

// Which answer backend Smart Paste uses. Behaves like its enumeration: compare with
// SmartPasteBackendMode::directOrv or switch over it.
class SmartPasteBackendMode {
 public:
  enum Case { oskelCloud, directOrv };
  constexpr SmartPasteBackendMode(Case value) : value_(value) {}
  constexpr operator Case() const { return value_; }

  // The stored choice, read now.
  static SmartPasteBackendMode current(const Defaults& defaults);
  std::string_view rawValue() const;

 private:
  Case value_;
};

// Which key (with Ctrl, the Linux Command key) triggers Smart Paste.
class SmartPasteShortcut {
 public:
  enum Case { commandV, commandJ };
  constexpr SmartPasteShortcut(Case value) : value_(value) {}
  constexpr operator Case() const { return value_; }

  static SmartPasteShortcut current(const Defaults& defaults);
  std::string_view rawValue() const;

 private:
  Case value_;
};

}  // namespace oskel
