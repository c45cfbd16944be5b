// Every user-visible text of the application controller: menu titles, alerts and the
// key dialog. Shortcuts are written as Linux users write them (Ctrl is the Command key).
#pragma once

namespace oskel::app_text {

inline constexpr const char* kOpenTimelinePrefix = "Open Oskel Beta (Ctrl+Shift+";
inline constexpr const char* kOpenTimelineInitial = "Open Oskel Beta";
inline constexpr const char* kPauseCapture = "Pause Clipboard Capture";
inline constexpr const char* kResumeCapture = "Resume Clipboard Capture";
inline constexpr const char* kClearAll = "Clear All History\xE2\x80\xA6";
inline constexpr const char* kBackend = "Backend";
inline constexpr const char* kOskelCloud = "Oskel Cloud";
inline constexpr const char* kDirectOrv = "Direct Orv";
inline constexpr const char* kConfigureDirectKey = "Configure Direct Orv Key\xE2\x80\xA6";
inline constexpr const char* kUpdateDirectKey = "Update Direct Orv Key\xE2\x80\xA6";
inline constexpr const char* kRemoveDirectKey = "Remove Direct Orv Key";
inline constexpr const char* kKeyboardShortcut = "Keyboard Shortcut";
inline constexpr const char* kCommandV = "Ctrl+V";
inline constexpr const char* kCommandJ = "Ctrl+J";
inline constexpr const char* kQuit = "Quit";

inline constexpr const char* kClearAllMessage = "Clear all clipboard history?";
inline constexpr const char* kClearAllInformativePrefix = "This permanently removes all ";
inline constexpr const char* kClearAllInformativeItem = " saved clipboard item";
inline constexpr const char* kClearAllInformativeSuffix =
    ", including images. Your current computer clipboard will stay unchanged.";
inline constexpr const char* kClearAllConfirm = "Clear All History";
inline constexpr const char* kCancel = "Cancel";

inline constexpr const char* kConfigureDirectTitle = "Configure Direct Orv";
inline constexpr const char* kUpdateDirectTitle = "Update Direct Orv Key";
inline constexpr const char* kKeyInformative =
    "Your Dravinor API key is stored only in this computer\xE2\x80\x99s keyring.";
inline constexpr const char* kKeyPlaceholder = "Dravinor API key";
inline constexpr const char* kSave = "Save";

inline constexpr const char* kUpdateTitle = "Update Oskel Beta";
inline constexpr const char* kUpdateInformative =
    "This version of Oskel Beta is no longer supported. Update to keep using Smart Paste.";
inline constexpr const char* kUpdateConfirm = "Update Oskel Beta";
inline constexpr const char* kNotNow = "Not Now";

}  // namespace oskel::app_text
