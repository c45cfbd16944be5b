// Posts synthetic key presses to the session as if the user had typed them. They pass
// the program's own KeyboardTap again, each seen once by the tap callback.
#pragma once

#include "platform/key_codes.h"

namespace oskel {

class KeySynthesizer {
 public:
  virtual ~KeySynthesizer() = default;
  // Posts one key-down or key-up with exactly these modifier flags. False when the
  // event could not be created or posted.
  virtual bool postKey(KeyCode keyCode, bool keyDown, ModifierFlags flags) = 0;
};

}  // namespace oskel
