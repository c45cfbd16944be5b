#include <cmath>
#include <limits>

#include "app_fixture.h"

namespace oskel {
namespace {

using Outcome = SuggestionOutcome;

class SmartPasteTest : public AppFixture {
 protected:
  void SetUp() override {
    copy("ann@example.com");
    launchRunning();
  }
  // Focuses a field and lets the focus timer see it.
  void focus(const std::string& id, const std::string& title) {
    ax.focusTextField(id, title);
    queue.advance(AppDelegate::kFocusInterval);
  }
};

TEST_F(SmartPasteTest, PrefetchOnFocusThenReadyAnswerIsInsertedDirectly) {
  focus("email", "Email");
  ASSERT_EQ(suggestions.requests.size(), 1u);
  EXPECT_EQ(suggestions.requests[0].field, (FieldContext{"Email", "AXTextField", "TextEdit", std::nullopt}));
  EXPECT_EQ(suggestions.requests[0].values.size(), 1u);
  EXPECT_TRUE(app->isRequesting());
  EXPECT_FALSE(app->pasteWhenReady());

  queue.advance(AppDelegate::kFocusInterval * 3);  // same field: no new request
  EXPECT_EQ(suggestions.requests.size(), 1u);

  suggestions.answer(0, FakeSuggestionSource::match("ann@example.com", 0.9, {"ann@example.com"}));
  ASSERT_TRUE(app->suggestion());
  EXPECT_FALSE(app->isRequesting());
  EXPECT_EQ(timeline.rankedTexts, std::vector<std::string>{"ann@example.com"});

  const int writesBefore = pasteboard.writes;
  const auto generation = app->generation();
  EXPECT_EQ(pressSmartPaste(), TapDecision::swallow);
  ASSERT_EQ(ax.writes.size(), 1u);
  EXPECT_EQ(ax.writes[0].elementId, "email");
  EXPECT_EQ(ax.writes[0].attribute, "AXSelectedText");
  EXPECT_EQ(ax.writes[0].value, "ann@example.com");
  EXPECT_EQ(pasteboard.writes, writesBefore);  // the clipboard is not touched
  EXPECT_TRUE(tap.delivered.empty());
  EXPECT_FALSE(app->suggestion());
  EXPECT_EQ(app->generation(), generation + 1);
  EXPECT_EQ(suggestions.requests.size(), 1u);
}

TEST_F(SmartPasteTest, ShortcutWaitsForTheRequestAndTheThresholdIsInclusive) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<std::pair<double, std::string>> cases = {
      {0.4, "value"}, {1.0, "value"}, {0.39, "ann@example.com"}, {nan, "ann@example.com"}};
  std::size_t index = 0;
  for (const auto& [confidence, inserted] : cases) {
    ax.writes.clear();
    focus("f" + std::to_string(index++), "Email");
    // Each press (auto-repeat included) is swallowed and waits for the one request.
    for (int i = 0; i < 3; ++i) EXPECT_EQ(pressSmartPaste(), TapDecision::swallow);
    EXPECT_EQ(suggestions.requests.size(), index);
    EXPECT_TRUE(app->pasteWhenReady());
    suggestions.answerLast(FakeSuggestionSource::match("value", confidence));
    EXPECT_TRUE(tap.delivered.empty());
    ASSERT_EQ(ax.writes.size(), 1u) << confidence;
    EXPECT_EQ(ax.writes[0].value, inserted) << confidence;  // else the clipboard text
    EXPECT_FALSE(app->isRequesting());
    EXPECT_FALSE(app->suggestion());
  }
}

TEST_F(SmartPasteTest, PrefetchedAnswersOnlyPrepareAndOnlyAnAskedForFailureBeeps) {
  struct Case {
    Outcome outcome;
    bool ready;
    std::vector<std::string> ranked;
  };
  const std::vector<std::string> ranked = {"ann@example.com", "other"};
  const std::vector<Case> cases = {{FakeSuggestionSource::match("ann@example.com", 0.9, ranked), true, ranked},
                                   {FakeSuggestionSource::match("ann@example.com", 0.2, ranked), false, ranked},
                                   {Outcome::failure(), false, {}}};
  const int writes = pasteboard.writes;
  for (std::size_t index = 0; index < cases.size(); ++index) {
    focus("f" + std::to_string(index), "Email");
    suggestions.answer(index, cases[index].outcome);
    EXPECT_EQ(app->suggestion().has_value(), cases[index].ready) << index;
    EXPECT_EQ(timeline.rankedTexts, cases[index].ranked) << index;
    EXPECT_FALSE(app->isRequesting());
  }
  // The shortcut on the failed field asks again; that failure beeps.
  EXPECT_EQ(dialogs.beeps, 0);
  EXPECT_EQ(pressSmartPaste(), TapDecision::swallow);
  suggestions.answer(3, Outcome::failure());
  EXPECT_EQ(dialogs.beeps, 1);
  EXPECT_TRUE(ax.writes.empty());
  EXPECT_EQ(pasteboard.writes, writes);
  EXPECT_TRUE(tap.delivered.empty());
  EXPECT_TRUE(timeline.rankedTexts.empty());
}

TEST_F(SmartPasteTest, NewClipboardContentsStartAFreshRequestEvenWithAReadyAnswer) {
  focus("email", "Email");
  suggestions.answer(0, FakeSuggestionSource::match("ann@example.com", 0.9));
  ASSERT_TRUE(app->suggestion());
  pasteboard.copyText("bob@example.com");  // not yet seen by the watcher
  EXPECT_EQ(pressSmartPaste(), TapDecision::swallow);
  EXPECT_EQ(store.clips().front().text, "bob@example.com");
  ASSERT_EQ(suggestions.requests.size(), 2u);
  EXPECT_EQ(suggestions.requests[1].values[0].text, "bob@example.com");
  EXPECT_FALSE(app->suggestion());
  EXPECT_TRUE(app->pasteWhenReady());
  EXPECT_TRUE(ax.writes.empty());
  suggestions.answer(0, FakeSuggestionSource::match("old", 0.9));  // the earlier request: stale
  EXPECT_TRUE(ax.writes.empty());
  suggestions.answer(1, FakeSuggestionSource::match("bob@example.com", 0.9));
  ASSERT_EQ(ax.writes.size(), 1u);
  EXPECT_EQ(ax.writes[0].value, "bob@example.com");
}

TEST_F(SmartPasteTest, OrdinaryPasteCases) {
  struct Case {
    std::string name;
    std::function<void()> arrange;
  };
  const std::vector<Case> cases = {
      {"generic label", [this] { ax.focusTextField("m", "Message"); }},
      {"generic label with spaces", [this] { ax.focusTextField("s", " search field "); }},
      {"fallback label", [this] { ax.focusTextField("t", ""); }},
      {"no focused field", [this] { ax.systemWideFocus.reset(); ax.applicationFocus.reset(); }},
      {"password field", [this] { ax.focusTextField("p", "Password"); }},
      {"no text clip", [this] { ax.focusTextField("e", "Email"); store.remove(store.clips().toVector()); }},
  };
  for (const auto& c : cases) {
    tap.delivered.clear();
    c.arrange();
    EXPECT_EQ(pressSmartPaste(), TapDecision::passOn) << c.name;
    EXPECT_EQ(tap.delivered.size(), 1u) << c.name;  // the application pastes itself
    EXPECT_TRUE(suggestions.requests.empty()) << c.name;
  }
}

TEST_F(SmartPasteTest, FocusTrackingWithoutAUsableField) {
  auto tick = [this](int count) {
    for (int i = 0; i < count; ++i) queue.advance(AppDelegate::kFocusInterval);
  };
  const int reloads = timeline.reloads;
  const auto generation = app->generation();
  tick(10);  // nothing focused
  EXPECT_EQ(timeline.reloads, reloads);
  EXPECT_EQ(app->generation(), generation + 10);  // later answers are still made stale

  focus("email", "Email");
  suggestions.answer(0, FakeSuggestionSource::match("ann@example.com", 0.9, {"ann@example.com"}));
  ASSERT_EQ(timeline.rankedTexts, std::vector<std::string>{"ann@example.com"});
  ax.systemWideFocus.reset();
  ax.applicationFocus.reset();
  const int beforeLoss = timeline.reloads;
  tick(1);  // the focus is lost: the ranking is cleared once
  EXPECT_TRUE(timeline.rankedTexts.empty());
  EXPECT_FALSE(app->suggestion());
  EXPECT_EQ(timeline.reloads, beforeLoss + 1);
  tick(5);
  EXPECT_EQ(timeline.reloads, beforeLoss + 1);

  // A generic field resets the state once, without a request.
  focus("email", "Email");
  ASSERT_TRUE(app->isRequesting());
  const auto before = app->generation();
  focus("msg", "message");
  EXPECT_EQ(suggestions.requests.size(), 2u);
  EXPECT_FALSE(app->isRequesting());
  EXPECT_EQ(app->focused()->label, "message");
  tick(1);  // the same generic field: no further change
  EXPECT_EQ(app->generation(), before + 1);
}

TEST_F(SmartPasteTest, StaleAnswersAreDropped) {
  struct Case {
    std::string name;
    std::function<void()> interrupt;
  };
  const std::vector<Case> cases = {
      {"focus moved", [this] { focus("phone", "Phone"); }},
      {"focus lost", [this] { ax.systemWideFocus.reset(); ax.applicationFocus.reset(); queue.advance(0.16); }},
      {"same element, new label", [this] { focus("email", "E-mail address"); }},
      {"escape", [this] { EXPECT_EQ(tap.press(keys::kEscape, 0), TapDecision::swallow); queue.runDue(); }},
      {"clear all", [this] { dialogs.alertAnswers.push_back(0); app->clearAllHistory(); copy("ann@example.com"); }},
  };
  for (const auto& c : cases) {
    suggestions.requests.clear();
    ax.writes.clear();
    tap.delivered.clear();
    focus("email", "Email");
    ASSERT_EQ(suggestions.requests.size(), 1u) << c.name;
    pressSmartPaste();
    c.interrupt();
    suggestions.answer(0, FakeSuggestionSource::match("ann@example.com", 0.9));
    EXPECT_TRUE(ax.writes.empty()) << c.name;
    EXPECT_TRUE(tap.delivered.empty()) << c.name;
    EXPECT_FALSE(app->suggestion()) << c.name;
    // Start the next case from a field the controller has not seen.
    ax.systemWideFocus.reset();
    ax.applicationFocus.reset();
    queue.advance(0.16);
  }
}

TEST_F(SmartPasteTest, FallbackToOrdinaryPasteLetsTheSyntheticKeyThroughOnce) {
  for (const std::string shortcut : {"commandV", "commandJ"}) {
    defaults.setString(settings_key::kSmartPasteShortcut, shortcut);
    const KeyCode trigger = shortcut == "commandV" ? keys::kV : keys::kJ;
    tap.delivered.clear();
    pasted.clear();
    synthesizer.posted.clear();
    ax.focusTextField("f-" + shortcut, "Email");
    ax.settable["f-" + shortcut] = false;  // the field refuses accessibility insertion
    EXPECT_EQ(tap.press(trigger, modifiers::kCommand), TapDecision::swallow);
    suggestions.answerLast(Outcome::noMatch());
    // Exactly one Ctrl+V down and up posted, and the application pasted exactly once.
    EXPECT_EQ(synthesizer.posted, (std::vector<FakeKeySynthesizer::Posted>{
                                      {keys::kV, true, modifiers::kCommand},
                                      {keys::kV, false, modifiers::kCommand}}))
        << shortcut;
    EXPECT_EQ(tap.delivered, (std::vector<KeyPress>{{keys::kV, modifiers::kCommand}})) << shortcut;
    EXPECT_EQ(pasted, std::vector<std::string>{"ann@example.com"});
    EXPECT_FALSE(app->bypassNextPaste()) << shortcut;
    // The next real Ctrl+V is a Smart Paste again (in Ctrl+V mode).
    if (shortcut == "commandV") {
      EXPECT_EQ(pressSmartPaste(), TapDecision::swallow);
    }
    suggestions.answerLast(Outcome::failure());
  }
}

TEST_F(SmartPasteTest, BrowsersGoThroughTheClipboardAndGetItBackAfter035Seconds) {
  workspace.bringToFront("Google Chrome");
  const std::vector<PasteboardItem> original = pasteboard.contents();
  focus("email", "Email");
  suggestions.answer(0, FakeSuggestionSource::match("value@example.com", 0.9));
  EXPECT_EQ(pressSmartPaste(), TapDecision::swallow);
  EXPECT_TRUE(ax.writes.empty());
  EXPECT_EQ(pasted, std::vector<std::string>{"value@example.com"});
  EXPECT_FALSE(app->suggestion());
  queue.advance(0.34);
  EXPECT_EQ(pasteboard.string(), "value@example.com");
  queue.advance(0.011);
  EXPECT_EQ(pasteboard.contents(), original);
  // Neither the program's value nor the restored contents enter the history.
  const auto clipCount = store.clips().size();
  EXPECT_FALSE(watcher.captureIfChanged());
  EXPECT_EQ(store.clips().size(), clipCount);
}

TEST_F(SmartPasteTest, NativePasteAppNames) {
  const std::vector<std::pair<std::string, bool>> names = {
      {"Google Chrome", true}, {"Chromium", true}, {"FIREFOX", true}, {"Brave Browser", true},
      {"Microsoft Edge", true}, {"Safari", true},  {"Search Tool", true},  // contains "arc"
      {"Knowledge", true},  // contains "edge"
      {"TextEdit", false},     {"Mail", false},    {"Unknown", false}};
  for (const auto& [name, native] : names) {
    EXPECT_EQ(AppDelegate::prefersNativePaste(FocusedField{nullptr, "Email", "AXTextField", name, {}}), native)
        << name;
  }
}

TEST_F(SmartPasteTest, TwoPastesCloseTogetherRestoreTheUsersClipboard) {
  const std::vector<PasteboardItem> original = pasteboard.contents();
  Clip first;
  first.text = "first value";
  Clip second;
  second.text = "second value";
  app->paste(first, std::nullopt);
  queue.advance(0.1);
  app->paste(second, std::nullopt);  // the first restore is still pending
  EXPECT_EQ(pasted, (std::vector<std::string>{"first value", "second value"}));
  queue.advance(0.17);  // past the first paste's restore time: superseded
  EXPECT_EQ(pasteboard.string(), "second value");
  queue.advance(0.011);
  EXPECT_EQ(pasteboard.contents(), original);  // not the first paste's temporary value
  EXPECT_EQ(queue.pendingCount(), 2u);         // only the two repeating timers
  EXPECT_FALSE(watcher.captureIfChanged());
  EXPECT_EQ(store.clips().size(), 1u);
}

TEST_F(SmartPasteTest, RestoreWaitsBoundedlyForTheTargetToFetch) {
  focus("email", "Email");
  ax.settable["email"] = std::nullopt;  // the settable query fails: the clipboard route
  suggestions.answer(0, FakeSuggestionSource::match("value@example.com", 0.9));
  synthesizer.failing = true;  // the Ctrl+V never reaches anyone, so nothing fetches
  pressSmartPaste();
  queue.advance(0.18 + 0.5);
  EXPECT_EQ(pasteboard.string(), "value@example.com");  // still waiting
  queue.advance(0.51);
  EXPECT_EQ(pasteboard.string(), "ann@example.com");  // given up waiting: restored
  EXPECT_EQ(queue.pendingCount(), 2u);                // only the two repeating timers
}

TEST_F(SmartPasteTest, FailedClipboardWriteGivesTheUserTheirClipboardBack) {
  const std::vector<PasteboardItem> original = pasteboard.contents();
  focus("email", "Email");
  ax.settable["email"] = false;
  suggestions.answer(0, FakeSuggestionSource::match("value@example.com", 0.9));
  pasteboard.failStringWrites = true;
  EXPECT_EQ(pressSmartPaste(), TapDecision::swallow);
  EXPECT_EQ(pasteboard.contents(), original);
  EXPECT_TRUE(pasted.empty());
  EXPECT_TRUE(app->suggestion());  // the request state stays as it was
  EXPECT_FALSE(watcher.captureIfChanged());
}

TEST_F(SmartPasteTest, TimelinePasteOfAnImageAndOfAMissingImage) {
  Clip image;
  image.id = Uuid::random();
  image.imageFileName = "shot.png";
  images["shot.png"] = "PNGBYTES";
  const std::vector<PasteboardItem> original = pasteboard.contents();
  FrontmostApplication previous{std::string("Mail"), 77, 1};
  workspace.bringToFront("Oskel");
  timeline.onPaste(image, previous);
  EXPECT_EQ(workspace.activated, std::vector<FrontmostApplication>{previous});
  queue.advance(0.119);
  EXPECT_TRUE(tap.delivered.empty());
  queue.advance(0.001);
  EXPECT_EQ(pasteboard.data(pasteboard_type::kPNG), "PNGBYTES");
  EXPECT_EQ(tap.delivered.size(), 1u);
  queue.advance(0.349);
  EXPECT_EQ(pasteboard.data(pasteboard_type::kPNG), "PNGBYTES");
  queue.advance(0.001);
  EXPECT_EQ(pasteboard.contents(), original);

  // The image file is gone: nothing is pasted and the clipboard is put back at once.
  image.imageFileName = "gone.png";
  timeline.onPaste(image, std::nullopt);
  queue.advance(0.12);
  EXPECT_EQ(tap.delivered.size(), 1u);
  EXPECT_EQ(pasteboard.contents(), original);
}

TEST_F(SmartPasteTest, TimelineTextPasteWithoutFocusedFieldUsesTheClipboard) {
  ax.systemWideFocus.reset();
  ax.applicationFocus.reset();
  Clip clip;
  clip.text = "from the timeline";
  timeline.onPaste(clip, std::nullopt);
  EXPECT_TRUE(workspace.activated.empty());
  queue.advance(0.12);
  EXPECT_EQ(pasted, std::vector<std::string>{"from the timeline"});
  queue.advance(0.18);
  EXPECT_EQ(pasteboard.string(), "ann@example.com");

  // With a field that accepts it, the text goes in directly.
  ax.focusTextField("notes", "Notes");
  timeline.onPaste(clip, std::nullopt);
  queue.advance(0.12);
  ASSERT_EQ(ax.writes.size(), 1u);
  EXPECT_EQ(ax.writes[0].value, "from the timeline");
}

TEST_F(SmartPasteTest, OnlyTheNewestTextClipsAreOffered) {
  for (int i = 0; i < 60; ++i) copy("value " + std::to_string(i));
  focus("email", "Email");
  EXPECT_EQ(suggestions.clipsOffered, SuggestionSource::kClipsLookedAt);
  EXPECT_EQ(suggestions.requests[0].values[0].text, "value 59");
}

TEST_F(SmartPasteTest, ShortcutOnAFieldNotSeenYetStartsARequest) {
  ax.focusTextField("phone", "Phone");  // the timer has not seen it yet
  EXPECT_EQ(pressSmartPaste(), TapDecision::swallow);
  ASSERT_EQ(suggestions.requests.size(), 1u);
  EXPECT_TRUE(app->pasteWhenReady());
  suggestions.answer(0, Outcome::noMatch());
  // No match: the clipboard text goes into the field.
  ASSERT_EQ(ax.writes.size(), 1u);
  EXPECT_EQ(ax.writes[0].value, "ann@example.com");

  // With nothing to offer no request goes out: the answer is handled within the call.
  ax.writes.clear();
  suggestions.noCandidates = true;
  ax.focusTextField("email", "Email");
  EXPECT_EQ(pressSmartPaste(), TapDecision::swallow);
  // No request went out, and the fallback already put the clipboard text in.
  EXPECT_EQ(suggestions.requests.size(), 1u);
  ASSERT_EQ(ax.writes.size(), 1u);
  EXPECT_EQ(ax.writes[0].value, "ann@example.com");
  EXPECT_FALSE(app->isRequesting());
  EXPECT_FALSE(app->pasteWhenReady());
}

TEST_F(SmartPasteTest, AnswersAfterTheControllerIsGoneAreDropped) {
  focus("email", "Email");
  std::weak_ptr<AppDelegate> weak = app;
  app.reset();
  EXPECT_TRUE(weak.expired());
  suggestions.answer(0, FakeSuggestionSource::match("ann@example.com", 0.9));
  queue.advance(1);  // timers fire into nothing
  EXPECT_EQ(tap.press(keys::kV, modifiers::kCommand), TapDecision::passOn);
  EXPECT_TRUE(ax.writes.empty());
}

}  // namespace
}  // namespace oskel
