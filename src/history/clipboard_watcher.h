// ClipboardWatcher turns changes of the system clipboard into history entries.
//
// The clipboard offers no change notification, so the watcher polls its change count on
// a 0.6-second repeating timer. When the count has moved, it reads the new contents once
// and hands them to the history: an image (PNG, then TIFF, then any other image format)
// to the image intake, otherwise plain text to the store, with the display name of the
// application in front ("Unknown" when there is none). An image always wins over text.
//
// `lastChange` is the change count already dealt with. It starts at the count seen at
// construction, so what is on the clipboard at start-up is never captured. A change seen
// while capture is paused ("oskel.clipboardCapturePaused"), or one that a password manager
// marked as secret ("x-kde-passwordManagerHint" = "secret", or the concealed type), counts
// as dealt with and stores nothing. The program's own writes are kept out by setting
// lastChange to the current count right after writing (syncToPasteboard()).
//
// A tick without a change reads only the change count. Main thread only; the timer holds
// the watcher weakly and does nothing once it is gone.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/defaults.h"
#include "platform/main_queue.h"
#include "platform/pasteboard.h"
#include "platform/workspace.h"

namespace oskel {

class MemoryStore;
class ImageIntake;

class ClipboardWatcher {
 public:
  struct Dependencies {
    Pasteboard& pasteboard;
    Workspace& workspace;
    const Defaults& defaults;
    MainQueue& mainQueue;
    MemoryStore& store;
    ImageIntake& images;
  };

  static constexpr double kPollInterval = 0.6;

  explicit ClipboardWatcher(Dependencies dependencies);
  ClipboardWatcher(const ClipboardWatcher&) = delete;
  ClipboardWatcher& operator=(const ClipboardWatcher&) = delete;

  // Starts the repeating poll; a second call does nothing.
  void start();

  // Captures the clipboard when its change count moved. True when new contents were
  // handed to the history (whether or not it kept them).
  bool captureIfChanged();

  std::int64_t lastChange() const { return lastChange_; }
  void setLastChange(std::int64_t changeCount) { lastChange_ = changeCount; }
  // Marks the clipboard's current contents as dealt with (after the program's own writes,
  // and when capture is paused or resumed).
  void syncToPasteboard() { lastChange_ = deps_.pasteboard.changeCount(); }

  // Whether the current contents carry a password manager's "do not keep" mark.
  static bool isConcealed(const Pasteboard& pasteboard);

 private:
  Dependencies deps_;
  std::int64_t lastChange_;
  std::unique_ptr<Timer> timer_;
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace oskel
