// The application controller: launch and lifecycle, the keyboard tap callback, the
// Smart Paste flow, and the status menu's model and commands. It owns the program's
// state and reaches the desktop only through the platform interfaces it is given.
//
// Smart Paste in short: while the runtime runs, the controller follows the focused field
// (a 0.16 s timer, and 0.025 s after Tab or a click) and, for a new field with a label
// worth asking about, asks the answer service in the background; a confident answer
// (confidence >= 0.4) waits in `suggestion`. The shortcut inserts it (through
// "AXSelectedText", or by putting it on the clipboard, posting Ctrl+V and restoring the
// previous clipboard 0.18 s / 0.35 s later), waits for the request in flight, or starts
// one; without a confident answer the clipboard text is inserted or the ordinary paste
// happens. Every request carries the generation it started with; its answer is applied
// only while the generation and the focused field are still the same.
//
// Main thread only. Create with AppDelegate::create(); every callback given to another
// object holds the controller weakly and does nothing once it is gone.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/log.h"
#include "app/status_menu.h"
#include "app/suggestion_source.h"
#include "base/notification_center.h"
#include "field/field_observer.h"
#include "history/clipboard_watcher.h"
#include "history/memory_store.h"
#include "platform/accessibility.h"
#include "platform/application_shell.h"
#include "platform/defaults.h"
#include "platform/dialogs.h"
#include "platform/environment.h"
#include "platform/key_synthesizer.h"
#include "platform/keyboard_tap.h"
#include "platform/main_queue.h"
#include "platform/pasteboard.h"
#include "platform/permissions.h"
#include "platform/timeline_window.h"
#include "platform/workspace.h"
#include "service/dravinor_keychain.h"

namespace oskel {

class AppDelegate : public std::enable_shared_from_this<AppDelegate> {
  // Only create() can make one: the constructor is public for std::make_shared but needs
  // this key, which nothing outside the class can construct.
  struct ConstructionKey {
    explicit ConstructionKey() = default;
  };

 public:
  struct Dependencies {
    MainQueue& mainQueue;
    Defaults& defaults;
    const Environment& environment;
    Pasteboard& pasteboard;
    Workspace& workspace;
    Accessibility& accessibility;
    Permissions& permissions;
    KeyboardTap& keyboardTap;
    KeySynthesizer& keySynthesizer;
    Dialogs& dialogs;
    ApplicationShell& shell;
    TimelineWindow& timeline;
    MemoryStore& store;
    ClipboardWatcher& watcher;
    SuggestionSource& suggestions;
    const DravinorKeychain& keychain;
    NotificationCenter& notifications;
    const Log& log;
    // Starts a (not forced) cloud device registration whose result is not needed here.
    std::function<void()> registerDevice;
    // The PNG bytes of an image clip's image, or nothing when it is missing.
    std::function<std::optional<std::string>(const Clip&)> imageData;
  };

  static constexpr double kFocusInterval = 0.16;
  static constexpr double kFocusRecheckDelay = 0.025;
  static constexpr double kConfidenceThreshold = 0.4;
  static constexpr double kRestoreDelay = 0.18;
  static constexpr double kSlowRestoreDelay = 0.35;  // image clips and native-paste apps
  static constexpr double kTimelinePasteDelay = 0.12;
  // X11 pastes fetch the data lazily: a restore waits, in steps, for the target to have
  // fetched the program's value, but never longer than this beyond its delay.
  static constexpr double kRestoreFetchWait = 1.0;
  static constexpr double kRestoreFetchStep = 0.05;

  static std::shared_ptr<AppDelegate> create(Dependencies dependencies);
  AppDelegate(ConstructionKey, Dependencies dependencies);
  AppDelegate(const AppDelegate&) = delete;
  AppDelegate& operator=(const AppDelegate&) = delete;

  // Launch and lifecycle.
  void applicationDidFinishLaunching();
  void continueLaunch(bool trusted, bool inputAllowed);
  void showWelcome();
  void showPermissionSetup();
  void startSmartPasteRuntime();
  bool applicationShouldHandleReopen();
  void applicationWillTerminate();

  // Keyboard interception.
  void installKeys();
  TapDecision handleKey(KeyCode keyCode, ModifierFlags flags);
  void cancelSuggestion();  // Escape

  // Smart Paste flow.
  void observeField();
  bool handleSmartPaste();
  void beginSuggestion(const FocusedField& field, bool pasteAfterResponse);
  void handleAnswer(const SuggestionOutcome& outcome, std::int64_t requestGeneration,
                    const FocusedField& requestField);
  void paste(const Clip& clip, const std::optional<FocusedField>& field);
  void finishPaste();
  bool insertTextAtSelection(const std::string& text, const FocusedField& field);
  static bool prefersNativePaste(const FocusedField& field);
  void performNormalPaste();
  void pasteFromTimeline(const Clip& clip, const std::optional<FrontmostApplication>& previous);

  // Status menu and commands.
  void buildMenu();
  void updateCaptureMenu();
  void updateBackendMenu();
  void updateShortcutMenu();
  void perform(MenuCommand command);
  void openTimeline();
  void toggleClipboardCapture();
  void clearAllHistory();
  void useOskelCloud();
  void useDirectOrv();
  void configureDirectOrvKey();
  void removeDirectOrvKey();
  void useCommandVForSmartPaste();
  void useCommandJForSmartPaste();
  void handleClipsChanged();
  void handleServiceIssue(const Notification& notification);

  // State, for the desktop layer and tests.
  const StatusMenu& menu() const { return menu_; }
  StatusMenu& menu() { return menu_; }
  const std::optional<FocusedField>& focused() const { return focused_; }
  const std::optional<Clip>& suggestion() const { return suggestion_; }
  bool isRequesting() const { return isRequesting_; }
  bool pasteWhenReady() const { return pasteWhenReady_; }
  bool bypassNextPaste() const { return bypassNextPaste_; }
  std::int64_t generation() const { return generation_; }
  bool isRuntimeStarted() const { return timer_ != nullptr; }
  std::optional<bool> eventTapInstalled() const { return eventTap_; }

 private:
  KeyCode triggerKey() const;
  void resetSmartPasteState();  // suggestion none, flags false, generation + 1
  void clearRankedTexts();
  void clipboardFallback(const FocusedField& field);
  void restoreSnapshot(const std::vector<PasteboardItem>& items);
  // Restores pendingSnapshot_ after `delay`, unless a later paste took it over.
  void scheduleRestore(double delay, std::int64_t fetchesBefore, double waited);
  std::weak_ptr<AppDelegate> weak() { return weak_from_this(); }

  Dependencies deps_;
  FieldObserver fields_;
  StatusMenu menu_;
  std::unique_ptr<Timer> timer_;  // non-null once the Smart Paste runtime runs
  std::optional<ApplicationShell::MonitorToken> focusMonitor_;
  std::optional<FocusedField> focused_;
  std::optional<Clip> suggestion_;
  bool isRequesting_ = false;
  bool pasteWhenReady_ = false;
  bool bypassNextPaste_ = false;
  std::int64_t generation_ = 0;
  bool rankedTextsShown_ = false;  // the timeline was last given a non-empty ranking
  // The user's clipboard contents while a paste's temporary value stands in for them,
  // and the number of the paste whose restore will put them back.
  std::optional<std::vector<PasteboardItem>> pendingSnapshot_;
  std::uint64_t restoreSerial_ = 0;
  std::optional<bool> eventTap_;  // installed or failed, once installKeys() ran
  std::unique_ptr<PermissionWindow> permissionSetup_;
  std::unique_ptr<WelcomeWindow> welcome_;
  Subscription serviceIssueSubscription_;
  Subscription clipsChangedSubscription_;
};

}  // namespace oskel
