// Launch, lifecycle and the keyboard tap callback of the application controller.
#include "app/app_delegate.h"

#include <utility>

#include "app/settings.h"
#include "service/oskel_service_issue.h"

namespace oskel {

std::shared_ptr<AppDelegate> AppDelegate::create(Dependencies dependencies) {
  return std::make_shared<AppDelegate>(ConstructionKey{}, std::move(dependencies));
}

AppDelegate::AppDelegate(ConstructionKey, Dependencies dependencies)
    : deps_(std::move(dependencies)),
      fields_(deps_.accessibility, [workspace = &deps_.workspace]() -> std::optional<std::string> {
        auto app = workspace->frontmostApplication();
        return app ? app->name : std::nullopt;
      }) {}

void AppDelegate::applicationDidFinishLaunching() {
  const bool trusted = deps_.permissions.isAccessibilityTrusted();
  const bool inputAllowed = deps_.permissions.isInputMonitoringAllowed();
  const bool firstLaunchDone = deps_.defaults.boolean(settings_key::kHasShownFirstLaunchUI);

  deps_.log.writeStartup(trusted, inputAllowed, !firstLaunchDone);
  deps_.shell.setActivationPolicy(ActivationPolicy::accessory);
  buildMenu();

  if (SmartPasteBackendMode::current(deps_.defaults) == SmartPasteBackendMode::oskelCloud &&
      deps_.registerDevice) {
    deps_.registerDevice();
  }

  std::weak_ptr<AppDelegate> self = weak();
  serviceIssueSubscription_ = deps_.notifications.addObserver(
      OskelServiceIssue::notification, [self](const Notification& notification) {
        if (auto strong = self.lock()) strong->handleServiceIssue(notification);
      });
  clipsChangedSubscription_ =
      deps_.notifications.addObserver(kClipsChanged, [self](const Notification&) {
        if (auto strong = self.lock()) strong->handleClipsChanged();
      });

  deps_.timeline.setOnPaste(
      [self](const Clip& clip, const std::optional<FrontmostApplication>& previous) {
        if (auto strong = self.lock()) strong->pasteFromTimeline(clip, previous);
      });

  deps_.watcher.start();

  if (firstLaunchDone) {
    continueLaunch(trusted, inputAllowed);
  } else {
    showWelcome();
  }
}

void AppDelegate::continueLaunch(bool trusted, bool inputAllowed) {
  if (deps_.environment.value(environment_variable::kPermissionOnboardingPreview) ==
      std::optional<std::string>("1")) {
    showPermissionSetup();
    return;
  }
  if (!trusted || !inputAllowed) {
    showPermissionSetup();
    return;
  }
  startSmartPasteRuntime();
  deps_.shell.setActivationPolicy(ActivationPolicy::accessory);
}

void AppDelegate::showWelcome() {
  if (!welcome_) welcome_ = deps_.shell.makeWelcomeWindow();
  if (!welcome_) return;
  std::weak_ptr<AppDelegate> self = weak();
  welcome_->setOnContinue([self] {
    auto strong = self.lock();
    if (!strong) return;
    strong->deps_.defaults.setBoolean(settings_key::kHasShownFirstLaunchUI, true);
    const bool inputAllowed = strong->deps_.permissions.isInputMonitoringAllowed();
    const bool trusted = strong->deps_.permissions.isAccessibilityTrusted();
    strong->continueLaunch(trusted, inputAllowed);
  });
  deps_.shell.setActivationPolicy(ActivationPolicy::regular);
  welcome_->present();
}

void AppDelegate::showPermissionSetup() {
  if (!permissionSetup_) permissionSetup_ = deps_.shell.makePermissionWindow();
  if (!permissionSetup_) return;
  std::weak_ptr<AppDelegate> self = weak();
  permissionSetup_->setOnPermissionsGranted([self] {
    if (auto strong = self.lock()) strong->startSmartPasteRuntime();
  });
  permissionSetup_->begin();
}

void AppDelegate::startSmartPasteRuntime() {
  if (timer_) return;
  installKeys();

  std::weak_ptr<AppDelegate> self = weak();
  MainQueue* queue = &deps_.mainQueue;
  const ApplicationShell::MonitorToken token =
      deps_.shell.addGlobalLeftMouseDownMonitor([self, queue] {
        queue->postAfter(kFocusRecheckDelay, [self] {
          if (auto strong = self.lock()) strong->observeField();
        });
      });
  if (token != 0) focusMonitor_ = token;

  timer_ = deps_.mainQueue.startRepeating(kFocusInterval, [self] {
    if (auto strong = self.lock()) strong->observeField();
  });
}

bool AppDelegate::applicationShouldHandleReopen() {
  const bool inputAllowed = deps_.permissions.isInputMonitoringAllowed();
  if (!deps_.defaults.boolean(settings_key::kHasShownFirstLaunchUI)) {
    showWelcome();
    return true;
  }
  if (!deps_.permissions.isAccessibilityTrusted() || !inputAllowed) {
    showPermissionSetup();
    return true;
  }
  startSmartPasteRuntime();
  deps_.timeline.show();
  return true;
}

void AppDelegate::applicationWillTerminate() {
  if (focusMonitor_) {
    deps_.shell.removeMonitor(*focusMonitor_);
    focusMonitor_.reset();
  }
}

void AppDelegate::installKeys() {
  std::weak_ptr<AppDelegate> self = weak();
  const bool installed = deps_.keyboardTap.install([self](KeyCode keyCode, ModifierFlags flags) {
    auto strong = self.lock();
    return strong ? strong->handleKey(keyCode, flags) : TapDecision::passOn;
  });
  eventTap_ = installed;
  deps_.log.append(installed ? "eventTap=ok" : "eventTap=failed");
}

KeyCode AppDelegate::triggerKey() const {
  return SmartPasteShortcut::current(deps_.defaults) == SmartPasteShortcut::commandJ ? keys::kJ
                                                                                     : keys::kV;
}

TapDecision AppDelegate::handleKey(KeyCode keyCode, ModifierFlags flags) {
  // Cheap tests first: most key presses are none of the four keys and leave here
  // without reading the setting.
  if (keyCode != keys::kV && keyCode != keys::kJ && keyCode != keys::kTab &&
      keyCode != keys::kEscape) {
    return TapDecision::passOn;
  }
  const ModifierFlags masked = flags & modifiers::kShortcutMask;
  const KeyCode trigger = triggerKey();
  std::weak_ptr<AppDelegate> self = weak();

  if (keyCode == trigger && masked == (modifiers::kCommand | modifiers::kShift)) {
    deps_.mainQueue.post([self] {
      auto strong = self.lock();
      if (!strong) return;
      if (strong->deps_.timeline.isVisible()) {
        strong->deps_.timeline.hide();
      } else {
        strong->deps_.timeline.show();
      }
    });
    return TapDecision::swallow;
  }
  if (keyCode == keys::kTab) {
    deps_.mainQueue.postAfter(kFocusRecheckDelay, [self] {
      if (auto strong = self.lock()) strong->observeField();
    });
    return TapDecision::passOn;
  }
  if (keyCode == keys::kEscape) {
    if (deps_.timeline.isVisible()) {
      deps_.mainQueue.post([self] {
        if (auto strong = self.lock()) strong->deps_.timeline.hide();
      });
      return TapDecision::swallow;
    }
    if (suggestion_ || isRequesting_) {
      deps_.mainQueue.post([self] {
        if (auto strong = self.lock()) strong->cancelSuggestion();
      });
      return TapDecision::swallow;
    }
    return TapDecision::passOn;
  }
  if (keyCode == trigger && masked == modifiers::kCommand) {
    return handleSmartPaste() ? TapDecision::swallow : TapDecision::passOn;
  }
  return TapDecision::passOn;
}

void AppDelegate::cancelSuggestion() {
  suggestion_.reset();
  isRequesting_ = false;
  pasteWhenReady_ = false;
  ++generation_;
}

}  // namespace oskel
