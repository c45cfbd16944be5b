// An in-memory Defaults for tests: strings and booleans by key, safe from any thread.
#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <variant>

#include "platform/defaults.h"

namespace oskel {

class FakeDefaults : public Defaults {
 public:
  std::optional<std::string> string(const std::string& key) const override {
    std::lock_guard lock(mutex_);
    auto it = values_.find(key);
    if (it == values_.end() || !std::holds_alternative<std::string>(it->second)) return std::nullopt;
    return std::get<std::string>(it->second);
  }
  bool boolean(const std::string& key) const override {
    std::lock_guard lock(mutex_);
    auto it = values_.find(key);
    return it != values_.end() && std::holds_alternative<bool>(it->second) && std::get<bool>(it->second);
  }
  void setString(const std::string& key, const std::string& value) override {
    std::lock_guard lock(mutex_);
    values_[key] = value;
  }
  void setBoolean(const std::string& key, bool value) override {
    std::lock_guard lock(mutex_);
    values_[key] = value;
  }
  void remove(const std::string& key) override {
    std::lock_guard lock(mutex_);
    values_.erase(key);
  }
  bool contains(const std::string& key) const {
    std::lock_guard lock(mutex_);
    return values_.count(key) > 0;
  }

 private:
  mutable std::mutex mutex_;
  std::map<std::string, std::variant<std::string, bool>> values_;
};

}  // namespace oskel
