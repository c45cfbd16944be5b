// TokenSigner: device tokens that need no database.
//
// A token is "v1.<key id>.<issued at>.<installation id>.<signature>", the
// signature being HMAC-SHA256 under the shared secret over everything before
// it, in unpadded base64url. The key id is derived from the secret, so
// replicas that share the secret accept each other's tokens and a rotated
// secret refuses old ones. With a lifetime (seconds, 0 = never), a token
// older than that (strictly) is refused as expired; a token issued more than five
// minutes in the future is refused too.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace oskel::tokens {

enum class TokenCheck { kValid, kMalformed, kWrongKey, kForged, kExpired };

struct VerifiedToken {
  TokenCheck check = TokenCheck::kMalformed;
  std::string installId;  // set when valid
};

class TokenSigner {
 public:
  TokenSigner(std::string secret, std::int64_t lifetimeSeconds);

  std::string issue(std::string_view installId, std::int64_t nowSeconds) const;
  VerifiedToken verify(std::string_view token, std::int64_t nowSeconds) const;

  const std::string& keyId() const { return keyId_; }

 private:
  std::string sign(std::string_view payload) const;

  std::string secret_;
  std::int64_t lifetime_;
  std::string keyId_;
};

}  // namespace oskel::tokens
