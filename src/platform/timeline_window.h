// The timeline window as the application controller drives it: shown and hidden from
// the shortcut and the menu, fed the ranking of the last suggestion, and handing back
// the clip the user chose to paste. Main thread only.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "history/clip.h"
#include "platform/workspace.h"

namespace oskel {

class TimelineWindow {
 public:
  // The chosen clip and the application that was in front when the timeline opened.
  using PasteHandler = std::function<void(const Clip&, const std::optional<FrontmostApplication>&)>;
  virtual ~TimelineWindow() = default;

  virtual void show() = 0;
  virtual void hide() = 0;
  virtual bool isVisible() const = 0;

  // The ranked candidate texts of the last suggestion, best first; takes effect at reload().
  virtual void setRankedTexts(std::vector<std::string> texts) = 0;
  virtual void reload() = 0;

  virtual void setOnPaste(PasteHandler handler) = 0;
};

}  // namespace oskel
