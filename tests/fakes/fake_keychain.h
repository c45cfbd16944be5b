// A Keychain for tests: items in memory by (service, account), with a switch that makes
// every operation fail as a locked or missing keyring would, and a call count.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "platform/keychain.h"

namespace oskel {

class FakeKeychain : public Keychain {
 public:
  KeychainItem read(const std::string& service, const std::string& account) override {
    ++calls;
    if (failing) return {KeychainStatus::failure, {}};
    auto it = items.find({service, account});
    if (it == items.end()) return {KeychainStatus::itemNotFound, {}};
    return {KeychainStatus::success, it->second};
  }
  KeychainStatus update(const std::string& service, const std::string& account,
                        const std::string& data) override {
    ++calls;
    if (failing) return KeychainStatus::failure;
    auto it = items.find({service, account});
    if (it == items.end()) return KeychainStatus::itemNotFound;
    it->second = data;
    return KeychainStatus::success;
  }
  KeychainStatus add(const std::string& service, const std::string& account,
                     const std::string& data) override {
    ++calls;
    if (failing) return KeychainStatus::failure;
    items[{service, account}] = data;
    return KeychainStatus::success;
  }
  KeychainStatus remove(const std::string& service, const std::string& account) override {
    ++calls;
    if (failing) return KeychainStatus::failure;
    return items.erase({service, account}) ? KeychainStatus::success : KeychainStatus::itemNotFound;
  }

  std::map<std::pair<std::string, std::string>, std::string> items;
  bool failing = false;
  int calls = 0;
};

}  // namespace oskel
