// An in-memory accessibility tree. Elements are named by ids; every handle() call makes
// a new handle, and handles with the same id are the same element, as two references
// to one on-screen element are on a real desktop.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/accessibility.h"

namespace oskel {

class FakeAccessibility : public Accessibility {
 public:
  struct Write {
    std::string elementId;
    std::string attribute;
    std::string value;
  };

  // A new handle for the element with this id.
  static ElementRef handle(const std::string& id);
  static std::string idOf(const ElementRef& element);

  // The focus as the system-wide element and the frontmost application report it;
  // nothing means the read fails.
  std::optional<std::string> systemWideFocus;
  std::optional<std::string> applicationFocus;
  bool hasFrontmostApplication = true;

  void set(const std::string& id, const std::string& attribute, AXValue value) {
    attributes_[id][attribute] = std::move(value);
  }
  void unset(const std::string& id, const std::string& attribute) { attributes_[id].erase(attribute); }

  // A plain editable text field with a title, placed on screen, and focused.
  void focusTextField(const std::string& id, const std::string& title,
                      const std::string& role = "AXTextField");

  // "AXSelectedText" settability per element.
  std::map<std::string, std::optional<bool>> settable;  // absent = not settable
  std::vector<Write> writes;
  int readCount = 0;

  ElementRef systemWideElement() override { return handle("__system__"); }
  ElementRef frontmostApplicationElement() override;
  std::optional<AXValue> attributeValue(const ElementRef& element,
                                        const std::string& attribute) override;
  std::optional<bool> isAttributeSettable(const ElementRef& element,
                                          const std::string& attribute) override;
  bool setAttributeValue(const ElementRef& element, const std::string& attribute,
                         const std::string& value) override;

 private:
  std::map<std::string, std::map<std::string, AXValue>> attributes_;
};

}  // namespace oskel
