// The active keyboard tap: every key-down of the user's session is handed to one
// callback, with its key code and modifier flags (key_codes.h), before the focused
// application sees it. The callback answers whether the key press is swallowed or
// passed on; it runs on the main thread and must answer quickly. Synthetic key presses
// posted through KeySynthesizer pass the tap again like typed ones.
#pragma once

#include <functional>

#include "platform/key_codes.h"

namespace oskel {

enum class TapDecision { passOn, swallow };

class KeyboardTap {
 public:
  using Callback = std::function<TapDecision(KeyCode keyCode, ModifierFlags flags)>;
  virtual ~KeyboardTap() = default;

  // Creates and enables the tap. False when it cannot be created; then no key is ever
  // delivered. Called at most once.
  virtual bool install(Callback callback) = 0;
};

}  // namespace oskel
