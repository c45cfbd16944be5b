// The Keychain on QtKeychain: the Secret Service (gnome-keyring, KWallet) on Linux, the
// Keychain on macOS. Each operation runs its QtKeychain job to completion in a local
// event loop, so it is synchronous for the caller; call it from the thread that owns
// the QCoreApplication. A missing, locked or refusing keyring is `failure`.
#pragma once

#include "platform/keychain.h"

namespace oskel {

class QtKeychain : public Keychain {
 public:
  KeychainItem read(const std::string& service, const std::string& account) override;
  KeychainStatus update(const std::string& service, const std::string& account,
                        const std::string& data) override;
  KeychainStatus add(const std::string& service, const std::string& account,
                     const std::string& data) override;
  KeychainStatus remove(const std::string& service, const std::string& account) override;
};

}  // namespace oskel
