// The keyboard as tests drive it. FakeKeyboardTap keeps the installed callback and plays
// the user's key presses through it. FakeKeySynthesizer posts synthetic keys the way the
// desktop does: each key-down passes the tap again, and what the tap passes on reaches
// the focused application (recorded in `delivered`; a Ctrl+V there is a paste that
// fetches the clipboard). Key-downs can be held back to play a desktop where they arrive
// after postKey() returned.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "platform/key_synthesizer.h"
#include "platform/keyboard_tap.h"

namespace oskel {

struct KeyPress {
  KeyCode keyCode;
  ModifierFlags flags;
  bool operator==(const KeyPress&) const = default;
};

class FakeKeyboardTap : public KeyboardTap {
 public:
  bool install(Callback callback) override {
    ++installs;
    if (onInstall) onInstall();
    if (!succeeds) return false;
    callback_ = std::move(callback);
    return true;
  }

  bool isInstalled() const { return static_cast<bool>(callback_); }

  // A key-down typed by the user; passed-on presses reach the application.
  TapDecision press(KeyCode keyCode, ModifierFlags flags) {
    TapDecision decision = callback_ ? callback_(keyCode, flags) : TapDecision::passOn;
    if (decision == TapDecision::passOn) deliver(keyCode, flags);
    return decision;
  }

  void deliver(KeyCode keyCode, ModifierFlags flags) {
    delivered.push_back({keyCode, flags});
    if (onDelivered) onDelivered(KeyPress{keyCode, flags});
  }

  bool succeeds = true;
  int installs = 0;
  std::function<void()> onInstall;
  std::vector<KeyPress> delivered;                   // key-downs the application received
  std::function<void(const KeyPress&)> onDelivered;  // e.g. the application pastes

 private:
  Callback callback_;
};

class FakeKeySynthesizer : public KeySynthesizer {
 public:
  explicit FakeKeySynthesizer(FakeKeyboardTap& tap) : tap_(tap) {}

  bool postKey(KeyCode keyCode, bool keyDown, ModifierFlags flags) override {
    posted.push_back({keyCode, keyDown, flags});
    if (failing) return false;
    // The tap sees key-downs only; held ones never arrive while the test looks.
    if (keyDown && !holding) tap_.press(keyCode, flags);
    return true;
  }

  struct Posted {
    KeyCode keyCode;
    bool keyDown;
    ModifierFlags flags;
    bool operator==(const Posted&) const = default;
  };
  std::vector<Posted> posted;
  bool failing = false;  // posting fails: nothing reaches the tap
  bool holding = false;  // posted key-downs are still on their way to the tap

 private:
  FakeKeyboardTap& tap_;
};

}  // namespace oskel
