#include "app_fixture.h"

namespace oskel {
namespace {

// Only AppDelegate::create() makes a controller, so weak_from_this() always works.
static_assert(!std::is_constructible_v<AppDelegate, AppDelegate::Dependencies>);

class LaunchTest : public AppFixture {
 protected:
  void SetUp() override { std::filesystem::create_directories(logFile.parent_path()); }
};

TEST_F(LaunchTest, FirstLaunchShowsTheWelcomeWindowThenStartsTheRuntime) {
  permissions.inputAllowed = false;
  app->applicationDidFinishLaunching();
  EXPECT_EQ(logText(), "startup trusted=true inputAllowed=false firstLaunch=true\n");
  ASSERT_NE(shell.welcome, nullptr);
  EXPECT_EQ(shell.welcome->presents, 1);
  EXPECT_EQ(shell.policies, (std::vector<ActivationPolicy>{ActivationPolicy::accessory, ActivationPolicy::regular}));
  EXPECT_FALSE(app->isRuntimeStarted());
  EXPECT_EQ(registrations, 1);  // cloud mode registers at launch
  ASSERT_FALSE(app->menu().items().empty());
  EXPECT_TRUE(app->applicationShouldHandleReopen());  // the same welcome window again
  EXPECT_EQ(shell.welcome->presents, 2);
  EXPECT_EQ(shell.welcomeWindowsMade, 1);
  EXPECT_FALSE(timeline.visible);

  // Continue reads the permissions afresh: input monitoring is still missing.
  shell.welcome->onContinue();
  EXPECT_TRUE(defaults.boolean(settings_key::kHasShownFirstLaunchUI));
  ASSERT_NE(shell.permission, nullptr);
  EXPECT_EQ(shell.permission->begins, 1);
  EXPECT_FALSE(app->isRuntimeStarted());
  EXPECT_TRUE(app->applicationShouldHandleReopen());  // still missing: the same window again
  EXPECT_EQ(shell.permission->begins, 2);
  EXPECT_EQ(shell.permissionWindowsMade, 1);
  EXPECT_FALSE(app->isRuntimeStarted());

  permissions.inputAllowed = true;
  shell.permission->onGranted();
  EXPECT_TRUE(app->isRuntimeStarted());
  EXPECT_EQ(logText(), "startup trusted=true inputAllowed=false firstLaunch=true\neventTap=ok\n");

  // Reopening and granting again never start a second runtime.
  EXPECT_TRUE(app->applicationShouldHandleReopen());
  shell.permission->onGranted();
  EXPECT_EQ(tap.installs, 1);
  EXPECT_EQ(shell.lastToken, 1u);
  EXPECT_TRUE(timeline.visible);
}

TEST_F(LaunchTest, LaunchPaths) {
  struct Case {
    std::string name;
    bool trusted, inputAllowed;
    std::optional<std::string> preview;
    bool runtime;
  };
  const std::vector<Case> cases = {
      {"granted", true, true, std::nullopt, true},
      {"not trusted", false, true, std::nullopt, false},
      {"no input monitoring", true, false, std::nullopt, false},
      {"preview 1", true, true, "1", false},
      {"preview true", true, true, "true", true},
      {"preview yes", true, true, "yes", true},
      {"preview 2", true, true, "2", true},
      {"preview empty", true, true, "", true},
  };
  for (const auto& c : cases) {
    FakeApplicationShell caseShell;
    FakeKeyboardTap caseTap;
    MapEnvironment caseEnvironment;
    if (c.preview) caseEnvironment.set(environment_variable::kPermissionOnboardingPreview, *c.preview);
    permissions.trusted = c.trusted;
    permissions.inputAllowed = c.inputAllowed;
    defaults.setBoolean(settings_key::kHasShownFirstLaunchUI, true);
    AppDelegate::Dependencies d = dependencies();
    auto caseApp = AppDelegate::create(AppDelegate::Dependencies{
        d.mainQueue, d.defaults, caseEnvironment, d.pasteboard, d.workspace, d.accessibility,
        d.permissions, caseTap, d.keySynthesizer, d.dialogs, caseShell, d.timeline, d.store,
        d.watcher, d.suggestions, d.keychain, d.notifications, d.log, d.registerDevice, d.imageData});
    caseApp->applicationDidFinishLaunching();
    EXPECT_EQ(caseApp->isRuntimeStarted(), c.runtime) << c.name;
    EXPECT_EQ(caseTap.isInstalled(), c.runtime) << c.name;
    EXPECT_EQ(caseShell.permission != nullptr, !c.runtime) << c.name;
    EXPECT_EQ(caseShell.welcome, nullptr) << c.name;
    EXPECT_EQ(caseShell.policies.back(), ActivationPolicy::accessory) << c.name;
    EXPECT_EQ(logText(), "startup trusted=" + std::string(c.trusted ? "true" : "false") +
                             " inputAllowed=" + (c.inputAllowed ? "true" : "false") +
                             " firstLaunch=false\n" + (c.runtime ? "eventTap=ok\n" : ""))
        << c.name;
    if (c.preview == std::optional<std::string>("1")) {
      // Reopening asks only the permissions: with both granted it starts the runtime
      // and shows the timeline even in the preview.
      EXPECT_TRUE(caseApp->applicationShouldHandleReopen());
      EXPECT_TRUE(timeline.visible);
      timeline.hide();
    } else if (!c.runtime) {
      // Only the window's callback starts the runtime then.
      caseShell.permission->onGranted();
    }
    EXPECT_TRUE(caseApp->isRuntimeStarted()) << c.name;
    EXPECT_EQ(caseTap.installs, 1) << c.name;
  }
}

TEST_F(LaunchTest, LaunchStepsRunInOrder) {
  defaults.setBoolean(settings_key::kHasShownFirstLaunchUI, true);
  std::vector<std::string> steps;
  shell.onPolicy = [&](ActivationPolicy) {
    // The log line is written first, before the policy and the menu.
    steps.push_back("policy log=" + std::to_string(!logText().empty()) +
                    " menu=" + std::to_string(!app->menu().items().empty()));
  };
  registerHook = [&] {
    steps.push_back("register menu=" + std::to_string(!app->menu().items().empty()) +
                    " onPaste=" + std::to_string(static_cast<bool>(timeline.onPaste)));
  };
  tap.onInstall = [&] {
    // The watcher's repeating timer is already running when the runtime starts.
    steps.push_back("tap onPaste=" + std::to_string(static_cast<bool>(timeline.onPaste)) +
                    " timers=" + std::to_string(queue.pendingCount()));
  };
  app->applicationDidFinishLaunching();
  EXPECT_EQ(steps, (std::vector<std::string>{"policy log=1 menu=0", "register menu=1 onPaste=0",
                                             "tap onPaste=1 timers=1", "policy log=1 menu=1"}));
  // The notifications were subscribed before the runtime started.
  copy("one");
  EXPECT_TRUE(app->menu().find(MenuItemId::clearAll)->enabled);
}

TEST_F(LaunchTest, FailedTapIsLoggedAndKeysStayInactive) {
  defaults.setString(settings_key::kSmartPasteBackendMode, "directOrv");  // no registration
  tap.succeeds = false;
  defaults.setBoolean(settings_key::kHasShownFirstLaunchUI, true);
  app->applicationDidFinishLaunching();
  EXPECT_EQ(logText(), "startup trusted=true inputAllowed=true firstLaunch=false\neventTap=failed\n");
  EXPECT_EQ(app->eventTapInstalled(), false);
  EXPECT_TRUE(app->isRuntimeStarted());  // the focus timer still runs
  EXPECT_EQ(tap.press(keys::kV, modifiers::kCommand), TapDecision::passOn);
  EXPECT_EQ(registrations, 0);
}

TEST_F(LaunchTest, RuntimeFollowsClicksAndTerminationRemovesTheMonitor) {
  // A log that cannot be written does not stop the launch.
  std::filesystem::remove_all(logFile.parent_path());
  std::filesystem::create_directories(logFile);  // a directory where the file should be
  copy("ann@example.com");
  defaults.setBoolean(settings_key::kHasShownFirstLaunchUI, true);
  app->applicationDidFinishLaunching();
  ASSERT_TRUE(app->isRuntimeStarted());
  ax.focusTextField("email", "Email");
  shell.mouseDown();
  queue.advance(0.025);
  EXPECT_EQ(suggestions.requests.size(), 1u);  // well before the 0.16 s tick

  // The watcher polls every 0.6 s from launch on.
  pasteboard.copyText("new text");
  queue.advance(0.6);
  EXPECT_EQ(store.clips().front().text, "new text");

  app->applicationWillTerminate();
  EXPECT_EQ(shell.removed, std::vector<ApplicationShell::MonitorToken>{1});
  app->applicationWillTerminate();
  EXPECT_EQ(shell.removed.size(), 1u);
}

}  // namespace
}  // namespace oskel
