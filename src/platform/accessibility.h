// The accessibility tree of the desktop: the focused element, attribute reads by their
// AX names, the "AXSelectedText" write, and element identity.
//
// Attribute names are the AX names ("AXRole", "AXTitle", "AXPosition", ...); an adapter
// maps them onto its own toolkit (AT-SPI on Linux). A read that fails for any reason
// (no permission, no such attribute, the application does not answer) gives nothing;
// callers never learn why. Main thread only; every call may be a blocking request to
// the application that owns the element.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace oskel {

// One element of some application's accessibility tree. Handles are kept alive by the
// shared pointer; two handles may name the same element.
class AccessibilityElement {
 public:
  virtual ~AccessibilityElement() = default;
  // True when both handles name the same on-screen element.
  virtual bool isSameElement(const AccessibilityElement& other) const = 0;
};

using ElementRef = std::shared_ptr<const AccessibilityElement>;

struct AXPoint {
  double x = 0;
  double y = 0;
  bool operator==(const AXPoint&) const = default;
};

struct AXSize {
  double width = 0;
  double height = 0;
  bool operator==(const AXSize&) const = default;
};

// The value of one attribute: text, a point, a size, another element, or a number.
using AXValue = std::variant<std::string, AXPoint, AXSize, ElementRef, double>;

// True when both are null or both name the same element.
inline bool sameElement(const ElementRef& a, const ElementRef& b) {
  if (!a || !b) return !a && !b;
  return a.get() == b.get() || a->isSameElement(*b);
}

class Accessibility {
 public:
  virtual ~Accessibility() = default;

  // The element that stands for the whole desktop; null when accessibility is unavailable.
  virtual ElementRef systemWideElement() = 0;

  // The application element of the frontmost application; null when none is frontmost.
  virtual ElementRef frontmostApplicationElement() = 0;

  // Reads one attribute. Nothing when the read fails or the value is absent.
  virtual std::optional<AXValue> attributeValue(const ElementRef& element,
                                                const std::string& attribute) = 0;

  // Whether the attribute can be written; nothing when the query itself fails.
  virtual std::optional<bool> isAttributeSettable(const ElementRef& element,
                                                  const std::string& attribute) = 0;

  // Writes a text attribute ("AXSelectedText" replaces the selection or inserts at the
  // caret). True on success.
  virtual bool setAttributeValue(const ElementRef& element, const std::string& attribute,
                                 const std::string& value) = 0;
};

}  // namespace oskel
