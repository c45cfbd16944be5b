#include "fakes/fake_accessibility.h"

namespace oskel {
namespace {

class FakeElement : public AccessibilityElement {
 public:
  explicit FakeElement(std::string id) : id(std::move(id)) {}
  bool isSameElement(const AccessibilityElement& other) const override {
    auto* fake = dynamic_cast<const FakeElement*>(&other);
    return fake != nullptr && fake->id == id;
  }
  std::string id;
};

}  // namespace

ElementRef FakeAccessibility::handle(const std::string& id) {
  return std::make_shared<FakeElement>(id);
}

std::string FakeAccessibility::idOf(const ElementRef& element) {
  auto* fake = dynamic_cast<const FakeElement*>(element.get());
  return fake ? fake->id : std::string();
}

void FakeAccessibility::focusTextField(const std::string& id, const std::string& title,
                                       const std::string& role) {
  attributes_[id].clear();
  set(id, "AXRole", role);
  if (!title.empty()) set(id, "AXTitle", title);
  set(id, "AXPosition", AXPoint{10, 20});
  set(id, "AXSize", AXSize{200, 24});
  settable[id] = true;
  systemWideFocus = id;
  applicationFocus = id;
}

ElementRef FakeAccessibility::frontmostApplicationElement() {
  return hasFrontmostApplication ? handle("__application__") : nullptr;
}

std::optional<AXValue> FakeAccessibility::attributeValue(const ElementRef& element,
                                                         const std::string& attribute) {
  ++readCount;
  const std::string id = idOf(element);
  if (attribute == "AXFocusedUIElement" && (id == "__system__" || id == "__application__")) {
    const auto& focus = id == "__system__" ? systemWideFocus : applicationFocus;
    if (!focus) return std::nullopt;
    return AXValue(handle(*focus));
  }
  auto element_it = attributes_.find(id);
  if (element_it == attributes_.end()) return std::nullopt;
  auto it = element_it->second.find(attribute);
  if (it == element_it->second.end()) return std::nullopt;
  return it->second;
}

std::optional<bool> FakeAccessibility::isAttributeSettable(const ElementRef& element,
                                                           const std::string& attribute) {
  if (attribute != "AXSelectedText") return false;
  auto it = settable.find(idOf(element));
  return it == settable.end() ? std::optional<bool>(false) : it->second;
}

bool FakeAccessibility::setAttributeValue(const ElementRef& element, const std::string& attribute,
                                          const std::string& value) {
  writes.push_back({idOf(element), attribute, value});
  return true;
}

}  // namespace oskel
