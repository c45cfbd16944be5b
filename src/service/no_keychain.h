// A keyring that holds nothing: every read finds no item and every change fails. For
// programs that run without a Secret Service (the command-line tool without the desktop
// layer, benchmarks).
#pragma once

#include <string>

#include "platform/keychain.h"

namespace oskel {

class NoKeychain : public Keychain {
 public:
  KeychainItem read(const std::string&, const std::string&) override { return {}; }
  KeychainStatus update(const std::string&, const std::string&, const std::string&) override { return KeychainStatus::failure; }
  KeychainStatus add(const std::string&, const std::string&, const std::string&) override { return KeychainStatus::failure; }
  KeychainStatus remove(const std::string&, const std::string&) override { return KeychainStatus::failure; }
};

}  // namespace oskel
