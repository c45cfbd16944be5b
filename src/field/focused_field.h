// A snapshot of the focused input field of another application: the element itself
// (kept alive by the record), what the field asks for, its accessibility role, the name
// of the frontmost application and where the field is on screen.
//
// Two snapshots are the same field when they name the same element and their labels
// are equal as text (canonically equivalent Unicode, so a label that one read gives
// composed and the next decomposed is still the same); role, application and frame take
// no part. A plain value, copied freely.
#pragma once

#include <string>

#include "platform/accessibility.h"

namespace oskel {

struct FieldFrame {
  double x = 0;  // accessibility screen space: points, origin at the top-left, y down
  double y = 0;
  double width = 0;
  double height = 0;
  bool operator==(const FieldFrame&) const = default;
};

struct FocusedField {
  ElementRef element;
  std::string label;  // never empty
  std::string role;   // "AXTextField", "AXTextArea" or "AXComboBox"
  std::string app;    // the frontmost application's name, or "Unknown"
  FieldFrame frame;

  // Same element and canonically equivalent label.
  bool operator==(const FocusedField& other) const;

  // True when the label, trimmed and lower-cased, says nothing about what the field
  // wants ("text field", "text area", "search field", "input", "message").
  bool hasGenericLabel() const;
};

}  // namespace oskel
