// The Smart Paste flow of the application controller: following the focused field,
// the shortcut decision, requests and their answers, and the two insertion paths.
#include <array>
#include <string_view>
#include <utility>

#include "app/app_delegate.h"
#include "app/settings.h"
#include "base/text.h"

namespace oskel {
namespace {

constexpr std::array<std::string_view, 7> kNativePasteApps = {
    "chrome", "chromium", "arc", "brave", "edge", "firefox", "safari"};

bool sameField(const std::optional<FocusedField>& a, const FocusedField& b) {
  return a.has_value() && *a == b;
}

}  // namespace

void AppDelegate::resetSmartPasteState() {
  suggestion_.reset();
  isRequesting_ = false;
  pasteWhenReady_ = false;
  ++generation_;
}

void AppDelegate::clearRankedTexts() {
  deps_.timeline.setRankedTexts({});
  deps_.timeline.reload();
  rankedTextsShown_ = false;
}

void AppDelegate::observeField() {
  if (deps_.timeline.isVisible()) return;
  std::optional<FocusedField> field = fields_.current();
  if (!field) {
    // Most ticks of an idle session land here. Reloading the timeline recomputes it
    // over the whole history, so it is done only when there is something to clear.
    const bool alreadyIdle =
        !focused_ && !suggestion_ && !isRequesting_ && !pasteWhenReady_ && !rankedTextsShown_;
    focused_.reset();
    resetSmartPasteState();
    if (!alreadyIdle) clearRankedTexts();
    return;
  }
  if (sameField(focused_, *field)) return;
  if (field->hasGenericLabel()) {
    focused_ = std::move(field);
    resetSmartPasteState();
    clearRankedTexts();
    return;
  }
  beginSuggestion(*field, false);
}

bool AppDelegate::handleSmartPaste() {
  const bool changed = deps_.watcher.captureIfChanged();
  if (bypassNextPaste_) {
    bypassNextPaste_ = false;
    return false;
  }
  std::optional<FocusedField> field = fields_.current();
  if (!field) return false;
  if (deps_.store.textClipCount() == 0) return false;
  if (field->hasGenericLabel()) return false;
  if (changed) {
    beginSuggestion(*field, true);
    return true;
  }
  if (sameField(focused_, *field)) {
    if (suggestion_) {
      const Clip clip = *suggestion_;
      paste(clip, field);
      return true;
    }
    if (isRequesting_) {
      pasteWhenReady_ = true;
      return true;
    }
  }
  beginSuggestion(*field, true);
  return true;
}

void AppDelegate::beginSuggestion(const FocusedField& field, bool pasteAfterResponse) {
  focused_ = field;
  suggestion_.reset();
  clearRankedTexts();
  pasteWhenReady_ = pasteAfterResponse;
  isRequesting_ = true;
  const std::int64_t requestGeneration = ++generation_;

  // Only the newest text clips can be offered; collect just those.
  std::vector<Clip> clips;
  deps_.store.clips().forEach([&clips](const Clip& clip) {
    if (!clip.isImage()) clips.push_back(clip);
    return clips.size() < SuggestionSource::kClipsLookedAt;
  });
  std::vector<CandidateValue> values = deps_.suggestions.candidateValues(clips);
  if (values.empty()) {
    handleAnswer(SuggestionOutcome::noMatch(), requestGeneration, field);
    return;
  }
  std::weak_ptr<AppDelegate> self = weak();
  FieldContext context{field.label, field.role, field.app, std::nullopt};
  deps_.suggestions.suggest(context, values,
                            [self, requestGeneration, field](SuggestionOutcome outcome) {
                              if (auto strong = self.lock()) {
                                strong->handleAnswer(outcome, requestGeneration, field);
                              }
                            });
}

void AppDelegate::handleAnswer(const SuggestionOutcome& outcome, std::int64_t requestGeneration,
                               const FocusedField& requestField) {
  if (generation_ != requestGeneration || !sameField(focused_, requestField)) return;
  isRequesting_ = false;
  const bool pasteNow = pasteWhenReady_;
  pasteWhenReady_ = false;

  switch (outcome.kind) {
    case SuggestionOutcome::Kind::match: {
      deps_.timeline.setRankedTexts(outcome.rankedTexts);
      deps_.timeline.reload();
      rankedTextsShown_ = !outcome.rankedTexts.empty();
      // A NaN confidence fails this test and counts as not confident.
      const bool confident = outcome.confidence >= kConfidenceThreshold;
      if (confident && pasteNow) {
        paste(outcome.clip, requestField);
      } else if (confident) {
        suggestion_ = outcome.clip;
      } else if (pasteNow) {
        clipboardFallback(requestField);
      }
      break;
    }
    case SuggestionOutcome::Kind::noMatch:
      clearRankedTexts();
      if (pasteNow) clipboardFallback(requestField);
      break;
    case SuggestionOutcome::Kind::failure:
      clearRankedTexts();
      if (pasteNow) deps_.dialogs.beep();
      break;
  }
}

void AppDelegate::clipboardFallback(const FocusedField& field) {
  if (prefersNativePaste(field)) {
    performNormalPaste();
    return;
  }
  std::optional<std::string> text = deps_.pasteboard.string();
  if (text && insertTextAtSelection(*text, field)) {
    finishPaste();
    return;
  }
  performNormalPaste();
}

void AppDelegate::paste(const Clip& clip, const std::optional<FocusedField>& field) {
  const bool native = field && prefersNativePaste(*field);
  if (!clip.isImage() && field && !native && insertTextAtSelection(clip.text, *field)) {
    finishPaste();
    return;
  }

  // While an earlier paste's restore is still pending, the clipboard holds that paste's
  // temporary value; the user's own contents are the snapshot waiting to be restored.
  // Keep that one and let this paste's restore replace the pending one.
  std::vector<PasteboardItem> snapshot =
      pendingSnapshot_ ? std::move(*pendingSnapshot_) : deps_.pasteboard.items();
  pendingSnapshot_.reset();
  ++restoreSerial_;
  deps_.pasteboard.clearContents();
  bool written = false;
  if (clip.isImage()) {
    std::optional<std::string> png = deps_.imageData ? deps_.imageData(clip) : std::nullopt;
    written = png && deps_.pasteboard.writeImage(*png);
  } else {
    written = deps_.pasteboard.writeString(clip.text);
  }
  if (!written) {
    // The clipboard was already cleared: give the user's contents back at once rather
    // than leave it empty. The request state stays as it was.
    restoreSnapshot(snapshot);
    return;
  }
  deps_.watcher.syncToPasteboard();
  const std::int64_t fetchesBefore = deps_.pasteboard.ownContentFetchCount();
  pendingSnapshot_ = std::move(snapshot);
  performNormalPaste();
  const double delay = clip.isImage() || native ? kSlowRestoreDelay : kRestoreDelay;
  scheduleRestore(delay, fetchesBefore, 0);
  finishPaste();
}

void AppDelegate::scheduleRestore(double delay, std::int64_t fetchesBefore, double waited) {
  std::weak_ptr<AppDelegate> self = weak();
  const std::uint64_t serial = restoreSerial_;
  deps_.mainQueue.postAfter(delay, [self, serial, fetchesBefore, waited] {
    auto strong = self.lock();
    // A later paste took the snapshot over, with its own restore.
    if (!strong || strong->restoreSerial_ != serial || !strong->pendingSnapshot_) return;
    // The target application has not fetched the pasted value yet (X11 pastes are
    // lazy): restoring now would paste the old contents instead. Wait a little more.
    if (strong->deps_.pasteboard.ownContentFetchCount() == fetchesBefore &&
        waited + kRestoreFetchStep <= kRestoreFetchWait + 1e-9) {
      strong->scheduleRestore(kRestoreFetchStep, fetchesBefore, waited + kRestoreFetchStep);
      return;
    }
    std::vector<PasteboardItem> items = std::move(*strong->pendingSnapshot_);
    strong->pendingSnapshot_.reset();
    strong->restoreSnapshot(items);
  });
}

void AppDelegate::restoreSnapshot(const std::vector<PasteboardItem>& items) {
  deps_.pasteboard.clearContents();
  std::vector<PasteboardItem> kept;
  for (const PasteboardItem& item : items) {
    PasteboardItem copy;
    for (const auto& representation : item.representations) {
      copy.representations.push_back(representation);
    }
    if (!copy.representations.empty()) kept.push_back(std::move(copy));
  }
  if (!kept.empty()) deps_.pasteboard.writeItems(kept);
  deps_.watcher.syncToPasteboard();
}

void AppDelegate::finishPaste() {
  suggestion_.reset();
  isRequesting_ = false;
  pasteWhenReady_ = false;
  ++generation_;
}

bool AppDelegate::insertTextAtSelection(const std::string& text, const FocusedField& field) {
  std::optional<bool> settable = deps_.accessibility.isAttributeSettable(field.element, "AXSelectedText");
  if (!settable || !*settable) return false;
  return deps_.accessibility.setAttributeValue(field.element, "AXSelectedText", text);
}

bool AppDelegate::prefersNativePaste(const FocusedField& field) {
  const std::string app = text::lowercased(field.app);
  for (std::string_view name : kNativePasteApps) {
    if (app.find(name) != std::string::npos) return true;
  }
  return false;
}

void AppDelegate::performNormalPaste() {
  // Set before posting: the key-down may pass the tap before postKey returns.
  bypassNextPaste_ = SmartPasteShortcut::current(deps_.defaults) == SmartPasteShortcut::commandV;
  if (!deps_.keySynthesizer.postKey(keys::kV, true, modifiers::kCommand)) {
    // No key-down will come to use the bypass up; left set, it would let the user's
    // next real Ctrl+V through as an ordinary paste.
    bypassNextPaste_ = false;
  }
  deps_.keySynthesizer.postKey(keys::kV, false, modifiers::kCommand);
}

void AppDelegate::pasteFromTimeline(const Clip& clip,
                                    const std::optional<FrontmostApplication>& previous) {
  if (previous) deps_.workspace.activate(*previous);
  std::weak_ptr<AppDelegate> self = weak();
  deps_.mainQueue.postAfter(kTimelinePasteDelay, [self, clip] {
    auto strong = self.lock();
    if (!strong) return;
    strong->paste(clip, strong->fields_.current());
  });
}

}  // namespace oskel
