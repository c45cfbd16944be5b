// One generic-password item of the user's keyring, named by service and account.
// The operations are synchronous and may block while the keyring service answers.
// Each reports "not found" apart from every other failure (locked, refused, no
// keyring service), which is just `failure`.
#pragma once

#include <string>

namespace oskel {

enum class KeychainStatus { success, itemNotFound, failure };

struct KeychainItem {
  KeychainStatus status = KeychainStatus::failure;
  std::string data;  // the stored bytes when status is success
};

class Keychain {
 public:
  virtual ~Keychain() = default;

  virtual KeychainItem read(const std::string& service, const std::string& account) = 0;

  // Replaces the bytes of an existing item; itemNotFound when there is none.
  virtual KeychainStatus update(const std::string& service, const std::string& account,
                                const std::string& data) = 0;

  // Creates the item.
  virtual KeychainStatus add(const std::string& service, const std::string& account,
                             const std::string& data) = 0;

  virtual KeychainStatus remove(const std::string& service, const std::string& account) = 0;
};

}  // namespace oskel
