#include "app_fixture.h"
#include "service/oskel_service_issue.h"

namespace oskel {
namespace {

class MenuTest : public AppFixture {
 protected:
  void SetUp() override {
    app->applicationDidFinishLaunching();
    menu().setOnChanged([this] { ++menuChanges; });
  }
  StatusMenu& menu() { return app->menu(); }
  const MenuItem& item(MenuItemId id) { return *menu().find(id); }
  bool keyStored() { return keychain.read().has_value(); }
  int menuChanges = 0;
};

TEST_F(MenuTest, BuiltInOrderWithInitialStates) {
  std::vector<std::string> titles;
  for (const MenuItem& top : menu().items()) titles.push_back(top.isSeparator() ? "-" : top.title);
  EXPECT_EQ(titles, (std::vector<std::string>{"Open Oskel Beta (Ctrl+Shift+V)", "Pause Clipboard Capture",
                                              "Clear All History\xE2\x80\xA6", "-", "Backend",
                                              "Keyboard Shortcut", "-", "Quit"}));
  std::vector<std::string> backend;
  for (const MenuItem& sub : item(MenuItemId::backend).submenu) backend.push_back(sub.isSeparator() ? "-" : sub.title);
  EXPECT_EQ(backend, (std::vector<std::string>{"Oskel Cloud", "Direct Orv", "-",
                                               "Configure Direct Orv Key\xE2\x80\xA6", "Remove Direct Orv Key"}));
  EXPECT_EQ(item(MenuItemId::backend).submenuTitle, "Backend");
  EXPECT_EQ(item(MenuItemId::shortcut).submenuTitle, "Keyboard Shortcut");
  EXPECT_TRUE(item(MenuItemId::cloudBackend).marked);
  EXPECT_FALSE(item(MenuItemId::directBackend).marked);
  EXPECT_FALSE(item(MenuItemId::removeDirectKey).enabled);
  EXPECT_TRUE(item(MenuItemId::commandVShortcut).marked);
  EXPECT_FALSE(item(MenuItemId::commandJShortcut).marked);
  EXPECT_FALSE(item(MenuItemId::capture).marked);
  EXPECT_FALSE(item(MenuItemId::clearAll).enabled);  // empty history
  EXPECT_EQ(item(MenuItemId::quit).keyEquivalent, "q");
  EXPECT_EQ(item(MenuItemId::openTimeline).keyEquivalent, "");
  app->perform(MenuCommand::quit);
  EXPECT_EQ(shell.terminations, 1);
}

TEST_F(MenuTest, ClearAllFollowsTheHistoryAndConfirms) {
  app->perform(MenuCommand::clearAllHistory);
  EXPECT_TRUE(dialogs.alerts.empty());  // nothing to clear: no alert

  const std::vector<std::pair<int, std::string>> counts = {
      {1, "This permanently removes all 1 saved clipboard item, including images."},
      {2, "This permanently removes all 2 saved clipboard items, including images."}};
  for (const auto& [count, start] : counts) {
    store.remove(store.clips().toVector());  // emptied behind the menu's back
    EXPECT_FALSE(item(MenuItemId::clearAll).enabled);
    for (int i = 0; i < count; ++i) copy("clip " + std::to_string(i));
    EXPECT_TRUE(item(MenuItemId::clearAll).enabled);
    EXPECT_GT(menuChanges, 0);
    dialogs.alertAnswers.push_back(1);  // Cancel
    app->perform(MenuCommand::clearAllHistory);
    const AlertRequest& alert = dialogs.alerts.back();
    EXPECT_EQ(alert.message, "Clear all clipboard history?");
    EXPECT_EQ(alert.informativeText, start + " Your current computer clipboard will stay unchanged.");
    EXPECT_EQ(alert.style, AlertStyle::warning);
    EXPECT_EQ(alert.buttons, (std::vector<std::string>{"Clear All History", "Cancel"}));
    EXPECT_EQ(store.clips().size(), static_cast<std::size_t>(count));
  }

  dialogs.alertAnswers.push_back(std::nullopt);  // dismissed
  app->perform(MenuCommand::clearAllHistory);
  EXPECT_EQ(store.clips().size(), 2u);

  timeline.show();
  const auto clipboard = pasteboard.contents();
  const auto generation = app->generation();
  dialogs.alertAnswers.push_back(0);
  app->perform(MenuCommand::clearAllHistory);
  EXPECT_TRUE(store.clips().empty());
  EXPECT_FALSE(timeline.visible);
  EXPECT_EQ(app->generation(), generation + 1);
  EXPECT_EQ(pasteboard.contents(), clipboard);
  EXPECT_FALSE(item(MenuItemId::clearAll).enabled);
  store.waitUntilSaved();
  MemoryStore reloaded{MemoryStore::Options{store.paths(), &center}};
  EXPECT_TRUE(reloaded.clips().empty());
}

TEST_F(MenuTest, PausingCaptureSkipsWhatIsOnTheClipboardMeanwhile) {
  app->perform(MenuCommand::toggleClipboardCapture);
  EXPECT_TRUE(defaults.boolean(settings_key::kClipboardCapturePaused));
  EXPECT_EQ(item(MenuItemId::capture).title, "Resume Clipboard Capture");
  EXPECT_TRUE(item(MenuItemId::capture).marked);
  pasteboard.copyText("secret while paused");
  app->perform(MenuCommand::toggleClipboardCapture);
  EXPECT_EQ(item(MenuItemId::capture).title, "Pause Clipboard Capture");
  EXPECT_FALSE(item(MenuItemId::capture).marked);
  queue.advance(0.6);
  EXPECT_TRUE(store.clips().empty());
  copy("later");
  EXPECT_EQ(store.clips().size(), 1u);
}

TEST_F(MenuTest, BackendCommandsAndTheKeyDialog) {
  app->perform(MenuCommand::useOskelCloud);
  app->perform(MenuCommand::useOskelCloud);
  EXPECT_EQ(registrations, 3);  // launch + each choice, even when already selected

  // Direct without a key opens the dialog; cancelling leaves direct selected without a key.
  app->perform(MenuCommand::useDirectOrv);
  EXPECT_EQ(defaults.string(settings_key::kSmartPasteBackendMode), "directOrv");
  ASSERT_EQ(dialogs.secretFields.size(), 1u);
  const SecretFieldRequest& dialog = dialogs.secretFields[0];
  EXPECT_EQ(dialog.message, "Configure Direct Orv");
  EXPECT_EQ(dialog.informativeText,
            "Your Dravinor API key is stored only in this computer\xE2\x80\x99s keyring.");
  EXPECT_EQ(dialog.style, AlertStyle::informational);
  EXPECT_EQ(dialog.placeholder, "Dravinor API key");
  EXPECT_EQ(dialog.fieldWidth, 360);
  EXPECT_EQ(dialog.fieldHeight, 24);
  EXPECT_EQ(dialog.buttons, (std::vector<std::string>{"Save", "Cancel"}));
  EXPECT_TRUE(item(MenuItemId::directBackend).marked);
  EXPECT_FALSE(item(MenuItemId::cloudBackend).marked);
  EXPECT_FALSE(keyStored());

  // Only spaces: nothing saved, nothing changes.
  app->perform(MenuCommand::useOskelCloud);
  dialogs.secretAnswers.push_back(std::string("  \n "));
  app->perform(MenuCommand::configureDirectOrvKey);
  EXPECT_FALSE(keyStored());
  EXPECT_EQ(defaults.string(settings_key::kSmartPasteBackendMode), "oskelCloud");

  // A key is saved trimmed and selects the direct backend.
  dialogs.secretAnswers.push_back(std::string("  sk-123 \n"));
  app->perform(MenuCommand::configureDirectOrvKey);
  EXPECT_EQ(keychain.read(), "sk-123");
  EXPECT_EQ(defaults.string(settings_key::kSmartPasteBackendMode), "directOrv");
  EXPECT_EQ(item(MenuItemId::configureDirectKey).title, "Update Direct Orv Key\xE2\x80\xA6");
  EXPECT_TRUE(item(MenuItemId::removeDirectKey).enabled);
  app->perform(MenuCommand::useDirectOrv);  // a key is stored: no dialog
  EXPECT_EQ(dialogs.secretFields.size(), 3u);
  app->perform(MenuCommand::configureDirectOrvKey);  // cancelled
  EXPECT_EQ(dialogs.secretFields.back().message, "Update Direct Orv Key");
  EXPECT_EQ(keychain.read(), "sk-123");

  // A failing keyring: no message, mode and menu unchanged.
  app->perform(MenuCommand::useOskelCloud);
  keychainStore.failing = true;
  dialogs.secretAnswers.push_back(std::string("sk-456"));
  app->perform(MenuCommand::configureDirectOrvKey);
  EXPECT_EQ(defaults.string(settings_key::kSmartPasteBackendMode), "oskelCloud");
  EXPECT_TRUE(dialogs.alerts.empty());
  keychainStore.failing = false;

  app->perform(MenuCommand::removeDirectOrvKey);
  EXPECT_FALSE(keyStored());
  EXPECT_FALSE(item(MenuItemId::removeDirectKey).enabled);
  EXPECT_EQ(item(MenuItemId::configureDirectKey).title, "Configure Direct Orv Key\xE2\x80\xA6");
  EXPECT_TRUE(item(MenuItemId::cloudBackend).marked);  // the mode stays
  app->perform(MenuCommand::removeDirectOrvKey);       // nothing stored: still fine
  EXPECT_FALSE(item(MenuItemId::removeDirectKey).enabled);
}

TEST_F(MenuTest, ShortcutCommandsRetitleTheTimelineItem) {
  app->perform(MenuCommand::useCommandJForSmartPaste);
  EXPECT_EQ(defaults.string(settings_key::kSmartPasteShortcut), "commandJ");
  EXPECT_EQ(item(MenuItemId::openTimeline).title, "Open Oskel Beta (Ctrl+Shift+J)");
  EXPECT_TRUE(item(MenuItemId::commandJShortcut).marked);
  EXPECT_FALSE(item(MenuItemId::commandVShortcut).marked);
  app->perform(MenuCommand::useCommandVForSmartPaste);
  EXPECT_EQ(item(MenuItemId::openTimeline).title, "Open Oskel Beta (Ctrl+Shift+V)");
  EXPECT_TRUE(item(MenuItemId::commandVShortcut).marked);

  app->perform(MenuCommand::openTimeline);
  EXPECT_TRUE(timeline.visible);
  app->perform(MenuCommand::openTimeline);
  EXPECT_FALSE(timeline.visible);
}

TEST_F(MenuTest, ServiceIssueAlertsEveryTimeAndOpensOnlyWebAddresses) {
  OskelServiceIssue::updateRequired("https://oskel.app/update").post(center);
  ASSERT_EQ(dialogs.alerts.size(), 1u);
  EXPECT_EQ(dialogs.alerts[0].message, "Update Oskel Beta");
  EXPECT_EQ(dialogs.alerts[0].informativeText,
            "This version of Oskel Beta is no longer supported. Update to keep using Smart Paste.");
  EXPECT_EQ(dialogs.alerts[0].buttons, (std::vector<std::string>{"Update Oskel Beta", "Not Now"}));
  EXPECT_EQ(dialogs.alerts[0].style, AlertStyle::warning);
  EXPECT_TRUE(workspace.opened.empty());  // Not Now (no answer scripted)

  dialogs.alertAnswers.push_back(0);
  OskelServiceIssue::updateRequired("HTTP://oskel.app/update").post(center);
  EXPECT_EQ(workspace.opened, std::vector<std::string>{"HTTP://oskel.app/update"});

  // No update address: no alert.
  center.post(OskelServiceIssue::notification);
  center.post(Notification{OskelServiceIssue::notification, std::map<std::string, std::string>{{"other", "x"}}});
  center.post(Notification{OskelServiceIssue::notification, std::map<std::string, std::string>{{"update", ""}}});
  EXPECT_EQ(dialogs.alerts.size(), 2u);

  // Any other address still asks the user to update, but is never handed to the opener.
  for (const char* address : {"file:///etc/passwd", "oskel-beta://update", "/download"}) {
    dialogs.alertAnswers.push_back(0);
    center.post(Notification{OskelServiceIssue::notification,
                             std::map<std::string, std::string>{{"update", address}}});
    EXPECT_EQ(dialogs.alerts.back().message, "Update Oskel Beta") << address;
  }
  EXPECT_EQ(dialogs.alerts.size(), 5u);
  EXPECT_EQ(workspace.opened.size(), 1u);
}

}  // namespace
}  // namespace oskel
