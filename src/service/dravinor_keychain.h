// The direct backend's API key, kept as one keyring item: service "app.oskel.mac.dravinor"
// (or the value of OSKEL_KEYCHAIN_SERVICE when that variable is set, even when empty),
// account "direct-orv-api-key", the key's UTF-8 bytes as the secret. Nothing here trims
// or changes the key. The service name is fixed when the object is made.
#pragma once

#include <optional>
#include <string>

#include "platform/environment.h"
#include "platform/keychain.h"

namespace oskel {

class DravinorKeychain {
 public:
  static constexpr const char* kDefaultService = "app.oskel.mac.dravinor";
  static constexpr const char* kAccount = "direct-orv-api-key";
  static constexpr const char* kServiceVariable = "OSKEL_KEYCHAIN_SERVICE";

  DravinorKeychain(Keychain& keychain, const Environment& environment);

  const std::string& service() const { return service_; }
  const std::string& account() const { return account_; }

  // The stored key; nothing when there is no item, it is empty or not valid UTF-8, or
  // the keyring fails.
  std::optional<std::string> read() const;

  // True when the keyring holds `key` afterwards. An empty key or one that is not valid
  // UTF-8 is refused (false) without touching the keyring.
  bool save(const std::string& key) const;

  // True when no item is left afterwards (including when there was none).
  bool remove() const;

 private:
  Keychain& keychain_;
  std::string service_;
  std::string account_;
};

}  // namespace oskel
