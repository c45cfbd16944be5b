#include "app_fixture.h"

namespace oskel {
namespace {

using namespace modifiers;

class KeyboardTest : public AppFixture {
 protected:
  void SetUp() override {
    copy("ann@example.com");
    launchRunning();
    ax.focusTextField("email", "Email");
    suggestions.immediate = SuggestionOutcome::noMatch();
  }
};

TEST_F(KeyboardTest, ShortcutRecognitionDependsOnTheSettingAndTheFourModifiers) {
  enum Effect { passes, smartPaste, timelineToggle };
  struct Case {
    std::string shortcut;
    KeyCode key;
    ModifierFlags flags;
    Effect effect;
  };
  const std::vector<Case> cases = {
      {"", keys::kV, kCommand, smartPaste},
      {"", keys::kV, kCommand | kCapsLock | kNumericPad | kFunction | 0x8, smartPaste},
      {"", keys::kV, kCommand | kOption, passes},
      {"", keys::kV, kCommand | kControl, passes},
      {"", keys::kV, kCommand | kShift | kOption, passes},
      {"", keys::kV, 0, passes},
      {"", keys::kV, kShift, passes},
      {"", keys::kV, kCommand | kShift, timelineToggle},
      {"", keys::kJ, kCommand, passes},
      {"", keys::kJ, kCommand | kShift, passes},
      {"commandJ", keys::kJ, kCommand, smartPaste},
      {"commandJ", keys::kJ, kCommand | kShift, timelineToggle},
      {"commandJ", keys::kV, kCommand, passes},
      {"commandJ", keys::kV, kCommand | kShift, passes},
      {"CommandJ", keys::kJ, kCommand, passes},  // only the exact value selects Ctrl+J
      {"", 0, kCommand, passes},
      {"", 10, kCommand, passes},
  };
  for (const auto& c : cases) {
    defaults.setString(settings_key::kSmartPasteShortcut, c.shortcut);
    ax.writes.clear();
    const int shows = timeline.shows;
    const TapDecision decision = tap.press(c.key, c.flags);
    queue.runDue();
    const std::string name = c.shortcut + "/" + std::to_string(c.key) + "/" + std::to_string(c.flags);
    EXPECT_EQ(decision, c.effect == passes ? TapDecision::passOn : TapDecision::swallow) << name;
    EXPECT_EQ(ax.writes.size(), c.effect == smartPaste ? 1u : 0u) << name;  // the clipboard text
    EXPECT_EQ(timeline.shows - shows, c.effect == timelineToggle ? 1 : 0) << name;
    timeline.visible = false;
  }
}

TEST_F(KeyboardTest, TimelineToggleAndEscape) {
  EXPECT_EQ(tap.press(keys::kV, kCommand | kShift), TapDecision::swallow);
  EXPECT_FALSE(timeline.visible);  // dispatched, not done inside the callback
  queue.runDue();
  EXPECT_TRUE(timeline.visible);
  EXPECT_EQ(tap.press(keys::kV, kCommand | kShift), TapDecision::swallow);
  queue.runDue();
  EXPECT_FALSE(timeline.visible);

  // Escape while the timeline shows hides it and leaves a pending request alone.
  suggestions.immediate.reset();
  queue.advance(AppDelegate::kFocusInterval);
  ASSERT_TRUE(app->isRequesting());
  timeline.show();
  EXPECT_EQ(tap.press(keys::kEscape, 0), TapDecision::swallow);
  queue.runDue();
  EXPECT_FALSE(timeline.visible);
  EXPECT_TRUE(app->isRequesting());
  EXPECT_EQ(tap.press(keys::kEscape, kShift), TapDecision::swallow);  // any modifiers
  EXPECT_TRUE(app->isRequesting());  // cancelled on the main queue, not in the callback
  queue.runDue();
  EXPECT_FALSE(app->isRequesting());
  EXPECT_EQ(tap.press(keys::kEscape, 0), TapDecision::passOn);  // nothing pending

  // A ready answer is dropped too.
  ax.focusTextField("phone", "Phone");
  queue.advance(AppDelegate::kFocusInterval);
  suggestions.answerLast(FakeSuggestionSource::match("ann@example.com", 0.9));
  ASSERT_TRUE(app->suggestion());
  EXPECT_EQ(tap.press(keys::kEscape, 0), TapDecision::swallow);
  queue.runDue();
  EXPECT_FALSE(app->suggestion());
}

TEST_F(KeyboardTest, TabIsNeverSwallowedAndRechecksTheFocusSoon) {
  suggestions.immediate.reset();
  for (ModifierFlags flags : {ModifierFlags{0}, kShift, kCommand}) {
    EXPECT_EQ(tap.press(keys::kTab, flags), TapDecision::passOn);
  }
  EXPECT_TRUE(suggestions.requests.empty());
  queue.advance(0.024);
  EXPECT_TRUE(suggestions.requests.empty());
  queue.advance(0.001);
  EXPECT_EQ(suggestions.requests.size(), 1u);  // before the 0.16 s timer
}

TEST_F(KeyboardTest, FocusChecksWaitWhileTheTimelineIsVisible) {
  suggestions.immediate.reset();
  timeline.show();
  const auto generation = app->generation();
  queue.advance(AppDelegate::kFocusInterval * 3);
  EXPECT_EQ(tap.press(keys::kTab, 0), TapDecision::passOn);
  queue.advance(AppDelegate::kFocusRecheckDelay);
  EXPECT_TRUE(suggestions.requests.empty());
  EXPECT_FALSE(app->focused());
  EXPECT_EQ(app->generation(), generation);

  // A request in flight is not dropped when the focus moves behind the timeline.
  timeline.hide();
  queue.advance(AppDelegate::kFocusInterval);
  ASSERT_TRUE(app->isRequesting());
  timeline.show();
  ax.systemWideFocus.reset();
  ax.applicationFocus.reset();
  queue.advance(AppDelegate::kFocusInterval);
  EXPECT_TRUE(app->isRequesting());
  EXPECT_TRUE(app->focused());
}

TEST_F(KeyboardTest, TheBypassIsSpentByTheSyntheticKeyOnly) {
  ax.settable["email"] = false;
  EXPECT_EQ(tap.press(keys::kV, kCommand), TapDecision::swallow);
  // The fallback's own Ctrl+V went through once and used the bypass up.
  EXPECT_FALSE(app->bypassNextPaste());

  // A key-down that cannot be posted never comes: the bypass is not left set, and the
  // user's next real Ctrl+V is a Smart Paste again.
  synthesizer.failing = true;
  app->performNormalPaste();
  EXPECT_FALSE(app->bypassNextPaste());
  synthesizer.failing = false;
  tap.delivered.clear();
  EXPECT_EQ(tap.press(keys::kV, kCommand), TapDecision::swallow);
  EXPECT_EQ(tap.delivered.size(), 1u);  // only the fallback's own paste

  // A Ctrl+V still on its way keeps the bypass set until switching to Ctrl+J clears it.
  synthesizer.holding = true;
  app->performNormalPaste();
  EXPECT_TRUE(app->bypassNextPaste());
  app->perform(MenuCommand::useCommandJForSmartPaste);
  EXPECT_FALSE(app->bypassNextPaste());
  app->perform(MenuCommand::useCommandVForSmartPaste);
  synthesizer.holding = false;
  EXPECT_EQ(tap.press(keys::kV, kCommand), TapDecision::swallow);  // not let through
}

}  // namespace
}  // namespace oskel
