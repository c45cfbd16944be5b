// The signing secret, kept in a file.
//
// loadOrCreateSecret() reads the secret (surrounding white space removed;
// at least 32 bytes, else refused). When the file does not exist it creates
// it atomically with a fresh random secret (32 bytes from the OpenSSL CSPRNG,
// hex-encoded) readable by the owner only; a replica that loses the race to
// create it reads the winner's secret.
#pragma once

#include <optional>
#include <string>

namespace oskel::tokens {

struct SecretOutcome {
  std::optional<std::string> secret;
  std::string error;    // set when there is no secret
  std::string warning;  // e.g. the file is readable by others
  bool created = false;
};

SecretOutcome loadOrCreateSecret(const std::string& path);

}  // namespace oskel::tokens
