// The user's persisted settings: strings and booleans by key. Implementations are safe
// to call from any thread and never cache on behalf of callers.
#pragma once

#include <optional>
#include <string>

namespace oskel {

class Defaults {
 public:
  virtual ~Defaults() = default;

  // The stored string, or nothing when the key is absent or holds another type.
  virtual std::optional<std::string> string(const std::string& key) const = 0;

  // The stored boolean; false when the key is absent or holds another type.
  virtual bool boolean(const std::string& key) const = 0;

  virtual void setString(const std::string& key, const std::string& value) = 0;
  virtual void setBoolean(const std::string& key, bool value) = 0;
  virtual void remove(const std::string& key) = 0;
};

}  // namespace oskel
