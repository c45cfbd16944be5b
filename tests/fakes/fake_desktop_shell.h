// Fakes of the controller's desktop pieces: permissions, dialogs with scripted answers,
// the timeline, welcome and permission windows, and the application shell.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/application_shell.h"
#include "platform/dialogs.h"
#include "platform/permissions.h"
#include "platform/timeline_window.h"

namespace oskel {

class FakePermissions : public Permissions {
 public:
  bool isAccessibilityTrusted() const override { return trusted; }
  bool isInputMonitoringAllowed() const override { return inputAllowed; }
  void requestAccessibility() override {}
  void requestInputMonitoring() override {}
  bool trusted = true;
  bool inputAllowed = true;
};

class FakeDialogs : public Dialogs {
 public:
  std::optional<int> runAlert(const AlertRequest& request) override {
    alerts.push_back(request);
    if (alertAnswers.empty()) return std::nullopt;
    auto answer = alertAnswers.front();
    alertAnswers.pop_front();
    return answer;
  }
  std::optional<std::string> runSecretField(const SecretFieldRequest& request) override {
    secretFields.push_back(request);
    if (secretAnswers.empty()) return std::nullopt;
    auto answer = secretAnswers.front();
    secretAnswers.pop_front();
    return answer;
  }
  void beep() override { ++beeps; }

  std::deque<std::optional<int>> alertAnswers;
  std::deque<std::optional<std::string>> secretAnswers;
  std::vector<AlertRequest> alerts;
  std::vector<SecretFieldRequest> secretFields;
  int beeps = 0;
};

class FakeTimelineWindow : public TimelineWindow {
 public:
  void show() override { ++shows; visible = true; }
  void hide() override { visible = false; }
  bool isVisible() const override { return visible; }
  void setRankedTexts(std::vector<std::string> texts) override { pendingRanked = std::move(texts); }
  void reload() override { ++reloads; rankedTexts = pendingRanked; }
  void setOnPaste(PasteHandler handler) override { onPaste = std::move(handler); }

  bool visible = false;
  int shows = 0;
  int reloads = 0;
  std::vector<std::string> pendingRanked;
  std::vector<std::string> rankedTexts;  // as of the last reload
  PasteHandler onPaste;
};

class FakeWelcomeWindow : public WelcomeWindow {
 public:
  void setOnContinue(std::function<void()> handler) override { onContinue = std::move(handler); }
  void present() override { ++presents; }
  std::function<void()> onContinue;
  int presents = 0;
};

class FakePermissionWindow : public PermissionWindow {
 public:
  void setOnPermissionsGranted(std::function<void()> handler) override { onGranted = std::move(handler); }
  void begin() override { ++begins; }
  std::function<void()> onGranted;
  int begins = 0;
};

class FakeApplicationShell : public ApplicationShell {
 public:
  void setActivationPolicy(ActivationPolicy policy) override {
    policies.push_back(policy);
    if (onPolicy) onPolicy(policy);
  }
  MonitorToken addGlobalLeftMouseDownMonitor(std::function<void()> handler) override {
    mouseDown = std::move(handler);
    return ++lastToken;
  }
  void removeMonitor(MonitorToken token) override { removed.push_back(token); }
  std::unique_ptr<WelcomeWindow> makeWelcomeWindow() override {
    ++welcomeWindowsMade;
    auto window = std::make_unique<FakeWelcomeWindow>();
    welcome = window.get();
    return window;
  }
  std::unique_ptr<PermissionWindow> makePermissionWindow() override {
    ++permissionWindowsMade;
    auto window = std::make_unique<FakePermissionWindow>();
    permission = window.get();
    return window;
  }
  void terminate() override { ++terminations; }

  std::vector<ActivationPolicy> policies;
  std::function<void(ActivationPolicy)> onPolicy;
  std::function<void()> mouseDown;  // the monitor's handler: a click in another application
  MonitorToken lastToken = 0;
  std::vector<MonitorToken> removed;
  FakeWelcomeWindow* welcome = nullptr;
  FakePermissionWindow* permission = nullptr;
  int welcomeWindowsMade = 0;
  int permissionWindowsMade = 0;
  int terminations = 0;
};

}  // namespace oskel
