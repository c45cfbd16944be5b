// A BundleInfo for tests: a fixed map of keys to string values.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/bundle_info.h"

namespace oskel {

class FakeBundleInfo : public BundleInfo {
 public:
  FakeBundleInfo() = default;
  explicit FakeBundleInfo(std::map<std::string, std::string> values) : values_(std::move(values)) {}
  std::optional<std::string> value(const std::string& key) const override {
    auto it = values_.find(key);
    return it == values_.end() ? std::nullopt : std::optional(it->second);
  }
  void set(const std::string& key, std::string value) { values_[key] = std::move(value); }
  void unset(const std::string& key) { values_.erase(key); }

 private:
  std::map<std::string, std::string> values_;
};

}  // namespace oskel
