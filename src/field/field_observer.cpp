#include "field/field_observer.h"

#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "base/text.h"

namespace oskel {
namespace {

constexpr std::array<std::string_view, 3> kAcceptedRoles = {"AXTextField", "AXTextArea",
                                                            "AXComboBox"};

// Tested in this order, as plain substrings of the lower-cased label and subrole.
constexpr std::array<std::string_view, 14> kSensitiveKeywords = {
    "password",      "passcode", "secure",   "credit card", "card number",
    "cvv",           "cvc",      "security code", "one-time", "one time",
    "otp",           "verification code", "social security", "ssn"};

template <typename T>
std::optional<T> valueAs(const std::optional<AXValue>& value) {
  if (!value) return std::nullopt;
  if (const T* typed = std::get_if<T>(&*value)) return *typed;
  return std::nullopt;
}

}  // namespace

FieldObserver::FieldObserver(Accessibility& accessibility, FrontmostName frontmostName)
    : accessibility_(accessibility), frontmostName_(std::move(frontmostName)) {}

std::optional<std::string> FieldObserver::axString(const ElementRef& element,
                                                   const std::string& attribute) const {
  if (!element) return std::nullopt;
  return valueAs<std::string>(accessibility_.attributeValue(element, attribute));
}

std::optional<AXPoint> FieldObserver::axPoint(const ElementRef& element,
                                              const std::string& attribute) const {
  if (!element) return std::nullopt;
  return valueAs<AXPoint>(accessibility_.attributeValue(element, attribute));
}

std::optional<AXSize> FieldObserver::axSize(const ElementRef& element,
                                            const std::string& attribute) const {
  if (!element) return std::nullopt;
  return valueAs<AXSize>(accessibility_.attributeValue(element, attribute));
}

ElementRef FieldObserver::focusedElement() const {
  auto focusOf = [this](const ElementRef& root) -> ElementRef {
    if (!root) return nullptr;
    auto element = valueAs<ElementRef>(accessibility_.attributeValue(root, "AXFocusedUIElement"));
    return element ? *element : nullptr;
  };
  // Both are asked; the system-wide answer wins when it has one.
  ElementRef systemWide = focusOf(accessibility_.systemWideElement());
  ElementRef application = focusOf(accessibility_.frontmostApplicationElement());
  return systemWide ? systemWide : application;
}

bool FieldObserver::looksSensitive(const std::string& label, const std::string& subrole) {
  const std::string test = text::lowercased(label + " " + subrole);
  for (std::string_view keyword : kSensitiveKeywords) {
    if (test.find(keyword) != std::string::npos) return true;
  }
  return false;
}

std::optional<FocusedField> FieldObserver::current() const {
  ElementRef element = focusedElement();
  if (!element) return std::nullopt;

  std::optional<std::string> role = axString(element, "AXRole");
  if (!role) return std::nullopt;
  bool accepted = false;
  for (std::string_view candidate : kAcceptedRoles) accepted = accepted || *role == candidate;
  if (!accepted) return std::nullopt;

  const std::string subrole = text::lowercased(axString(element, "AXSubrole").value_or(""));

  std::vector<std::string> parts;
  for (const char* attribute : {"AXTitle", "AXDescription", "AXHelp", "AXPlaceholderValue"}) {
    if (auto part = axString(element, attribute)) parts.push_back(std::move(*part));
  }
  auto titleElement =
      valueAs<ElementRef>(accessibility_.attributeValue(element, "AXTitleUIElement"));
  if (titleElement && *titleElement) {
    parts.push_back(axString(*titleElement, "AXValue").value_or(""));
  }

  std::string label;
  for (const std::string& part : parts) {
    if (part.empty()) continue;
    if (!label.empty()) label += kLabelSeparator;
    label += part;
  }

  if (looksSensitive(label, subrole)) return std::nullopt;

  std::optional<AXPoint> position = axPoint(element, "AXPosition");
  if (!position) return std::nullopt;
  std::optional<AXSize> size = axSize(element, "AXSize");
  if (!size) return std::nullopt;

  std::optional<std::string> app = frontmostName_ ? frontmostName_() : std::nullopt;
  if (label.empty()) label = kFallbackLabel;

  FocusedField field;
  field.element = std::move(element);
  field.label = std::move(label);
  field.role = std::move(*role);
  field.app = app && !app->empty() ? std::move(*app) : std::string(kUnknownApp);
  field.frame = FieldFrame{position->x, position->y, size->width, size->height};
  return field;
}

}  // namespace oskel
