// The first-launch welcome window. Its continue action calls the handler once per click.
#pragma once

#include <functional>

namespace oskel {

class WelcomeWindow {
 public:
  virtual ~WelcomeWindow() = default;
  virtual void setOnContinue(std::function<void()> handler) = 0;
  // Centres the window, shows it, makes it key, brings it to the front and activates
  // the application over the others.
  virtual void present() = 0;
};

}  // namespace oskel
