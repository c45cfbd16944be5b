// Reads the keyboard focus of the desktop into a FocusedField, and refuses fields that
// are not plain text inputs or that look secret (passwords, card numbers, one-time
// codes...), so that nothing about them ever leaves the reader.
//
// No state: every current() reads the accessibility tree afresh. Main thread only.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "field/focused_field.h"
#include "platform/accessibility.h"

namespace oskel {

class FieldObserver {
 public:
  // The frontmost application's display name, or nothing (no frontmost application,
  // or it has no name).
  using FrontmostName = std::function<std::optional<std::string>()>;

  // Both are borrowed and must outlive the observer.
  FieldObserver(Accessibility& accessibility, FrontmostName frontmostName);

  // The snapshot of the focused field, or nothing when no accepted field has the focus.
  std::optional<FocusedField> current() const;

  // Typed attribute reads: nothing when the read fails or the value has another type.
  std::optional<std::string> axString(const ElementRef& element, const std::string& attribute) const;
  std::optional<AXPoint> axPoint(const ElementRef& element, const std::string& attribute) const;
  std::optional<AXSize> axSize(const ElementRef& element, const std::string& attribute) const;

  static constexpr const char* kLabelSeparator = " \xC2\xB7 ";  // " · "
  static constexpr const char* kFallbackLabel = "Text field";
  static constexpr const char* kUnknownApp = "Unknown";

  // True when the lower-cased text contains one of the sensitive keywords.
  static bool looksSensitive(const std::string& label, const std::string& subrole);

 private:
  ElementRef focusedElement() const;

  Accessibility& accessibility_;
  FrontmostName frontmostName_;
};

}  // namespace oskel
