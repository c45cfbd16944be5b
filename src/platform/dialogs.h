// Modal alerts, the secret-key dialog and the system beep. Each call blocks until the
// user answers (on the desktop a nested event loop runs meanwhile).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace oskel {

enum class AlertStyle { informational, warning };

// Callers set the style of every alert; warning is also what an alert without one shows.
struct AlertRequest {
  std::string message;
  std::string informativeText;
  AlertStyle style = AlertStyle::warning;
  std::vector<std::string> buttons;  // in order; the first is the default
};

struct SecretFieldRequest {
  std::string message;
  std::string informativeText;
  AlertStyle style = AlertStyle::informational;
  std::string placeholder;
  double fieldWidth = 360;  // the masked field's size, in points
  double fieldHeight = 24;
  std::vector<std::string> buttons;  // the first saves, the others cancel
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Index of the chosen button (0 = first); nothing when the alert was dismissed otherwise.
  virtual std::optional<int> runAlert(const AlertRequest& request) = 0;

  // An alert with one empty, masked text field that has the focus. The field's text
  // when the first button was chosen; nothing otherwise.
  virtual std::optional<std::string> runSecretField(const SecretFieldRequest& request) = 0;

  virtual void beep() = 0;
};

}  // namespace oskel
