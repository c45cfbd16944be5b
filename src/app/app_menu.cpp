// The status menu of the application controller: building it, keeping its titles, marks
// and enabled states current, and the commands behind its items.
#include <string>

#include "app/app_delegate.h"
#include "app/app_texts.h"
#include "app/settings.h"
#include "base/text.h"
#include "service/oskel_service_issue.h"

namespace oskel {
namespace {

MenuItem item(MenuItemId id, std::string title, MenuCommand command) {
  MenuItem made;
  made.id = id;
  made.title = std::move(title);
  made.command = command;
  return made;
}

MenuItem separator() { return MenuItem{}; }

std::string clearAllInformativeText(std::size_t count) {
  std::string text = app_text::kClearAllInformativePrefix;
  text += std::to_string(count);
  text += app_text::kClearAllInformativeItem;
  if (count != 1) text += "s";
  text += app_text::kClearAllInformativeSuffix;
  return text;
}

// Only absolute web addresses are handed to the desktop's opener: a file:// path, a
// custom scheme or a relative reference from the service is never opened.
bool isWebAddress(const std::string& url) {
  const std::string lower = text::lowercased(url);
  return lower.rfind("https://", 0) == 0 || lower.rfind("http://", 0) == 0;
}

}  // namespace

void AppDelegate::buildMenu() {
  menu_.add(item(MenuItemId::openTimeline, app_text::kOpenTimelineInitial, MenuCommand::openTimeline));
  menu_.add(item(MenuItemId::capture, "", MenuCommand::toggleClipboardCapture));
  updateCaptureMenu();
  menu_.add(item(MenuItemId::clearAll, app_text::kClearAll, MenuCommand::clearAllHistory));
  menu_.setEnabled(MenuItemId::clearAll, !deps_.store.clips().empty());
  menu_.add(separator());

  MenuItem backend = item(MenuItemId::backend, app_text::kBackend, MenuCommand::none);
  backend.submenuTitle = app_text::kBackend;
  backend.submenu = {
      item(MenuItemId::cloudBackend, app_text::kOskelCloud, MenuCommand::useOskelCloud),
      item(MenuItemId::directBackend, app_text::kDirectOrv, MenuCommand::useDirectOrv),
      separator(),
      item(MenuItemId::configureDirectKey, app_text::kConfigureDirectKey,
           MenuCommand::configureDirectOrvKey),
      item(MenuItemId::removeDirectKey, app_text::kRemoveDirectKey, MenuCommand::removeDirectOrvKey)};
  menu_.add(std::move(backend));
  updateBackendMenu();

  MenuItem shortcut = item(MenuItemId::shortcut, app_text::kKeyboardShortcut, MenuCommand::none);
  shortcut.submenuTitle = app_text::kKeyboardShortcut;
  shortcut.submenu = {
      item(MenuItemId::commandVShortcut, app_text::kCommandV, MenuCommand::useCommandVForSmartPaste),
      item(MenuItemId::commandJShortcut, app_text::kCommandJ, MenuCommand::useCommandJForSmartPaste)};
  menu_.add(std::move(shortcut));
  updateShortcutMenu();

  menu_.add(separator());
  MenuItem quit = item(MenuItemId::quit, app_text::kQuit, MenuCommand::quit);
  quit.keyEquivalent = "q";
  menu_.add(std::move(quit));
}

void AppDelegate::updateCaptureMenu() {
  const bool paused = deps_.defaults.boolean(settings_key::kClipboardCapturePaused);
  menu_.setTitle(MenuItemId::capture, paused ? app_text::kResumeCapture : app_text::kPauseCapture);
  menu_.setMarked(MenuItemId::capture, paused);
}

void AppDelegate::updateBackendMenu() {
  const bool direct = SmartPasteBackendMode::current(deps_.defaults) == SmartPasteBackendMode::directOrv;
  const bool keyStored = deps_.keychain.read().has_value();
  menu_.setTitle(MenuItemId::backend, app_text::kBackend);
  menu_.setMarked(MenuItemId::cloudBackend, !direct);
  menu_.setMarked(MenuItemId::directBackend, direct);
  menu_.setTitle(MenuItemId::configureDirectKey,
                 keyStored ? app_text::kUpdateDirectKey : app_text::kConfigureDirectKey);
  menu_.setEnabled(MenuItemId::removeDirectKey, keyStored);
}

void AppDelegate::updateShortcutMenu() {
  const bool commandJ = SmartPasteShortcut::current(deps_.defaults) == SmartPasteShortcut::commandJ;
  menu_.setTitle(MenuItemId::shortcut, app_text::kKeyboardShortcut);
  menu_.setTitle(MenuItemId::openTimeline,
                 std::string(app_text::kOpenTimelinePrefix) + (commandJ ? "J)" : "V)"));
  menu_.setMarked(MenuItemId::commandVShortcut, !commandJ);
  menu_.setMarked(MenuItemId::commandJShortcut, commandJ);
}

void AppDelegate::perform(MenuCommand command) {
  switch (command) {
    case MenuCommand::none: break;
    case MenuCommand::openTimeline: openTimeline(); break;
    case MenuCommand::toggleClipboardCapture: toggleClipboardCapture(); break;
    case MenuCommand::clearAllHistory: clearAllHistory(); break;
    case MenuCommand::useOskelCloud: useOskelCloud(); break;
    case MenuCommand::useDirectOrv: useDirectOrv(); break;
    case MenuCommand::configureDirectOrvKey: configureDirectOrvKey(); break;
    case MenuCommand::removeDirectOrvKey: removeDirectOrvKey(); break;
    case MenuCommand::useCommandVForSmartPaste: useCommandVForSmartPaste(); break;
    case MenuCommand::useCommandJForSmartPaste: useCommandJForSmartPaste(); break;
    case MenuCommand::quit: deps_.shell.terminate(); break;
  }
}

void AppDelegate::openTimeline() {
  if (deps_.timeline.isVisible()) {
    deps_.timeline.hide();
  } else {
    deps_.timeline.show();
  }
}

void AppDelegate::toggleClipboardCapture() {
  const bool paused = deps_.defaults.boolean(settings_key::kClipboardCapturePaused);
  deps_.defaults.setBoolean(settings_key::kClipboardCapturePaused, !paused);
  deps_.watcher.syncToPasteboard();
  updateCaptureMenu();
}

void AppDelegate::clearAllHistory() {
  const std::size_t count = deps_.store.clips().size();
  if (count == 0) return;
  AlertRequest alert;
  alert.message = app_text::kClearAllMessage;
  alert.informativeText = clearAllInformativeText(count);
  alert.style = AlertStyle::warning;
  alert.buttons = {app_text::kClearAllConfirm, app_text::kCancel};
  if (deps_.dialogs.runAlert(alert) != std::optional<int>(0)) return;

  deps_.timeline.hide();
  if (!deps_.store.clips().empty()) deps_.store.remove(deps_.store.clips().toVector());
  ++generation_;
  focused_.reset();
  suggestion_.reset();
  pasteWhenReady_ = false;
  isRequesting_ = false;
}

void AppDelegate::useOskelCloud() {
  deps_.defaults.setString(settings_key::kSmartPasteBackendMode,
                           std::string(SmartPasteBackendMode(SmartPasteBackendMode::oskelCloud).rawValue()));
  updateBackendMenu();
  if (deps_.registerDevice) deps_.registerDevice();
}

void AppDelegate::useDirectOrv() {
  deps_.defaults.setString(settings_key::kSmartPasteBackendMode,
                           std::string(SmartPasteBackendMode(SmartPasteBackendMode::directOrv).rawValue()));
  updateBackendMenu();
  if (!deps_.keychain.read()) configureDirectOrvKey();
}

void AppDelegate::configureDirectOrvKey() {
  const bool keyStored = deps_.keychain.read().has_value();
  SecretFieldRequest request;
  request.message = keyStored ? app_text::kUpdateDirectTitle : app_text::kConfigureDirectTitle;
  request.informativeText = app_text::kKeyInformative;
  request.style = AlertStyle::informational;
  request.placeholder = app_text::kKeyPlaceholder;
  request.fieldWidth = 360;
  request.fieldHeight = 24;
  request.buttons = {app_text::kSave, app_text::kCancel};
  std::optional<std::string> entered = deps_.dialogs.runSecretField(request);
  if (!entered) return;
  const std::string key = text::trimmed(*entered);
  if (key.empty()) return;
  if (!deps_.keychain.save(key)) return;
  deps_.defaults.setString(settings_key::kSmartPasteBackendMode,
                           std::string(SmartPasteBackendMode(SmartPasteBackendMode::directOrv).rawValue()));
  updateBackendMenu();
}

void AppDelegate::removeDirectOrvKey() {
  deps_.keychain.remove();
  updateBackendMenu();
}

void AppDelegate::useCommandVForSmartPaste() {
  deps_.defaults.setString(settings_key::kSmartPasteShortcut,
                           std::string(SmartPasteShortcut(SmartPasteShortcut::commandV).rawValue()));
  updateShortcutMenu();
}

void AppDelegate::useCommandJForSmartPaste() {
  deps_.defaults.setString(settings_key::kSmartPasteShortcut,
                           std::string(SmartPasteShortcut(SmartPasteShortcut::commandJ).rawValue()));
  bypassNextPaste_ = false;
  updateShortcutMenu();
}

void AppDelegate::handleClipsChanged() {
  menu_.setEnabled(MenuItemId::clearAll, !deps_.store.clips().empty());
}

void AppDelegate::handleServiceIssue(const Notification& notification) {
  const auto* payload = std::any_cast<std::map<std::string, std::string>>(&notification.payload);
  if (payload == nullptr) return;
  auto it = payload->find("update");
  if (it == payload->end() || it->second.empty()) return;
  // The user is told about the update whatever the address looks like; only opening it
  // is limited to web addresses.
  AlertRequest alert;
  alert.message = app_text::kUpdateTitle;
  alert.informativeText = app_text::kUpdateInformative;
  alert.style = AlertStyle::warning;
  alert.buttons = {app_text::kUpdateConfirm, app_text::kNotNow};
  if (deps_.dialogs.runAlert(alert) != std::optional<int>(0)) return;
  if (isWebAddress(it->second)) deps_.workspace.openURL(it->second);
}

}  // namespace oskel
