// The process environment, read through one injectable object.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace oskel {

class Environment {
 public:
  virtual ~Environment() = default;
  // The variable's value, or nothing when it is not set (an empty value is a value).
  virtual std::optional<std::string> value(const std::string& name) const = 0;

  // The real environment of this process.
  static const Environment& process();
};

// A fixed set of variables: for tests and tools.
class MapEnvironment : public Environment {
 public:
  MapEnvironment() = default;
  explicit MapEnvironment(std::map<std::string, std::string> values) : values_(std::move(values)) {}
  std::optional<std::string> value(const std::string& name) const override {
    auto it = values_.find(name);
    return it == values_.end() ? std::nullopt : std::optional(it->second);
  }
  void set(const std::string& name, std::string value) { values_[name] = std::move(value); }
  void unset(const std::string& name) { values_.erase(name); }

 private:
  std::map<std::string, std::string> values_;
};

}  // namespace oskel
