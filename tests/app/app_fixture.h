// The application controller wired to fakes of every platform interface, real history
// store, watcher and key storage, and the virtual clock. The "focused application"
// pastes whenever a Ctrl+V reaches it: it fetches the clipboard and records the text.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/app_delegate.h"
#include "app/settings.h"
#include "base/files.h"
#include "base/manual_main_queue.h"
#include "fakes/fake_accessibility.h"
#include "fakes/fake_defaults.h"
#include "fakes/fake_desktop_shell.h"
#include "fakes/fake_image_codec.h"
#include "fakes/fake_keyboard.h"
#include "fakes/fake_keychain.h"
#include "fakes/fake_pasteboard.h"
#include "fakes/fake_suggestion_source.h"
#include "fakes/fake_workspace.h"
#include "history/image_intake.h"
#include "support/temp_dir.h"

namespace oskel {

// A clipboard whose text writes can be made to fail while clearing still works.
class FlakyPasteboard : public FakePasteboard {
 public:
  bool writeString(std::string_view text) override {
    if (failStringWrites) return false;
    return FakePasteboard::writeString(text);
  }
  bool failStringWrites = false;
};

class AppFixture : public ::testing::Test {
 protected:
  AppFixture() {
    workspace.bringToFront("TextEdit");
    tap.onDelivered = [this](const KeyPress& key) {
      if (key.keyCode == keys::kV && key.flags == modifiers::kCommand) {
        pasteboard.fetchByOtherApplication();
        pasted.push_back(pasteboard.string().value_or("<no text>"));
      }
    };
  }

  AppDelegate::Dependencies dependencies() {
    return AppDelegate::Dependencies{
        queue,       defaults,   environment, pasteboard, workspace,   ax,     permissions,
        tap,         synthesizer, dialogs,    shell,      timeline,    store,  watcher,
        suggestions, keychain,   center,      log,
        [this] {
          ++registrations;
          if (registerHook) registerHook();
        },
        [this](const Clip& clip) -> std::optional<std::string> {
          auto it = images.find(clip.imageFileName.value_or(""));
          if (it == images.end()) return std::nullopt;
          return it->second;
        }};
  }

  // The controller after launch with both permissions and the welcome window done.
  void launchRunning() {
    defaults.setBoolean(settings_key::kHasShownFirstLaunchUI, true);
    app->applicationDidFinishLaunching();
    ASSERT_TRUE(app->isRuntimeStarted());
  }

  void copy(const std::string& text) {
    pasteboard.copyText(text);
    watcher.captureIfChanged();
  }

  TapDecision pressSmartPaste() { return tap.press(keys::kV, modifiers::kCommand); }

  std::string logText() {
    std::string out;
    if (auto bytes = files::read(logFile)) out = *bytes;
    return out;
  }

  testing::TempDir dir;
  NotificationCenter center;
  ManualMainQueue queue;
  FakeDefaults defaults;
  MapEnvironment environment;
  FlakyPasteboard pasteboard;
  FakeWorkspace workspace;
  FakeAccessibility ax;
  FakePermissions permissions;
  FakeKeyboardTap tap;
  FakeKeySynthesizer synthesizer{tap};
  FakeDialogs dialogs;
  FakeApplicationShell shell;
  FakeTimelineWindow timeline;
  MemoryStore store{MemoryStore::Options{DataPaths::in(dir.path() / "data"), &center}};
  FakeImageCodec codec;
  ImageIntake intake{store, codec};
  ClipboardWatcher watcher{{pasteboard, workspace, defaults, queue, store, intake}};
  FakeSuggestionSource suggestions;
  FakeKeychain keychainStore;
  DravinorKeychain keychain{keychainStore, environment};
  std::filesystem::path logFile = dir.path() / "state" / "Oskel.log";
  Log log{logFile};
  int registrations = 0;
  std::function<void()> registerHook;
  std::map<std::string, std::string> images;  // image file name -> PNG bytes
  std::vector<std::string> pasted;            // what the focused application pasted
  std::shared_ptr<AppDelegate> app = AppDelegate::create(dependencies());
};

}  // namespace oskel
