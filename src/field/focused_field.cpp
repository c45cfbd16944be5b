#include "field/focused_field.h"

#include <array>
#include <string_view>

#include "base/text.h"

namespace oskel {

bool FocusedField::operator==(const FocusedField& other) const {
  if (!sameElement(element, other.element)) return false;
  // Byte-equal labels are the common case of every focus tick; skip normalizing them.
  return label == other.label || text::canonicallyEqual(label, other.label);
}

bool FocusedField::hasGenericLabel() const {
  static constexpr std::array<std::string_view, 5> kGeneric = {"text field", "text area",
                                                               "search field", "input", "message"};
  const std::string normalized = text::lowercased(text::trimmed(label));
  for (std::string_view generic : kGeneric) {
    if (normalized == generic) return true;
  }
  return false;
}

}  // namespace oskel
