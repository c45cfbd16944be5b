// The application's bundle-information keys: "OskelAPIBaseURL" (the cloud service's base
// address) and "CFBundleShortVersionString" (the application version).
#pragma once

#include <optional>
#include <string>

namespace oskel {

class BundleInfo {
 public:
  virtual ~BundleInfo() = default;
  // The key's string value, or nothing.
  virtual std::optional<std::string> value(const std::string& key) const = 0;
};

}  // namespace oskel
