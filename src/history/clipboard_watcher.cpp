#include "history/clipboard_watcher.h"

#include <algorithm>

#include "app/settings.h"
#include "history/image_intake.h"
#include "history/memory_store.h"

namespace oskel {

ClipboardWatcher::ClipboardWatcher(Dependencies dependencies)
    : deps_(dependencies), lastChange_(deps_.pasteboard.changeCount()) {}

void ClipboardWatcher::start() {
  if (timer_) return;
  std::weak_ptr<int> alive = alive_;
  timer_ = deps_.mainQueue.startRepeating(kPollInterval, [this, alive] {
    if (alive.lock()) captureIfChanged();
  });
}

bool ClipboardWatcher::isConcealed(const Pasteboard& pasteboard) {
  const auto types = pasteboard.types();
  auto offers = [&](std::string_view type) { return std::find(types.begin(), types.end(), type) != types.end(); };
  if (offers(pasteboard_type::kConcealed)) return true;
  if (!offers(pasteboard_type::kPasswordManagerHint)) return false;
  std::string hint = pasteboard.data(pasteboard_type::kPasswordManagerHint).value_or("");
  // Writers differ in trailing bytes: "secret", "secret\n", "secret\0".
  while (!hint.empty() && (hint.back() == '\0' || hint.back() == '\n' || hint.back() == '\r' || hint.back() == ' '))
    hint.pop_back();
  return hint == "secret";
}

bool ClipboardWatcher::captureIfChanged() {
  if (deps_.pasteboard.changeCount() == lastChange_) return false;
  lastChange_ = deps_.pasteboard.changeCount();

  if (deps_.defaults.boolean(settings_key::kClipboardCapturePaused)) return false;
  if (isConcealed(deps_.pasteboard)) return false;

  std::string source = "Unknown";
  if (auto app = deps_.workspace.frontmostApplication(); app && app->name && !app->name->empty()) source = *app->name;

  std::optional<std::string> image = deps_.pasteboard.data(pasteboard_type::kPNG);
  if (!image || image->empty()) image = deps_.pasteboard.data(pasteboard_type::kTIFF);
  if (!image || image->empty()) image = deps_.pasteboard.otherImageData();
  if (image && !image->empty()) {
    deps_.images.add(*image, source);
    return true;
  }

  auto text = deps_.pasteboard.string();
  if (!text) return false;
  deps_.store.add(*text, source);
  return true;
}

}  // namespace oskel
