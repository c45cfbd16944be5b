#include "app/settings.h"

namespace oskel {

std::string_view SmartPasteBackendMode::rawValue() const {
  return value_ == directOrv ? "directOrv" : "oskelCloud";
}

std::string_view SmartPasteShortcut::rawValue() const {
  return value_ == commandJ ? "commandJ" : "commandV";
}

SmartPasteBackendMode SmartPasteBackendMode::current(const Defaults& defaults) {
  const auto stored = defaults.string(settings_key::kSmartPasteBackendMode).value_or("");
  return stored == SmartPasteBackendMode(directOrv).rawValue() ? directOrv : oskelCloud;
}

SmartPasteShortcut SmartPasteShortcut::current(const Defaults& defaults) {
  const auto stored = defaults.string(settings_key::kSmartPasteShortcut).value_or("");
  return stored == SmartPasteShortcut(commandJ).rawValue() ? commandJ : commandV;
}

}  // namespace oskel
